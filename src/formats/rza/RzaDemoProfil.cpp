#include "formats/rza/RzaDemoProfil.h"

#include <utility>

#include "formats/rza/FibuExporter_RZA.h"
#include "suite/Guarded.h"

namespace rza {

bool DemoProfilAnlegen(const std::string& exportDir) {
  return Guarded("rza::DemoProfilAnlegen", [&] {
    TFibuExporter_RZA exporter;
    exporter.Init();
    exporter.SetVerzExport(exportDir);
    // Tax bookings paired with their revenue, so that the documents carry net and tax.
    exporter.SetAutomatikkonten(true);
    for (const auto& [steuer, schluessel] :
         {std::pair{CQTX_FibuExport_Ust_Reduz, "7"}, {CQTX_FibuExport_Ust_Normal, "19"},
          {CQTX_FibuExport_Ust_Normal_Alt, "16"}, {CQTX_FibuExport_Ust_EG, "EG"},
          {CQTX_FibuExport_Vst_Reduz, "V7"}, {CQTX_FibuExport_Vst_Normal, "V19"},
          {CQTX_FibuExport_Vst_Normal_Alt, "V16"}}) {
      exporter.SetSteuerschluessel(steuer, schluessel);
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace rza
