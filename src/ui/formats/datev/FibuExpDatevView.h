// The DATEV part of the settings form (510 and 700): export path, account length, the
// switches of the format's settings tables, the client grid and the page "Zusatzdaten".
#pragma once

#include <vector>

#include "formats/datev/FibuExpDatevFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QLineEdit;
class TDatevMandantenTabelle;
class TSchalterLeiste;
class TDatevZusatzTabelle;

class TFibuExpDatevView final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TFibuExpDatevView(TfrmFibuExpDatev& form);
  ~TFibuExpDatevView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  std::vector<TEigeneSeite> EigeneSeiten() override;
  void Anzeigen() override;

 private:
  TfrmFibuExpDatev& form_;
  QWidget* parameter_;
  QLineEdit* edtExportPfad_;
  QLineEdit* edtSachKtoLng_;
  TSchalterLeiste* schalter_;
  TDatevMandantenTabelle* mandanten_;
  TDatevZusatzTabelle* zusatz_;
};

namespace datev {
// Registers the views of DATEV 510 and 700.
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);
}  // namespace datev
