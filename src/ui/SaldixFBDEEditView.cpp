#include "ui/SaldixFBDEEditView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

void KostenstellenAnzeigen(QComboBox& box, const TKostenstellenWahl& wahl) {
  const QSignalBlocker sperre(box);
  box.clear();
  for (const auto& eintrag : wahl.Eintraege) box.addItem(Qt_(eintrag.Text));
  box.setCurrentIndex(static_cast<int>(wahl.Index));
}

namespace {

QLineEdit* Eingabe(const char* name, int laenge, QWidget* eltern) {
  auto* edit = new QLineEdit(eltern);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(laenge);
  return edit;
}

}  // namespace

TSaldixFBDEEditView::TSaldixFBDEEditView(TfrmSaldixFBDEEdit& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setObjectName(QStringLiteral("TfrmSaldixFBDEEdit"));
  setWindowTitle(Qt_(TfrmSaldixFBDEEdit::Caption));
  lblKonten_ = new QLabel(this);
  lblKonten_->setObjectName(QStringLiteral("lblKontoGegenKonto"));
  lblBetrag_ = new QLabel(this);
  lblBetrag_->setObjectName(QStringLiteral("lblBetragSollHaben"));
  edtBeschreibung_ = Eingabe("edtBeschreibung", TfrmSaldixFBDEEdit::MaxBeschreibung, this);
  edtUstId_ = Eingabe("edtUstId", TfrmSaldixFBDEEdit::MaxUstId, this);
  edtZMZusatz_ = Eingabe("edtZMZusatz", TfrmSaldixFBDEEdit::MaxZMZusatz, this);
  cmbKost1_ = new QComboBox(this);
  cmbKost1_->setObjectName(QStringLiteral("cmbKost1"));
  cmbKost2_ = new QComboBox(this);
  cmbKost2_->setObjectName(QStringLiteral("cmbKost2"));

  auto* felder = new QFormLayout;
  felder->addRow(Qt_("Konto / Gegenkonto"), lblKonten_);
  felder->addRow(Qt_("Betrag"), lblBetrag_);
  felder->addRow(Qt_("Beschreibung"), edtBeschreibung_);
  felder->addRow(Qt_("USt-ID"), edtUstId_);
  felder->addRow(Qt_("ZM-Zusatz"), edtZMZusatz_);
  felder->addRow(Qt_("Kostenstelle 1"), cmbKost1_);
  felder->addRow(Qt_("Kostenstelle 2"), cmbKost2_);

  btnBuchen_ = Knopf("Buchen", "btnBuchen", this, "Änderungen werden gebucht");
  auto* abbrechen = Knopf("Abbrechen", "btnAbbrechen", this,
                          "Änderungen werden verworfen, die Daten bleiben unverändert");
  connect(btnBuchen_, &QPushButton::clicked, this, &TSaldixFBDEEditView::accept);
  connect(abbrechen, &QPushButton::clicked, this, &TSaldixFBDEEditView::reject);
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(f5, &QShortcut::activated, this, [this] {
    if (btnBuchen_->isEnabled()) accept();
  });
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(btnBuchen_);
  knoepfe->addWidget(abbrechen);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift(TfrmSaldixFBDEEdit::Caption, this));
  layout->addLayout(felder);
  layout->addLayout(knoepfe);
  resize(460, sizeHint().height());
}

void TSaldixFBDEEditView::showEvent(QShowEvent* event) {
  logik_.FormShow();
  Abgleichen(*lblKonten_, logik_.FKontoGegenKonto);
  Abgleichen(*lblBetrag_, logik_.FBetragSollHaben);
  Abgleichen(*edtBeschreibung_, logik_.edtBeschreibung);
  Abgleichen(*edtUstId_, logik_.edtUstId);
  Abgleichen(*edtZMZusatz_, logik_.edtZMZusatz);
  KostenstellenAnzeigen(*cmbKost1_, logik_.cmbKost1);
  KostenstellenAnzeigen(*cmbKost2_, logik_.cmbKost2);
  btnBuchen_->setEnabled(logik_.BuchenEnabled());
  edtBeschreibung_->setFocus();
  QDialog::showEvent(event);
}

void TSaldixFBDEEditView::accept() {
  logik_.edtBeschreibung = Std_(edtBeschreibung_->text());
  logik_.edtUstId = Std_(edtUstId_->text());
  logik_.edtZMZusatz = Std_(edtZMZusatz_->text());
  logik_.cmbKost1.Index = static_cast<std::size_t>(std::max(0, cmbKost1_->currentIndex()));
  logik_.cmbKost2.Index = static_cast<std::size_t>(std::max(0, cmbKost2_->currentIndex()));
  logik_.btnBuchenClick();
  if (logik_.ModalResult() == mrOk) QDialog::accept();
}

void TSaldixFBDEEditView::reject() {
  logik_.btnAbbrechenClick();
  QDialog::reject();
}
