// The DATEV part of the settings form: export path, account length, the check boxes,
// the client grid and the page "Zusatzdaten"; the 700 form adds two check boxes.
#pragma once

#include <functional>
#include <vector>

#include "formats/datev/FibuExpDatevFrm.h"
#include "formats/datev700/FibuExpDatev700Frm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QCheckBox;
class QLineEdit;
class QVBoxLayout;
class TDatevMandantenTabelle;
class TDatevZusatzTabelle;

class TFibuExpDatevView : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TFibuExpDatevView(TfrmFibuExpDatev& form);
  ~TFibuExpDatevView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  std::vector<TEigeneSeite> EigeneSeiten() override;
  void Anzeigen() override;

 protected:
  // A check box below the others, bound to a value of the logic.
  QCheckBox* CheckBox(const char* name, const char* text, const std::string& hinweis,
                      std::function<bool()> lesen, std::function<void(bool)> setzen);

 private:
  struct TCheckBoxBindung {
    QCheckBox* Box;
    std::function<bool()> Lesen;
  };

  TfrmFibuExpDatev& form_;
  QWidget* parameter_;
  QLineEdit* edtExportPfad_;
  QLineEdit* edtSachKtoLng_;
  QVBoxLayout* checkBoxen_;
  std::vector<TCheckBoxBindung> bindungen_;
  TDatevMandantenTabelle* mandanten_;
  TDatevZusatzTabelle* zusatz_;
};

class TFibuExpDatev700View final : public TFibuExpDatevView {
  Q_OBJECT

 public:
  explicit TFibuExpDatev700View(TfrmFibuExpDatev_700& form);
};

namespace datev {
// Registers the views of DATEV 510 and 700.
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);
}  // namespace datev
