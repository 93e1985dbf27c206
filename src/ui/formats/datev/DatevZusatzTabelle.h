// The additional-field grid of the DATEV settings: 28 fixed fields, each given one of
// the contents by a drop-down in "Inhalt-Bezeichnung".
#pragma once

#include <QTableWidget>

#include "formats/datev/FibuExpDatevFrm.h"

class TDatevZusatzTabelle final : public QTableWidget {
  Q_OBJECT

 public:
  TDatevZusatzTabelle(TfrmFibuExpDatev& form, QWidget* eltern);

  void Anzeigen();

 private:
  void InhaltGewaehlt(QTableWidgetItem* item);

  TfrmFibuExpDatev& form_;
};
