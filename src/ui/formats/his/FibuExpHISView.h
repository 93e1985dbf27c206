// The HIS part of the settings form: the client grid, the output choice, the account
// length and the three special rules with their counter-account ranges.
#pragma once

#include <functional>
#include <vector>

#include "formats/his/FibuExpHISFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

class TFibuExpHISView final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TFibuExpHISView(TfrmFibuExpHIS& form);
  ~TFibuExpHISView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  void Anzeigen() override;

 private:
  // One rule: its check box and its range edits, bound to the logic.
  struct TRegelZeile {
    QCheckBox* An;
    QLineEdit* Von;
    QLineEdit* Bis;
    std::function<THisRegelEingabe()> Lesen;
  };
  void RegelZeile(QGridLayout& raster, int zeile, const char* name, const char* text,
                  const char* bereichText, std::function<THisRegelEingabe()> lesen,
                  std::function<void(const THisRegelEingabe&)> setzen);
  QLineEdit* Eingabe(const char* name, int maxLaenge);
  void MandantGeaendert(QTableWidgetItem* item);

  TfrmFibuExpHIS& form_;
  QWidget* parameter_;
  QTableWidget* mandanten_;
  QRadioButton* rbLokal_;
  QRadioButton* rbFTP_;
  QLineEdit* edtExportPfad_;
  QToolButton* btnExportPfad_;
  QLineEdit* edtFTPZiel_;
  QToolButton* btnFTPZiel_;
  QLineEdit* edtSachKtoLng_;
  QCheckBox* chkTageweise_;
  QCheckBox* chkSonderKDDreh_;
  std::vector<TRegelZeile> regeln_;
};

namespace his {
// Registers the view of the HIS settings.
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);
}  // namespace his
