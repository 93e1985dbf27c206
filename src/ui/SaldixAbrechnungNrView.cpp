#include "ui/SaldixAbrechnungNrView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

namespace {

// Both inputs hold four digits.
QLineEdit* VierStellen(const char* name, QWidget* eltern) {
  auto* edit = new QLineEdit(eltern);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(4);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 16);
  return edit;
}

}  // namespace

TSaldixAbrechnungNrView::TSaldixAbrechnungNrView(TSaldixAbrechnungsNr& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setWindowTitle(Qt_(TSaldixAbrechnungsNr::Caption));
  edtAbrNrLfd_ = VierStellen("edtAbrNrLfd", this);
  edtAbrNrJahr_ = VierStellen("edtAbrNrJahr", this);

  auto* eingaben = new QHBoxLayout;
  eingaben->addWidget(edtAbrNrLfd_);
  eingaben->addWidget(new QLabel(QStringLiteral("/"), this));
  eingaben->addWidget(edtAbrNrJahr_);
  eingaben->addStretch();

  auto* knoepfe = DialogKnoepfe(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift(TSaldixAbrechnungsNr::Ueberschrift, this));
  layout->addLayout(eingaben);
  layout->addWidget(knoepfe);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSaldixAbrechnungNrView::showEvent(QShowEvent* event) {
  logik_.FormShow();
  Abgleichen(*edtAbrNrLfd_, logik_.edtAbrNrLfd);
  Abgleichen(*edtAbrNrJahr_, logik_.edtAbrNrJahr);
  if (auto* fokus = findChild<QLineEdit*>(QString::fromLatin1(logik_.FocusedInput()))) {
    fokus->setFocus();
    fokus->selectAll();
  }
  QDialog::showEvent(event);
}

void TSaldixAbrechnungNrView::accept() {
  logik_.edtAbrNrLfd = Std_(edtAbrNrLfd_->text());
  logik_.edtAbrNrJahr = Std_(edtAbrNrJahr_->text());
  logik_.btnOKClick();
  if (logik_.ModalResult() == mrOk) QDialog::accept();
}

void TSaldixAbrechnungNrView::reject() {
  logik_.btnCancelClick();
  QDialog::reject();
}

bool AbrechnungsNrDialog(QWidget* parent, int& nr, int& jahr) {
  TSaldixAbrechnungsNr logik;
  logik.FAbrNrLfd = nr;
  logik.FAbrNrJahr = jahr;
  TSaldixAbrechnungNrView view(logik, parent);
  if (view.exec() != QDialog::Accepted || logik.ModalResult() != mrOk) return false;
  nr = logik.FAbrNrLfd;
  jahr = logik.FAbrNrJahr;
  return true;
}
