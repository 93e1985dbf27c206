#include "ui/formats/datev/FibuExpDatevView.h"

namespace datev {

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_Datev::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* datev = dynamic_cast<TfrmFibuExpDatev*>(&form);
                       if (datev == nullptr) return nullptr;
                       return std::make_unique<TFibuExpDatevView>(*datev);
                     });
  ansichten.Register(TFibuExporter_Datev_700::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* datev700 = dynamic_cast<TfrmFibuExpDatev_700*>(&form);
                       if (datev700 == nullptr) return nullptr;
                       return std::make_unique<TFibuExpDatev700View>(*datev700);
                     });
}

}  // namespace datev
