#include "ui/formats/bmd/BmdAnsichten.h"

#include "formats/bmd/FibuExpBMDFrm.h"
#include "ui/MandantenExportView.h"

namespace bmd {

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_BMD::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* bmd = dynamic_cast<TfrmFibuExpBMD*>(&form);
                       if (bmd == nullptr) return nullptr;
                       return std::make_unique<TMandantenExportView>(*bmd);
                     });
}

}  // namespace bmd
