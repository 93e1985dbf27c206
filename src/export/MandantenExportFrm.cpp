#include "export/MandantenExportFrm.h"

#include <stdexcept>

#include "suite/Utf8.h"

namespace {
constexpr std::size_t kPfadLaenge = 256;
}

TMandantenExporter& TfrmMandantenExport::MandantenExporter() const {
  auto* exporter = dynamic_cast<TMandantenExporter*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet ein Exportprofil anderer Art.");
  return *exporter;
}

void TfrmMandantenExport::SetExportPfad(const std::string& pfad) {
  FExportPfad = Utf8Left(pfad, kPfadLaenge);
}

void TfrmMandantenExport::btnExportPfadClick() {
  Guard("btnExportPfadClick", [&] {
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", FExportPfad)) {
      SetExportPfad(*pfad);
    }
  });
}

void TfrmMandantenExport::Spezial_DatenZuMaske() {
  const auto& exporter = MandantenExporter();
  FExportPfad = exporter.VerzExport();
  FRaster.Zeigen(exporter.Mandanten());
}

void TfrmMandantenExport::Spezial_DatenVonMaske() {
  auto& exporter = MandantenExporter();
  exporter.SetVerzExport(FExportPfad);
  TMandantenTabelle tabelle = exporter.Mandanten();
  FRaster.Uebernehmen(tabelle);
  for (const auto& eintrag : tabelle.Eintraege()) {
    exporter.SetMandantenDaten(eintrag.GepNr, eintrag.Aktiv, eintrag.Werte);
  }
}

bool TfrmMandantenExport::PfadPruefen() {
  if (!FExportPfad.empty()) return true;
  Eingabefehler(CSeiteParameter, CPfadFehlt);
  return false;
}

bool TfrmMandantenExport::RasterPruefen() {
  const std::string meldung = FRaster.Pruefen();
  if (meldung.empty()) return true;
  Eingabefehler(CSeiteParameter, meldung);
  return false;
}
