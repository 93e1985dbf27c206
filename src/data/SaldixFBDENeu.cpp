#include "data/SaldixFBDENeu.h"

#include <cmath>

#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

TfrmSaldixFBDENeu::TfrmSaldixFBDENeu(IFBDEDialogDaten& daten, IKontoSuche& suche)
    : daten_(daten), suche_(suche) {
  Guarded("TfrmSaldixFBDENeu.FormCreate", [&] {
    const auto kostenstellen = daten_.Kostenstellen();
    cmbKost1.Fuellen(kostenstellen);
    cmbKost2.Fuellen(kostenstellen);
    cmbRechnerWerte = daten_.Rechnerliste();
    cmbSteuerschlEintraege = daten_.Steuerschl_Liste();
    if (cmbSteuerschlEintraege.empty()) cmbSteuerschlEintraege.push_back(" ");
  });
}

void TfrmSaldixFBDENeu::KontoAnzeigen(TKontoFeld feld) {
  feld.Nummer = daten_.Get_Konto_Nummer(feld.Name, feld.Zusatz, FDatum, FRechner, FFiliale);
  feld.Eingabe = feld.Nummer > 0 ? std::to_string(feld.Nummer) : std::string();
  feld.Text = EingabeKuerzen(daten_.GetMandKonto_Bezeichnung(feld.Name, feld.Zusatz), MaxKontoTxt);
}

void TfrmSaldixFBDENeu::FormShow() {
  Guarded("TfrmSaldixFBDENeu.FormShow", [&] {
    modalResult_ = 0;
    geschrieben_.clear();
    edtBetrag = FloatToStrF(std::fabs(FBetrag), 2);
    cmbSollHaben = FBetrag > 0 ? CSoll : CHaben;
    edtBeschreibung = EingabeKuerzen(FBeschreibung, MaxBeschreibung);
    edtDatum = DateToStr(FDatum);
    edtUstId = EingabeKuerzen(FUStId, MaxUstId);
    edtBeleg1 = EingabeKuerzen(FBeleg1, MaxBeleg);
    edtBeleg2 = EingabeKuerzen(FBeleg2, MaxBeleg);
    cmbKost1.Waehlen(FKost1);
    cmbKost2.Waehlen(FKost2);
    KontoAnzeigen(Konto());
    KontoAnzeigen(Gegenkonto());
    cmbRechner = -1;
    for (std::size_t i = 0; i < cmbRechnerWerte.size(); ++i) {
      if (cmbRechnerWerte[i] == FRechner) cmbRechner = static_cast<int>(i);
    }
    cmbSteuerschl = 0;
    for (std::size_t i = 1; i < cmbSteuerschlEintraege.size(); ++i) {
      if (qtx_strmatch(cmbSteuerschlEintraege[i], FSteuerschl)) {
        cmbSteuerschl = static_cast<int>(i);
        break;
      }
    }
    fokus_ = "edtBetrag";
  });
}

TDateTime TfrmSaldixFBDENeu::Datum() const { return StrToDateDef(edtDatum, 0); }

std::int32_t TfrmSaldixFBDENeu::Rechner() const {
  return cmbRechner >= 0 && static_cast<std::size_t>(cmbRechner) < cmbRechnerWerte.size()
             ? cmbRechnerWerte[static_cast<std::size_t>(cmbRechner)]
             : 0;
}

void TfrmSaldixFBDENeu::KontoVerlassen(TKontoFeld feld, const char* eingabe) {
  const std::int32_t nummer = StrToIntDef(feld.Eingabe, 0);
  if (nummer == feld.Nummer) return;
  std::string name, zusatz, bezeichnung;
  const TDateTime datum = Datum() > 0 ? Datum() : FDatum;
  if (nummer > 0 && daten_.Get_Konto_Zu_Nummer(nummer, FFirma, datum, name, zusatz, bezeichnung)) {
    feld.Name = name;
    feld.Zusatz = zusatz;
    feld.Nummer = nummer;
    feld.Text = EingabeKuerzen(bezeichnung, MaxKontoTxt);
    return;
  }
  feld.Nummer = 0;
  feld.Eingabe.clear();
  feld.Name.clear();
  feld.Zusatz.clear();
  feld.Text.clear();
  fokus_ = eingabe;
  Suchen(feld);
}

void TfrmSaldixFBDENeu::Suchen(TKontoFeld feld) {
  TGewaehltesKonto konto;
  if (!suche_.Suchen(FFirma, qtx_Date(), konto)) return;
  feld.Name = konto.Name;
  feld.Zusatz = konto.Zusatz;
  feld.Text = EingabeKuerzen(konto.Bezeichnung, MaxKontoTxt);
  feld.Nummer = konto.Nummer;
  if (feld.Nummer == 0) {
    const TDateTime datum = Datum() > 0 ? Datum() : FDatum;
    feld.Nummer = daten_.Get_Konto_Nummer(feld.Name, feld.Zusatz, datum, Rechner(), FFiliale);
  }
  feld.Eingabe = feld.Nummer > 0 ? std::to_string(feld.Nummer) : std::string();
}

void TfrmSaldixFBDENeu::edtKontoExit() {
  Guarded("TfrmSaldixFBDENeu.edtKontoExit", [&] { KontoVerlassen(Konto(), "edtKonto"); });
}

void TfrmSaldixFBDENeu::edtGegenkontoExit() {
  Guarded("TfrmSaldixFBDENeu.edtGegenkontoExit",
          [&] { KontoVerlassen(Gegenkonto(), "edtGegenkonto"); });
}

void TfrmSaldixFBDENeu::KontoSuchen() {
  Guarded("TfrmSaldixFBDENeu.edtKontoKeyDown", [&] { Suchen(Konto()); });
}

void TfrmSaldixFBDENeu::GegenkontoSuchen() {
  Guarded("TfrmSaldixFBDENeu.edtGegenkontoKeyDown", [&] { Suchen(Gegenkonto()); });
}

bool TfrmSaldixFBDENeu::Fehler(const char* text, const char* eingabe) {
  fokus_ = eingabe;
  QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {text}, "STANDARD", 994);
  return false;
}

bool TfrmSaldixFBDENeu::Testen() {
  return Guarded("TfrmSaldixFBDENeu.Testen", [&] {
    if (Datum() == 0) return Fehler("Bitte das Datum füllen.", "edtDatum");
    if (std::fabs(StrToFloatDef(edtBetrag, 0)) == 0) {
      return Fehler("Bitte den Betrag füllen.", "edtBetrag");
    }
    if (cmbSollHaben != CSoll && cmbSollHaben != CHaben) {
      return Fehler("Bitte das Soll/Haben-Kennzeichen wählen.", "cmbSollHaben");
    }
    if (FKonto.empty()) return Fehler("Bitte das Konto füllen.", "edtKonto");
    if (FGegenkonto.empty()) return Fehler("Bitte das Gegenkonto füllen.", "edtGegenkonto");
    if (cmbSteuerschl > 0) {
      double prozent = 0;
      const std::string steuerKonto = daten_.SteuerSchlNachKonto(
          cmbSteuerschlEintraege.at(static_cast<std::size_t>(cmbSteuerschl)), prozent);
      const char art = daten_.Get_Aufwand_Erloes_Bestand(FGegenkonto, FGegenkontoZusatz, Datum());
      if (steuerKonto.find("MWST") != std::string::npos) {
        if (art == 'B') {
          return Fehler("Bei einem Bestandskonto ist kein Steuerschlüssel für Mwst erlaubt.",
                        "cmbSteuerschl");
        }
        if (art == 'A') {
          return Fehler("Bei einem Aufwandskonto ist kein Steuerschlüssel für Mwst erlaubt.",
                        "cmbSteuerschl");
        }
      }
      if (steuerKonto.find("VORST") != std::string::npos && art == 'E') {
        return Fehler("Bei einem Erlöskonto ist kein Steuerschlüssel für Vorsteuer erlaubt.",
                      "cmbSteuerschl");
      }
    }
    return true;
  });
}

void TfrmSaldixFBDENeu::btnBuchenClick() {
  Guarded("TfrmSaldixFBDENeu.btnBuchenClick", [&] {
    if (!Testen()) return;
    const TDateTime datum = Datum();
    const std::int32_t rechner = Rechner();
    const std::string beleg1 = EingabeKuerzen(edtBeleg1, MaxBeleg);
    const std::string beleg2 = EingabeKuerzen(edtBeleg2, MaxBeleg);
    const std::string beschreibung = EingabeKuerzen(edtBeschreibung, MaxBeschreibung);
    const std::string ustId = EingabeKuerzen(edtUstId, MaxUstId);
    const long double betrag = StrToFloatDef(edtBetrag, 0);
    long double soll = cmbSollHaben == CSoll ? betrag : 0;
    long double haben = cmbSollHaben == CHaben ? betrag : 0;
    long double steuerSoll = 0, steuerHaben = 0;
    std::string steuerKonto;
    if (cmbSteuerschl > 0) {
      double prozent = 0;
      steuerKonto = daten_.SteuerSchlNachKonto(
          cmbSteuerschlEintraege.at(static_cast<std::size_t>(cmbSteuerschl)), prozent);
      const long double r = prozent;
      steuerSoll = qtx_Round(soll * r / (r + 100), 2);
      steuerHaben = qtx_Round(haben * r / (r + 100), 2);
      soll -= steuerSoll;
      haben -= steuerHaben;
    }
    const std::int32_t kost1 = cmbKost1.Nummer(), kost2 = cmbKost2.Nummer();

    auto transaktion = daten_.BuchungsTransaktion(CSperreManuell);
    TIntTrio ident = CLeeresIntTrio;
    std::vector<TIntTrio> geschrieben;
    if (!daten_.FBDEMani_Buchen_Insert(ident, FFirma, datum, soll, haben, FWaehrung, FKonto,
                                       FKontoZusatz, FGegenkonto, FGegenkontoZusatz, beleg1,
                                       beleg2, ustId, beschreibung, rechner, kost1, kost2,
                                       FFiliale)) {
      return;
    }
    geschrieben.push_back(ident);
    if (steuerSoll + steuerHaben > 0) {
      // The tax booking joins the net booking's transaction; a failure undoes both.
      if (!daten_.FBDEMani_Buchen_Insert(ident, FFirma, datum, steuerSoll, steuerHaben,
                                         FWaehrung, FKonto, FKontoZusatz, steuerKonto, "",
                                         beleg1, beleg2, ustId, beschreibung, rechner, kost1,
                                         kost2, FFiliale)) {
        transaktion->Rollback();
        return;
      }
      geschrieben.push_back(ident);
    }
    transaktion->Commit();
    geschrieben_ = std::move(geschrieben);
    modalResult_ = mrOk;
  });
}
