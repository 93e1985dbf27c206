// The SBS part of the settings form: export path, the metafile's version and the client
// grid.
#pragma once

#include "formats/sbs/FibuExpSBSFrm.h"
#include "ui/FormatAnsichten.h"
#include "ui/MandantenExportView.h"

namespace sbs {

class TFibuExpSBSView final : public TMandantenExportView {
  Q_OBJECT

 public:
  explicit TFibuExpSBSView(TfrmFibuExpSBS& form);
};

void AnsichtenRegistrieren(TFormatAnsichten& ansichten);

}  // namespace sbs
