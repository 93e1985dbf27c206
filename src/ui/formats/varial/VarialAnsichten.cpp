#include "ui/formats/varial/VarialAnsichten.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "export/SteuerSchluesselTexte.h"
#include "ui/ViewHilfen.h"

namespace varial {

TFibuExpVarialView::TFibuExpVarialView(TfrmFibuExpVarial& form) : TMandantenExportView(form), form_(form) {
  auto* seite = new QWidget;
  auto* raster = new QGridLayout(seite);
  raster->setContentsMargins(0, 0, 0, 0);
  // Output tax on the left, input tax on the right, the EU key below the output tax.
  constexpr int kHaelfte = 5;
  for (std::size_t i = 0; i < steuer_.size(); ++i) {
    auto* edit = new QLineEdit(seite);
    edit->setObjectName(QStringLiteral("edtSteuer%1").arg(i));
    edit->setMaxLength(static_cast<int>(TfrmFibuExpVarial::CSteuerLaenge));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("WWWWW")) + 12);
    const int index = static_cast<int>(i);
    const bool vorsteuer = (index >= kHaelfte && index < 2 * kHaelfte) || index == 11;
    const int zeile = index < kHaelfte ? index : index < 2 * kHaelfte ? index - kHaelfte : kHaelfte;
    const int spalte = vorsteuer ? 2 : 0;
    raster->addWidget(new QLabel(Qt_(SteuerSchluesselCaptions()[i]) + QStringLiteral(":"), seite), zeile, spalte);
    raster->addWidget(edit, zeile, spalte + 1, Qt::AlignLeft);
    connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      form_.SetSteuerSchl(i, Std_(text));
      Anzeigen();
    });
    steuer_[i] = edit;
  }
  raster->setColumnStretch(1, 1);
  raster->setColumnStretch(3, 1);
  Unten("Steuerschlüssel", seite);
  BeimAnzeigen([this] {
    for (std::size_t i = 0; i < steuer_.size(); ++i) Abgleichen(*steuer_[i], form_.SteuerSchl()[i]);
  });
}

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_Varial::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* varial = dynamic_cast<TfrmFibuExpVarial*>(&form);
                       if (varial == nullptr) return nullptr;
                       return std::make_unique<TFibuExpVarialView>(*varial);
                     });
}

}  // namespace varial
