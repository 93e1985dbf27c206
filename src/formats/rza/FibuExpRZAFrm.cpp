#include "formats/rza/FibuExpRZAFrm.h"

#include <stdexcept>

#include "formats/rza/RzaDemoProfil.h"
#include "suite/Utf8.h"

namespace {

struct TSteuerFeld {
  const char* Beschriftung;
  TQTX_FibuExport_Steuer Steuer;
  bool Pflicht;  // needed with automatic accounts: the normal and reduced rates
};

constexpr TSteuerFeld kSteuerFelder[TfrmFibuExpRZA::CAnzahlSchluessel] = {
    {"reduzierte Umsatzsteuer", CQTX_FibuExport_Ust_Reduz, true},
    {"normale Umsatzsteuer", CQTX_FibuExport_Ust_Normal, true},
    {"ehemalige normale Umsatzsteuer", CQTX_FibuExport_Ust_Normal_Alt, false},
    {"spezielle Umsatzsteuer (Österreich)", CQTX_FibuExport_Ust_Speziell, false},
    {"Umsatzsteuer in EG-Land", CQTX_FibuExport_Ust_EG, false},
    {"reduzierte Vorsteuer", CQTX_FibuExport_Vst_Reduz, true},
    {"normale Vorsteuer", CQTX_FibuExport_Vst_Normal, true},
    {"ehemalige normale Vorsteuer", CQTX_FibuExport_Vst_Normal_Alt, false},
    {"spezielle Vorsteuer (Österreich)", CQTX_FibuExport_Vst_Speziell, false},
    {"ohne Vorsteuer", CQTX_FibuExport_Vst_Ohne, false},
};

}  // namespace

TFibuExporter_RZA& TfrmFibuExpRZA::RzaExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_RZA*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen RZA-Export.");
  return *exporter;
}

void TfrmFibuExpRZA::GetExportFormatName(std::string& name) { name = TFibuExporter_RZA::CName; }

const char* TfrmFibuExpRZA::SteuerBeschriftung(std::size_t index) {
  return kSteuerFelder[index].Beschriftung;
}

TQTX_FibuExport_Steuer TfrmFibuExpRZA::SteuerArt(std::size_t index) {
  return kSteuerFelder[index].Steuer;
}

void TfrmFibuExpRZA::SetExportPfad(const std::string& pfad) {
  FExportPfad = Utf8Left(pfad, CPfadLaenge);
}

void TfrmFibuExpRZA::btnExportPfadClick() {
  Guard("btnExportPfadClick", [&] {
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", FExportPfad)) {
      SetExportPfad(*pfad);
    }
  });
}

void TfrmFibuExpRZA::SetSteuerschluessel(std::size_t index, const std::string& text) {
  if (index < FSchluessel.size() && Utf8Length(text) <= CSchluesselLaenge) {
    FSchluessel[index] = text;
  }
}

void TfrmFibuExpRZA::Spezial_DatenZuMaske() {
  auto& exporter = RzaExporter();
  FExportPfad = exporter.VerzExport();
  FAutomatik = exporter.Automatikkonten();
  for (std::size_t i = 0; i < FSchluessel.size(); ++i) {
    FSchluessel[i] = exporter.Get_Steuerschluessel(kSteuerFelder[i].Steuer);
  }
}

void TfrmFibuExpRZA::Spezial_DatenVonMaske() {
  auto& exporter = RzaExporter();
  exporter.SetVerzExport(FExportPfad);
  exporter.SetAutomatikkonten(FAutomatik);
  for (std::size_t i = 0; i < FSchluessel.size(); ++i) {
    exporter.SetSteuerschluessel(kSteuerFelder[i].Steuer, FSchluessel[i]);
  }
}

bool TfrmFibuExpRZA::Spezial_TesteMaskenDaten() {
  if (FExportPfad.empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die den Export-Pfad an.");
    return false;
  }
  if (!FAutomatik) return true;
  for (std::size_t i = 0; i < FSchluessel.size(); ++i) {
    if (kSteuerFelder[i].Pflicht && FSchluessel[i].empty()) {
      Eingabefehler(CSeiteParameter,
                    "Bitte füllen Sie alle Steuerschlüssel für normale und reduzierte Steuern.");
      return false;
    }
  }
  return true;
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_RZA::ErzeugeForm() {
  return std::make_unique<TfrmFibuExpRZA>();
}

TFibuExpRegInfo RegInfo_RZA() {
  return {ExporterClassOf<TFibuExporter_RZA>(), TFibuExporter_RZA::CName,
          TFibuExporter_RZA::CKennung, EditClassOf<TFibuExpEdit_RZA>(), {},
          rza::DemoProfilAnlegen};
}
