#include "ui/ExportProblemeView.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ExportProblemListe.h"
#include "ui/UiText.h"

TExportProblemeView::TExportProblemeView(TfrmExportProbleme& form,
                                         std::function<void()> nachAuswahl, QWidget* eltern)
    : QDialog(eltern), form_(form), nachAuswahl_(std::move(nachAuswahl)) {
  setObjectName(QStringLiteral("TfrmExportProbleme"));
  setWindowTitle(Qt_(TfrmExportProbleme::Titel()));
  auto* layout = new QVBoxLayout(this);
  auto* hinweis = new QLabel(Qt_(form_.Hinweis()), this);
  hinweis->setWordWrap(true);
  layout->addWidget(hinweis);

  tabelle_ = new QTableWidget(static_cast<int>(form_.Anzahl()),
                              static_cast<int>(TfrmExportProbleme::SpaltenAnzahl), this);
  QStringList titel;
  for (std::size_t s = 0; s < TfrmExportProbleme::SpaltenAnzahl; ++s) {
    titel << Qt_(TfrmExportProbleme::Spaltentitel(s));
  }
  tabelle_->setHorizontalHeaderLabels(titel);
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle_->verticalHeader()->hide();
  for (std::size_t z = 0; z < form_.Anzahl(); ++z) {
    for (std::size_t s = 0; s < TfrmExportProbleme::SpaltenAnzahl; ++s) {
      auto* item = new QTableWidgetItem(Qt_(form_.Text(z, s)));
      if (form_.Sperrt(z)) item->setForeground(Qt::darkRed);
      tabelle_->setItem(static_cast<int>(z), static_cast<int>(s), item);
    }
  }
  tabelle_->resizeColumnsToContents();
  // The rule is the long text: it takes the room left.
  tabelle_->horizontalHeader()->setSectionResizeMode(TfrmExportProbleme::Regel,
                                                     QHeaderView::Stretch);
  layout->addWidget(tabelle_);
  connect(tabelle_, &QTableWidget::currentCellChanged, this, [this](int zeile) {
    if (zeile < 0) return;
    form_.Auswaehlen(static_cast<std::size_t>(zeile));
    if (nachAuswahl_) nachAuswahl_();
  });

  auto* knoepfe = new QDialogButtonBox(this);
  trotzdem_ = knoepfe->addButton(QStringLiteral("Trotzdem exportieren"),
                                 QDialogButtonBox::AcceptRole);
  trotzdem_->setEnabled(form_.ExportMoeglich());
  knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(knoepfe);
  resize(900, 400);
}

bool TQtProblemAnzeige::Zeigen(const TExportProblemListe& probleme, IExportListe& liste) {
  TfrmExportProbleme form(probleme, liste);
  TExportProblemeView view(form, nachAuswahl_, eltern_);
  return view.exec() == QDialog::Accepted && form.ExportMoeglich();
}
