// The confirmation before a real export and the summary after it: renders
// TfrmExportBestaetigung; after the export "Datei anzeigen" and "Ordner öffnen" hand the
// chosen file or its folder to the desktop.
#pragma once

#include <QDialog>

#include "app/ExportBestaetigung.h"

class QListWidget;
class QPushButton;

class TExportBestaetigungView final : public QDialog {
  Q_OBJECT

 public:
  explicit TExportBestaetigungView(TfrmExportBestaetigung& form, QWidget* eltern = nullptr);

  QPushButton& Ok() { return *ok_; }
  QPushButton* DateiAnzeigen() { return dateiAnzeigen_; }
  QPushButton* OrdnerOeffnen() { return ordnerOeffnen_; }
  QListWidget* Dateien() { return dateien_; }

 private:
  TfrmExportBestaetigung& form_;
  QPushButton* ok_ = nullptr;
  QPushButton* dateiAnzeigen_ = nullptr;
  QPushButton* ordnerOeffnen_ = nullptr;
  QListWidget* dateien_ = nullptr;
};

// Opens files and folders with the desktop's default programs.
class TQtDateiAnzeige final : public IDateiAnzeige {
 public:
  bool Oeffnen(const std::string& pfad) override;
};

class TQtExportBestaetigung final : public IExportBestaetigungAnzeige {
 public:
  explicit TQtExportBestaetigung(QWidget* eltern) : eltern_(eltern) {}
  bool Zeigen(TfrmExportBestaetigung& form) override;
  IDateiAnzeige* DateiAnzeige() override { return &dateiAnzeige_; }

 private:
  QWidget* eltern_;
  TQtDateiAnzeige dateiAnzeige_;
};
