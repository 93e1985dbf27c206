#include "formats/datev700/FibuExpDatev700Frm.h"

#include <stdexcept>

#include "formats/datev/saldixdata_datev.h"
#include "formats/datev700/DatevDemoProfile.h"

TFibuExporter_Datev_700& TfrmFibuExpDatev_700::Datev700Exporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_Datev_700*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen DATEV-700-Export.");
  return *exporter;
}

void TfrmFibuExpDatev_700::GetExportFormatName(std::string& name) {
  name = TFibuExporter_Datev_700::CName;
}

void TfrmFibuExpDatev_700::Spezial_DatenZuMaske() {
  TfrmFibuExpDatev::Spezial_DatenZuMaske();
  const auto& exporter = Datev700Exporter();
  SetSchalterHinweis(TFibuExporter_Datev::CZahlungsreferenz,
                     TFibuExporter_Datev_700::CHinweisZahlungsreferenz);
  const auto eigene = SchalterLesen(exporter, TFibuExporter_Datev_700::Einstellungen700());
  FSchalter.insert(FSchalter.end(), eigene.begin(), eigene.end());
}

void TfrmFibuExpDatev_700::Spezial_DatenVonMaske() {
  TfrmFibuExpDatev::Spezial_DatenVonMaske();
  SchalterSchreiben(Datev700Exporter(), FSchalter, TFibuExporter_Datev_700::Einstellungen700());
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_Datev_700::ErzeugeForm() {
  return std::make_unique<TfrmFibuExpDatev_700>();
}

TFibuExpRegInfo RegInfo_Datev_700() {
  return {ExporterClassOf<TFibuExporter_Datev_700>(), TFibuExporter_Datev_700::CName,
          TFibuExporter_Datev_700::CKennung, EditClassOf<TFibuExpEdit_Datev_700>(),
          DatevAnreicherung(), SetupDemoDatevProfiles};
}
