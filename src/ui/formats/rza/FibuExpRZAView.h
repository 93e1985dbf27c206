// The RZA part of the settings form: export path, automatic accounts and the ten tax
// keys, usable only while automatic accounts are on.
#pragma once

#include <array>

#include "formats/rza/FibuExpRZAFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QCheckBox;
class QLineEdit;

class TFibuExpRZAView final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TFibuExpRZAView(TfrmFibuExpRZA& form);
  ~TFibuExpRZAView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  void Anzeigen() override;

 private:
  TfrmFibuExpRZA& form_;
  QWidget* parameter_;
  QLineEdit* edtExportPfad_;
  QCheckBox* chkAutomatik_;
  std::array<QLineEdit*, TfrmFibuExpRZA::CAnzahlSchluessel> schluessel_{};
};

namespace rza {
// Registers the view of the RZA settings.
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);
}  // namespace rza
