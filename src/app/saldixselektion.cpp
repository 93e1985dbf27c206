#include "app/saldixselektion.h"

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

const char* const TfrmFiBuSelektion::Monate[12] = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

namespace {

TDateTime DatumAusText(const std::string& text) { return StrToDateDef(Trim(text), 0); }

}  // namespace

void TfrmFiBuSelektion::FormShow() {
  Guarded("TfrmFiBuSelektion.FormShow", [&] {
    modalResult_ = 0;
    const TDateTime von = DatumAusText(edtDatumVon);
    const TDateTime bis = DatumAusText(edtDatumBis);
    int jahr = 0, monat = 0;
    int abrJahr = 0, abrNr = 0;
    TDateTime abrBis = 0;
    if (von > 0 && bis > 0) {
      jahr = YearOf(bis);
      monat = MonthOf(bis);
    } else if (daten_.Abrechnungen().GetLastAbr(daten_.AktMandant(), abrJahr, abrBis, abrNr)) {
      jahr = abrJahr;
      monat = abrBis > 0 ? MonthOf(abrBis) : 1;
    } else {
      const TDateTime vormonat = StartOfMonth(qtx_Date()) - 1;
      jahr = YearOf(vormonat);
      monat = MonthOf(vormonat);
    }
    edtJahr = std::to_string(jahr);
    Monat = monat;
    // Without a period of its own the dialog offers the preset month as the period.
    if (von <= 0 || bis <= 0) JahrOderMonatGeaendert();
    SetAbgeschlossen(false);
  });
}

void TfrmFiBuSelektion::SetJahr(const std::string& jahr) {
  edtJahr = jahr;
  JahrOderMonatGeaendert();
}

void TfrmFiBuSelektion::SetMonat(int monat) {
  if (monat < 1 || monat > 12) return;
  Monat = monat;
  JahrOderMonatGeaendert();
}

void TfrmFiBuSelektion::JahrOderMonatGeaendert() {
  const int jahr = StrToIntDef(Trim(edtJahr), 0);
  // Years beyond the calendar's range cannot name a month.
  if (jahr <= 0 || jahr > 9999) return;
  const TDateTime erster = EncodeDate(jahr, Monat, 1);
  Zeitraum(erster, EndOfMonth(erster));
}

void TfrmFiBuSelektion::Zeitraum(TDateTime von, TDateTime bis) {
  edtDatumVon = DateToStr(von);
  edtDatumBis = DateToStr(bis);
}

void TfrmFiBuSelektion::SetAbgeschlossen(bool abgeschlossen) {
  Abgeschlossen = abgeschlossen;
  fokus_ = abgeschlossen ? "edtAbrNr" : "edtDatumVon";
}

void TfrmFiBuSelektion::btnListeClick() {
  Guarded("TfrmFiBuSelektion.btnListeClick", [&] {
    TIntPair firma = daten_.AktMandant();
    std::int32_t abrNr = 0, abrJahr = 0;
    TDateTime von = 0, bis = 0;
    if (!journal_.AbgeschlosseneWaehlen(firma, abrNr, abrJahr, von, bis, nullptr)) return;
    SetAbgeschlossen(true);
    edtAbrNr = std::to_string(abrNr);
    edtAbrJahr = std::to_string(abrJahr);
    Zeitraum(von, bis);
    btnWeiterClick();
  });
}

void TfrmFiBuSelektion::btnWeiterClick() {
  Guarded("TfrmFiBuSelektion.btnWeiterClick", [&] {
    FNachAbrNr = Abgeschlossen;
    FDatumVon = DatumAusText(edtDatumVon);
    FDatumBis = DatumAusText(edtDatumBis);
    const TIntPair firma = daten_.AktMandant();
    IAbrechnungsDienst& abrechnungen = daten_.Abrechnungen();
    if (Abgeschlossen) {
      FAbrNr = StrToIntDef(Trim(edtAbrNr), 0);
      FAbrJahr = StrToIntDef(Trim(edtAbrJahr), 0);
    } else {
      FAbrJahr = FDatumBis > 0 ? YearOf(FDatumBis) : 0;
      FAbrNr = abrechnungen.GetNextAbrNr(firma, FAbrJahr);
    }
    if (abrechnungen.GetAbrJahr(firma, FDatumVon) != abrechnungen.GetAbrJahr(firma, FDatumBis)) {
      QTXInfo().QTXHinweisBox(CMeldungWirtschaftsjahr);
      return;
    }
    if (FDatumVon == 0 && FDatumBis == 0) {
      QTXInfo().QTXHinweisBox(CMeldungZeitraum);
      return;
    }
    modalResult_ = mrOk;
  });
}
