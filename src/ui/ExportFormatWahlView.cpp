#include "ui/ExportFormatWahlView.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

TExportFormatWahlView::TExportFormatWahlView(QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(Qt_(TfrmExportFormatWahl::Caption));
  tabelle_ = new QTableWidget(0, 2, this);
  tabelle_->setObjectName(QStringLiteral("lvProfile"));
  tabelle_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Bezeichnung")});
  AlsAuswahlliste(*tabelle_);
  tabelle_->setColumnWidth(0, 160);
  tabelle_->setMinimumSize(480, 200);

  auto* knoepfe = DialogKnoepfe(this, {"Weiter", "btnWeiter"}, {"Zurück", "btnZurueck"});
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, &TExportFormatWahlView::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift(TfrmExportFormatWahl::Header, this));
  layout->addWidget(tabelle_, 1);
  layout->addWidget(knoepfe);
}

void TExportFormatWahlView::Fuellen(const std::vector<TExportProfilZeile>& zeilen) {
  tabelle_->setRowCount(static_cast<int>(zeilen.size()));
  for (int zeile = 0; zeile < tabelle_->rowCount(); ++zeile) {
    const auto& profil = zeilen[static_cast<std::size_t>(zeile)];
    Abgleichen(Zelle(*tabelle_, zeile, 0, Qt::ItemIsEnabled | Qt::ItemIsSelectable), profil.Name);
    Abgleichen(Zelle(*tabelle_, zeile, 1, Qt::ItemIsEnabled | Qt::ItemIsSelectable),
               profil.Bezeichnung);
  }
  tabelle_->clearSelection();
  tabelle_->setCurrentCell(-1, -1);
}

std::optional<std::size_t> TExportFormatWahlView::Auswahl() const {
  const auto markiert = tabelle_->selectionModel()->selectedRows();
  if (markiert.isEmpty()) return std::nullopt;
  return static_cast<std::size_t>(markiert.front().row());
}

// With no row selected "Weiter" does nothing.
void TExportFormatWahlView::accept() {
  if (Auswahl()) QDialog::accept();
}

std::optional<std::size_t> TExportFormatWahlView::Zeigen(
    const std::vector<TExportProfilZeile>& zeilen, std::optional<std::size_t> vorauswahl) {
  Fuellen(zeilen);
  if (vorauswahl && *vorauswahl < zeilen.size()) {
    tabelle_->setCurrentCell(static_cast<int>(*vorauswahl), 0);
    tabelle_->selectRow(static_cast<int>(*vorauswahl));
  }
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Auswahl();
}
