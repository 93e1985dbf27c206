#include "ui/DesktopFenster.h"

#include "export/fibuexporter_wahlfrm.h"
#include "suite/QTXInfo.h"
#include "ui/FibuExporterWahlView.h"
#include "ui/SaldixAbstimmungView.h"
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

void TDesktopFenster::WeitereEinstellungen() { QTXInfo().QTXHinweisBox(CEinstellungenFehlen); }
