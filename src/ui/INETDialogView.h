// The connection chooser on the desktop: the entries in a table, a form to add or edit
// one, and buttons to test or delete. Renders TINETDialog and forwards clicks to it.
#pragma once

#include <QDialog>
#include <memory>

#include "suite/transfer/INETDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class TINETDialogView final : public QDialog {
  Q_OBJECT

 public:
  TINETDialogView(TINETDialog& logik, QWidget* eltern = nullptr);

  QTableWidget& Tabelle() { return *tabelle_; }
  TINETDialog& Logik() { return logik_; }

  void accept() override;

 private:
  void Anzeigen();
  void FormularNachLogik();
  void FormularAnzeigen();

  TINETDialog& logik_;
  QTableWidget* tabelle_;
  QGroupBox* formular_;
  QLineEdit* name_;
  QComboBox* protokoll_;
  QLineEdit* host_;
  QSpinBox* port_;
  QLineEdit* benutzer_;
  QLineEdit* passwort_;
  QLineEdit* schluessel_;
  QLineEdit* zertifikat_;
  QLineEdit* verzeichnis_;
  QCheckBox* passiv_;
  QSpinBox* zeitlimit_;
  QPushButton* neu_;
  QPushButton* bearbeiten_;
  QPushButton* loeschen_;
  QPushButton* testen_;
  QPushButton* speichern_;
  QPushButton* abbrechen_;
};

// The chooser the settings forms reach through InetVerbindungWaehlen on the desktop.
std::shared_ptr<IInetVerbindungChooser> QtInetVerbindungChooser();
