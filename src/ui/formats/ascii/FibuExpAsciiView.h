// The ASCII part of the settings form: four pages on the parameter page ("Mandanten",
// "Steuerschlüssel", "Exportfelder", "Exportdatei").
#pragma once

#include <array>

#include "formats/ascii/FibuExpAsciiFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

class TFibuExpAsciiView final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  explicit TFibuExpAsciiView(ascii::TfrmFibuExportAscii& form);
  ~TFibuExpAsciiView() override;

  QWidget* ParameterSeite() override;
  void Anzeigen() override;

 private:
  QWidget* MandantenSeite();
  QWidget* SteuerSeite();
  QWidget* ExportfelderSeite();
  QWidget* ExportdateiSeite();
  // An edit of at most laenge characters whose text goes to setzen.
  QLineEdit* Edit(QWidget* eltern, const QString& name, int laenge,
                  std::function<void(const std::string&)> setzen);

  ascii::TfrmFibuExportAscii& form_;
  QTabWidget* seiten_;
  QTreeWidget* mandanten_;
  QCheckBox* chkAutomatik_;
  std::array<QLineEdit*, CQTX_FibuExport_Steuer_Anzahl> steuer_{};
  std::array<QLineEdit*, ascii::CEigenAnzahl> eigenUeber_{};
  std::array<QLineEdit*, ascii::CEigenAnzahl> eigenInhalt_{};
  QCheckBox* chkBuchMonat_;
  QRadioButton* rbLokal_;
  QRadioButton* rbFTP_;
  QLineEdit* edtExportPfad_;
  QPushButton* btnExportPfad_;
  QLineEdit* edtEndung_;
  QLineEdit* edtFTPDatei_;
  QPushButton* btnVerbindung_;
  QLineEdit* edtBackup_;
  QPushButton* btnBackup_;
  bool anzeigend_ = false;
};

namespace ascii {
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);
}  // namespace ascii
