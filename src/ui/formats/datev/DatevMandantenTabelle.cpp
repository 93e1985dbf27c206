#include "ui/formats/datev/DatevMandantenTabelle.h"

#include <QHeaderView>

#include "ui/AuswahlDelegate.h"
#include "ui/ViewHilfen.h"

namespace {

using Spalte = TfrmFibuExpDatev::TMandantSpalte;

Qt::ItemFlags Flags(Spalte spalte) {
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (spalte == TfrmFibuExpDatev::mspKurzNr) flags |= Qt::ItemIsUserCheckable;
  if (TfrmFibuExpDatev::SpalteEditierbar(spalte)) flags |= Qt::ItemIsEditable;
  return flags;
}

constexpr int kSpalten = TfrmFibuExpDatev::mspFestschreiben + 1;

}  // namespace

TDatevMandantenTabelle::TDatevMandantenTabelle(TfrmFibuExpDatev& form, QWidget* eltern)
    : QTableWidget(0, kSpalten, eltern), form_(form) {
  setObjectName(QStringLiteral("grdMandanten"));
  setHorizontalHeaderLabels({QStringLiteral("KurzNr"), QStringLiteral("Mandant"),
                             QStringLiteral("GepNr"), QStringLiteral("Datev-Berater"),
                             QStringLiteral("Datev-Mandant"), QStringLiteral("Datev-Benutzer"),
                             QStringLiteral("Festschreiben")});
  setColumnHidden(TfrmFibuExpDatev::mspGepNr, true);
  QStringList festschreiben;
  for (const auto& text : TfrmFibuExpDatev::FestschreibenAuswahl()) festschreiben << Qt_(text);
  setItemDelegateForColumn(TfrmFibuExpDatev::mspFestschreiben,
                           new TAuswahlDelegate(festschreiben, this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  // Every header readable in full; the client's name takes the rest.
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(TfrmFibuExpDatev::mspMandant, QHeaderView::Stretch);

  connect(this, &QTableWidget::itemChanged, this, &TDatevMandantenTabelle::ZelleGeaendert);
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int zeile) { form_.SetMandantAuswahl(static_cast<std::size_t>(std::max(zeile, 0))); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TDatevMandantenTabelle::KopfKlick);
}

void TDatevMandantenTabelle::Anzeigen() {
  const QSignalBlocker sperre(this);
  const auto& zeilen = form_.MandantZeilen();
  setRowCount(static_cast<int>(zeilen.size()));
  for (int zeile = 0; zeile < rowCount(); ++zeile) {
    const auto index = static_cast<std::size_t>(zeile);
    const auto& mandant = zeilen[index];
    for (int spalte = 0; spalte < kSpalten; ++spalte) {
      const auto art = static_cast<Spalte>(spalte);
      Abgleichen(Zelle(*this, zeile, spalte, Flags(art)), form_.MandantZelle(index, art));
    }
    item(zeile, TfrmFibuExpDatev::mspKurzNr)->setCheckState(mandant.Aktiv ? Qt::Checked : Qt::Unchecked);
  }
}

void TDatevMandantenTabelle::ZelleGeaendert(QTableWidgetItem* item) {
  const auto zeile = static_cast<std::size_t>(item->row());
  const auto spalte = static_cast<Spalte>(item->column());
  if (spalte == TfrmFibuExpDatev::mspKurzNr) {
    form_.SetMandantAktiv(zeile, item->checkState() == Qt::Checked);
  } else {
    form_.SetzeMandantZelle(zeile, spalte, Std_(item->text()));
  }
  // A text the logic refused gives way to its value again.
  Anzeigen();
}

void TDatevMandantenTabelle::KopfKlick(int spalte) {
  form_.MandantKopfKlick(static_cast<Spalte>(spalte));
  const auto zelle = form_.EditierteZelle();
  if (!zelle) return;
  QTableWidgetItem* ziel = item(static_cast<int>(zelle->Zeile), zelle->Spalte);
  if (!ziel) return;
  setCurrentItem(ziel);
  editItem(ziel);
}
