#include "ui/SaldixHauptView.h"

#include <functional>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/UiText.h"

TSaldixHauptView::TSaldixHauptView(TFrmHaupt& logik, QWidget* parent)
    : QDialog(parent), logik_(logik) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* ueberschrift = new QLabel(Qt_(TFrmHaupt::Ueberschrift));
  QFont fett = ueberschrift->font();
  fett.setBold(true);
  ueberschrift->setFont(fett);
  layout->addWidget(ueberschrift);

  auto* bearbeitenGruppe = new QGroupBox(QStringLiteral("Bearbeiten / Drucken / Exportieren"));
  auto* bearbeitenLayout = new QGridLayout(bearbeitenGruppe);
  bearbeiten_ = MenuKnopf("&Daten bearbeiten", &TFrmHaupt::btnBearbeitenBearbeitenClick);
  bearbeitenRechts_ = new QLabel;
  kasse_ = MenuKnopf("Abstimmung &Kassenbericht", &TFrmHaupt::btnAbstimmungKasseClick);
  bearbeitenLayout->addWidget(bearbeiten_, 0, 0);
  bearbeitenLayout->addWidget(bearbeitenRechts_, 0, 1);
  bearbeitenLayout->addWidget(kasse_, 1, 0);
  bearbeitenLayout->setColumnStretch(1, 1);
  layout->addWidget(bearbeitenGruppe);

  auto* einstellungenGruppe = new QGroupBox(QStringLiteral("Einstellungen"));
  auto* einstellungenLayout = new QVBoxLayout(einstellungenGruppe);
  format_ = MenuKnopf("&Wahl des Exportformates", &TFrmHaupt::btnAuswahlExportClick);
  einstellungen_ = MenuKnopf("Weitere &Einstellungen", &TFrmHaupt::btnWeitereEinstellungenClick);
  einstellungenLayout->addWidget(format_);
  einstellungenLayout->addWidget(einstellungen_);
  layout->addWidget(einstellungenGruppe);

  auto* mandantGruppe = new QGroupBox(QStringLiteral("Mandant"));
  auto* mandantLayout = new QHBoxLayout(mandantGruppe);
  mandant_ = new QLabel;
  mandantWechseln_ = MenuKnopf("&Mandant wechseln", &TFrmHaupt::btnMandantWechselnClick);
  mandantLayout->addWidget(mandant_, 1);
  mandantLayout->addWidget(mandantWechseln_);
  layout->addWidget(mandantGruppe);

  auto* beenden = new QPushButton(QStringLiteral("&Beenden"));
  connect(beenden, &QPushButton::clicked, this, &QDialog::reject);
  auto* unten = new QHBoxLayout;
  unten->addStretch(1);
  unten->addWidget(beenden);
  layout->addLayout(unten);

  setMinimumWidth(520);
  Anzeigen();
}

QPushButton* TSaldixHauptView::MenuKnopf(const char* text, void (TFrmHaupt::*aktion)()) {
  auto* knopf = new QPushButton(Qt_(text));
  knopf->setMinimumWidth(230);
  // The logic bound first: GCC 12 under the sanitizers loses `this` in a lambda that
  // also holds a pointer to member.
  std::function<void()> ausfuehren = std::bind(aktion, &logik_);
  connect(knopf, &QPushButton::clicked, this, [this, ausfuehren] {
    ausfuehren();
    Anzeigen();
  });
  return knopf;
}

void TSaldixHauptView::Anzeigen() {
  setWindowTitle(Qt_(logik_.Caption));
  mandant_->setText(Qt_(logik_.lblMandant));
  bearbeitenRechts_->setText(Qt_(logik_.BearbeitenRechts));
}
