#include "ui/formats/ascii/FibuExpAsciiView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "suite/Text.h"
#include "ui/ViewHilfen.h"

using ascii::TfrmFibuExportAscii;

TFibuExpAsciiView::TFibuExpAsciiView(TfrmFibuExportAscii& form) : form_(form) {
  seiten_ = new QTabWidget;
  seiten_->setObjectName(QStringLiteral("tabAscii"));
  seiten_->addTab(MandantenSeite(), Qt_(TfrmFibuExportAscii::CSeiteMandanten));
  seiten_->addTab(SteuerSeite(), Qt_(TfrmFibuExportAscii::CSeiteSteuer));
  seiten_->addTab(ExportfelderSeite(), Qt_(TfrmFibuExportAscii::CSeiteExportfelder));
  seiten_->addTab(ExportdateiSeite(), Qt_(TfrmFibuExportAscii::CSeiteExportdatei));
  connect(seiten_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!anzeigend_) form_.ZeigeUnterseite(Std_(seiten_->tabText(index)));
  });
}

QWidget* TFibuExpAsciiView::ParameterSeite() { return seiten_; }

TFibuExpAsciiView::~TFibuExpAsciiView() {
  if (!seiten_->parent()) delete seiten_;
}

QLineEdit* TFibuExpAsciiView::Edit(QWidget* eltern, const QString& name, int laenge,
                                   std::function<void(const std::string&)> setzen) {
  auto* edit = new QLineEdit(eltern);
  edit->setObjectName(name);
  edit->setMaxLength(laenge);
  connect(edit, &QLineEdit::textEdited, this, [this, setzen = std::move(setzen)](const QString& text) {
    setzen(Std_(text));
    Anzeigen();
  });
  return edit;
}

QWidget* TFibuExpAsciiView::MandantenSeite() {
  auto* seite = new QWidget;
  mandanten_ = new QTreeWidget(seite);
  mandanten_->setObjectName(QStringLiteral("lstMandanten"));
  mandanten_->setRootIsDecorated(false);
  mandanten_->setHeaderLabels({QStringLiteral("Mandant"), QString()});
  mandanten_->setColumnWidth(0, 220);
  mandanten_->setColumnWidth(1, 100);
  connect(mandanten_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (anzeigend_) return;
    form_.SetMandantAktiv(static_cast<std::size_t>(mandanten_->indexOfTopLevelItem(item)),
                          item->checkState(0) == Qt::Checked);
  });
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(mandanten_);
  return seite;
}

QWidget* TFibuExpAsciiView::SteuerSeite() {
  auto* seite = new QWidget;
  chkAutomatik_ = new QCheckBox(QStringLiteral("Sollen Automatikkonten verwendet werden?"), seite);
  chkAutomatik_->setObjectName(QStringLiteral("chkAutomatik"));
  connect(chkAutomatik_, &QCheckBox::clicked, this, [this](bool wert) {
    form_.SetAutomatikkonten(wert);
    Anzeigen();
  });
  auto* raster = new QGridLayout;
  const auto& captions = TfrmFibuExportAscii::SteuerCaptions();
  for (std::size_t i = 0; i < steuer_.size(); ++i) {
    steuer_[i] = Edit(seite, QStringLiteral("edtSteuer%1").arg(i),
                      static_cast<int>(TfrmFibuExportAscii::CSteuerLaenge),
                      [this, i](const std::string& text) { form_.SetSteuerSchl(i, text); });
    steuer_[i]->setFixedWidth(steuer_[i]->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 12);
    const int zeile = static_cast<int>(i % 6);
    const int spalte = static_cast<int>(i / 6) * 2;
    raster->addWidget(new QLabel(Qt_(captions[i]), seite), zeile, spalte);
    raster->addWidget(steuer_[i], zeile, spalte + 1);
  }
  raster->setColumnStretch(0, 1);
  raster->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(chkAutomatik_);
  layout->addLayout(raster);
  layout->addStretch();
  return seite;
}

QWidget* TFibuExpAsciiView::ExportfelderSeite() {
  auto* seite = new QWidget;
  auto* raster = new QGridLayout;
  raster->addWidget(new QLabel(QStringLiteral("Überschrift"), seite), 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Inhalt"), seite), 0, 2);
  for (std::size_t i = 0; i < eigenUeber_.size(); ++i) {
    const int z = static_cast<int>(i) + 1;
    eigenUeber_[i] = Edit(seite, QStringLiteral("edtEigenUeber%1").arg(z),
                          static_cast<int>(TfrmFibuExportAscii::CEigenLaenge),
                          [this, i](const std::string& text) { form_.SetEigenUeberschrift(i, text); });
    eigenInhalt_[i] = Edit(seite, QStringLiteral("edtEigenInhalt%1").arg(z),
                           static_cast<int>(TfrmFibuExportAscii::CEigenLaenge),
                           [this, i](const std::string& text) { form_.SetEigenInhalt(i, text); });
    raster->addWidget(new QLabel(QStringLiteral("Eigen %1").arg(z), seite), z, 0);
    raster->addWidget(eigenUeber_[i], z, 1);
    raster->addWidget(eigenInhalt_[i], z, 2);
  }
  chkBuchMonat_ = new QCheckBox(QStringLiteral("Buchungsmonat vor Export erfragen?"), seite);
  chkBuchMonat_->setObjectName(QStringLiteral("chkBuchMonat"));
  connect(chkBuchMonat_, &QCheckBox::clicked, this, [this](bool wert) {
    form_.SetBuchMonatErfragen(wert);
    Anzeigen();
  });
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(new QLabel(QStringLiteral("Vorbelegte Exportfelder:  (Überschrift und Inhalt füllen)"), seite));
  layout->addLayout(raster);
  layout->addWidget(chkBuchMonat_);
  layout->addStretch();
  return seite;
}

QWidget* TFibuExpAsciiView::ExportdateiSeite() {
  auto* seite = new QWidget;
  constexpr int pfad = static_cast<int>(TfrmFibuExportAscii::CPfadLaenge);
  rbLokal_ = new QRadioButton(QStringLiteral("Exportdateien lokal speichern"), seite);
  rbLokal_->setObjectName(QStringLiteral("rbLokal"));
  rbFTP_ = new QRadioButton(QStringLiteral("Exportdateien auf folgenden FTP-Server hochladen"), seite);
  rbFTP_->setObjectName(QStringLiteral("rbFTP"));
  connect(rbLokal_, &QRadioButton::clicked, this, [this] { form_.SetFTP(false); Anzeigen(); });
  connect(rbFTP_, &QRadioButton::clicked, this, [this] { form_.SetFTP(true); Anzeigen(); });
  edtExportPfad_ = Edit(seite, QStringLiteral("edtExportPfad"), pfad,
                        [this](const std::string& t) { form_.SetExportPfad(t); });
  btnExportPfad_ = new QPushButton(QStringLiteral("…"), seite);
  btnExportPfad_->setObjectName(QStringLiteral("btnExportPfad"));
  connect(btnExportPfad_, &QPushButton::clicked, this, [this] { form_.btnExportPfadClick(); Anzeigen(); });
  edtEndung_ = Edit(seite, QStringLiteral("edtEndung"),
                    static_cast<int>(TfrmFibuExportAscii::CEndungLaenge),
                    [this](const std::string& t) { form_.SetDateiEndung(t); });
  edtFTPDatei_ = Edit(seite, QStringLiteral("edtFTPDatei"), pfad,
                      [this](const std::string& t) { form_.SetFTPDatei(t); });
  edtFTPDatei_->setToolTip(Qt_(TfrmFibuExportAscii::FTPDateiHinweis()));
  btnVerbindung_ = new QPushButton(seite);
  btnVerbindung_->setObjectName(QStringLiteral("btnVerbindung"));
  connect(btnVerbindung_, &QPushButton::clicked, this, [this] { form_.btnVerbindungClick(); Anzeigen(); });
  edtBackup_ = Edit(seite, QStringLiteral("edtBackup"), pfad,
                    [this](const std::string& t) { form_.SetBackupPfad(t); });
  btnBackup_ = new QPushButton(QStringLiteral("…"), seite);
  btnBackup_->setObjectName(QStringLiteral("btnBackup"));
  connect(btnBackup_, &QPushButton::clicked, this, [this] { form_.btnBackupPfadClick(); Anzeigen(); });

  auto* btnLayout = new QPushButton(QStringLiteral("Spaltenlayout …"), seite);
  btnLayout->setObjectName(QStringLiteral("btnLayout"));
  btnLayout->setToolTip(QStringLiteral("Spalten und Form der Exportdatei für jeden weiteren Export festlegen"));
  connect(btnLayout, &QPushButton::clicked, this, [this] { form_.btnLayoutClick(); Anzeigen(); });

  auto* raster = new QGridLayout(seite);
  raster->addWidget(rbLokal_, 0, 0, 1, 3);
  raster->addWidget(new QLabel(QStringLiteral("Exportpfad"), seite), 1, 0);
  raster->addWidget(edtExportPfad_, 1, 1);
  raster->addWidget(btnExportPfad_, 1, 2);
  raster->addWidget(new QLabel(QStringLiteral("Endung der Export-Datei:"), seite), 2, 0);
  raster->addWidget(edtEndung_, 2, 1);
  raster->addWidget(rbFTP_, 3, 0, 1, 3);
  raster->addWidget(new QLabel(QStringLiteral("Datei exportieren nach"), seite), 4, 0);
  raster->addWidget(edtFTPDatei_, 4, 1, 1, 2);
  auto* hinweis = new QLabel(Qt_(TfrmFibuExportAscii::FTPDateiHinweis()), seite);
  hinweis->setWordWrap(true);
  raster->addWidget(hinweis, 5, 1, 1, 2);
  raster->addWidget(new QLabel(QStringLiteral("Verbindung"), seite), 6, 0);
  raster->addWidget(btnVerbindung_, 6, 1, 1, 2);
  raster->addWidget(new QLabel(QStringLiteral("Exportpfad für Backup:"), seite), 7, 0);
  raster->addWidget(edtBackup_, 7, 1);
  raster->addWidget(btnBackup_, 7, 2);
  raster->addWidget(btnLayout, 8, 0);
  raster->setRowStretch(9, 1);
  raster->setColumnStretch(1, 1);
  return seite;
}

void TFibuExpAsciiView::Anzeigen() {
  anzeigend_ = true;
  const auto& zeilen = form_.MandantZeilen();
  if (mandanten_->topLevelItemCount() != static_cast<int>(zeilen.size())) {
    mandanten_->clear();
    for (const auto& zeile : zeilen) {
      auto* item = new QTreeWidgetItem(mandanten_, {Qt_(zeile.Mandant), Qt_(qtx_TIntPair2String(zeile.GepNr))});
      item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
  }
  for (int i = 0; i < mandanten_->topLevelItemCount(); ++i) {
    mandanten_->topLevelItem(i)->setCheckState(
        0, zeilen[static_cast<std::size_t>(i)].Aktiv ? Qt::Checked : Qt::Unchecked);
  }
  Abgleichen(*chkAutomatik_, form_.Automatikkonten());
  for (std::size_t i = 0; i < steuer_.size(); ++i) {
    Abgleichen(*steuer_[i], form_.SteuerSchl()[i]);
    steuer_[i]->setEnabled(form_.SteuerEditsAktiv());
  }
  for (std::size_t i = 0; i < eigenUeber_.size(); ++i) {
    Abgleichen(*eigenUeber_[i], form_.Eigen()[i].Ueberschrift);
    Abgleichen(*eigenInhalt_[i], form_.Eigen()[i].Inhalt);
  }
  Abgleichen(*chkBuchMonat_, form_.BuchMonatErfragen());
  rbLokal_->setChecked(form_.LokalAktiv());
  rbFTP_->setChecked(form_.FTPAktiv());
  Abgleichen(*edtExportPfad_, form_.ExportPfad());
  Abgleichen(*edtEndung_, form_.DateiEndung());
  Abgleichen(*edtFTPDatei_, form_.FTPDatei());
  btnVerbindung_->setText(form_.Verbindung().empty() ? QStringLiteral("(keine Verbindung gewählt)")
                                                     : Qt_(form_.Verbindung()));
  Abgleichen(*edtBackup_, form_.BackupPfad());
  for (QWidget* w : std::initializer_list<QWidget*>{edtExportPfad_, btnExportPfad_, edtEndung_}) {
    w->setEnabled(form_.LokalAktiv());
  }
  for (QWidget* w : std::initializer_list<QWidget*>{edtFTPDatei_, btnVerbindung_, edtBackup_, btnBackup_}) {
    w->setEnabled(form_.FTPAktiv());
  }
  for (int i = 0; i < seiten_->count(); ++i) {
    if (Std_(seiten_->tabText(i)) == form_.Unterseite()) seiten_->setCurrentIndex(i);
  }
  anzeigend_ = false;
}

namespace ascii {

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_Ascii::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* frm = dynamic_cast<TfrmFibuExportAscii*>(&form);
                       if (frm == nullptr) return nullptr;
                       return std::make_unique<TFibuExpAsciiView>(*frm);
                     });
}

}  // namespace ascii
