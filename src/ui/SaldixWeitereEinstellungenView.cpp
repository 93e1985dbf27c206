#include "ui/SaldixWeitereEinstellungenView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "suite/DateTime.h"
#include "ui/ViewHilfen.h"

namespace {

void Fuellen(QComboBox& box, const std::vector<std::string>& texte, int index) {
  const QSignalBlocker sperre(box);
  QStringList neu;
  for (const auto& text : texte) neu << Qt_(text);
  QStringList bisher;
  for (int i = 0; i < box.count(); ++i) bisher << box.itemText(i);
  if (bisher != neu) {
    box.clear();
    box.addItems(neu);
  }
  box.setCurrentIndex(index);
}

template <std::size_t N>
std::vector<std::string> Texte(const std::array<TAuswahlEintrag, N>& tabelle) {
  std::vector<std::string> texte;
  for (const auto& eintrag : tabelle) texte.emplace_back(eintrag.Text);
  return texte;
}

std::vector<std::string> ArtTexte(const std::vector<TNummernArt>& arten) {
  std::vector<std::string> texte;
  for (const auto& art : arten) texte.push_back(art.Text);
  return texte;
}

QComboBox* Auswahl(const char* name, QWidget* eltern) {
  auto* box = new QComboBox(eltern);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QCheckBox* Haken(const char* text, const char* name, QWidget* eltern) {
  auto* box = new QCheckBox(Qt_(text), eltern);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

TSaldixWeitereEinstellungenView::TSaldixWeitereEinstellungenView(TSaldixWeitereEinstellungen& logik,
                                                                 QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setObjectName(QStringLiteral("TSaldixWeitereEinstellungen"));
  setWindowTitle(Qt_(TSaldixWeitereEinstellungen::Caption));
  ueberschrift_ = Ueberschrift("Weitere Einstellungen", this);
  seiten_ = new QTabWidget(this);
  seiten_->setObjectName(QStringLiteral("pgcEinstellungen"));
  seiten_->addTab(SeiteAllgemein(), Qt_("Allgemein"));
  seiten_->addTab(SeiteListe(lstSpalten_, logik_.lstSpalten, false, "Sichtbare Spalten"),
                  Qt_("Konfiguration Spalten"));
  seiten_->addTab(SeiteListe(lstSortierung_, logik_.lstSortierung, true,
                             "Reihenfolge, in der die Buchungssätze dargestellt werden"),
                  Qt_("Sortierung Buchungssätze"));
  seiten_->addTab(SeiteAutomatik(), Qt_("Automatikkonten"));
  seiten_->addTab(SeiteZusammenfassen(), Qt_("Zusammenfassen/Inhalt"));
  seiten_->addTab(SeiteKostenstellen(), Qt_("Kostenstellen"));
  seiten_->addTab(SeiteKreditoren(), Qt_("Kreditoren"));
  seiten_->addTab(SeiteDebitoren(), Qt_("Debitoren"));

  auto* buchen = Knopf("Buchen", "btnBuchen", this);
  auto* zurueck = Knopf("Zurück", "btnZurueck", this);
  connect(buchen, &QPushButton::clicked, this, &TSaldixWeitereEinstellungenView::accept);
  connect(zurueck, &QPushButton::clicked, this, &TSaldixWeitereEinstellungenView::reject);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(buchen);
  knoepfe->addWidget(zurueck);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ueberschrift_);
  layout->addWidget(seiten_, 1);
  layout->addLayout(knoepfe);
  resize(860, 620);
}

QWidget* TSaldixWeitereEinstellungenView::SeiteAllgemein() {
  auto* seite = new QWidget(this);
  edtMaxZeilen_ = new QLineEdit(seite);
  edtMaxZeilen_->setObjectName(QStringLiteral("edtMaxZeilen"));
  edtMaxZeilen_->setMaximumWidth(120);
  chkKontoMonatsweise_ = Haken("Kontonr. am Monatsanfang", "chkKontoMonatsweise", seite);
  chkDirektEinlesen_ =
      Haken("Daten direkt bei Öffnen des Fensters einlesen", "chkDirektEinlesen", seite);
  auto* layout = new QFormLayout(seite);
  layout->addRow(Qt_("Max. Anzahl Zeilen:"), edtMaxZeilen_);
  layout->addRow(chkKontoMonatsweise_);
  layout->addRow(chkDirektEinlesen_);
  return seite;
}

QWidget* TSaldixWeitereEinstellungenView::SeiteListe(QTreeWidget*& baum,
                                                     std::vector<TSpaltenHaken>& liste,
                                                     bool sortierung, const char* ueberschrift) {
  auto* seite = new QWidget(this);
  baum = new QTreeWidget(seite);
  baum->setObjectName(sortierung ? QStringLiteral("lstSortierung") : QStringLiteral("lstSpalten"));
  baum->setRootIsDecorated(false);
  if (sortierung) {
    baum->setHeaderLabels({Qt_("Spalte"), Qt_("Auf-/absteigend"), Qt_("Spaltenindex")});
  } else {
    baum->setHeaderLabels({Qt_("Spalte"), Qt_("Spaltenindex")});
  }
  QTreeWidget* b = baum;
  const auto knopf = [&](const char* text, const char* name, const char* hinweis,
                         std::function<void()> aktion) {
    auto* k = Knopf(text, name, seite, hinweis);
    connect(k, &QPushButton::clicked, this, [this, aktion] { Schritt(aktion); });
    return k;
  };
  std::vector<TSpaltenHaken>* l = &liste;
  const auto zeile = [b] { return b->indexOfTopLevelItem(b->currentItem()); };
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(knopf("Alle anhaken", sortierung ? "btnSortAlle" : "btnSpaltenAlle",
                           "Alle Zeilen anhaken", [l] { TSaldixWeitereEinstellungen::AlleAnhaken(*l); }));
  knoepfe->addWidget(knopf("Markierung umdrehen", sortierung ? "btnSortUmdrehen" : "btnSpaltenUmdrehen",
                           "Markierung umdrehen",
                           [l] { TSaldixWeitereEinstellungen::MarkierungUmdrehen(*l); }));
  knoepfe->addWidget(knopf("Nach unten", sortierung ? "btnSortRunter" : "btnSpaltenRunter", nullptr,
                           [l, b, zeile] {
                             const int neu = TSaldixWeitereEinstellungen::Runter(*l, zeile());
                             b->setProperty("auswahl", neu);
                           }));
  knoepfe->addWidget(knopf("Nach oben", sortierung ? "btnSortHoch" : "btnSpaltenHoch", nullptr,
                           [l, b, zeile] {
                             const int neu = TSaldixWeitereEinstellungen::Hoch(*l, zeile());
                             b->setProperty("auswahl", neu);
                           }));
  knoepfe->addStretch();
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(new QLabel(Qt_(ueberschrift), seite));
  layout->addWidget(baum, 1);
  layout->addLayout(knoepfe);
  return seite;
}

QWidget* TSaldixWeitereEinstellungenView::SeiteAutomatik() {
  auto* seite = new QWidget(this);
  chkAutoKont_ = Haken("Buchungen zu Automatikkonten werden zusammengefasst ", "chkAutoKont", seite);
  connect(chkAutoKont_, &QCheckBox::toggled, this, [this] { Schritt([] {}); });
  lblAenderungen_ = new QLabel(Qt_("Änderungen in Mwst-Sätzen ab:"), seite);
  lstAenderungen_ = new QListWidget(seite);
  lstAenderungen_->setObjectName(QStringLiteral("lstAenderungen"));
  lstAenderungen_->setMaximumHeight(110);
  connect(lstAenderungen_, &QListWidget::currentRowChanged, this, [this](int zeile) {
    if (!zeigt_) Schritt([this, zeile] { logik_.AenderungWaehlen(zeile); });
  });
  edtAbDatum_ = new QLineEdit(seite);
  edtAbDatum_->setObjectName(QStringLiteral("edtAbDatum"));
  edtAbDatum_->setMaximumWidth(120);
  cmbVoll_ = Auswahl("cmbVoll", seite);
  cmbReduziert_ = Auswahl("cmbReduziert", seite);
  cmbSpeziell_ = Auswahl("cmbSpeziell", seite);
  cmbFruehererVoll_ = Auswahl("cmbFruehererVoll", seite);
  cmbFruehererReduziert_ = Auswahl("cmbFruehererReduziert", seite);
  edtSpeziellProzent_ = new QLineEdit(seite);
  edtSpeziellProzent_->setObjectName(QStringLiteral("edtSpeziellProzent"));
  edtSpeziellProzent_->setMaxLength(5);
  edtSpeziellProzent_->setMaximumWidth(70);
  edtSpeziellProzent_->setToolTip(Qt_(
      "Wenn der spezielle Mwst-Satz nicht hinterlegt ist, kann hier ein Prozentsatz eingetragen werden"));
  auto* spezial = new QHBoxLayout;
  spezial->addWidget(cmbSpeziell_, 1);
  spezial->addWidget(edtSpeziellProzent_);
  auto* layout = new QFormLayout(seite);
  layout->addRow(chkAutoKont_);
  layout->addRow(lblAenderungen_, lstAenderungen_);
  layout->addRow(Qt_("ab"), edtAbDatum_);
  const auto titel = [&](const char* text) {
    satzTitel_.push_back(new QLabel(Qt_(text), seite));
    return satzTitel_.back();
  };
  layout->addRow(titel("Voller Mehrwert- / Vorsteuersatz:"), cmbVoll_);
  layout->addRow(titel("Reduzierter Mehrwert- / Vorsteuersatz:"), cmbReduziert_);
  layout->addRow(titel("Spezieller Mehrwert- / Vorsteuersatz:"), spezial);
  layout->addRow(titel("Früherer voller Mwst.- / Vorst.-Satz:"), cmbFruehererVoll_);
  layout->addRow(titel("Früherer reduz. Mwst.- / Vorst.-Satz:"), cmbFruehererReduziert_);
  return seite;
}

QWidget* TSaldixWeitereEinstellungenView::SeiteZusammenfassen() {
  auto* seite = new QWidget(this);
  cmbHerkunft_ = Auswahl("cmbHerkunft", seite);
  cmbProfil_ = Auswahl("cmbProfil", seite);
  lblProfil_ = new QLabel(Qt_("und Profil:"), seite);
  for (QComboBox* box : {cmbHerkunft_, cmbProfil_}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      if (!zeigt_) Schritt([this] { logik_.HerkunftProfilGeaendert(); });
    });
  }
  auto* wahl = new QHBoxLayout;
  wahl->addWidget(new QLabel(Qt_("Einstellungen für Herkunft:"), seite));
  wahl->addWidget(cmbHerkunft_);
  wahl->addWidget(lblProfil_);
  wahl->addWidget(cmbProfil_);
  wahl->addStretch();

  auto* unter = new QTabWidget(seite);
  auto* zusammen = new QWidget(unter);
  chkKontoKombination_ = Haken("Buchungen mit gleichem Konto / Gegenkonto zusammenfassen",
                               "chkKontoKombination", zusammen);
  connect(chkKontoKombination_, &QCheckBox::toggled, this, [this] { Schritt([] {}); });
  cmbKriterien_ = Auswahl("cmbKriterien", zusammen);
  rbNachName_ = new QRadioButton(Qt_("die Konten den gleichen Namen haben"), zusammen);
  rbNachNummer_ = new QRadioButton(Qt_("die Konten die gleiche Nummer haben"), zusammen);
  rbNachNummer_->setObjectName(QStringLiteral("rbNachNummer"));
  auto* gruppe1 = new QButtonGroup(zusammen);
  gruppe1->addButton(rbNachName_);
  gruppe1->addButton(rbNachNummer_);
  chkBeschreibung_ = Haken("Text 'Beschreibung' bei Zusammenfassung füllen", "chkBeschreibung", zusammen);
  chkNurListe_ = Haken("nur zusammenfassen, wenn das Konto / Gegenkonto in der Liste steht",
                       "chkNurListe", zusammen);
  connect(chkNurListe_, &QCheckBox::toggled, this, [this] { Schritt([] {}); });
  const auto kontenListe = [&](QTreeWidget*& baum, const char* titel, const char* name, bool gegen) {
    auto* box = new QGroupBox(Qt_(titel), zusammen);
    baum = new QTreeWidget(box);
    baum->setObjectName(QString::fromLatin1(name));
    baum->setRootIsDecorated(false);
    baum->setHeaderLabels({Qt_("Bezeichnung"), Qt_("Nummer"), Qt_("Belegdatum beachten")});
    auto* plus = Knopf("Hinzufügen", gegen ? "btnGegenkontoPlus" : "btnKontoPlus", box);
    auto* minus = Knopf("Entfernen", gegen ? "btnGegenkontoMinus" : "btnKontoMinus", box);
    QTreeWidget* b = baum;
    connect(plus, &QPushButton::clicked, this,
            [this, gegen] { Schritt([this, gegen] { logik_.KontoHinzufuegen(gegen); }); });
    connect(minus, &QPushButton::clicked, this, [this, gegen, b] {
      const int zeile = b->indexOfTopLevelItem(b->currentItem());
      Schritt([this, gegen, zeile] { logik_.KontoEntfernen(gegen, zeile); });
    });
    auto* l = new QVBoxLayout(box);
    l->addWidget(baum);
    auto* k = new QHBoxLayout;
    k->addWidget(plus);
    k->addWidget(minus);
    k->addStretch();
    l->addLayout(k);
    return box;
  };
  auto* listen = new QHBoxLayout;
  listen->addWidget(kontenListe(lstKonten_, "Konten", "lstKonten", false));
  listen->addWidget(kontenListe(lstGegenkonten_, "Gegenkonten", "lstGegenkonten", true));
  auto* zl = new QFormLayout(zusammen);
  zl->addRow(chkKontoKombination_);
  zl->addRow(Qt_("zusätzliche Einschränkungen:"), cmbKriterien_);
  auto* wenn = new QVBoxLayout;
  wenn->addWidget(rbNachName_);
  wenn->addWidget(rbNachNummer_);
  zl->addRow(Qt_("zusammenfassen wenn:"), wenn);
  zl->addRow(chkBeschreibung_);
  zl->addRow(chkNurListe_);
  zl->addRow(listen);
  unter->addTab(zusammen, Qt_("Zusammenfassen"));

  auto* inhalt = new QWidget(unter);
  cmbInhaltBeleg1_ = Auswahl("cmbInhaltBeleg1", inhalt);
  cmbInhaltBeleg2_ = Auswahl("cmbInhaltBeleg2", inhalt);
  cmbInhaltText_ = Auswahl("cmbInhaltText", inhalt);
  rbAnhaengen_ = new QRadioButton(Qt_("urspr. Beschreibung anhängen"), inhalt);
  rbOhne_ = new QRadioButton(Qt_("ohne urspr. Beschreibung"), inhalt);
  rbOhne_->setObjectName(QStringLiteral("rbOhne"));
  auto* gruppe2 = new QButtonGroup(inhalt);
  gruppe2->addButton(rbAnhaengen_);
  gruppe2->addButton(rbOhne_);
  auto* il = new QFormLayout(inhalt);
  il->addRow(Qt_("Inhalt Feld 'Beleg1' :"), cmbInhaltBeleg1_);
  il->addRow(Qt_("Inhalt Feld 'Beleg2' :"), cmbInhaltBeleg2_);
  il->addRow(Qt_("Inhalt Feld 'Text' :"), cmbInhaltText_);
  il->addRow(new QLabel(
      Qt_("Wenn für den Inhalt von Feld 'Text' nicht Standard oder leer gewählt ist,:"), inhalt));
  il->addRow(rbAnhaengen_);
  il->addRow(rbOhne_);
  unter->addTab(inhalt, Qt_("Inhalt der Belegfelder"));

  auto* speichern = Knopf("Einstellung speichern", "btnEinstellungSpeichern", seite);
  btnLoeschen_ = Knopf("Einstellung löschen", "btnEinstellungLoeschen", seite);
  connect(speichern, &QPushButton::clicked, this,
          [this] { Schritt([this] { logik_.btnEinstellungSpeichernClick(); }); });
  connect(btnLoeschen_, &QPushButton::clicked, this,
          [this] { Schritt([this] { logik_.btnEinstellungLoeschenClick(); }); });
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(speichern);
  knoepfe->addWidget(btnLoeschen_);

  auto* layout = new QVBoxLayout(seite);
  layout->addLayout(wahl);
  layout->addWidget(unter, 1);
  layout->addLayout(knoepfe);
  return seite;
}

QWidget* TSaldixWeitereEinstellungenView::SeiteKostenstellen() {
  auto* seite = new QWidget(this);
  memKostenstellen_ = new QPlainTextEdit(seite);
  memKostenstellen_->setObjectName(QStringLiteral("memKostenstellen"));
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(new QLabel(Qt_("Formatierung der Eingabe: Rechner=Kostenstelle"), seite));
  layout->addWidget(memKostenstellen_, 1);
  return seite;
}

QWidget* TSaldixWeitereEinstellungenView::SeiteKreditoren() {
  auto* seite = new QWidget(this);
  chkKreditoren_ = Haken("Kreditoren-Konto-Nummern verwenden", "chkKreditoren", seite);
  cmbKreditorenArt_ = Auswahl("cmbKreditorenArt", seite);
  auto* layout = new QFormLayout(seite);
  layout->addRow(chkKreditoren_);
  layout->addRow(Qt_("Name der Nummernfelds beim Lieferanten"), cmbKreditorenArt_);
  return seite;
}

QWidget* TSaldixWeitereEinstellungenView::SeiteDebitoren() {
  auto* seite = new QWidget(this);
  cmbDebitorenArt_ = Auswahl("cmbDebitorenArt", seite);
  cmbDebitorenArt_->addItems({QString(), Qt_("Debitoren-Kontonummer"), Qt_("Kundenmerkmal")});
  connect(cmbDebitorenArt_, &QComboBox::currentIndexChanged, this, [this] {
    if (!zeigt_) Schritt([this] { logik_.DebitorenArtGeaendert(); });
  });
  cmbDebitorenWert_ = Auswahl("cmbDebitorenWert", seite);
  edtStellen_ = new QLineEdit(seite);
  edtStellen_->setObjectName(QStringLiteral("edtStellen"));
  edtStellen_->setMaxLength(2);
  edtStellen_->setMaximumWidth(60);
  connect(edtStellen_, &QLineEdit::textEdited, this,
          [this] { Schritt([this] { logik_.StellenGeaendert(); }); });
  edtSchema_ = new QLineEdit(seite);
  edtSchema_->setObjectName(QStringLiteral("edtSchema"));
  edtSchema_->setMaxLength(15);
  auto* layout = new QFormLayout(seite);
  layout->addRow(new QLabel(Qt_("Soll für den Export eine Debitoren- Kontonummer oder ein "
                                "Kundenmerkmal verwendet werden?"),
                            seite));
  layout->addRow(cmbDebitorenArt_);
  layout->addRow(cmbDebitorenWert_);
  layout->addRow(Qt_("Falls nötig, erweitern der Kontonummer auf die Stellenanzahl: "), edtStellen_);
  layout->addRow(Qt_("Schema für die Erweiterung der Kontonummer:"), edtSchema_);
  return seite;
}

void TSaldixWeitereEinstellungenView::ListeZeigen(QTreeWidget& baum,
                                                  const std::vector<TSpaltenHaken>& liste,
                                                  bool sortierung) {
  baum.clear();
  for (const auto& eintrag : liste) {
    auto* item = new QTreeWidgetItem(&baum);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setText(0, Qt_(eintrag.Spalte));
    item->setCheckState(0, eintrag.Haken ? Qt::Checked : Qt::Unchecked);
    item->setText(sortierung ? 2 : 1, QString::number(eintrag.Index));
    if (sortierung) {
      auto* richtung = new QComboBox(&baum);
      richtung->addItems({QString(), Qt_("Aufsteigend"), Qt_("Absteigend")});
      richtung->setCurrentIndex(eintrag.Richtung + 1);
      baum.setItemWidget(item, 1, richtung);
    }
  }
  const QVariant auswahl = baum.property("auswahl");
  if (auswahl.isValid()) {
    baum.setCurrentItem(baum.topLevelItem(auswahl.toInt()));
    baum.setProperty("auswahl", QVariant());
  }
  baum.resizeColumnToContents(0);
}

void TSaldixWeitereEinstellungenView::ListeUebernehmen(QTreeWidget& baum,
                                                       std::vector<TSpaltenHaken>& liste,
                                                       bool sortierung) {
  for (int i = 0; i < baum.topLevelItemCount() && static_cast<std::size_t>(i) < liste.size(); ++i) {
    QTreeWidgetItem* item = baum.topLevelItem(i);
    auto& eintrag = liste[static_cast<std::size_t>(i)];
    eintrag.Haken = item->checkState(0) == Qt::Checked;
    if (sortierung) {
      if (auto* richtung = qobject_cast<QComboBox*>(baum.itemWidget(item, 1))) {
        eintrag.Richtung = richtung->currentIndex() - 1;
      }
    }
  }
}

void TSaldixWeitereEinstellungenView::KontenZeigen(QTreeWidget& baum,
                                                   const std::vector<TZusaKonto>& konten) {
  baum.clear();
  for (const auto& konto : konten) {
    auto* item = new QTreeWidgetItem(&baum);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setText(0, Qt_(konto.Bezeichnung.empty() ? konto.Name : konto.Bezeichnung));
    item->setText(1, konto.Nummer > 0 ? QString::number(konto.Nummer) : QString());
    item->setCheckState(2, konto.Belegdatum ? Qt::Checked : Qt::Unchecked);
  }
}

void TSaldixWeitereEinstellungenView::Zeigen() {
  zeigt_ = true;
  Abgleichen(*ueberschrift_, logik_.Ueberschrift);
  Abgleichen(*edtMaxZeilen_, logik_.edtMaxZeilen);
  Abgleichen(*chkKontoMonatsweise_, logik_.chkKontoMonatsweise);
  Abgleichen(*chkDirektEinlesen_, logik_.chkDirektEinlesen);
  ListeZeigen(*lstSpalten_, logik_.lstSpalten, false);
  ListeZeigen(*lstSortierung_, logik_.lstSortierung, true);

  Abgleichen(*chkAutoKont_, logik_.chkAutoKont);
  lstAenderungen_->clear();
  for (TDateTime datum : logik_.lstAenderungen) lstAenderungen_->addItem(Qt_(DateToStr(datum)));
  lstAenderungen_->setCurrentRow(logik_.cmbAenderung);
  lstAenderungen_->setVisible(!logik_.lstAenderungen.empty());
  lblAenderungen_->setVisible(!logik_.lstAenderungen.empty());
  Abgleichen(*edtAbDatum_, logik_.edtAbDatum);
  const std::pair<QComboBox*, const TSatzWahl*> saetze[] = {
      {cmbVoll_, &logik_.cmbVoll},
      {cmbReduziert_, &logik_.cmbReduziert},
      {cmbSpeziell_, &logik_.cmbSpeziell},
      {cmbFruehererVoll_, &logik_.cmbFruehererVoll},
      {cmbFruehererReduziert_, &logik_.cmbFruehererReduziert}};
  for (const auto& [box, wahl] : saetze) {
    Fuellen(*box, wahl->Texte(), wahl->Index);
    box->setEnabled(logik_.SaetzeEnabled());
  }
  for (QLabel* titel : satzTitel_) titel->setEnabled(logik_.SaetzeEnabled());
  Abgleichen(*edtSpeziellProzent_, logik_.edtSpeziellProzent);
  edtSpeziellProzent_->setEnabled(logik_.SaetzeEnabled());

  Fuellen(*cmbHerkunft_, logik_.cmbHerkunftEintraege, logik_.cmbHerkunft);
  Fuellen(*cmbProfil_, logik_.cmbProfilEintraege, logik_.cmbProfil);
  cmbProfil_->setVisible(logik_.ProfilSichtbar());
  lblProfil_->setVisible(logik_.ProfilSichtbar());
  Abgleichen(*chkKontoKombination_, logik_.chkKontoKombination);
  Fuellen(*cmbKriterien_, Texte(CKriterien), logik_.cmbKriterien);
  Abgleichen(*rbNachNummer_, logik_.rbNachNummer);
  Abgleichen(*rbNachName_, !logik_.rbNachNummer);
  Abgleichen(*chkBeschreibung_, logik_.chkBeschreibung);
  Abgleichen(*chkNurListe_, logik_.chkNurListe);
  for (QWidget* w : std::initializer_list<QWidget*>{cmbKriterien_, rbNachName_, rbNachNummer_,
                                                     chkBeschreibung_, chkNurListe_}) {
    w->setEnabled(logik_.chkKontoKombination);
  }
  KontenZeigen(*lstKonten_, logik_.lstKonten);
  KontenZeigen(*lstGegenkonten_, logik_.lstGegenkonten);
  lstKonten_->parentWidget()->setEnabled(logik_.chkNurListe);
  lstGegenkonten_->parentWidget()->setEnabled(logik_.chkNurListe);
  Fuellen(*cmbInhaltBeleg1_, Texte(CInhalte), logik_.cmbInhaltBeleg1);
  Fuellen(*cmbInhaltBeleg2_, Texte(CInhalte), logik_.cmbInhaltBeleg2);
  Fuellen(*cmbInhaltText_, Texte(CInhalte), logik_.cmbInhaltText);
  Abgleichen(*rbAnhaengen_, logik_.rbAnhaengen);
  Abgleichen(*rbOhne_, !logik_.rbAnhaengen);
  btnLoeschen_->setEnabled(logik_.LoeschenEnabled());

  Abgleichen(*memKostenstellen_, logik_.memKostenstellen);
  Abgleichen(*chkKreditoren_, logik_.chkKreditoren);
  Fuellen(*cmbKreditorenArt_, ArtTexte(logik_.cmbKreditorenArten), logik_.cmbKreditorenArt);
  {
    const QSignalBlocker sperre(cmbDebitorenArt_);
    cmbDebitorenArt_->setCurrentIndex(logik_.cmbDebitorenArt);
  }
  Fuellen(*cmbDebitorenWert_, ArtTexte(logik_.cmbDebitorenWerte), logik_.cmbDebitorenWert);
  Abgleichen(*edtStellen_, logik_.edtStellen);
  Abgleichen(*edtSchema_, logik_.edtSchema);
  const int stellen = std::atoi(logik_.edtStellen.c_str());
  edtSchema_->setMaxLength(stellen > 0 && stellen <= 15 ? stellen : 15);
  zeigt_ = false;
}

void TSaldixWeitereEinstellungenView::Uebernehmen() {
  logik_.edtMaxZeilen = Std_(edtMaxZeilen_->text());
  logik_.chkKontoMonatsweise = chkKontoMonatsweise_->isChecked();
  logik_.chkDirektEinlesen = chkDirektEinlesen_->isChecked();
  ListeUebernehmen(*lstSpalten_, logik_.lstSpalten, false);
  ListeUebernehmen(*lstSortierung_, logik_.lstSortierung, true);
  logik_.chkAutoKont = chkAutoKont_->isChecked();
  logik_.edtAbDatum = Std_(edtAbDatum_->text());
  logik_.cmbVoll.Index = cmbVoll_->currentIndex();
  logik_.cmbReduziert.Index = cmbReduziert_->currentIndex();
  logik_.cmbSpeziell.Index = cmbSpeziell_->currentIndex();
  logik_.cmbFruehererVoll.Index = cmbFruehererVoll_->currentIndex();
  logik_.cmbFruehererReduziert.Index = cmbFruehererReduziert_->currentIndex();
  logik_.edtSpeziellProzent = Std_(edtSpeziellProzent_->text());
  logik_.cmbHerkunft = std::max(0, cmbHerkunft_->currentIndex());
  logik_.cmbProfil = std::max(0, cmbProfil_->currentIndex());
  logik_.chkKontoKombination = chkKontoKombination_->isChecked();
  logik_.cmbKriterien = std::max(0, cmbKriterien_->currentIndex());
  logik_.rbNachNummer = rbNachNummer_->isChecked();
  logik_.chkBeschreibung = chkBeschreibung_->isChecked();
  logik_.chkNurListe = chkNurListe_->isChecked();
  const auto belegdatum = [](QTreeWidget& baum, std::vector<TZusaKonto>& konten) {
    for (int i = 0; i < baum.topLevelItemCount() && static_cast<std::size_t>(i) < konten.size(); ++i) {
      konten[static_cast<std::size_t>(i)].Belegdatum = baum.topLevelItem(i)->checkState(2) == Qt::Checked;
    }
  };
  belegdatum(*lstKonten_, logik_.lstKonten);
  belegdatum(*lstGegenkonten_, logik_.lstGegenkonten);
  logik_.cmbInhaltBeleg1 = cmbInhaltBeleg1_->currentIndex();
  logik_.cmbInhaltBeleg2 = cmbInhaltBeleg2_->currentIndex();
  logik_.cmbInhaltText = cmbInhaltText_->currentIndex();
  logik_.rbAnhaengen = rbAnhaengen_->isChecked();
  const std::string memo = Std_(memKostenstellen_->toPlainText());
  if (memo != logik_.memKostenstellen) logik_.memKostenstellen = memo;
  logik_.chkKreditoren = chkKreditoren_->isChecked();
  logik_.cmbKreditorenArt = cmbKreditorenArt_->currentIndex();
  logik_.cmbDebitorenArt = std::max(0, cmbDebitorenArt_->currentIndex());
  logik_.cmbDebitorenWert = cmbDebitorenWert_->currentIndex();
  logik_.edtStellen = Std_(edtStellen_->text());
  logik_.edtSchema = Std_(edtSchema_->text());
}

void TSaldixWeitereEinstellungenView::Schritt(const std::function<void()>& schritt) {
  if (zeigt_) return;
  Uebernehmen();
  schritt();
  Zeigen();
}

void TSaldixWeitereEinstellungenView::showEvent(QShowEvent* event) {
  logik_.FormShow();
  Zeigen();
  seiten_->setCurrentIndex(logik_.Seite());
  QDialog::showEvent(event);
}

void TSaldixWeitereEinstellungenView::accept() {
  Uebernehmen();
  logik_.btnBuchenClick();
  if (logik_.ModalResult() == mrOk) {
    QDialog::accept();
    return;
  }
  Zeigen();
  seiten_->setCurrentIndex(logik_.Seite());
}

void TSaldixWeitereEinstellungenView::reject() {
  logik_.btnZurueckClick();
  QDialog::reject();
}
