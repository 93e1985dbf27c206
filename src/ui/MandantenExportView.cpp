#include "ui/MandantenExportView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/MandantenRasterTabelle.h"
#include "ui/ViewHilfen.h"

TMandantenExportView::TMandantenExportView(TfrmMandantenExport& form) : form_(form) {
  parameter_ = new QWidget;
  felder_ = new QGridLayout;
  auto* btnExportPfad = new QToolButton(parameter_);
  btnExportPfad->setObjectName(QStringLiteral("btnExportPfad"));
  btnExportPfad->setText(QStringLiteral("…"));
  btnExportPfad->setToolTip(QStringLiteral("Exportpfad festlegen"));
  Feld("edtExportPfad", "Exportpfad:", 256, "Hierhin wollen Sie exportieren.",
       [this] { return form_.ExportPfad(); },
       [this](const std::string& text) { form_.SetExportPfad(text); });
  felder_->addWidget(btnExportPfad, 0, 2);
  felder_->setColumnStretch(1, 1);
  connect(btnExportPfad, &QToolButton::clicked, this, [this] {
    form_.btnExportPfadClick();
    Anzeigen();
  });

  mandanten_ = new TMandantenRasterTabelle(form_.Raster(), parameter_);
  mandanten_->setMinimumHeight(140);
  layout_ = new QVBoxLayout(parameter_);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->addLayout(felder_);
  layout_->addWidget(new QLabel(Qt_(form_.RasterTitel()), parameter_));
  layout_->addWidget(mandanten_, 1);
}

// A page never handed to a form is still the part's own.
TMandantenExportView::~TMandantenExportView() {
  if (!parameter_->parent()) delete parameter_;
}

QLineEdit* TMandantenExportView::Feld(const char* name, const char* beschriftung, int maxLaenge,
                                      const char* hinweis, std::function<std::string()> lesen,
                                      std::function<void(const std::string&)> setzen) {
  auto* edit = new QLineEdit(parameter_);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(maxLaenge);
  if (hinweis) edit->setToolTip(Qt_(hinweis));
  if (maxLaenge < 20) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(maxLaenge + 2, QLatin1Char('9'))) + 12);
  }
  const int zeile = zeilen_++;
  felder_->addWidget(new QLabel(Qt_(beschriftung), parameter_), zeile, 0);
  if (maxLaenge < 20) {
    felder_->addWidget(edit, zeile, 1, Qt::AlignLeft);
  } else {
    felder_->addWidget(edit, zeile, 1);
  }
  connect(edit, &QLineEdit::textEdited, this, [this, setzen = std::move(setzen)](const QString& text) {
    setzen(Std_(text));
    Anzeigen();
  });
  bindungen_.push_back({edit, std::move(lesen)});
  return edit;
}

void TMandantenExportView::Unten(const char* ueberschrift, QWidget* widget) {
  widget->setParent(parameter_);
  layout_->addWidget(new QLabel(Qt_(ueberschrift), parameter_));
  layout_->addWidget(widget, 1);
}

void TMandantenExportView::Anzeigen() {
  for (const auto& bindung : bindungen_) Abgleichen(*bindung.Edit, bindung.Lesen());
  mandanten_->Anzeigen();
  for (const auto& anzeigen : zusaetzlich_) anzeigen();
}
