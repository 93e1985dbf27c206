#include "ui/formats/abacus/FibuExpAbacusView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "suite/Text.h"
#include "ui/ViewHilfen.h"

namespace abacus {

TFibuExpAbacusView::TFibuExpAbacusView(TfrmFibuExpAbacus& form) : form_(form) {
  parameter_ = new QWidget;
  mandanten_ = new QTableWidget(0, spAnzahl, parameter_);
  mandanten_->setObjectName(QStringLiteral("grdMandanten"));
  mandanten_->setHorizontalHeaderLabels({QStringLiteral("KurzNr"), QStringLiteral("Mandant"),
                                         QStringLiteral("GepNr"), QStringLiteral("Abacus-Mandant")});
  mandanten_->setColumnHidden(spGepNr, true);
  mandanten_->verticalHeader()->hide();
  mandanten_->setSelectionBehavior(QAbstractItemView::SelectRows);
  mandanten_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  mandanten_->horizontalHeader()->setSectionResizeMode(spMandant, QHeaderView::Stretch);
  mandanten_->setMinimumHeight(120);
  connect(mandanten_, &QTableWidget::itemChanged, this, &TFibuExpAbacusView::MandantGeaendert);

  edtKostVon_ = Zahlfeld(parameter_, "edtKostVon", 9, [this](const std::string& t) { return form_.SetKostVon(t); });
  edtKostBis_ = Zahlfeld(parameter_, "edtKostBis", 9, [this](const std::string& t) { return form_.SetKostBis(t); });
  auto* kosten = new QHBoxLayout;
  kosten->addWidget(new QLabel(QStringLiteral("Kostenstellen für Kontonummern von:"), parameter_));
  kosten->addWidget(edtKostVon_);
  kosten->addWidget(new QLabel(QStringLiteral("bis: "), parameter_));
  kosten->addWidget(edtKostBis_);
  kosten->addStretch(1);

  auto* layout = new QVBoxLayout(parameter_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mandanten_, 1);
  layout->addLayout(kosten);
  for (const auto& [name, text, wert] :
       {std::tuple{"chkSammelbuchung", "Sammelbuchungen verwenden", &TfrmFibuExpAbacus::Sammelbuchung},
        std::tuple{"chkMandantExport", "Abacus-Mandant in Export übergeben zur Prüfung bei Import",
                   &TfrmFibuExpAbacus::MandantExport},
        std::tuple{"chkVereinnahmt", "Abrechnungsart ist 'vereinnahmt' (sonst 'vereinbart')",
                   &TfrmFibuExpAbacus::Vereinnahmt},
        std::tuple{"chkBelegnummer", "Belegnummern (falls vorhanden) exportieren (z.B. Gutscheinnummer)",
                   &TfrmFibuExpAbacus::MitBelegnummer}}) {
    layout->addWidget(CheckBox(parameter_, name, text, wert));
  }
  ausgabe_ = AusgabeWahl(parameter_, false, "Fibu");
  auto* gruppe = new QGroupBox(parameter_);
  auto* raster = new QGridLayout(gruppe);
  raster->addWidget(ausgabe_.Lokal, 0, 0);
  raster->addWidget(ausgabe_.Verzeichnis, 0, 1);
  raster->addWidget(ausgabe_.Ftp, 1, 0);
  raster->addWidget(ausgabe_.Verbindung, 1, 1);
  raster->setColumnStretch(1, 1);
  layout->addWidget(gruppe);

  steuer_ = SteuerSeite();
  debitoren_ = DebitorenSeite();
}

// Pages never handed to a form are still the part's own.
TFibuExpAbacusView::~TFibuExpAbacusView() {
  for (QWidget* seite : {parameter_, steuer_, debitoren_}) {
    if (!seite->parent()) delete seite;
  }
}

QCheckBox* TFibuExpAbacusView::CheckBox(QWidget* seite, const char* name, const char* text,
                                        bool TfrmFibuExpAbacus::*wert) {
  auto* box = new QCheckBox(Qt_(text), seite);
  box->setObjectName(QString::fromLatin1(name));
  connect(box, &QCheckBox::clicked, this, [this, wert](bool an) {
    form_.*wert = an;
    Anzeigen();
  });
  boxen_.emplace_back(box, wert);
  return box;
}

QLineEdit* TFibuExpAbacusView::Zahlfeld(QWidget* seite, const char* name, int stellen,
                                        std::function<bool(const std::string&)> setzen) {
  auto* edit = new QLineEdit(seite);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(stellen);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(stellen + 1, QChar('9'))) + 12);
  connect(edit, &QLineEdit::textEdited, this, [this, setzen = std::move(setzen)](const QString& text) {
    setzen(Std_(text));
    Anzeigen();
  });
  return edit;
}

TFibuExpAbacusView::TAusgabeWahl TFibuExpAbacusView::AusgabeWahl(QWidget* seite, bool debi,
                                                                const char* name) {
  TAusgabeWahl wahl;
  const QString kennung = QString::fromLatin1(name);
  wahl.Lokal = new QRadioButton(QStringLiteral("Exportdateien lokal speichern"), seite);
  wahl.Lokal->setObjectName(QStringLiteral("rbLokal") + kennung);
  wahl.Ftp = new QRadioButton(QStringLiteral("Exportdateien auf FTP-Server speichern"), seite);
  wahl.Ftp->setObjectName(QStringLiteral("rbFtp") + kennung);
  auto* gruppe = new QButtonGroup(seite);
  gruppe->addButton(wahl.Lokal);
  gruppe->addButton(wahl.Ftp);
  wahl.Verzeichnis = new QPushButton(seite);
  wahl.Verzeichnis->setObjectName(QStringLiteral("btnVerzeichnis") + kennung);
  wahl.Verbindung = new QPushButton(seite);
  wahl.Verbindung->setObjectName(QStringLiteral("btnVerbindung") + kennung);
  TAbacusAusgabe TfrmFibuExpAbacus::*ausgabe = debi ? &TfrmFibuExpAbacus::AusgabeDebi : &TfrmFibuExpAbacus::Ausgabe;
  connect(wahl.Lokal, &QRadioButton::clicked, this, [this, ausgabe] {
    (form_.*ausgabe).Medium = femDisc;
    Anzeigen();
  });
  connect(wahl.Ftp, &QRadioButton::clicked, this, [this, ausgabe] {
    (form_.*ausgabe).Medium = femFTP;
    Anzeigen();
  });
  connect(wahl.Verzeichnis, &QPushButton::clicked, this, [this, debi] {
    form_.btnVerzeichnisClick(debi);
    Anzeigen();
  });
  connect(wahl.Verbindung, &QPushButton::clicked, this, [this, debi] {
    form_.btnVerbindungClick(debi);
    Anzeigen();
  });
  return wahl;
}

QWidget* TFibuExpAbacusView::SteuerSeite() {
  auto* seite = new QWidget;
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(CheckBox(seite, "chkAutomatik", "Sollen Automatikkonten verwendet werden?",
                             &TfrmFibuExpAbacus::Automatikkonten));
  auto* raster = new QGridLayout;
  raster->addWidget(new QLabel(QStringLiteral("Steuerschlüssel"), seite), 0, 1);
  int zeile = 1;
  for (const auto& steuer : TfrmFibuExpAbacus::SteuerZeilen()) {
    auto* edit = new QLineEdit(seite);
    edit->setObjectName(QStringLiteral("edtSteuer%1").arg(static_cast<int>(steuer.Steuer)));
    edit->setMaxLength(4);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("WWWWW")) + 12);
    const auto art = steuer.Steuer;
    connect(edit, &QLineEdit::textEdited, this, [this, art](const QString& text) {
      form_.SetSteuercode(art, Std_(text));
      Anzeigen();
    });
    raster->addWidget(new QLabel(Qt_(steuer.Bezeichnung), seite), zeile, 0);
    raster->addWidget(edit, zeile++, 1);
    steuercodes_.emplace_back(edit, art);
  }
  raster->setColumnStretch(2, 1);
  layout->addLayout(raster);
  layout->addStretch(1);
  return seite;
}

QWidget* TFibuExpAbacusView::DebitorenSeite() {
  auto* seite = new QWidget;
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(CheckBox(seite, "chkMitDebitoren",
                             "Belege für die Debitoren-Schnittstelle exportieren (+ Kundendaten)",
                             &TfrmFibuExpAbacus::MitDebitoren));
  edtKundenVon_ = Zahlfeld(seite, "edtKundenNrVon", 9, [this](const std::string& t) { return form_.SetKundenNrVon(t); });
  edtKundenBis_ = Zahlfeld(seite, "edtKundenNrBis", 9, [this](const std::string& t) { return form_.SetKundenNrBis(t); });
  auto* bereich = new QHBoxLayout;
  auto* von = new QLabel(QStringLiteral("Abacus-Kundennummer von:"), seite);
  auto* bis = new QLabel(QStringLiteral("bis"), seite);
  bereich->addWidget(von);
  bereich->addWidget(edtKundenVon_);
  bereich->addWidget(bis);
  bereich->addWidget(edtKundenBis_);
  bereich->addStretch(1);
  layout->addLayout(bereich);
  ausgabeDebi_ = AusgabeWahl(seite, true, "Debi");
  auto* raster = new QGridLayout;
  raster->addWidget(ausgabeDebi_.Lokal, 0, 0);
  raster->addWidget(ausgabeDebi_.Verzeichnis, 0, 1);
  raster->addWidget(ausgabeDebi_.Ftp, 1, 0);
  raster->addWidget(ausgabeDebi_.Verbindung, 1, 1);
  raster->setColumnStretch(1, 1);
  layout->addLayout(raster);
  layout->addStretch(1);
  debiElemente_ = {von, bis, edtKundenVon_, edtKundenBis_, ausgabeDebi_.Lokal, ausgabeDebi_.Ftp};
  return seite;
}

std::vector<TFibuExportFormatTeil::TEigeneSeite> TFibuExpAbacusView::EigeneSeiten() {
  return {{TfrmFibuExpAbacus::CSeiteSteuer, "Steuer-Codes", "Zuordnung der Steuer-Codes", steuer_,
           [this] { form_.btnSteuerClick(); }},
          {TfrmFibuExpAbacus::CSeiteDebitoren, "Debitoren", "Einstellungen für die Debitoren-Schnittstelle",
           debitoren_, [this] { form_.btnDebitorenClick(); }}};
}

void TFibuExpAbacusView::MandantGeaendert(QTableWidgetItem* item) {
  const auto zeile = static_cast<std::size_t>(item->row());
  if (item->column() == spKurzNr) form_.SetMandantAktiv(zeile, item->checkState() == Qt::Checked);
  if (item->column() == spAbacusMandant) form_.SetAbacusMandant(zeile, Std_(item->text()));
  // A number the logic refused gives way to its value again.
  Anzeigen();
}

void TFibuExpAbacusView::AusgabeAnzeigen(const TAusgabeWahl& wahl, bool debi) {
  const TAbacusAusgabe& ausgabe = debi ? form_.AusgabeDebi : form_.Ausgabe;
  Abgleichen(*wahl.Lokal, ausgabe.Medium == femDisc);
  Abgleichen(*wahl.Ftp, ausgabe.Medium == femFTP);
  wahl.Verzeichnis->setText(ausgabe.Verzeichnis.empty() ? QStringLiteral("Verzeichnis wählen")
                                                        : Qt_(ausgabe.Verzeichnis));
  wahl.Verbindung->setText(ausgabe.Verbindung.empty() ? QStringLiteral("Verbindung wählen")
                                                      : Qt_(ausgabe.Verbindung));
  wahl.Verzeichnis->setEnabled(form_.VerzeichnisAktiv(debi));
  wahl.Verbindung->setEnabled(form_.VerbindungAktiv(debi));
}

void TFibuExpAbacusView::Anzeigen() {
  {
    const QSignalBlocker sperre(mandanten_);
    const auto& zeilen = form_.MandantZeilen();
    mandanten_->setRowCount(static_cast<int>(zeilen.size()));
    const Qt::ItemFlags fest = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int zeile = 0; zeile < mandanten_->rowCount(); ++zeile) {
      const auto& m = zeilen[static_cast<std::size_t>(zeile)];
      Abgleichen(Zelle(*mandanten_, zeile, spKurzNr, fest | Qt::ItemIsUserCheckable), std::to_string(m.KurzNr));
      mandanten_->item(zeile, spKurzNr)->setCheckState(m.Aktiv ? Qt::Checked : Qt::Unchecked);
      Abgleichen(Zelle(*mandanten_, zeile, spMandant, fest), m.Mandant);
      Abgleichen(Zelle(*mandanten_, zeile, spGepNr, fest), qtx_TIntPair2String(m.GepNr));
      Abgleichen(Zelle(*mandanten_, zeile, spAbacusMandant, fest | Qt::ItemIsEditable),
                 std::to_string(m.AbacusMandant));
    }
  }
  Abgleichen(*edtKostVon_, form_.KostVon());
  Abgleichen(*edtKostBis_, form_.KostBis());
  Abgleichen(*edtKundenVon_, form_.KundenNrVon());
  Abgleichen(*edtKundenBis_, form_.KundenNrBis());
  for (const auto& [box, wert] : boxen_) Abgleichen(*box, form_.*wert);
  for (const auto& [edit, art] : steuercodes_) {
    Abgleichen(*edit, form_.Steuercode(art));
    edit->setEnabled(form_.SteuercodesAktiv());
  }
  for (QWidget* element : debiElemente_) element->setEnabled(form_.DebitorenAktiv());
  AusgabeAnzeigen(ausgabe_, false);
  AusgabeAnzeigen(ausgabeDebi_, true);
}

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_Abacus::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* abacus = dynamic_cast<TfrmFibuExpAbacus*>(&form);
                       if (abacus == nullptr) return nullptr;
                       return std::make_unique<TFibuExpAbacusView>(*abacus);
                     });
}

}  // namespace abacus
