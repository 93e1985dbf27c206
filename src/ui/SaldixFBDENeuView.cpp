#include "ui/SaldixFBDENeuView.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/SaldixFBDEEditView.h"
#include "ui/ViewHilfen.h"

namespace {

QLineEdit* Eingabe(const char* name, std::size_t laenge, QWidget* eltern,
                   const char* hinweis = nullptr) {
  auto* edit = new QLineEdit(eltern);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(static_cast<int>(laenge));
  if (hinweis) edit->setToolTip(Qt_(hinweis));
  return edit;
}

QComboBox* Auswahl(const char* name, QWidget* eltern) {
  auto* box = new QComboBox(eltern);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

int Index(const QComboBox& box) { return box.currentIndex(); }

}  // namespace

TSaldixFBDENeuView::TSaldixFBDENeuView(TfrmSaldixFBDENeu& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  using T = TfrmSaldixFBDENeu;
  setObjectName(QStringLiteral("TfrmSaldixFBDENeu"));
  setWindowTitle(Qt_(T::Caption));
  edtBetrag_ = Eingabe("edtBetrag", T::MaxBetrag, this);
  edtBetrag_->setAlignment(Qt::AlignRight);
  cmbSollHaben_ = Auswahl("cmbSollHaben", this);
  cmbSollHaben_->addItems({Qt_("Haben"), Qt_("Soll")});
  edtKonto_ = Eingabe("edtKonto", T::MaxKonto, this, "Nummer des Kontos, mit F2 Kontensuche");
  edtKontoTxt_ = Eingabe("edtKontoTxt", T::MaxKontoTxt, this);
  edtKontoTxt_->setReadOnly(true);
  edtGegenkonto_ = Eingabe("edtGegenkonto", T::MaxKonto, this,
                           "Nummer des Gegenkontos, mit F2 Kontensuche");
  edtGegenkontoTxt_ = Eingabe("edtGegenkontoTxt", T::MaxKontoTxt, this);
  edtGegenkontoTxt_->setReadOnly(true);
  for (QLineEdit* konto : {edtKonto_, edtGegenkonto_}) {
    konto->installEventFilter(this);
  }
  cmbSteuerschl_ = Auswahl("cmbSteuerschl", this);
  edtDatum_ = Eingabe("edtDatum", 10, this);
  edtDatum_->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
  edtBeleg1_ = Eingabe("edtBeleg1", T::MaxBeleg, this);
  edtBeleg2_ = Eingabe("edtBeleg2", T::MaxBeleg, this);
  edtBeschreibung_ = Eingabe("edtBeschreibung", T::MaxBeschreibung, this);
  edtUstId_ = Eingabe("edtUstId", T::MaxUstId, this);
  cmbRechner_ = Auswahl("cmbRechner", this);
  cmbKost1_ = Auswahl("cmbKost1", this);
  cmbKost2_ = Auswahl("cmbKost2", this);

  auto* raster = new QGridLayout;
  int zeile = 0;
  const auto reihe = [&](const char* titel, QWidget* a, QWidget* b = nullptr) {
    raster->addWidget(new QLabel(Qt_(titel), this), zeile, 0);
    raster->addWidget(a, zeile, 1);
    if (b) raster->addWidget(b, zeile, 2);
    ++zeile;
  };
  reihe("Betrag", edtBetrag_, cmbSollHaben_);
  reihe("Konto", edtKonto_, edtKontoTxt_);
  reihe("Gegenkonto", edtGegenkonto_, edtGegenkontoTxt_);
  reihe("Steuerschl.", cmbSteuerschl_);
  reihe("Datum", edtDatum_);
  reihe("Beleg 1", edtBeleg1_);
  reihe("Beleg 2", edtBeleg2_);
  reihe("Beschreibung", edtBeschreibung_);
  reihe("USt-ID", edtUstId_);
  reihe("Kostenstelle 1", cmbKost1_);
  reihe("Kostenstelle 2", cmbKost2_);
  reihe("Rechner", cmbRechner_);
  raster->setColumnStretch(2, 1);

  auto* buchen = Knopf("Buchen", "btnBuchen", this, "Änderungen werden gebucht");
  auto* abbrechen = Knopf("Abbrechen", "btnAbbrechen", this,
                          "Änderungen werden verworfen, die Daten bleiben unverändert");
  connect(buchen, &QPushButton::clicked, this, &TSaldixFBDENeuView::accept);
  connect(abbrechen, &QPushButton::clicked, this, &TSaldixFBDENeuView::reject);
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(f5, &QShortcut::activated, this, &TSaldixFBDENeuView::accept);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(buchen);
  knoepfe->addWidget(abbrechen);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift(T::Caption, this));
  layout->addLayout(raster);
  layout->addLayout(knoepfe);
  resize(520, sizeHint().height());
}

void TSaldixFBDENeuView::Anzeigen() {
  Abgleichen(*edtBetrag_, logik_.edtBetrag);
  {
    const QSignalBlocker sperre(cmbSollHaben_);
    cmbSollHaben_->setCurrentIndex(logik_.cmbSollHaben);
  }
  Abgleichen(*edtKonto_, logik_.edtKonto);
  Abgleichen(*edtKontoTxt_, logik_.edtKontoTxt);
  Abgleichen(*edtGegenkonto_, logik_.edtGegenkonto);
  Abgleichen(*edtGegenkontoTxt_, logik_.edtGegenkontoTxt);
  Abgleichen(*edtDatum_, logik_.edtDatum);
  Abgleichen(*edtBeleg1_, logik_.edtBeleg1);
  Abgleichen(*edtBeleg2_, logik_.edtBeleg2);
  Abgleichen(*edtBeschreibung_, logik_.edtBeschreibung);
  Abgleichen(*edtUstId_, logik_.edtUstId);
  const QSignalBlocker a(cmbSteuerschl_), b(cmbRechner_);
  if (cmbSteuerschl_->count() != static_cast<int>(logik_.cmbSteuerschlEintraege.size())) {
    cmbSteuerschl_->clear();
    for (const auto& schluessel : logik_.cmbSteuerschlEintraege) cmbSteuerschl_->addItem(Qt_(schluessel));
  }
  cmbSteuerschl_->setCurrentIndex(logik_.cmbSteuerschl);
  if (cmbRechner_->count() != static_cast<int>(logik_.cmbRechnerWerte.size())) {
    cmbRechner_->clear();
    for (std::int32_t rechner : logik_.cmbRechnerWerte) cmbRechner_->addItem(QString::number(rechner));
  }
  cmbRechner_->setCurrentIndex(logik_.cmbRechner);
  KostenstellenAnzeigen(*cmbKost1_, logik_.cmbKost1);
  KostenstellenAnzeigen(*cmbKost2_, logik_.cmbKost2);
}

void TSaldixFBDENeuView::Uebernehmen() {
  logik_.edtBetrag = Std_(edtBetrag_->text());
  logik_.cmbSollHaben = Index(*cmbSollHaben_);
  logik_.edtKonto = Std_(edtKonto_->text());
  logik_.edtGegenkonto = Std_(edtGegenkonto_->text());
  logik_.edtDatum = Std_(edtDatum_->text());
  logik_.edtBeleg1 = Std_(edtBeleg1_->text());
  logik_.edtBeleg2 = Std_(edtBeleg2_->text());
  logik_.edtBeschreibung = Std_(edtBeschreibung_->text());
  logik_.edtUstId = Std_(edtUstId_->text());
  logik_.cmbSteuerschl = std::max(0, Index(*cmbSteuerschl_));
  logik_.cmbRechner = Index(*cmbRechner_);
  logik_.cmbKost1.Index = static_cast<std::size_t>(std::max(0, Index(*cmbKost1_)));
  logik_.cmbKost2.Index = static_cast<std::size_t>(std::max(0, Index(*cmbKost2_)));
}

void TSaldixFBDENeuView::FokusSetzen() {
  if (auto* fokus = findChild<QWidget*>(Qt_(logik_.FocusedInput()))) fokus->setFocus();
}

void TSaldixFBDENeuView::Schritt(void (TfrmSaldixFBDENeu::*schritt)()) {
  if (imSchritt_) return;
  imSchritt_ = true;
  Uebernehmen();
  (logik_.*schritt)();
  Anzeigen();
  imSchritt_ = false;
}

void TSaldixFBDENeuView::showEvent(QShowEvent* event) {
  logik_.FormShow();
  Anzeigen();
  QDialog::showEvent(event);
  FokusSetzen();
  edtBetrag_->selectAll();
}

bool TSaldixFBDENeuView::eventFilter(QObject* objekt, QEvent* event) {
  const bool konto = objekt == edtKonto_;
  if ((konto || objekt == edtGegenkonto_) && !imSchritt_) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
      Schritt(konto ? &TfrmSaldixFBDENeu::KontoSuchen : &TfrmSaldixFBDENeu::GegenkontoSuchen);
      return true;
    }
    if (event->type() == QEvent::FocusOut && isVisible()) {
      Schritt(konto ? &TfrmSaldixFBDENeu::edtKontoExit : &TfrmSaldixFBDENeu::edtGegenkontoExit);
    }
  }
  return QDialog::eventFilter(objekt, event);
}

void TSaldixFBDENeuView::accept() {
  if (imSchritt_) return;
  // An account number typed but not yet left counts as entered.
  Schritt(&TfrmSaldixFBDENeu::edtKontoExit);
  Schritt(&TfrmSaldixFBDENeu::edtGegenkontoExit);
  Schritt(&TfrmSaldixFBDENeu::btnBuchenClick);
  if (logik_.ModalResult() == mrOk) {
    QDialog::accept();
    return;
  }
  FokusSetzen();
}

void TSaldixFBDENeuView::reject() {
  logik_.btnAbbrechenClick();
  QDialog::reject();
}
