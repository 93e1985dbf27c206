#include "ui/SaldixAbstimmungView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

namespace {

bool IstBetrag(int spalte) {
  return spalte >= static_cast<int>(TAbstSpalte::AnfangsbestandKV) &&
         spalte <= static_cast<int>(TAbstSpalte::Differenz) &&
         spalte != static_cast<int>(TAbstSpalte::Waehrung);
}

void Einfuegen(QTreeWidgetItem& eltern, const TAbstimmungsZeile& zeile);

QTreeWidgetItem* Eintrag(const TAbstimmungsZeile& zeile) {
  auto* item = new QTreeWidgetItem;
  for (int spalte = 0; spalte < CAbstSpalten; ++spalte) {
    item->setText(spalte, Qt_(zeile.Anzeige(static_cast<TAbstSpalte>(spalte))));
    if (IstBetrag(spalte)) item->setTextAlignment(spalte, Qt::AlignRight | Qt::AlignVCenter);
  }
  if (zeile.MitDifferenz) {
    item->setForeground(static_cast<int>(TAbstSpalte::Differenz), QBrush(Qt::red));
  }
  if (zeile.Ebene < 4) {
    QFont schrift = item->font(0);
    schrift.setBold(zeile.Ebene < 3);
    for (int spalte = 0; spalte < CAbstSpalten; ++spalte) item->setFont(spalte, schrift);
  }
  for (const auto& kind : zeile.Kinder) Einfuegen(*item, kind);
  return item;
}

void Einfuegen(QTreeWidgetItem& eltern, const TAbstimmungsZeile& zeile) {
  eltern.addChild(Eintrag(zeile));
}

}  // namespace

TSaldixAbstimmungView::TSaldixAbstimmungView(TSaldixAbstimmung& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setObjectName(QStringLiteral("TSaldixAbstimmung"));
  setWindowTitle(Qt_(TSaldixAbstimmung::Caption));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);

  lblMandant_ = new QLabel(this);
  lblMandant_->setObjectName(QStringLiteral("lblMandant"));
  edtVon_ = new QLineEdit(this);
  edtVon_->setObjectName(QStringLiteral("edtDatumVon"));
  edtBis_ = new QLineEdit(this);
  edtBis_->setObjectName(QStringLiteral("edtDatumBis"));
  for (QLineEdit* datum : {edtVon_, edtBis_}) {
    datum->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    datum->setMaxLength(10);
    datum->setFixedWidth(datum->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
  }
  cmbRechner_ = new QComboBox(this);
  cmbRechner_->setObjectName(QStringLiteral("cmbRechner"));
  cmbFiliale_ = new QComboBox(this);
  cmbFiliale_->setObjectName(QStringLiteral("cmbFiliale"));
  auto* aktualisieren = Knopf("Aktualisieren", "btnAktualisieren", this);
  connect(aktualisieren, &QPushButton::clicked, this, &TSaldixAbstimmungView::Aktualisieren);
  auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
  connect(f4, &QShortcut::activated, this, &TSaldixAbstimmungView::Aktualisieren);

  lblSchrift_ = new QLabel(this);
  auto* kleiner = Knopf("Schrift kleiner", "btnSchriftKleiner", this);
  auto* groesser = Knopf("Schrift größer", "btnSchriftGroesser", this);
  connect(kleiner, &QPushButton::clicked, this, [this] {
    logik_.SchriftKleiner();
    SchriftAnzeigen();
  });
  connect(groesser, &QPushButton::clicked, this, [this] {
    logik_.SchriftGroesser();
    SchriftAnzeigen();
  });
  auto* drucken = Knopf("Drucken", "btnDrucken", this);
  connect(drucken, &QPushButton::clicked, this, [this] {
    if (!drucken_) return;
    const int seite = seiten_->currentIndex();
    const TAbstimmungsListe& liste =
        seite == 1 ? logik_.OhneKasse() : seite == 2 ? logik_.Manuell() : logik_.Kasse();
    drucken_(liste, logik_.edtDatumVon + " - " + logik_.edtDatumBis);
  });

  auto* auswahl = new QHBoxLayout;
  auswahl->addWidget(new QLabel(Qt_("Mandant:"), this));
  auswahl->addWidget(lblMandant_);
  auswahl->addSpacing(16);
  auswahl->addWidget(new QLabel(Qt_("Datum von"), this));
  auswahl->addWidget(edtVon_);
  auswahl->addWidget(new QLabel(Qt_("bis"), this));
  auswahl->addWidget(edtBis_);
  auswahl->addWidget(new QLabel(Qt_("Rechner"), this));
  auswahl->addWidget(cmbRechner_);
  auswahl->addWidget(new QLabel(Qt_("Filiale"), this));
  auswahl->addWidget(cmbFiliale_);
  auswahl->addWidget(aktualisieren);
  auswahl->addStretch();

  seiten_ = new QTabWidget(this);
  seiten_->setObjectName(QStringLiteral("pgcListen"));
  const TAbstimmungsListe* listen[3] = {&logik_.Kasse(), &logik_.OhneKasse(), &logik_.Manuell()};
  const char* reiter[3] = {"Abstimmung Kassenberichte", "Buchungen ohne Kassenbestand",
                           "Zusätzlich eingefügte Buchungen"};
  for (int i = 0; i < 3; ++i) {
    auto* seite = new QWidget(seiten_);
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(Ueberschrift(listen[i]->Titel.c_str(), seite));
    listen_[i] = new QTreeWidget(seite);
    listen_[i]->setObjectName(QStringLiteral("vrtListe%1").arg(i));
    listen_[i]->setColumnCount(CAbstSpalten);
    QStringList titel;
    for (const char* t : listen[i]->Spaltentitel) titel << Qt_(t);
    listen_[i]->setHeaderLabels(titel);
    for (int spalte = 0; spalte < CAbstSpalten; ++spalte) {
      listen_[i]->setColumnHidden(spalte, !listen[i]->SpalteSichtbar[static_cast<std::size_t>(spalte)]);
    }
    listen_[i]->setUniformRowHeights(true);
    layout->addWidget(listen_[i]);
    seiten_->addTab(seite, Qt_(reiter[i]));
  }

  auto* fuss = new QHBoxLayout;
  fuss->addWidget(new QLabel(Qt_("Schriftgröße:"), this));
  fuss->addWidget(lblSchrift_);
  fuss->addWidget(kleiner);
  fuss->addWidget(groesser);
  fuss->addStretch();
  fuss->addWidget(drucken);
  auto* zurueck = Knopf("Zurück", "btnZurueck", this);
  connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);
  fuss->addWidget(zurueck);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift(TSaldixAbstimmung::Caption, this));
  layout->addLayout(auswahl);
  layout->addWidget(seiten_, 1);
  layout->addLayout(fuss);
  resize(1180, 700);
}

void TSaldixAbstimmungView::showEvent(QShowEvent* event) {
  logik_.FormActivate();
  Anzeigen();
  QDialog::showEvent(event);
  edtVon_->setFocus();
}

void TSaldixAbstimmungView::SchriftAnzeigen() {
  lblSchrift_->setText(QString::number(logik_.Schriftgroesse));
  for (QTreeWidget* liste : listen_) {
    QFont schrift = liste->font();
    schrift.setPointSize(logik_.Schriftgroesse);
    liste->setFont(schrift);
  }
}

void TSaldixAbstimmungView::Anzeigen() {
  Abgleichen(*lblMandant_, logik_.lblMandant);
  Abgleichen(*edtVon_, logik_.edtDatumVon);
  Abgleichen(*edtBis_, logik_.edtDatumBis);
  const auto fuellen = [](QComboBox& box, const std::vector<std::string>& eintraege, int index) {
    const QSignalBlocker sperre(box);
    box.clear();
    for (const auto& eintrag : eintraege) box.addItem(Qt_(eintrag));
    box.setCurrentIndex(index);
  };
  fuellen(*cmbRechner_, logik_.cmbRechnerEintraege, logik_.cmbRechner);
  fuellen(*cmbFiliale_, logik_.cmbFilialeEintraege, logik_.cmbFiliale);
  SchriftAnzeigen();
  ListeAnzeigen(*listen_[0], logik_.Kasse());
  ListeAnzeigen(*listen_[1], logik_.OhneKasse());
  ListeAnzeigen(*listen_[2], logik_.Manuell());
}

void TSaldixAbstimmungView::ListeAnzeigen(QTreeWidget& baum, const TAbstimmungsListe& liste) {
  baum.clear();
  for (const auto& zeile : liste.Zeilen) baum.addTopLevelItem(Eintrag(zeile));
  baum.expandAll();
  for (int spalte = 0; spalte < CAbstSpalten; ++spalte) baum.resizeColumnToContents(spalte);
}

void TSaldixAbstimmungView::Aktualisieren() {
  logik_.edtDatumVon = Std_(edtVon_->text());
  logik_.edtDatumBis = Std_(edtBis_->text());
  logik_.cmbRechner = std::max(0, cmbRechner_->currentIndex());
  logik_.cmbFiliale = std::max(0, cmbFiliale_->currentIndex());
  bool ok = false;
  {
    TWarteCursor warten;
    ok = logik_.acAktualisierenExecute();
  }
  Anzeigen();
  if (!ok) {
    if (auto* fokus = findChild<QWidget*>(Qt_(logik_.FocusedInput()))) fokus->setFocus();
    return;
  }
  seiten_->setCurrentIndex(logik_.Seite());
}
