// The client grid of the DATEV settings: the check mark makes a client active, the
// DATEV numbers and "Festschreiben" are edited in their cells as the form logic allows.
#pragma once

#include <QTableWidget>

#include "formats/datev/FibuExpDatevFrm.h"

class TDatevMandantenTabelle final : public QTableWidget {
  Q_OBJECT

 public:
  TDatevMandantenTabelle(TfrmFibuExpDatev& form, QWidget* eltern);

  void Anzeigen();

 private:
  void ZelleGeaendert(QTableWidgetItem* item);
  void KopfKlick(int spalte);

  TfrmFibuExpDatev& form_;
};
