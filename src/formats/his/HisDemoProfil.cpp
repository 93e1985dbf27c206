#include "formats/his/HisDemoProfil.h"

#include "formats/his/FibuExporter_HIS.h"
#include "suite/Guarded.h"

namespace his {

bool DemoProfilAnlegen(const std::string& exportDir) {
  return Guarded("his::DemoProfilAnlegen", [&] {
    TFibuExporter_HIS exporter;
    exporter.Init();  // an empty store gives every client active
    exporter.SetVerzExport(exportDir);
    exporter.SetExportMedium(femDisc);
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace his
