#include "export/fibuexporter_wahlfrm.h"

#include "suite/QTXInfo.h"

TfrmFibuExporter_wahl::TfrmFibuExporter_wahl(const TFibuExportKatalog& katalog,
                                             IAktiverExporter& aktiv)
    : katalog_(katalog), aktiv_(aktiv) {}

std::vector<std::string> TfrmFibuExporter_wahl::VerfuegbareFormate() const {
  std::vector<std::string> namen;
  for (const auto& row : katalog_.Rows()) namen.push_back(row.Name);
  return namen;
}

void TfrmFibuExporter_wahl::FormShow() {
  const std::string kennung = aktiv_.AktExporterKennung();
  auswahl_ = kennung.empty() ? -1 : katalog_.Find(kennung);
}

void TfrmFibuExporter_wahl::AuswahlSetzen(int zeile) {
  auswahl_ = zeile >= 0 && zeile < katalog_.Count() ? zeile : -1;
}

bool TfrmFibuExporter_wahl::EinstellungenBearbeitenAktiv() const {
  return auswahl_ >= 0 && static_cast<bool>(katalog_.Row(auswahl_).EditKlasse);
}

bool TfrmFibuExporter_wahl::btnEinstellungenClick() {
  return Guard("btnEinstellungenClick", [&] {
    if (!EinstellungenBearbeitenAktiv()) return false;
    const auto& row = katalog_.Row(auswahl_);
    auto edit = row.EditKlasse();
    auto exporter = row.TypKlasse();
    exporter->Init();
    const bool ok = edit->Execute(*exporter);
    exporter->Done();  // stores the edited configuration
    return ok;
  });
}

bool TfrmFibuExporter_wahl::btnBuchenClick() {
  return Guard("btnBuchenClick", [&] {
    if (auswahl_ < 0) {
      QTXInfo().QTXHinweisBox("Bitte wählen Sie ein Exportformat.");
      return false;
    }
    const auto& row = katalog_.Row(auswahl_);
    auto probe = row.TypKlasse();
    probe->Init();
    const bool vorhanden = probe->EinstellungenVorhanden();
    probe->Done();
    if (!vorhanden) {
      QTXInfo().QTXHinweisBox("Bitte überprüfen Sie die Einstellungen zum Exportformat.");
      return false;
    }
    aktiv_.SetAktExporterKennung(row.Kennung);
    return true;
  });
}
