#include "formats/datev700/DatevDemoProfile.h"

#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/Guarded.h"
#include "suite/SimpleMask.h"

namespace {

// The consultant number of DATEV's own demonstration data; clients count from 10001.
constexpr int kDemoBerater = 29098;
constexpr int kDemoMandantBasis = 10000;

void Einrichten(TFibuExporter_Datev& exporter, const std::string& exportDir) {
  exporter.Init();
  exporter.SetVerzExport(exportDir);
  const std::vector<datev::TMandInfo> mandanten = exporter.Mandanten();  // the calls change the list
  for (const auto& mandant : mandanten) {
    exporter.SetMandantenDaten(mandant.GepNr, kDemoBerater, true, true, "",
                               kDemoMandantBasis + mandant.KurzNr);
  }
  exporter.Config_Save("");
  exporter.Done();
}

}  // namespace

bool SetupDemoDatevProfiles(const std::string& exportDir) {
  return Guarded("SetupDemoDatevProfiles", [&] {
    TFibuExporter_Datev v510;
    Einrichten(v510, exportDir);
    TFibuExporter_Datev_700 v700;
    Einrichten(v700, exportDir);
    TSimpleMask("SALDIX", "FIBUEXPO").WriteGlobal("FIBUAKTEXP", TFibuExporter_Datev_700::CKennung);
    TFibuExporter_Datev_700 probe;
    probe.Init();
    const bool brauchbar = probe.EinstellungenVorhanden();
    probe.Done();
    return brauchbar;
  });
}
