#include "ui/MandantenRasterTabelle.h"

#include <QHeaderView>
#include <algorithm>

#include "ui/ViewHilfen.h"

namespace {

Qt::ItemFlags Flags(std::size_t spalte) {
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (spalte == TMandantenRaster::mrsKurzNr) flags |= Qt::ItemIsUserCheckable;
  if (TMandantenRaster::SpalteEditierbar(spalte)) flags |= Qt::ItemIsEditable;
  return flags;
}

}  // namespace

TMandantenRasterTabelle::TMandantenRasterTabelle(TMandantenRaster& raster, QWidget* eltern)
    : QTableWidget(0, 0, eltern), raster_(raster) {
  setObjectName(QStringLiteral("grdMandanten"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  connect(this, &QTableWidget::itemChanged, this, &TMandantenRasterTabelle::ZelleGeaendert);
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int zeile) { raster_.SetAuswahl(static_cast<std::size_t>(std::max(zeile, 0))); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TMandantenRasterTabelle::KopfKlick);
}

void TMandantenRasterTabelle::Anzeigen() {
  const QSignalBlocker sperre(this);
  const int spalten = static_cast<int>(raster_.Spalten());
  if (columnCount() != spalten) {
    // The columns are made once the grid knows the format's fields.
    setColumnCount(spalten);
    QStringList koepfe;
    for (int spalte = 0; spalte < spalten; ++spalte) {
      koepfe << Qt_(raster_.Kopf(static_cast<std::size_t>(spalte)));
    }
    setHorizontalHeaderLabels(koepfe);
    setColumnHidden(TMandantenRaster::mrsGepNr, true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(TMandantenRaster::mrsMandant, QHeaderView::Stretch);
  }
  setRowCount(static_cast<int>(raster_.Zeilen()));
  for (int zeile = 0; zeile < rowCount(); ++zeile) {
    const auto index = static_cast<std::size_t>(zeile);
    for (int spalte = 0; spalte < spalten; ++spalte) {
      const auto s = static_cast<std::size_t>(spalte);
      QTableWidgetItem& zelle = Zelle(*this, zeile, spalte, Flags(s));
      zelle.setTextAlignment(Qt::AlignVCenter |
                             (raster_.RechtsBuendig(s) ? Qt::AlignRight : Qt::AlignLeft));
      Abgleichen(zelle, raster_.Zelle(index, s));
    }
    item(zeile, TMandantenRaster::mrsKurzNr)->setCheckState(raster_.Aktiv(index) ? Qt::Checked : Qt::Unchecked);
  }
}

void TMandantenRasterTabelle::ZelleGeaendert(QTableWidgetItem* item) {
  const auto zeile = static_cast<std::size_t>(item->row());
  const auto spalte = static_cast<std::size_t>(item->column());
  if (spalte == TMandantenRaster::mrsKurzNr) {
    raster_.SetAktiv(zeile, item->checkState() == Qt::Checked);
  } else {
    raster_.SetzeZelle(zeile, spalte, Std_(item->text()));
  }
  // A text the logic refused gives way to its value again.
  Anzeigen();
}

void TMandantenRasterTabelle::KopfKlick(int spalte) {
  raster_.KopfKlick(static_cast<std::size_t>(spalte));
  const auto zelle = raster_.EditierteZelle();
  if (!zelle) return;
  QTableWidgetItem* ziel = item(static_cast<int>(zelle->Zeile), static_cast<int>(zelle->Spalte));
  if (!ziel) return;
  setCurrentItem(ziel);
  editItem(ziel);
}
