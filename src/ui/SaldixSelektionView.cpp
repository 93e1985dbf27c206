#include "ui/SaldixSelektionView.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "suite/DateTime.h"
#include "ui/UiText.h"

namespace {

QWidget* DatumMitKalender(QLineEdit* feld, QPushButton* knopf) {
  auto* zeile = new QWidget;
  auto* layout = new QHBoxLayout(zeile);
  layout->setContentsMargins(0, 0, 0, 0);
  feld->setMaxLength(10);
  knopf->setFixedWidth(knopf->fontMetrics().horizontalAdvance(QStringLiteral("…")) + 24);
  layout->addWidget(feld, 1);
  layout->addWidget(knopf);
  return zeile;
}

}  // namespace

TSaldixSelektionView::TSaldixSelektionView(TfrmFiBuSelektion& logik, QWidget* parent)
    : QDialog(parent), logik_(logik) {
  setWindowTitle(Qt_(TfrmFiBuSelektion::Caption));
  auto* layout = new QVBoxLayout(this);

  gruppeZeitraum_ = new QGroupBox(QStringLiteral(" Selektion nach Zeitraum "));
  auto* zeitraum = new QFormLayout(gruppeZeitraum_);
  jahr_ = new QLineEdit;
  jahr_->setMaxLength(4);
  monat_ = new QComboBox;
  for (const char* name : TfrmFiBuSelektion::Monate) monat_->addItem(Qt_(name));
  datumVon_ = new QLineEdit;
  datumBis_ = new QLineEdit;
  auto* kalenderVon = new QPushButton(QStringLiteral("…"));
  auto* kalenderBis = new QPushButton(QStringLiteral("…"));
  kalenderVon->setToolTip(QStringLiteral("Kalender"));
  kalenderBis->setToolTip(QStringLiteral("Kalender"));
  // Enter in a field means "Weiter", never the button beside it.
  for (QPushButton* knopf : {kalenderVon, kalenderBis}) knopf->setAutoDefault(false);
  zeitraum->addRow(QStringLiteral("Jahr"), jahr_);
  zeitraum->addRow(QStringLiteral("Monat"), monat_);
  zeitraum->addRow(QStringLiteral("Zeitraum"), DatumMitKalender(datumVon_, kalenderVon));
  zeitraum->addRow(QStringLiteral("bis"), DatumMitKalender(datumBis_, kalenderBis));
  layout->addWidget(gruppeZeitraum_);

  abgeschlossen_ = new QCheckBox(QStringLiteral("Abgeschlossene Abrechnung einlesen"));
  layout->addWidget(abgeschlossen_);

  gruppeAbrNr_ = new QGroupBox(QStringLiteral(" Selektion nach Abrechnungsnummer "));
  auto* abrechnung = new QFormLayout(gruppeAbrNr_);
  abrNr_ = new QLineEdit;
  abrNr_->setMaxLength(4);
  abrJahr_ = new QLineEdit;
  abrJahr_->setMaxLength(4);
  auto* liste = new QPushButton(QStringLiteral("&Liste abgeschlossener Abrechnungen"));
  liste->setAutoDefault(false);
  abrechnung->addRow(QStringLiteral("Abrechnungsnummer"), abrNr_);
  abrechnung->addRow(QStringLiteral("Jahr"), abrJahr_);
  abrechnung->addRow(liste);
  layout->addWidget(gruppeAbrNr_);

  auto* knoepfe = new QDialogButtonBox;
  auto* weiter = knoepfe->addButton(QStringLiteral("&Weiter"), QDialogButtonBox::AcceptRole);
  auto* zurueck = knoepfe->addButton(QStringLiteral("&Zurück"), QDialogButtonBox::RejectRole);
  weiter->setDefault(true);
  layout->addWidget(knoepfe);

  connect(jahr_, &QLineEdit::textEdited, this, [this](const QString& text) {
    logik_.SetJahr(Std_(text));
    Anzeigen();
  });
  connect(monat_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (anzeigen_) return;
    EingabenUebernehmen();
    logik_.SetMonat(index + 1);
    Anzeigen();
  });
  connect(abgeschlossen_, &QCheckBox::toggled, this, [this](bool an) {
    if (anzeigen_) return;
    EingabenUebernehmen();
    logik_.SetAbgeschlossen(an);
    Anzeigen();
  });
  connect(kalenderVon, &QPushButton::clicked, this, [this] { KalenderWaehlen(datumVon_); });
  connect(kalenderBis, &QPushButton::clicked, this, [this] { KalenderWaehlen(datumBis_); });
  connect(liste, &QPushButton::clicked, this, [this] {
    EingabenUebernehmen();
    logik_.btnListeClick();
    Schliessen();
  });
  connect(weiter, &QPushButton::clicked, this, [this] {
    EingabenUebernehmen();
    logik_.btnWeiterClick();
    Schliessen();
  });
  connect(zurueck, &QPushButton::clicked, this, [this] {
    logik_.btnZurueckClick();
    Schliessen();
  });
  new QShortcut(QKeySequence(Qt::Key_F5), this, [weiter] { weiter->click(); });
}

void TSaldixSelektionView::showEvent(QShowEvent* event) {
  EingabenUebernehmen();
  logik_.FormShow();
  Anzeigen();
  QDialog::showEvent(event);
}

void TSaldixSelektionView::EingabenUebernehmen() {
  logik_.edtJahr = Std_(jahr_->text());
  logik_.edtDatumVon = Std_(datumVon_->text());
  logik_.edtDatumBis = Std_(datumBis_->text());
  logik_.edtAbrNr = Std_(abrNr_->text());
  logik_.edtAbrJahr = Std_(abrJahr_->text());
}

void TSaldixSelektionView::Anzeigen() {
  anzeigen_ = true;
  if (jahr_->text() != Qt_(logik_.edtJahr)) jahr_->setText(Qt_(logik_.edtJahr));
  monat_->setCurrentIndex(logik_.Monat - 1);
  datumVon_->setText(Qt_(logik_.edtDatumVon));
  datumBis_->setText(Qt_(logik_.edtDatumBis));
  abrNr_->setText(Qt_(logik_.edtAbrNr));
  abrJahr_->setText(Qt_(logik_.edtAbrJahr));
  abgeschlossen_->setChecked(logik_.Abgeschlossen);
  gruppeZeitraum_->setEnabled(logik_.ZeitraumAktiv());
  gruppeAbrNr_->setEnabled(logik_.AbrechnungsNrAktiv());
  (logik_.Abgeschlossen ? abrNr_ : datumVon_)->setFocus();
  anzeigen_ = false;
}

void TSaldixSelektionView::Schliessen() {
  Anzeigen();
  if (logik_.ModalResult() == mrOk) accept();
  if (logik_.ModalResult() == mrCancel) reject();
}

void TSaldixSelektionView::KalenderWaehlen(QLineEdit* feld) {
  QDialog kalender(this);
  kalender.setWindowTitle(QStringLiteral("Kalender"));
  auto* layout = new QVBoxLayout(&kalender);
  auto* blatt = new QCalendarWidget;
  const TDateTime datum = StrToDateDef(Std_(feld->text()), qtx_Date());
  blatt->setSelectedDate(QDate(YearOf(datum), MonthOf(datum), DayOf(datum)));
  layout->addWidget(blatt);
  connect(blatt, &QCalendarWidget::activated, &kalender, &QDialog::accept);
  if (kalender.exec() != QDialog::Accepted) return;
  const QDate gewaehlt = blatt->selectedDate();
  feld->setText(Qt_(DateToStr(EncodeDate(gewaehlt.year(), gewaehlt.month(), gewaehlt.day()))));
}

bool SelektionZeigen(QWidget* parent, TfrmFiBuSelektion& logik) {
  TSaldixSelektionView view(logik, parent);
  return view.exec() == QDialog::Accepted && logik.ModalResult() == mrOk;
}
