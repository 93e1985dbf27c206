#include "ui/formats/datev/DatevZusatzTabelle.h"

#include <QHeaderView>

#include "ui/AuswahlDelegate.h"
#include "ui/ViewHilfen.h"

namespace {

enum TZusatzSpalte { kFeldKennung, kFeldBezeichnung, kInhaltKennung, kInhaltBezeichnung, kSpalten };

}  // namespace

TDatevZusatzTabelle::TDatevZusatzTabelle(TfrmFibuExpDatev& form, QWidget* eltern)
    : QTableWidget(0, kSpalten, eltern), form_(form) {
  setObjectName(QStringLiteral("grdZusatzdaten"));
  setHorizontalHeaderLabels({QStringLiteral("Feld-Kennung"), QStringLiteral("Feld-Bezeichnung"),
                             QStringLiteral("Inhalt-Kennung"), QStringLiteral("Inhalt-Bezeichnung")});
  QStringList inhalte;
  for (const auto& text : TfrmFibuExpDatev::InhaltAuswahl()) inhalte << Qt_(text);
  setItemDelegateForColumn(kInhaltBezeichnung, new TAuswahlDelegate(inhalte, this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(kInhaltBezeichnung, QHeaderView::Stretch);
  connect(this, &QTableWidget::itemChanged, this, &TDatevZusatzTabelle::InhaltGewaehlt);
}

void TDatevZusatzTabelle::Anzeigen() {
  const QSignalBlocker sperre(this);
  const auto& zeilen = form_.ZusatzZeilen();
  setRowCount(static_cast<int>(zeilen.size()));
  const Qt::ItemFlags fest = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  for (int zeile = 0; zeile < rowCount(); ++zeile) {
    const auto& feld = zeilen[static_cast<std::size_t>(zeile)];
    Abgleichen(Zelle(*this, zeile, kFeldKennung, fest), feld.FeldKennung);
    Abgleichen(Zelle(*this, zeile, kFeldBezeichnung, fest), feld.FeldBezeichnung);
    Abgleichen(Zelle(*this, zeile, kInhaltKennung, fest), feld.InhaltKennung);
    Abgleichen(Zelle(*this, zeile, kInhaltBezeichnung, fest | Qt::ItemIsEditable),
               feld.InhaltBezeichnung);
  }
}

void TDatevZusatzTabelle::InhaltGewaehlt(QTableWidgetItem* item) {
  if (item->column() == kInhaltBezeichnung) {
    form_.SetzeInhalt(static_cast<std::size_t>(item->row()), Std_(item->text()));
  }
  Anzeigen();
}
