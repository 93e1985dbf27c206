#include "ui/formats/dvo/DvoAnsichten.h"

#include <QHeaderView>
#include <QTableWidget>

#include "ui/ViewHilfen.h"

namespace dvo {

namespace {
enum TFilialSpalte { fspNummer, fspName, fspBelegart, fspAnzahl };
}

TFibuExpDVOView::TFibuExpDVOView(TfrmFibuExpDVO& form) : TMandantenExportView(form), form_(form) {
  Feld("edtSachKtoLng", "Länge der Sachkonten:", 1, nullptr, [&form] { return form.SachKtoLng(); },
       [&form](const std::string& text) { form.SetSachKtoLng(text); });
  Feld("edtPersKtoLng", "Länge der Personenkonten:", 1, nullptr, [&form] { return form.PersKtoLng(); },
       [&form](const std::string& text) { form.SetPersKtoLng(text); });

  filialen_ = new QTableWidget(0, fspAnzahl);
  filialen_->setObjectName(QStringLiteral("grdFilialen"));
  filialen_->setHorizontalHeaderLabels({QString(), QStringLiteral("Filiale"), QStringLiteral("Belegart")});
  filialen_->horizontalHeaderItem(fspBelegart)->setToolTip(QStringLiteral("DVO-Belegart"));
  filialen_->verticalHeader()->hide();
  filialen_->setSelectionBehavior(QAbstractItemView::SelectRows);
  filialen_->setSelectionMode(QAbstractItemView::SingleSelection);
  filialen_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  filialen_->horizontalHeader()->setSectionResizeMode(fspName, QHeaderView::Stretch);
  filialen_->setMinimumHeight(100);
  connect(filialen_, &QTableWidget::itemChanged, this, &TFibuExpDVOView::BelegartGeaendert);
  Unten("Belegart je Filiale (DVO)", filialen_);
  BeimAnzeigen([this] { FilialenAnzeigen(); });
}

void TFibuExpDVOView::FilialenAnzeigen() {
  const QSignalBlocker sperre(filialen_);
  const auto& zeilen = form_.FilialZeilen();
  filialen_->setRowCount(static_cast<int>(zeilen.size()));
  const Qt::ItemFlags fest = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  for (int zeile = 0; zeile < filialen_->rowCount(); ++zeile) {
    const auto& filiale = zeilen[static_cast<std::size_t>(zeile)];
    QTableWidgetItem& nummer = Zelle(*filialen_, zeile, fspNummer, fest);
    nummer.setTextAlignment(Qt::AlignVCenter | Qt::AlignRight);
    Abgleichen(nummer, std::to_string(filiale.Nummer));
    Abgleichen(Zelle(*filialen_, zeile, fspName, fest), filiale.Name);
    Abgleichen(Zelle(*filialen_, zeile, fspBelegart, fest | Qt::ItemIsEditable), filiale.Belegart);
  }
}

void TFibuExpDVOView::BelegartGeaendert(QTableWidgetItem* item) {
  if (item->column() == fspBelegart) {
    form_.SetzeBelegart(static_cast<std::size_t>(item->row()), Std_(item->text()));
  }
  // A text the logic refused gives way to its value again.
  FilialenAnzeigen();
}

void AnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  ansichten.Register(TFibuExporter_DVO::CKennung,
                     [](TfrmFibuExport& form) -> std::unique_ptr<TFibuExportFormatTeil> {
                       auto* dvo = dynamic_cast<TfrmFibuExpDVO*>(&form);
                       if (dvo == nullptr) return nullptr;
                       return std::make_unique<TFibuExpDVOView>(*dvo);
                     });
}

}  // namespace dvo
