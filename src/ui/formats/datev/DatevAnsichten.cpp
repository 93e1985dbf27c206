#include "formats/datev700/FibuExporter_Datev_700.h"
#include "ui/formats/datev/FibuExpDatevView.h"

namespace datev {

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_Datev::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* datev = dynamic_cast<TfrmFibuExpDatev*>(&form);
                       if (datev == nullptr) return nullptr;
                       return std::make_unique<TFibuExpDatevView>(*datev);
                     });
  // The 700 form is the 510 form with two more switches, which its table declares.
  ansichten.Register(TFibuExporter_Datev_700::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* datev = dynamic_cast<TfrmFibuExpDatev*>(&form);
                       if (datev == nullptr) return nullptr;
                       return std::make_unique<TFibuExpDatevView>(*datev);
                     });
}

}  // namespace datev
