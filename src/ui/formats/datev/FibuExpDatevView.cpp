#include "ui/formats/datev/FibuExpDatevView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/formats/datev/DatevMandantenTabelle.h"
#include "ui/formats/datev/DatevZusatzTabelle.h"
#include "ui/SchalterLeiste.h"
#include "ui/ViewHilfen.h"

TFibuExpDatevView::TFibuExpDatevView(TfrmFibuExpDatev& form) : form_(form) {
  parameter_ = new QWidget;
  edtExportPfad_ = new QLineEdit(parameter_);
  edtExportPfad_->setObjectName(QStringLiteral("edtExportPfad"));
  edtExportPfad_->setToolTip(QStringLiteral("Hierhin wollen Sie exportieren."));
  auto* btnExportPfad = new QToolButton(parameter_);
  btnExportPfad->setObjectName(QStringLiteral("btnExportPfad"));
  btnExportPfad->setText(QStringLiteral("…"));
  btnExportPfad->setToolTip(QStringLiteral("Exportpfad festlegen"));
  edtSachKtoLng_ = new QLineEdit(parameter_);
  edtSachKtoLng_->setObjectName(QStringLiteral("edtSachKtoLng"));
  edtSachKtoLng_->setMaxLength(1);
  edtSachKtoLng_->setFixedWidth(edtSachKtoLng_->fontMetrics().horizontalAdvance(QStringLiteral("999")) + 12);
  connect(edtExportPfad_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.SetExportPfad(Std_(text));
    Anzeigen();
  });
  connect(btnExportPfad, &QToolButton::clicked, this, [this] {
    form_.btnExportPfadClick();
    Anzeigen();
  });
  connect(edtSachKtoLng_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.SetSachKtoLng(Std_(text));
    Anzeigen();
  });

  auto* felder = new QGridLayout;
  felder->addWidget(new QLabel(QStringLiteral("Exportpfad:"), parameter_), 0, 0);
  felder->addWidget(edtExportPfad_, 0, 1, 1, 2);
  felder->addWidget(btnExportPfad, 0, 3);
  felder->addWidget(new QLabel(QStringLiteral("Länge der Sachkonten:"), parameter_), 1, 0);
  felder->addWidget(edtSachKtoLng_, 1, 1);
  felder->addWidget(new QLabel(QStringLiteral("(Personenkonten sind um eine Stelle länger)"), parameter_), 1, 2);
  felder->setColumnStretch(2, 1);

  schalter_ = new TSchalterLeiste(form_, [this] { Anzeigen(); }, parameter_);

  mandanten_ = new TDatevMandantenTabelle(form_, parameter_);
  mandanten_->setMinimumHeight(140);
  auto* layout = new QVBoxLayout(parameter_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(felder);
  layout->addWidget(schalter_);
  layout->addWidget(mandanten_, 1);

  zusatz_ = new TDatevZusatzTabelle(form_, nullptr);
}

// Pages never handed to a form are still the part's own.
TFibuExpDatevView::~TFibuExpDatevView() {
  if (!parameter_->parent()) delete parameter_;
  if (!zusatz_->parent()) delete zusatz_;
}

std::vector<TFibuExportFormatTeil::TEigeneSeite> TFibuExpDatevView::EigeneSeiten() {
  return {{TfrmFibuExpDatev::CSeiteZusatzdaten, "Zusatzdaten", "Zuordnung spezieller Exportfelder",
           zusatz_, [this] { form_.btnZusatzdatenClick(); }}};
}

void TFibuExpDatevView::Anzeigen() {
  Abgleichen(*edtExportPfad_, form_.ExportPfad());
  Abgleichen(*edtSachKtoLng_, form_.SachKtoLng());
  schalter_->Anzeigen();
  mandanten_->Anzeigen();
  zusatz_->Anzeigen();
}
