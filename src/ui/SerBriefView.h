// The column-export dialog: the offered columns, the chosen ones with their headings and
// widths, the file's form, stored layouts and a preview of the first rows.
#pragma once

#include <QDialog>

#include "export/SerBrief.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

class TSerBriefView final : public QDialog {
  Q_OBJECT

 public:
  explicit TSerBriefView(TfrmSerBrief& form, QWidget* eltern = nullptr);

  // Shows the logic's layout, the stored layouts and the preview.
  void Anzeigen();
  // "Speichern": the file choice (unless the caller writes without asking), then the file.
  void Schreiben();

 private:
  void Uebernehmen();  // the options from the widgets into the logic
  int GewaehlteZeile() const;

  TfrmSerBrief& form_;
  QListWidget* verfuegbar_;
  QTableWidget* gewaehlt_;
  QComboBox* cmbTrenner_;
  QComboBox* cmbAnfuehrung_;
  QComboBox* cmbDezimal_;
  QLineEdit* edtDatum_;
  QCheckBox* chkKopfzeile_;
  QComboBox* cmbZeilenende_;
  QComboBox* cmbKodierung_;
  QComboBox* cmbLayouts_;
  QPlainTextEdit* vorschau_;
  bool anzeigend_ = false;
};

// Installs the window as the dialog's display.
void SerBriefAnzeigeInstallieren();
