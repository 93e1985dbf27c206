#include "ui/formats/rza/FibuExpRZAView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

TFibuExpRZAView::TFibuExpRZAView(TfrmFibuExpRZA& form) : form_(form) {
  parameter_ = new QWidget;
  edtExportPfad_ = new QLineEdit(parameter_);
  edtExportPfad_->setObjectName(QStringLiteral("edtExportPfad"));
  edtExportPfad_->setMaxLength(static_cast<int>(TfrmFibuExpRZA::CPfadLaenge));
  connect(edtExportPfad_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.SetExportPfad(Std_(text));
    Anzeigen();
  });
  auto* btnExportPfad = new QToolButton(parameter_);
  btnExportPfad->setObjectName(QStringLiteral("btnExportPfad"));
  btnExportPfad->setText(QStringLiteral("…"));
  connect(btnExportPfad, &QToolButton::clicked, this, [this] {
    form_.btnExportPfadClick();
    Anzeigen();
  });
  chkAutomatik_ =
      new QCheckBox(QStringLiteral("Sollen Automatikkonten verwendet werden?"), parameter_);
  chkAutomatik_->setObjectName(QStringLiteral("chkAutomatik"));
  connect(chkAutomatik_, &QCheckBox::clicked, this, [this](bool an) {
    form_.SetAutomatik(an);
    Anzeigen();
  });

  auto* pfad = new QGridLayout;
  pfad->addWidget(new QLabel(QStringLiteral("Exportpfad:"), parameter_), 0, 0);
  pfad->addWidget(edtExportPfad_, 0, 1);
  pfad->addWidget(btnExportPfad, 0, 2);
  pfad->setColumnStretch(1, 1);

  auto* raster = new QGridLayout;
  const int breite = QFontMetrics(parameter_->font()).horizontalAdvance(QStringLiteral("99999")) + 12;
  for (std::size_t i = 0; i < schluessel_.size(); ++i) {
    auto* edit = new QLineEdit(parameter_);
    edit->setObjectName(QStringLiteral("edtSteuer%1").arg(i));
    edit->setMaxLength(static_cast<int>(TfrmFibuExpRZA::CSchluesselLaenge));
    edit->setFixedWidth(breite);
    connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      form_.SetSteuerschluessel(i, Std_(text));
      Anzeigen();
    });
    schluessel_[i] = edit;
    // Output tax in the left column, input tax in the right one.
    const int zeile = static_cast<int>(i % 5);
    const int spalte = static_cast<int>(i / 5) * 2;
    raster->addWidget(new QLabel(Qt_(TfrmFibuExpRZA::SteuerBeschriftung(i)), parameter_), zeile,
                      spalte);
    raster->addWidget(edit, zeile, spalte + 1);
  }
  raster->setColumnStretch(4, 1);

  auto* layout = new QVBoxLayout(parameter_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(pfad);
  layout->addWidget(chkAutomatik_);
  layout->addLayout(raster);
  layout->addStretch(1);
}

// A page never handed to a form is still the part's own.
TFibuExpRZAView::~TFibuExpRZAView() {
  if (!parameter_->parent()) delete parameter_;
}

void TFibuExpRZAView::Anzeigen() {
  Abgleichen(*edtExportPfad_, form_.ExportPfad());
  Abgleichen(*chkAutomatik_, form_.Automatik());
  for (std::size_t i = 0; i < schluessel_.size(); ++i) {
    Abgleichen(*schluessel_[i], form_.Steuerschluessel(i));
    schluessel_[i]->setEnabled(form_.SteuerschluesselAktiv());
  }
}

namespace rza {

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_RZA::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* rza = dynamic_cast<TfrmFibuExpRZA*>(&form);
                       if (rza == nullptr) return nullptr;
                       return std::make_unique<TFibuExpRZAView>(*rza);
                     });
}

}  // namespace rza
