// The DVO part of the settings form: export path, the two account lengths, the client
// grid and the branch grid with the DVO document series.
#pragma once

#include "formats/dvo/FibuExpDVOFrm.h"
#include "ui/FormatAnsichten.h"
#include "ui/MandantenExportView.h"

class QTableWidget;
class QTableWidgetItem;

namespace dvo {

class TFibuExpDVOView final : public TMandantenExportView {
  Q_OBJECT

 public:
  explicit TFibuExpDVOView(TfrmFibuExpDVO& form);

 private:
  void FilialenAnzeigen();
  void BelegartGeaendert(QTableWidgetItem* item);

  TfrmFibuExpDVO& form_;
  QTableWidget* filialen_;
};

void AnsichtenRegistrieren(TFormatAnsichten& ansichten);

}  // namespace dvo
