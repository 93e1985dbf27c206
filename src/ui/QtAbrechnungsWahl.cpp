#include "ui/QtAbrechnungsWahl.h"

#include <QApplication>

#include "ui/SaldixAbrechnungNrView.h"
#include "ui/SaldixAuswahlFBEXView.h"

QWidget* TQtAbrechnungsWahl::Eltern() const {
  return eltern_ ? eltern_.data() : QApplication::activeWindow();
}

bool TQtAbrechnungsWahl::AbrechnungsNrEingeben(std::int32_t& abrNr, std::int32_t& abrJahr) {
  int nr = abrNr, jahr = abrJahr;
  if (!AbrechnungsNrDialog(Eltern(), nr, jahr)) return false;
  abrNr = nr;
  abrJahr = jahr;
  return true;
}

bool TQtAbrechnungsWahl::AbgeschlosseneWaehlen(TIntPair& firma, std::int32_t& abrNr,
                                               std::int32_t& abrJahr, TDateTime& von,
                                               TDateTime& bis, bool* erneutAusgeben) {
  if (modul_ == nullptr) return false;
  int nr = abrNr, jahr = abrJahr;
  if (!AbgeschlosseneAbrechnungDialog(Eltern(), *modul_, firma, nr, jahr, von, bis,
                                      erneutAusgeben)) {
    return false;
  }
  abrNr = nr;
  abrJahr = jahr;
  return true;
}
