#include "app/SaldixHaupt.h"

#include "app/SaldixBearb.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"

TFrmHaupt::TFrmHaupt(IHauptDaten& daten, IHauptFenster& fenster, TfrmFiBuSelektion& selektion,
                     TSaldixBearbeiten& liste)
    : daten_(daten), fenster_(fenster), selektion_(selektion), liste_(liste) {
  Aktualisieren();
}

void TFrmHaupt::Aktualisieren() {
  Guarded("TFrmHaupt.Aktualisieren", [&] {
    Caption = "Saldix - " + daten_.ProgrammMandantText();
    lblMandant = daten_.AktTextMandant();
    const std::string format = daten_.AktExporterName();
    BearbeitenRechts = format.empty() ? std::string() : "Export in " + format;
  });
}

void TFrmHaupt::btnBearbeitenBearbeitenClick() {
  Guarded("TFrmHaupt.btnBearbeitenBearbeitenClick", [&] {
    if (daten_.AktExporterName().empty()) {
      QTXInfo().QTXHinweisBox(CKeinFormat);
      return;
    }
    const bool mitProfil = daten_.ExporterProfilAnzahl() > 0;
    if (mitProfil && !fenster_.ProfilWahl()) return;
    if (!daten_.ExporterProfilGeeignet(daten_.AktMandant())) {
      QTXInfo().QTXHinweisBox(CProfilUngeeignet);
      return;
    }
    // A chosen profile may bring its own special accounts.
    if (mitProfil) daten_.KontenIni_einlesen();
    if (!fenster_.Selektion(selektion_)) return;
    liste_.OffeneAbrechnung = !selektion_.FNachAbrNr;
    // Dates first: they invalidate the list, so the new number does not reload the old one.
    liste_.SetDatumVon(selektion_.FDatumVon);
    liste_.SetDatumBis(selektion_.FDatumBis);
    liste_.SetAbrechnung(selektion_.FAbrNr, selektion_.FAbrJahr);
    fenster_.Buchungsliste();
  });
  Aktualisieren();
}

void TFrmHaupt::btnAbstimmungKasseClick() {
  Guarded("TFrmHaupt.btnAbstimmungKasseClick", [&] { fenster_.Kassenabstimmung(); });
  Aktualisieren();
}

void TFrmHaupt::btnAuswahlExportClick() {
  Guarded("TFrmHaupt.btnAuswahlExportClick", [&] { fenster_.FormatWahl(); });
  Aktualisieren();
}

void TFrmHaupt::btnWeitereEinstellungenClick() {
  Guarded("TFrmHaupt.btnWeitereEinstellungenClick", [&] { fenster_.WeitereEinstellungen(); });
  Aktualisieren();
}

void TFrmHaupt::btnMandantWechselnClick() {
  Guarded("TFrmHaupt.btnMandantWechselnClick", [&] {
    TIntPair mandant;
    std::string name;
    if (fenster_.MandantWaehlen(mandant, name)) daten_.MandantSetzen(mandant, name);
  });
  Aktualisieren();
}
