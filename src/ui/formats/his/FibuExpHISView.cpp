#include "ui/formats/his/FibuExpHISView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "suite/Text.h"
#include "ui/ViewHilfen.h"

namespace {

enum TSpalte { spMandant, spGepNr };

}  // namespace

TFibuExpHISView::TFibuExpHISView(TfrmFibuExpHIS& form) : form_(form) {
  parameter_ = new QWidget;

  mandanten_ = new QTableWidget(0, 2, parameter_);
  mandanten_->setObjectName(QStringLiteral("grdMandanten"));
  mandanten_->setHorizontalHeaderLabels({QStringLiteral("Mandant"), QStringLiteral("GepNr")});
  mandanten_->setColumnHidden(spGepNr, true);
  mandanten_->horizontalHeader()->setStretchLastSection(true);
  mandanten_->verticalHeader()->hide();
  mandanten_->setMinimumHeight(90);
  connect(mandanten_, &QTableWidget::itemChanged, this, &TFibuExpHISView::MandantGeaendert);

  rbLokal_ = new QRadioButton(QStringLiteral("Exportdateien lokal speichern"), parameter_);
  rbLokal_->setObjectName(QStringLiteral("rbLokal"));
  rbFTP_ = new QRadioButton(QStringLiteral("Exportdateien auf FTP-Server speichern"), parameter_);
  rbFTP_->setObjectName(QStringLiteral("rbFTP"));
  auto* ausgabe = new QButtonGroup(parameter_);
  ausgabe->addButton(rbLokal_);
  ausgabe->addButton(rbFTP_);
  connect(rbLokal_, &QRadioButton::clicked, this, [this] {
    form_.SetMedium(femDisc);
    Anzeigen();
  });
  connect(rbFTP_, &QRadioButton::clicked, this, [this] {
    form_.SetMedium(femFTP);
    Anzeigen();
  });
  edtExportPfad_ = Eingabe("edtExportPfad", static_cast<int>(TfrmFibuExpHIS::CPfadLaenge));
  connect(edtExportPfad_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.SetExportPfad(Std_(text));
    Anzeigen();
  });
  btnExportPfad_ = new QToolButton(parameter_);
  btnExportPfad_->setObjectName(QStringLiteral("btnExportPfad"));
  btnExportPfad_->setText(QStringLiteral("…"));
  connect(btnExportPfad_, &QToolButton::clicked, this, [this] {
    form_.btnExportPfadClick();
    Anzeigen();
  });
  edtFTPZiel_ = Eingabe("edtFTPZiel", 0);
  edtFTPZiel_->setReadOnly(true);
  btnFTPZiel_ = new QToolButton(parameter_);
  btnFTPZiel_->setObjectName(QStringLiteral("btnFTPZiel"));
  btnFTPZiel_->setText(QStringLiteral("…"));
  connect(btnFTPZiel_, &QToolButton::clicked, this, [this] {
    form_.btnFTPZielClick();
    Anzeigen();
  });

  edtSachKtoLng_ = Eingabe("edtSachKtoLng", static_cast<int>(TfrmFibuExpHIS::CLaengeStellen));
  edtSachKtoLng_->setToolTip(Qt_(TfrmFibuExpHIS::HinweisSachKtoLng()));
  edtSachKtoLng_->setFixedWidth(edtSachKtoLng_->fontMetrics().horizontalAdvance(QStringLiteral("9999")) + 12);
  connect(edtSachKtoLng_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.SetSachKtoLng(Std_(text));
    Anzeigen();
  });
  chkTageweise_ = new QCheckBox(QStringLiteral(" tageweise exportieren"), parameter_);
  chkTageweise_->setObjectName(QStringLiteral("chkTageweise"));
  connect(chkTageweise_, &QCheckBox::clicked, this, [this](bool an) {
    form_.SetTageweise(an);
    Anzeigen();
  });

  auto* felder = new QGridLayout;
  felder->addWidget(rbLokal_, 0, 0);
  felder->addWidget(edtExportPfad_, 0, 1);
  felder->addWidget(btnExportPfad_, 0, 2);
  felder->addWidget(rbFTP_, 1, 0);
  felder->addWidget(edtFTPZiel_, 1, 1);
  felder->addWidget(btnFTPZiel_, 1, 2);
  auto* laenge = new QHBoxLayout;
  laenge->addWidget(new QLabel(QStringLiteral("Länge der Sachkonten:"), parameter_));
  laenge->addWidget(edtSachKtoLng_);
  laenge->addSpacing(24);
  laenge->addWidget(chkTageweise_);
  laenge->addStretch(1);
  felder->addLayout(laenge, 2, 0, 1, 3);
  felder->setColumnStretch(1, 1);

  auto* regelBox = new QGroupBox(parameter_);
  auto* raster = new QGridLayout(regelBox);
  RegelZeile(*raster, 0, "GS",
             " Sonderlogik Gutscheine (Vorzeichen ändern + bei eingelösten Gutscheinen die "
             "Konten tauschen)",
             "Logik gilt für Kontonummern von:", [this] { return form_.Gutscheine(); },
             [this](const THisRegelEingabe& e) { form_.SetGutscheine(e); });
  RegelZeile(*raster, 2, "KontenDrehen", " bei negativen Beträgen Konten drehen",
             "Nicht drehen für Kontonummern von:", [this] { return form_.KontenDrehen(); },
             [this](const THisRegelEingabe& e) { form_.SetKontenDrehen(e); });
  regeln_.back().An->setToolTip(Qt_(TfrmFibuExpHIS::HinweisKontenDrehen()));
  RegelZeile(*raster, 4, "KD", " Sonderlogik Kassendifferenz (Vorzeichen ändern)",
             "Logik gilt für Kontonummern von:", [this] { return form_.Kassendifferenz(); },
             [this](const THisRegelEingabe& e) { form_.SetKassendifferenz(e); });
  chkSonderKDDreh_ =
      new QCheckBox(QStringLiteral("zusätzlich bei negativem Betrag die Konten drehen"), regelBox);
  chkSonderKDDreh_->setObjectName(QStringLiteral("chkSonderKDDreh"));
  connect(chkSonderKDDreh_, &QCheckBox::clicked, this, [this](bool an) {
    form_.SetKassendifferenzDrehen(an);
    Anzeigen();
  });
  raster->addWidget(chkSonderKDDreh_, 6, 1, 1, 4);
  raster->setColumnMinimumWidth(0, 16);
  raster->setColumnStretch(5, 1);

  auto* layout = new QVBoxLayout(parameter_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mandanten_, 1);
  layout->addLayout(felder);
  layout->addWidget(regelBox);
}

// A page never handed to a form is still the part's own.
TFibuExpHISView::~TFibuExpHISView() {
  if (!parameter_->parent()) delete parameter_;
}

QLineEdit* TFibuExpHISView::Eingabe(const char* name, int maxLaenge) {
  auto* edit = new QLineEdit(parameter_);
  edit->setObjectName(QString::fromLatin1(name));
  if (maxLaenge > 0) edit->setMaxLength(maxLaenge);
  return edit;
}

void TFibuExpHISView::RegelZeile(QGridLayout& raster, int zeile, const char* name,
                                 const char* text, const char* bereichText,
                                 std::function<THisRegelEingabe()> lesen,
                                 std::function<void(const THisRegelEingabe&)> setzen) {
  auto* eltern = raster.parentWidget();
  TRegelZeile regel{new QCheckBox(Qt_(text), eltern),
                    Eingabe((std::string("edt") + name + "Von").c_str(),
                            static_cast<int>(TfrmFibuExpHIS::CKontoStellen)),
                    Eingabe((std::string("edt") + name + "Bis").c_str(),
                            static_cast<int>(TfrmFibuExpHIS::CKontoStellen)),
                    lesen};
  regel.An->setObjectName(Qt_(std::string("chk") + name));
  raster.addWidget(regel.An, zeile, 0, 1, 6);
  raster.addWidget(new QLabel(Qt_(bereichText), eltern), zeile + 1, 1);
  raster.addWidget(regel.Von, zeile + 1, 2);
  raster.addWidget(new QLabel(QStringLiteral("bis: "), eltern), zeile + 1, 3);
  raster.addWidget(regel.Bis, zeile + 1, 4);
  const auto uebernehmen = [this, lesen, setzen, regel] {
    THisRegelEingabe e = lesen();
    e.An = regel.An->isChecked();
    e.Von = Std_(regel.Von->text());
    e.Bis = Std_(regel.Bis->text());
    setzen(e);
    Anzeigen();
  };
  connect(regel.An, &QCheckBox::clicked, this, uebernehmen);
  connect(regel.Von, &QLineEdit::textEdited, this, uebernehmen);
  connect(regel.Bis, &QLineEdit::textEdited, this, uebernehmen);
  regeln_.push_back(regel);
}

void TFibuExpHISView::MandantGeaendert(QTableWidgetItem* item) {
  if (item->column() != spMandant) return;
  form_.SetMandantAktiv(static_cast<std::size_t>(item->row()), item->checkState() == Qt::Checked);
  Anzeigen();
}

void TFibuExpHISView::Anzeigen() {
  {
    const QSignalBlocker sperre(mandanten_);
    const auto& zeilen = form_.MandantZeilen();
    mandanten_->setRowCount(static_cast<int>(zeilen.size()));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      const int z = static_cast<int>(i);
      auto& name = Zelle(*mandanten_, z, spMandant, Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
      name.setText(Qt_(zeilen[i].Mandant));
      name.setCheckState(zeilen[i].Aktiv ? Qt::Checked : Qt::Unchecked);
      Zelle(*mandanten_, z, spGepNr, Qt::ItemIsEnabled)
          .setText(Qt_(qtx_TIntPair2String(zeilen[i].GepNr)));
    }
  }
  Abgleichen(*rbLokal_, form_.LokalAktiv());
  Abgleichen(*rbFTP_, form_.FTPAktiv());
  Abgleichen(*edtExportPfad_, form_.ExportPfad());
  Abgleichen(*edtFTPZiel_, form_.FTPZiel());
  edtExportPfad_->setEnabled(form_.LokalAktiv());
  btnExportPfad_->setEnabled(form_.LokalAktiv());
  edtFTPZiel_->setEnabled(form_.FTPAktiv());
  btnFTPZiel_->setEnabled(form_.FTPAktiv());
  Abgleichen(*edtSachKtoLng_, form_.SachKtoLng());
  Abgleichen(*chkTageweise_, form_.Tageweise());
  for (const auto& regel : regeln_) {
    const THisRegelEingabe e = regel.Lesen();
    Abgleichen(*regel.An, e.An);
    Abgleichen(*regel.Von, e.Von);
    Abgleichen(*regel.Bis, e.Bis);
  }
  Abgleichen(*chkSonderKDDreh_, form_.KassendifferenzDrehen());
}

namespace his {

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_HIS::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* his = dynamic_cast<TfrmFibuExpHIS*>(&form);
                       if (his == nullptr) return nullptr;
                       return std::make_unique<TFibuExpHISView>(*his);
                     });
}

}  // namespace his
