// The views of DATEV's postal-dispatch format: its part of the settings form (paths, SELF
// import, format, ID number, emptying, client grid) and the converter's protocol window.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "formats/datevpost/DAMOIntU.h"
#include "formats/datevpost/FibuExpPostversandFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QTextEdit;
class TMandantenRasterTabelle;

namespace datevpost {

class TFibuExpPostversandView final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TFibuExpPostversandView(TfrmFibuExpPostversand& form);
  ~TFibuExpPostversandView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  void Anzeigen() override;

 private:
  QLineEdit* Feld(const char* name, const char* beschriftung, int maxLaenge, const char* hinweis,
                  std::function<std::string()> lesen, std::function<void(const std::string&)> setzen);
  void PfadKnopf(const char* name, const char* hinweis, std::function<void()> klick);
  QCheckBox* CheckBox(const char* name, const char* text, const char* hinweis,
                      std::function<bool()> lesen, std::function<void(bool)> setzen);

  TfrmFibuExpPostversand& form_;
  QWidget* parameter_;
  QGridLayout* felder_;
  int zeilen_ = 0;
  std::vector<std::pair<QLineEdit*, std::function<std::string()>>> edits_;
  std::vector<std::pair<QCheckBox*, std::function<bool()>>> boxen_;
  TMandantenRasterTabelle* mandanten_;
};

// "Protokoll zum DATEV-Import": the protocol in a read-only text view; Escape closes it.
class TDAMOProtView final : public QDialog {
  Q_OBJECT

 public:
  explicit TDAMOProtView(TDAMOProt& form, QWidget* eltern = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TDAMOProt& form_;
  QTextEdit* rteDAMOProt_;
};

int DAMOProtZeigen(TDAMOProt& form);

// Registers the settings part and installs the protocol window.
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);

}  // namespace datevpost
