#include "formats/varial/FibuExpVarialFrm.h"

#include <stdexcept>

#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace varial {

TFibuExporter_Varial& TfrmFibuExpVarial::Varial() const {
  auto* exporter = dynamic_cast<TFibuExporter_Varial*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen Varial-Export.");
  return *exporter;
}

void TfrmFibuExpVarial::SetSteuerSchl(std::size_t index, const std::string& text) {
  if (index < FSteuerSchl.size()) FSteuerSchl[index] = Utf8Left(text, CSteuerLaenge);
}

void TfrmFibuExpVarial::Spezial_DatenZuMaske() {
  TfrmMandantenExport::Spezial_DatenZuMaske();
  FSteuerSchl = Varial().SteuerSchl();
}

void TfrmFibuExpVarial::Spezial_DatenVonMaske() {
  TfrmMandantenExport::Spezial_DatenVonMaske();
  for (std::size_t i = 0; i < FSteuerSchl.size(); ++i) Varial().SetSteuerSchl(i, FSteuerSchl[i]);
}

bool TfrmFibuExpVarial::Spezial_TesteMaskenDaten() {
  if (!PfadPruefen()) return false;
  for (const auto art : {CQTX_FibuExport_Ust_Normal, CQTX_FibuExport_Ust_Reduz,
                         CQTX_FibuExport_Vst_Normal, CQTX_FibuExport_Vst_Reduz}) {
    if (Trim(FSteuerSchl[static_cast<std::size_t>(art)]).empty()) {
      Eingabefehler(CSeiteParameter,
                    "Bitte füllen Sie alle Steuerschlüssel für normale und reduzierte Steuern.");
      return false;
    }
  }
  return RasterPruefen();
}

bool DemoProfilEinrichten(const std::string& exportDir) {
  return Guarded("varial.DemoProfilEinrichten", [&] {
    TFibuExporter_Varial exporter;
    exporter.Init();
    exporter.SetVerzExport(ConcatPathNames(exportDir, "varial"));
    const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> schluessel = {
        "A07", "", "A19", "A05", "A16", "V07", "", "V19", "V05", "V16", "AEG", ""};
    for (std::size_t i = 0; i < schluessel.size(); ++i) exporter.SetSteuerSchl(i, schluessel[i]);
    const auto eintraege = exporter.Mandanten().Eintraege();  // the calls change the table
    for (const auto& mandant : eintraege) {
      exporter.SetMandantenDaten(mandant.GepNr, true, {Format("%.3d", mandant.KurzNr)});
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace varial

TFibuExpRegInfo RegInfo_Varial() {
  return {ExporterClassOf<varial::TFibuExporter_Varial>(), varial::TFibuExporter_Varial::CName,
          varial::TFibuExporter_Varial::CKennung, EditClassOf<varial::TFibuExpEdit_Varial>(), {},
          varial::DemoProfilEinrichten};
}
