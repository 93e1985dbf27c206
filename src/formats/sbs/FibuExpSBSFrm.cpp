#include "formats/sbs/FibuExpSBSFrm.h"

#include <stdexcept>

#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace sbs {

TFibuExporter_SBS& TfrmFibuExpSBS::SbsExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_SBS*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen SBS-Export.");
  return *exporter;
}

void TfrmFibuExpSBS::SetVersion(const std::string& text) { FVersion = Utf8Left(text, 10); }

void TfrmFibuExpSBS::Spezial_DatenZuMaske() {
  TfrmMandantenExport::Spezial_DatenZuMaske();
  FVersion = SbsExporter().LangVersion();
}

void TfrmFibuExpSBS::Spezial_DatenVonMaske() {
  TfrmMandantenExport::Spezial_DatenVonMaske();
  SbsExporter().SetLangVersion(FVersion);
}

bool TfrmFibuExpSBS::Spezial_TesteMaskenDaten() {
  if (!PfadPruefen()) return false;
  if (TrimView(FVersion).empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die Version an.");
    return false;
  }
  return RasterPruefen();
}

bool DemoProfilEinrichten(const std::string& exportDir) {
  return Guarded("sbs.DemoProfilEinrichten", [&] {
    TFibuExporter_SBS exporter;
    exporter.Init();
    exporter.SetVerzExport(exportDir);
    exporter.SetLangVersion("3.00");
    const auto eintraege = exporter.Mandanten().Eintraege();  // the calls change the table
    for (const auto& mandant : eintraege) {
      exporter.SetMandantenDaten(mandant.GepNr, true, {std::to_string(200 + mandant.KurzNr)});
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace sbs

TFibuExpRegInfo RegInfo_SBS() {
  return {ExporterClassOf<sbs::TFibuExporter_SBS>(), sbs::TFibuExporter_SBS::CName,
          sbs::TFibuExporter_SBS::CKennung, EditClassOf<sbs::TFibuExpEdit_SBS>(), {}, sbs::DemoProfilEinrichten};
}
