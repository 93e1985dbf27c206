#include "formats/rza/RzaDemoProfil.h"

#include "formats/rza/FibuExporter_RZA.h"
#include "suite/Guarded.h"

namespace rza {

bool DemoProfilAnlegen(const std::string& exportDir) {
  return Guarded("rza::DemoProfilAnlegen", [&] {
    TFibuExporter_RZA exporter;
    exporter.Init();
    exporter.SetVerzExport(exportDir);
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace rza
