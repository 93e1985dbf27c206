#include "ui/ProgrammLaufDialog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/UiText.h"

TProgrammLaufDialog::TProgrammLaufDialog(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("ProgrammLauf"));
  setWindowModality(Qt::ApplicationModal);
  fortschritt_ = new QProgressBar(this);
  fortschritt_->setObjectName(QStringLiteral("pbFortschritt"));
  fortschritt_->setRange(0, 0);  // the program says nothing of its progress
  ausgabe_ = new QPlainTextEdit(this);
  ausgabe_->setObjectName(QStringLiteral("memAusgabe"));
  ausgabe_->setReadOnly(true);
  abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  abbrechen_->setObjectName(QStringLiteral("btnAbbrechen"));
  abbrechen_->setAutoDefault(false);
  connect(abbrechen_, &QPushButton::clicked, this, &TProgrammLaufDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fortschritt_);
  layout->addWidget(ausgabe_, 1);
  layout->addWidget(abbrechen_, 0, Qt::AlignRight);
  resize(420, 180);
}

void TProgrammLaufDialog::Ausgabe(const QString& text) {
  if (text.isEmpty()) return;
  ausgabe_->moveCursor(QTextCursor::End);
  ausgabe_->insertPlainText(text);
  ausgabe_->moveCursor(QTextCursor::End);
}

// Escape and the window's close button cancel as the button does; the window stays until
// the program has ended.
void TProgrammLaufDialog::reject() {
  abgebrochen_ = true;
  abbrechen_->setEnabled(false);
  abbrechen_->setText(QStringLiteral("Wird abgebrochen ..."));
}

namespace {

class TQtProgrammLaufAnzeige final : public IProgrammLaufAnzeige {
 public:
  void Beginnen(const std::string& titel) override {
    dialog_ = std::make_unique<TProgrammLaufDialog>(QApplication::activeWindow());
    dialog_->setWindowTitle(Qt_(titel));
    dialog_->show();
    QApplication::processEvents();
  }
  bool Weiter(const std::string& neueAusgabe) override {
    if (!dialog_) return true;
    dialog_->Ausgabe(QString::fromLocal8Bit(neueAusgabe.data(), static_cast<qsizetype>(neueAusgabe.size())));
    QApplication::processEvents();
    return !dialog_->Abgebrochen();
  }
  void Ende() override {
    dialog_.reset();
    QApplication::processEvents();
  }

 private:
  std::unique_ptr<TProgrammLaufDialog> dialog_;
};

}  // namespace

std::unique_ptr<IProgrammLaufAnzeige> QtProgrammLaufAnzeige() {
  return std::make_unique<TQtProgrammLaufAnzeige>();
}
