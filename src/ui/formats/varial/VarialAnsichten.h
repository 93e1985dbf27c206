// The Varial part of the settings form: export path, client grid and the twelve tax keys.
#pragma once

#include <array>

#include "formats/varial/FibuExpVarialFrm.h"
#include "ui/FormatAnsichten.h"
#include "ui/MandantenExportView.h"

class QLineEdit;

namespace varial {

class TFibuExpVarialView final : public TMandantenExportView {
  Q_OBJECT

 public:
  explicit TFibuExpVarialView(TfrmFibuExpVarial& form);

 private:
  TfrmFibuExpVarial& form_;
  std::array<QLineEdit*, CQTX_FibuExport_Steuer_Anzahl> steuer_{};
};

void AnsichtenRegistrieren(TFormatAnsichten& ansichten);

}  // namespace varial
