#include "ui/FibuExporterWahlView.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

TFibuExporterWahlView::TFibuExporterWahlView(TfrmFibuExporter_wahl& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setWindowTitle(Qt_(TfrmFibuExporter_wahl::Caption));

  auto* box = new QGroupBox(QStringLiteral("Verfügbare Formate"), this);
  auto* liste = new QVBoxLayout(box);
  gruppe_ = new QButtonGroup(this);
  int zeile = 0;
  for (const auto& name : logik_.VerfuegbareFormate()) {
    auto* option = new QRadioButton(Qt_(name), box);
    liste->addWidget(option);
    gruppe_->addButton(option, zeile++);
    formate_.push_back(option);
  }
  connect(gruppe_, &QButtonGroup::idClicked, this, [this](int gewaehlt) {
    logik_.AuswahlSetzen(gewaehlt);
    Anzeigen();
  });

  btnEinstellungen_ = Knopf("Einstellungen bearbeiten", "btnEinstellungen", this);
  auto* btnBuchen = Knopf("Buchen", "btnBuchen", this, "F5");
  auto* btnZurueck = Knopf("Zurück", "btnZurueck", this, "Esc");
  connect(btnEinstellungen_, &QPushButton::clicked, this, [this] {
    logik_.btnEinstellungenClick();
    Anzeigen();
  });
  connect(btnBuchen, &QPushButton::clicked, this, &TFibuExporterWahlView::Buchen);
  connect(btnZurueck, &QPushButton::clicked, this, &TFibuExporterWahlView::reject);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(btnEinstellungen_);
  knoepfe->addStretch();
  knoepfe->addWidget(btnBuchen);
  knoepfe->addWidget(btnZurueck);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift(TfrmFibuExporter_wahl::Header, this));
  layout->addWidget(box, 1);
  layout->addLayout(knoepfe);
  setMinimumWidth(460);
}

void TFibuExporterWahlView::showEvent(QShowEvent* event) {
  logik_.FormShow();
  Anzeigen();
  QDialog::showEvent(event);
}

void TFibuExporterWahlView::Anzeigen() {
  // An exclusive group cannot show "nothing chosen" on its own.
  gruppe_->setExclusive(false);
  for (std::size_t zeile = 0; zeile < formate_.size(); ++zeile) {
    Abgleichen(*formate_[zeile], static_cast<int>(zeile) == logik_.Auswahl());
  }
  gruppe_->setExclusive(true);
  btnEinstellungen_->setEnabled(logik_.EinstellungenBearbeitenAktiv());
}

void TFibuExporterWahlView::Buchen() {
  if (logik_.btnBuchenClick()) QDialog::accept();
}

void TFibuExporterWahlView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5) {
    Buchen();
    return;
  }
  QDialog::keyPressEvent(event);
}
