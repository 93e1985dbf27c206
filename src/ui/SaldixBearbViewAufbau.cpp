// The booking list window's controls, menu and actions, built once.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/SaldixBearb.h"
#include "app/SaldixBearbExport.h"
#include "ui/BuchungsListeModell.h"
#include "ui/SaldixBearbView.h"
#include "ui/ViewHilfen.h"

void TSaldixBearbView::Anlegen() {
  auto* layout = new QVBoxLayout(this);
  AktionenAnlegen();
  MenueAnlegen(*layout);
  ueberschrift_ = new QLabel(this);
  QFont gross = ueberschrift_->font();
  gross.setPointSizeF(gross.pointSizeF() * 1.4);
  gross.setBold(true);
  ueberschrift_->setFont(gross);
  layout->addWidget(ueberschrift_);
  auto* oben = new QHBoxLayout;
  oben->addWidget(KopfAnlegen());
  oben->addWidget(FilterAnlegen(), 1);
  layout->addLayout(oben);
  layout->addWidget(SuchleisteAnlegen());

  baum_ = new QTreeView(this);
  baum_->setModel(modell_);
  baum_->setUniformRowHeights(true);
  baum_->setSelectionMode(QAbstractItemView::SingleSelection);
  baum_->setSelectionBehavior(QAbstractItemView::SelectRows);
  baum_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  baum_->setAlternatingRowColors(true);
  baum_->header()->setStretchLastSection(false);
  baum_->header()->setSectionsMovable(false);
  // Column widths from the first rows: a year of bookings is not measured cell by cell.
  baum_->header()->setResizeContentsPrecision(200);
  layout->addWidget(baum_, 1);
  connect(baum_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& aktuell) {
            const std::int32_t zeile = modell_->Zeile(aktuell);
            if (zeile >= 0) form_.SetAuswahl(zeile);
          });
  connect(modell_, &TBuchungsListeModell::MarkierungGeklickt, this, [this] { KasseAnzeigen(); });
  layout->addWidget(FussAnlegen());
}

QAction* TSaldixBearbView::NeueAktion(const char* text, const QKeySequence& taste,
                                      std::function<void()> aktion, TWirkung wirkung) {
  auto* a = new QAction(Qt_(text), this);
  a->setShortcut(taste);
  a->setShortcutContext(Qt::WindowShortcut);
  connect(a, &QAction::triggered, this,
          [this, aktion = std::move(aktion), wirkung] { Ausfuehren(aktion, wirkung); });
  addAction(a);
  aktionen_.push_back(a);
  return a;
}

void TSaldixBearbView::AktionenAnlegen() {
  TSaldixBearbeiten* f = &form_;
  const auto liste = TWirkung::Liste, mark = TWirkung::Markierung, zustand = TWirkung::Zustand;
  NeueAktion("Aktualisieren", Qt::Key_F4, [f] { f->acAktualisierenExecute(); }, liste);
  NeueAktion("Bearbeiten", Qt::Key_F2, [f] { f->acBearbeitenExecute(); }, liste);
  NeueAktion("Alle markieren", Qt::Key_F7, [f] { f->acAlleEinExecute(); }, mark);
  NeueAktion("Eintrag markieren/demarkieren", Qt::Key_Insert, [f] { f->acMarkierungExecute(); },
             mark);
  NeueAktion("Mark. umk.", Qt::Key_F8, [f] { f->acUmkehrenExecute(); }, mark);
  acChangeView_ = NeueAktion("Summen anzeigen", {}, [f] { f->acChangeViewExecute(); }, liste);
  NeueAktion("Drucken", Qt::Key_F10, [f] { f->acDruckenExecute(); }, zustand);
  NeueAktion("Drucken Anhang", Qt::SHIFT | Qt::Key_F10, [f] { f->acDruckenAnhangExecute(); },
             zustand);
  acExport_ = NeueAktion("Export", Qt::Key_F5,
                         [this] { Export(&TSaldixBearbExport::acExportExecute); }, liste);
  acExport_->setIconText(QStringLiteral("Export"));
  acExportTest_ = NeueAktion("Export (Test)", {},
                             [this] { Export(&TSaldixBearbExport::acExportTestExecute); }, liste);
  acExportVersand_ = NeueAktion(
      "Export + Versand", {}, [this] { Export(&TSaldixBearbExport::acExportVersandExecute); },
      liste);
  acUmschaltenExport_ =
      NeueAktion("Umschalten: Export", {}, [f] { f->acUmschaltenExportExecute(); }, liste);
  acUmschaltenKeinExport_ = NeueAktion("Umschalten: KeinExport", {},
                                       [f] { f->acUmschaltenKeinExportExecute(); }, liste);
  aenderndeAktionen_ = {
      acExport_,
      acExportTest_,
      acExportVersand_,
      NeueAktion("Exportkennzeichen ändern", {}, [f] { f->acExportKennzAendernExecute(); },
                 liste),
      NeueAktion("Umkehrbuchung erzeugen", Qt::CTRL | Qt::Key_U, [f] { f->acAusbuchenExecute(); },
                 liste),
      NeueAktion("Buchung löschen", Qt::CTRL | Qt::Key_D, [f] { f->acLoeschenExecute(); }, liste),
      NeueAktion("neue Buchung einfügen", Qt::CTRL | Qt::Key_N,
                 [f] { f->acNeueBuchungExecute(); }, liste),
      NeueAktion("Gruppenbearbeitung", Qt::SHIFT | Qt::Key_F2, [f] { f->acMultiBearbExecute(); },
                 liste),
  };
  NeueAktion("Kontonummern neu einlesen", Qt::Key_F9, [f] { f->acKontenNeuExecute(); }, liste);
}

QAction* TSaldixBearbView::Aktion(const QString& text) const {
  for (QAction* a : aktionen_) {
    if (a->text() == text || a->iconText() == text) return a;
  }
  return nullptr;
}

void TSaldixBearbView::MenueAnlegen(QVBoxLayout& layout) {
  auto* menue = new QMenuBar(this);
  auto* liste = menue->addMenu(QStringLiteral("&Liste"));
  auto* buchungen = menue->addMenu(QStringLiteral("&Buchungen"));
  auto* exportMenue = menue->addMenu(QStringLiteral("&Export"));
  const auto nach = [this](QMenu* m, std::initializer_list<const char*> texte) {
    for (const char* text : texte) m->addAction(Aktion(Qt_(text)));
  };
  nach(liste, {"Aktualisieren", "Kontonummern neu einlesen", "Alle markieren",
               "Eintrag markieren/demarkieren", "Mark. umk.", "Summen anzeigen",
               "Umschalten: Export", "Umschalten: KeinExport", "Drucken", "Drucken Anhang"});
  nach(buchungen, {"Bearbeiten", "Gruppenbearbeitung", "neue Buchung einfügen",
                   "Umkehrbuchung erzeugen", "Buchung löschen", "Exportkennzeichen ändern"});
  nach(exportMenue, {"Export", "Export (Test)", "Export + Versand"});
  layout.setMenuBar(menue);

  auto* leiste = new QToolBar(this);
  leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const char* text : {"Aktualisieren", "Export", "Alle markieren", "Mark. umk.",
                           "Summen anzeigen", "Umschalten: Export", "Umschalten: KeinExport",
                           "Exportkennzeichen ändern", "Drucken"}) {
    leiste->addAction(Aktion(Qt_(text)));
  }
  layout.addWidget(leiste);
}

QWidget* TSaldixBearbView::KopfAnlegen() {
  auto* box = new QGroupBox(this);
  auto* raster = new QGridLayout(box);
  rbAktuelleAbr_ = new QRadioButton(Qt_("aktuelle/neue Abr."), box);
  rbAbgeschlAbr_ = new QRadioButton(Qt_("abgeschl. Abr."), box);
  raster->addWidget(rbAktuelleAbr_, 0, 0);
  raster->addWidget(rbAbgeschlAbr_, 0, 1);
  raster->addWidget(new QLabel(Qt_("Abrechnung"), box), 1, 0);
  lblAbrechnung_ = new QLabel(box);
  lblAbrechnung_->setObjectName(QStringLiteral("lblAbrechnung"));
  raster->addWidget(lblAbrechnung_, 1, 1);
  btnAbrNrAendern_ = Knopf("AbrechnungsNr. ä&ndern", "btnAbrNrAendern", box);
  btnNeuesteAbrNr_ = Knopf("neueste AbrechnungsNr ein&stellen", "btnNeuesteAbrNr", box);
  raster->addWidget(btnAbrNrAendern_, 2, 0);
  raster->addWidget(btnNeuesteAbrNr_, 2, 1);
  raster->addWidget(new QLabel(Qt_("Zeitraum"), box), 3, 0);
  auto* zeitraum = new QHBoxLayout;
  edtVon_ = Datumsfeld("edtDatumVon", box);
  edtBis_ = Datumsfeld("edtDatumBis", box);
  zeitraum->addWidget(edtVon_);
  zeitraum->addWidget(new QLabel(Qt_("bis"), box));
  zeitraum->addWidget(edtBis_);
  raster->addLayout(zeitraum, 3, 1);
  lblBuchungsmonat_ = new QLabel(Qt_("Buchungsmonat für Export"), box);
  edtBuchungsmonat_ = Datumsfeld("edtBuchungsmonat", box);
  raster->addWidget(lblBuchungsmonat_, 4, 0);
  raster->addWidget(edtBuchungsmonat_, 4, 1, Qt::AlignLeft);

  TSaldixBearbeiten* f = &form_;
  const auto liste = TWirkung::Liste;
  connect(rbAktuelleAbr_, &QRadioButton::clicked, this, [this, f, liste] {
    Ausfuehren([f] { f->AktuelleNeueAbrechnung(); }, liste);
    edtBis_->setFocus();
  });
  connect(rbAbgeschlAbr_, &QRadioButton::clicked, this, [this, f, liste] {
    bool erneutAusgeben = false;
    Ausfuehren([f, &erneutAusgeben] { erneutAusgeben = f->AbgeschlosseneAbrechnung(); }, liste);
    // "erneut ausgeben" in the journal: the loaded settlement goes through F5 at once,
    // with its confirmation.
    if (erneutAusgeben) Export(&TSaldixBearbExport::acExportExecute);
  });
  connect(btnAbrNrAendern_, &QPushButton::clicked, this,
          [this, f, liste] { Ausfuehren([f] { f->AbrechnungsNrAendern(); }, liste); });
  connect(btnNeuesteAbrNr_, &QPushButton::clicked, this,
          [this, f, liste] { Ausfuehren([f] { f->NeuesteAbrechnungsNr(); }, liste); });
  connect(edtVon_, &QDateEdit::dateChanged, this, [this](const QDate& datum) {
    form_.SetDatumVon(AlsDatum(datum));
    ZustandAnzeigen();
  });
  connect(edtBis_, &QDateEdit::dateChanged, this, [this](const QDate& datum) {
    form_.SetDatumBis(AlsDatum(datum));
    ZustandAnzeigen();
  });
  connect(edtBuchungsmonat_, &QDateEdit::dateChanged, this,
          [this](const QDate& datum) { form_.Buchungsmonat = AlsDatum(datum); });
  return box;
}

QComboBox* TSaldixBearbView::FilterAuswahl(TFilterAuswahl& auswahl, QLabel*& titel,
                                           bool herkunft) {
  titel = new QLabel(this);
  auto* box = new QComboBox(this);
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  box->setMinimumContentsLength(12);
  connect(box, &QComboBox::activated, this, [this, &auswahl, herkunft](int index) {
    if (index < 0) return;
    auswahl.Index = static_cast<std::size_t>(index);
    if (herkunft) {
      form_.HerkunftGeaendert();
    } else {
      form_.FilterGeaendert();
    }
    ZustandAnzeigen();
  });
  return box;
}

QWidget* TSaldixBearbView::FilterAnlegen() {
  auto* box = new QGroupBox(this);
  auto* raster = new QGridLayout(box);
  cbGruppe_ = FilterAuswahl(form_.Filialgruppen(), lblGruppe_, false);
  cbFiliale_ = FilterAuswahl(form_.Filialen(), lblFiliale_, false);
  cbRechner_ = FilterAuswahl(form_.Rechner(), lblRechner_, false);
  cbHerkunft_ = FilterAuswahl(form_.Herkuenfte(), lblHerkunft_, true);
  cbGruppe_->setObjectName(QStringLiteral("cbFilialgruppe"));
  cbFiliale_->setObjectName(QStringLiteral("cbFiliale"));
  cbRechner_->setObjectName(QStringLiteral("cbRechner"));
  cbHerkunft_->setObjectName(QStringLiteral("cbHerkunft"));
  raster->addWidget(lblGruppe_, 0, 0);
  raster->addWidget(cbGruppe_, 0, 1);
  raster->addWidget(lblFiliale_, 1, 0);
  raster->addWidget(cbFiliale_, 1, 1);
  raster->addWidget(lblRechner_, 0, 2);
  raster->addWidget(cbRechner_, 0, 3);
  raster->addWidget(lblHerkunft_, 1, 2);
  raster->addWidget(cbHerkunft_, 1, 3);
  chkMitPrimanota_ = new QCheckBox(Qt_("Mit Primanota"), box);
  chkMitPrimanota_->setToolTip(
      Qt_("Sollen die manuell hinzugefügten Buchungen auch angezeigt werden?"));
  raster->addWidget(chkMitPrimanota_, 2, 3);
  raster->setColumnStretch(4, 1);
  connect(chkMitPrimanota_, &QCheckBox::clicked, this, [this](bool mit) {
    form_.SetMitPrimanota(mit);
    ZustandAnzeigen();
  });
  return box;
}

QWidget* TSaldixBearbView::SuchleisteAnlegen() {
  auto* leiste = new QWidget(this);
  auto* zeile = new QHBoxLayout(leiste);
  zeile->setContentsMargins(0, 0, 0, 0);
  lblUmschalten_ = new QLabel(leiste);
  QFont fett = lblUmschalten_->font();
  fett.setBold(true);
  lblUmschalten_->setFont(fett);
  zeile->addWidget(lblUmschalten_);
  zeile->addStretch(1);
  zeile->addWidget(new QLabel(Qt_("Suchtext"), leiste));
  edtSuchtext_ = new QLineEdit(leiste);
  edtSuchtext_->setObjectName(QStringLiteral("edtSuchtext"));
  edtSuchtext_->setMinimumWidth(200);
  zeile->addWidget(edtSuchtext_);
  auto* groesser = Knopf("Schrift größer", "btnGroesser", leiste);
  auto* kleiner = Knopf("Schrift kleiner", "btnKleiner", leiste);
  zeile->addWidget(groesser);
  zeile->addWidget(kleiner);
  connect(edtSuchtext_, &QLineEdit::returnPressed, this, [this] { Suchen(); });
  // Ctrl+F goes to the search text, F3 finds the next match, from anywhere in the window.
  auto* suchen = new QAction(Qt_("Suchen"), this);
  suchen->setShortcut(QKeySequence::Find);
  suchen->setShortcutContext(Qt::WindowShortcut);
  connect(suchen, &QAction::triggered, this, [this] {
    edtSuchtext_->setFocus(Qt::ShortcutFocusReason);
    edtSuchtext_->selectAll();
  });
  addAction(suchen);
  auto* weitersuchen = new QAction(Qt_("Weitersuchen"), this);
  weitersuchen->setShortcut(Qt::Key_F3);
  weitersuchen->setShortcutContext(Qt::WindowShortcut);
  connect(weitersuchen, &QAction::triggered, this, [this] { Suchen(true); });
  addAction(weitersuchen);
  connect(groesser, &QPushButton::clicked, this, [this] { Zoomen(1); });
  connect(kleiner, &QPushButton::clicked, this, [this] { Zoomen(-1); });
  return leiste;
}

QWidget* TSaldixBearbView::FussAnlegen() {
  auto* fuss = new QWidget(this);
  auto* zeile = new QHBoxLayout(fuss);
  zeile->setContentsMargins(0, 0, 0, 0);
  auto* kasse = new QGroupBox(Qt_("Abstimmung 'Kasse'"), fuss);
  auto* raster = new QGridLayout(kasse);
  edtAnfangssaldo_ = new QDoubleSpinBox(kasse);
  edtAnfangssaldo_->setObjectName(QStringLiteral("edtAnfangssaldo"));
  edtAnfangssaldo_->setLocale(QLocale(QLocale::German));
  edtAnfangssaldo_->setRange(-1e12, 1e12);
  edtAnfangssaldo_->setDecimals(2);
  edtAnfangssaldo_->setGroupSeparatorShown(true);
  edtAnfangssaldo_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  edtAnfangssaldo_->setAlignment(Qt::AlignRight);
  edtAnfangssaldo_->setMinimumWidth(120);
  lblSummeBuchungen_ = new QLabel(kasse);
  lblEndsaldo_ = new QLabel(kasse);
  for (QLabel* wert : {lblSummeBuchungen_, lblEndsaldo_}) {
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setMinimumWidth(120);
  }
  raster->addWidget(new QLabel(Qt_("Anfangssaldo"), kasse), 0, 0);
  raster->addWidget(edtAnfangssaldo_, 0, 1);
  raster->addWidget(new QLabel(Qt_("Summe Buchungen"), kasse), 0, 2);
  raster->addWidget(lblSummeBuchungen_, 0, 3);
  raster->addWidget(new QLabel(Qt_("Endsaldo"), kasse), 0, 4);
  raster->addWidget(lblEndsaldo_, 0, 5);
  zeile->addWidget(kasse);
  connect(edtAnfangssaldo_, &QDoubleSpinBox::valueChanged, this, [this](double saldo) {
    form_.SetAnfangssaldo(saldo);
    KasseAnzeigen();
  });

  lblFortschritt_ = new QLabel(fuss);
  fortschritt_ = new QProgressBar(fuss);
  fortschritt_->setRange(0, 0);
  fortschritt_->setMaximumWidth(200);
  lblFortschritt_->hide();
  fortschritt_->hide();
  zeile->addWidget(lblFortschritt_);
  zeile->addWidget(fortschritt_);
  zeile->addStretch(1);
  lblMarkiert_ = new QLabel(fuss);
  lblMarkiert_->setObjectName(QStringLiteral("lblMarkiert"));
  zeile->addWidget(lblMarkiert_);
  auto* abbrechen = Knopf("Abbrechen", "btnAbbrechen", fuss);
  connect(abbrechen, &QPushButton::clicked, this, &TSaldixBearbView::reject);
  zeile->addWidget(abbrechen, 0, Qt::AlignBottom);
  return fuss;
}

