// The suite's progress window while another program runs: a running bar, what the
// program writes, and a cancel button that ends it.
#pragma once

#include <QDialog>
#include <memory>

#include "suite/ProgrammLauf.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class TProgrammLaufDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit TProgrammLaufDialog(QWidget* eltern = nullptr);

  void Ausgabe(const QString& text);
  bool Abgebrochen() const { return abgebrochen_; }

 protected:
  void reject() override;

 private:
  QProgressBar* fortschritt_;
  QPlainTextEdit* ausgabe_;
  QPushButton* abbrechen_;
  bool abgebrochen_ = false;
};

// The window behind the suite's hook; QtDialogeInstallieren installs it.
std::unique_ptr<IProgrammLaufAnzeige> QtProgrammLaufAnzeige();
