#include "data/SaldixAbrechnungNr.h"

#include "suite/Format.h"
#include "suite/Guarded.h"

void TSaldixAbrechnungsNr::FormShow() {
  edtAbrNrLfd = std::to_string(FAbrNrLfd);
  edtAbrNrJahr = std::to_string(FAbrNrJahr);
  focused_ = "edtAbrNrLfd";
  modalResult_ = 0;
}

void TSaldixAbrechnungsNr::btnOKClick() {
  Guarded("TSaldixAbrechnungsNr.btnOKClick", [&] {
    const int nummer = StrToIntDef(edtAbrNrLfd, 0);
    const int jahr = StrToIntDef(edtAbrNrJahr, 0);
    if (nummer <= 0 || nummer > MaxAbrNr || jahr < MinJahr || jahr > MaxJahr) return;
    FAbrNrLfd = nummer;
    FAbrNrJahr = jahr;
    modalResult_ = mrOk;
  });
}

void TSaldixAbrechnungsNr::btnCancelClick() { modalResult_ = mrCancel; }
