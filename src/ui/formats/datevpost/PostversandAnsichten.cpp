#include "ui/formats/datevpost/PostversandAnsichten.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/MandantenRasterTabelle.h"
#include "ui/ViewHilfen.h"

namespace datevpost {

TFibuExpPostversandView::TFibuExpPostversandView(TfrmFibuExpPostversand& form) : form_(form) {
  parameter_ = new QWidget;
  felder_ = new QGridLayout;
  felder_->setColumnStretch(1, 1);
  Feld("edtExportPfad", "Exportpfad:", 256, "Hierhin wollen Sie exportieren.",
                          [this] { return form_.ExportPfad(); },
                          [this](const std::string& text) { form_.SetExportPfad(text); });
  PfadKnopf("btnExportPfad", "Exportpfad festlegen", [this] { form_.btnExportPfadClick(); });
  Feld("edtVorgabePfad", "Vorgabepfad:", 256, "Hier steht die Damo32.exe.",
                           [this] { return form_.VorgabePfad(); },
                           [this](const std::string& text) { form_.SetVorgabePfad(text); });
  PfadKnopf("btnVorgabePfad", "Festlegen, wo die Damo32.exe steht.", [this] { form_.btnVorgabePfadClick(); });
  CheckBox("chkImportSelf", "Import über SELF-Schnittstelle", TfrmFibuExpPostversand::HinweisImportSelf(),
           [this] { return form_.ImportSelf(); }, [this](bool wert) { form_.SetImportSelf(wert); });
  Feld("edtFormat", "Format:", 20, "Format für Postversanddaten, Standard: FBOP-BW-KNE",
       [this] { return form_.Format(); }, [this](const std::string& text) { form_.SetFormat(text); });
  Feld("edtIDNummer", "ID-Nummer:", 5, nullptr, [this] { return form_.IDNummer(); },
       [this](const std::string& text) { form_.SetIDNummer(text); });
  CheckBox("chkVerzLeeren", "EV01 und ED...- Dateien vor jedem Export löschen ", nullptr,
           [this] { return form_.VerzLeeren(); }, [this](bool wert) { form_.SetVerzLeeren(wert); });

  mandanten_ = new TMandantenRasterTabelle(form_.Raster(), parameter_);
  mandanten_->setMinimumHeight(120);
  auto* layout = new QVBoxLayout(parameter_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(felder_);
  layout->addWidget(new QLabel(QString::fromUtf8(TfrmFibuExpPostversand::CRasterTitel), parameter_));
  layout->addWidget(mandanten_, 1);
}

// A page never handed to a form is still the part's own.
TFibuExpPostversandView::~TFibuExpPostversandView() {
  if (!parameter_->parent()) delete parameter_;
}

QLineEdit* TFibuExpPostversandView::Feld(const char* name, const char* beschriftung, int maxLaenge,
                                         const char* hinweis, std::function<std::string()> lesen,
                                         std::function<void(const std::string&)> setzen) {
  auto* edit = new QLineEdit(parameter_);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(maxLaenge);
  if (hinweis) edit->setToolTip(Qt_(hinweis));
  const int zeile = zeilen_++;
  felder_->addWidget(new QLabel(Qt_(beschriftung), parameter_), zeile, 0);
  if (maxLaenge < 30) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(maxLaenge + 2, QLatin1Char('W'))) + 12);
    felder_->addWidget(edit, zeile, 1, Qt::AlignLeft);
  } else {
    felder_->addWidget(edit, zeile, 1);
  }
  connect(edit, &QLineEdit::textEdited, this, [this, setzen = std::move(setzen)](const QString& text) {
    setzen(Std_(text));
    Anzeigen();
  });
  edits_.emplace_back(edit, std::move(lesen));
  return edit;
}

void TFibuExpPostversandView::PfadKnopf(const char* name, const char* hinweis,
                                        std::function<void()> klick) {
  auto* knopf = new QToolButton(parameter_);
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setText(QStringLiteral("…"));
  knopf->setToolTip(Qt_(hinweis));
  felder_->addWidget(knopf, zeilen_ - 1, 2);  // beside the path just added
  connect(knopf, &QToolButton::clicked, this, [this, klick = std::move(klick)] {
    klick();
    Anzeigen();
  });
}

QCheckBox* TFibuExpPostversandView::CheckBox(const char* name, const char* text, const char* hinweis,
                                             std::function<bool()> lesen,
                                             std::function<void(bool)> setzen) {
  auto* box = new QCheckBox(Qt_(text), parameter_);
  box->setObjectName(QString::fromLatin1(name));
  if (hinweis) box->setToolTip(Qt_(hinweis));
  felder_->addWidget(box, zeilen_++, 0, 1, 3);
  connect(box, &QCheckBox::clicked, this, [this, setzen = std::move(setzen)](bool wert) {
    setzen(wert);
    Anzeigen();
  });
  boxen_.emplace_back(box, std::move(lesen));
  return box;
}

void TFibuExpPostversandView::Anzeigen() {
  for (const auto& [edit, lesen] : edits_) Abgleichen(*edit, lesen());
  for (const auto& [box, lesen] : boxen_) Abgleichen(*box, lesen());
  mandanten_->Anzeigen();
}

TDAMOProtView::TDAMOProtView(TDAMOProt& form, QWidget* eltern) : QDialog(eltern), form_(form) {
  setObjectName(QStringLiteral("DAMOProt"));
  setWindowTitle(Qt_(form_.Caption()));
  rteDAMOProt_ = new QTextEdit(this);
  rteDAMOProt_->setObjectName(QStringLiteral("rteDAMOProt"));
  rteDAMOProt_->setReadOnly(true);
  rteDAMOProt_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rteDAMOProt_);
  resize(640, 420);
}

void TDAMOProtView::showEvent(QShowEvent* event) {
  form_.FormShow();
  QString text = Qt_(form_.rteDAMOProt());
  text.remove(QLatin1Char('\r'));
  rteDAMOProt_->setPlainText(text);
  QDialog::showEvent(event);
}

// The window closes when Escape is released, not pressed.
void TDAMOProtView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDAMOProtView::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
    form_.EscapeLosgelassen();
    reject();
    return;
  }
  QDialog::keyReleaseEvent(event);
}

int DAMOProtZeigen(TDAMOProt& form) {
  TDAMOProtView view(form, QApplication::activeWindow());
  view.exec();
  return form.ModalResult();
}

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_Postversand::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* post = dynamic_cast<TfrmFibuExpPostversand*>(&form);
                       if (post == nullptr) return nullptr;
                       return std::make_unique<TFibuExpPostversandView>(*post);
                     });
  SetDAMOProtAnzeige(DAMOProtZeigen);
}

}  // namespace datevpost
