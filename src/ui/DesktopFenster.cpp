#include "ui/DesktopFenster.h"

#include "export/fibuexporter_wahlfrm.h"
#include "ui/FibuExporterWahlView.h"
#include "app/WeitereEinstellungenDaten.h"
#include "ui/SaldixAbstimmungView.h"
#include "ui/SaldixWeitereEinstellungenView.h"
#include "ui/SaldixBearbView.h"
#include "ui/SaldixSelektionView.h"

bool TDesktopFenster::MandantWaehlen(TIntPair& mandant, std::string& name) {
  return mandanten_.Ausfuehren(mandant, name);
}

bool TDesktopFenster::ProfilWahl() {
  TfrmExportFormatWahl wahl(sitzung_.Daten().Konten(), &profile_);
  return wahl.Execute();
}

bool TDesktopFenster::Selektion(TfrmFiBuSelektion& selektion) {
  return SelektionZeigen(eltern_, selektion);
}

void TDesktopFenster::Buchungsliste() { SaldixBearbeitenZeigen(eltern_, sitzung_); }

bool TDesktopFenster::FormatWahl() {
  TfrmFibuExporter_wahl logik(TFibuExportKatalog::Global(), sitzung_.Daten().Konten());
  TFibuExporterWahlView view(logik, eltern_);
  return view.exec() == QDialog::Accepted;
}

void TDesktopFenster::Kassenabstimmung() {
  TSaldixAbstimmungView view(abstimmung_, eltern_);
  view.SetDrucken([this, &view](const TAbstimmungsListe& liste, const std::string& zeitraum) {
    BerichtVorschau(AbstimmungsBericht(liste, sitzung_.Modul().AktTextMandant, zeitraum), &view);
  });
  view.exec();
}

void TDesktopFenster::WeitereEinstellungen() {
  TWeitereEinstellungenDaten daten(sitzung_.Modul());
  TFBDEDialogDaten konten(sitzung_.Modul());
  TQtKontoSuche suche(
      [&konten](const TIntPair& firma, TDateTime datum) { return konten.Kontenliste(firma, datum); });
  TSaldixWeitereEinstellungen logik(daten, suche);
  TSaldixWeitereEinstellungenView view(logik, eltern_);
  view.exec();
}
