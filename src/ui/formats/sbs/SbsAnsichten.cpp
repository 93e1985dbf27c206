#include "ui/formats/sbs/SbsAnsichten.h"

namespace sbs {

TFibuExpSBSView::TFibuExpSBSView(TfrmFibuExpSBS& form) : TMandantenExportView(form) {
  Feld("edtVersion", "Version:", 10, "Genutzte Sprachversion des Metafiles (z.B. 3.00)",
       [&form] { return form.Version(); }, [&form](const std::string& text) { form.SetVersion(text); });
}

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_SBS::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* sbs = dynamic_cast<TfrmFibuExpSBS*>(&form);
                       if (sbs == nullptr) return nullptr;
                       return std::make_unique<TFibuExpSBSView>(*sbs);
                     });
}

}  // namespace sbs
