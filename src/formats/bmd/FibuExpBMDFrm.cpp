#include "formats/bmd/FibuExpBMDFrm.h"

#include "suite/Guarded.h"

namespace bmd {

bool DemoProfilEinrichten(const std::string& exportDir) {
  return Guarded("bmd.DemoProfilEinrichten", [&] {
    TFibuExporter_BMD exporter;
    exporter.Init();
    exporter.SetVerzExport(exportDir);
    const auto eintraege = exporter.Mandanten().Eintraege();  // the calls change the table
    for (const auto& mandant : eintraege) {
      exporter.SetMandantenDaten(mandant.GepNr, true, {std::to_string(100 + mandant.KurzNr)});
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace bmd

TFibuExpRegInfo RegInfo_BMD() {
  return {ExporterClassOf<bmd::TFibuExporter_BMD>(), bmd::TFibuExporter_BMD::CName,
          bmd::TFibuExporter_BMD::CKennung, EditClassOf<bmd::TFibuExpEdit_BMD>(), {}, bmd::DemoProfilEinrichten};
}
