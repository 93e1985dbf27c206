// The client grid of the formats on the client table: the tick in "KurzNr" makes a
// client active, the format's columns are edited in their cells as the logic allows, a
// click on an editable header edits that column of the selected row.
#pragma once

#include <QTableWidget>

#include "export/MandantenRaster.h"

class TMandantenRasterTabelle final : public QTableWidget {
  Q_OBJECT

 public:
  TMandantenRasterTabelle(TMandantenRaster& raster, QWidget* eltern);

  void Anzeigen();

 private:
  void ZelleGeaendert(QTableWidgetItem* item);
  void KopfKlick(int spalte);

  TMandantenRaster& raster_;
};
