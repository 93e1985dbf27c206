#include "data/SaldixFBDEEdit.h"

#include "suite/Guarded.h"
#include "suite/Utf8.h"

std::string EingabeKuerzen(const std::string& text, std::size_t zeichen) {
  return Utf8Left(text, zeichen);
}

void TKostenstellenWahl::Fuellen(const std::vector<TNummerEintrag>& kostenstellen) {
  Eintraege.clear();
  Eintraege.push_back({" ", 0});
  Eintraege.insert(Eintraege.end(), kostenstellen.begin(), kostenstellen.end());
  Index = 0;
}

void TKostenstellenWahl::Waehlen(std::int32_t nummer) {
  Index = 0;
  for (std::size_t i = 0; i < Eintraege.size(); ++i) {
    if (Eintraege[i].Nummer == nummer) {
      Index = i;
      return;
    }
  }
}

std::int32_t TKostenstellenWahl::Nummer() const {
  return Index < Eintraege.size() ? Eintraege[Index].Nummer : 0;
}

TfrmSaldixFBDEEdit::TfrmSaldixFBDEEdit(IFBDEDialogDaten& daten) : daten_(daten) {
  Guarded("TfrmSaldixFBDEEdit.FormCreate", [&] {
    const auto kostenstellen = daten_.Kostenstellen();
    cmbKost1.Fuellen(kostenstellen);
    cmbKost2.Fuellen(kostenstellen);
  });
}

void TfrmSaldixFBDEEdit::FormShow() {
  Guarded("TfrmSaldixFBDEEdit.FormShow", [&] {
    modalResult_ = 0;
    buchenEnabled_ = !FIdentArray.empty();
    if (!buchenEnabled_) return;
    edtBeschreibung = EingabeKuerzen(FBeschreibung, MaxBeschreibung);
    edtUstId = EingabeKuerzen(FUStId, MaxUstId);
    edtZMZusatz = EingabeKuerzen(FZMZusatz, MaxZMZusatz);
    cmbKost1.Waehlen(FKost1);
    cmbKost2.Waehlen(FKost2);
  });
}

void TfrmSaldixFBDEEdit::btnBuchenClick() {
  Guarded("TfrmSaldixFBDEEdit.btnBuchenClick", [&] {
    if (!buchenEnabled_ || FIdentArray.empty()) return;
    const bool ok = daten_.FBDEMani_Buchen_Update(
        FIdentArray, EingabeKuerzen(edtBeschreibung, MaxBeschreibung),
        EingabeKuerzen(edtUstId, MaxUstId), EingabeKuerzen(edtZMZusatz, MaxZMZusatz),
        cmbKost1.Nummer(), cmbKost2.Nummer());
    if (ok) modalResult_ = mrOk;
  });
}
