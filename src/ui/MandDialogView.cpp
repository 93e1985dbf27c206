#include "ui/MandDialogView.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "suite/Guarded.h"
#include "suite/SuiteDatabase.h"
#include "ui/ViewHilfen.h"

namespace {

QTableWidgetItem* Feld(const std::string& text) {
  auto* item = new QTableWidgetItem(Qt_(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

class TQtMandDialog final : public IMandantChooser {
 public:
  bool Ausfuehren(TIntPair& mandant, std::string& name) override {
    return Guarded("TMandDialog.Execute", [&] {
      TMandDialogView view(TMandListeServer(SuiteDatabase::Get()).Liste(),
                           QApplication::activeWindow());
      if (view.exec() != QDialog::Accepted) return false;
      const auto gewaehlt = view.Auswahl();
      if (!gewaehlt) return false;
      mandant = gewaehlt->GepNr;
      name = gewaehlt->Name;
      return true;
    });
  }
};

}  // namespace

TMandDialogView::TMandDialogView(std::vector<TMandListeEintrag> liste, QWidget* eltern)
    : QDialog(eltern), liste_(std::move(liste)) {
  setWindowTitle(QStringLiteral("Mandantenauswahl"));
  tabelle_ = new QTableWidget(static_cast<int>(liste_.size()), 3, this);
  tabelle_->setObjectName(QStringLiteral("grdMandanten"));
  tabelle_->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Mandant"),
                                       QStringLiteral("Kurzname")});
  for (int zeile = 0; zeile < tabelle_->rowCount(); ++zeile) {
    const auto& eintrag = liste_[static_cast<std::size_t>(zeile)];
    tabelle_->setItem(zeile, 0, Feld(std::to_string(eintrag.KurzNr)));
    tabelle_->setItem(zeile, 1, Feld(eintrag.Name));
    tabelle_->setItem(zeile, 2, Feld(eintrag.KurzName));
  }
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle_->verticalHeader()->hide();
  tabelle_->resizeColumnsToContents();
  tabelle_->horizontalHeader()->setStretchLastSection(true);
  tabelle_->setMinimumSize(460, 220);
  if (tabelle_->rowCount() > 0) tabelle_->setCurrentCell(0, 0);

  auto* knoepfe = DialogKnoepfe(this);
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, &TMandDialogView::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift("Bitte wählen Sie einen Mandanten.", this));
  layout->addWidget(tabelle_, 1);
  layout->addWidget(knoepfe);
}

std::optional<TMandListeEintrag> TMandDialogView::Auswahl() const {
  const int zeile = tabelle_->currentRow();
  if (zeile < 0 || zeile >= static_cast<int>(liste_.size())) return std::nullopt;
  return liste_[static_cast<std::size_t>(zeile)];
}

// Without a chosen row the dialog stays open.
void TMandDialogView::accept() {
  if (Auswahl()) QDialog::accept();
}

std::shared_ptr<IMandantChooser> QtMandDialog() { return std::make_shared<TQtMandDialog>(); }
