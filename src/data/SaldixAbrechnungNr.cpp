#include "data/SaldixAbrechnungNr.h"

#include <charconv>

#include "suite/Guarded.h"
#include "suite/Text.h"

int EingabeAlsZahl(const std::string& text) {
  const std::string trimmed = Trim(text);
  int value = 0;
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return 0;
  return value;
}

void TSaldixAbrechnungsNr::FormShow() {
  edtAbrNrLfd = std::to_string(FAbrNrLfd);
  edtAbrNrJahr = std::to_string(FAbrNrJahr);
  focused_ = "edtAbrNrLfd";
  modalResult_ = 0;
}

void TSaldixAbrechnungsNr::btnOKClick() {
  Guarded("TSaldixAbrechnungsNr.btnOKClick", [&] {
    const int nummer = EingabeAlsZahl(edtAbrNrLfd);
    const int jahr = EingabeAlsZahl(edtAbrNrJahr);
    if (nummer <= 0 || nummer > MaxAbrNr || jahr < MinJahr || jahr > MaxJahr) return;
    FAbrNrLfd = nummer;
    FAbrNrJahr = jahr;
    modalResult_ = mrOk;
  });
}

void TSaldixAbrechnungsNr::btnCancelClick() { modalResult_ = mrCancel; }
