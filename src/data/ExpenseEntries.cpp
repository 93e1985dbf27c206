#include "data/ExpenseEntries.h"

#include <cmath>
#include <string>

#include "suite/MwstBezeichnung.h"

namespace {

// Rates carry two decimals; the small lift keeps 19.6 from reading as 1959 hundredths.
int SatzInHundertsteln(double prozent) {
  return static_cast<int>(std::trunc(prozent * 100 + (prozent < 0 ? -1e-6 : 1e-6)));
}

void SteuerEintrag(std::vector<TFBDEKontoBetrag>& eintraege, long double betrag,
                   double prozent) {
  if (std::fabs(static_cast<double>(betrag)) <= 0.005) return;
  std::string konto = GetMwstBezeichnung("VORST", SatzInHundertsteln(prozent));
  std::erase(konto, '%');
  eintraege.push_back({konto, "", 0, betrag});
}

}  // namespace

std::vector<TFBDEKontoBetrag> AufwandEintraege(const TQTX_Aufwandsbuchung& aufwand) {
  std::vector<TFBDEKontoBetrag> eintraege;
  for (const auto& zeile : aufwand.Zeilen) {
    eintraege.push_back({zeile.KontoName, zeile.KontoZusatz, 0, zeile.Betrag});
  }
  SteuerEintrag(eintraege, aufwand.Steuerbetrag1, aufwand.Steuersatz1);
  SteuerEintrag(eintraege, aufwand.Steuerbetrag2, aufwand.Steuersatz2);
  return eintraege;
}

std::vector<TFBDEKontoBetrag> EntnahmeEintraege(const TQTX_EntnahmeBestand& entnahme) {
  return {{entnahme.KontoName, "", 0, entnahme.Betrag}};
}
