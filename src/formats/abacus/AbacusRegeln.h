// Abacus's import rules for the check before an export: the client number it knows, the
// customer-number range of the debtor interface, currencies it can be given amounts in,
// and texts whose control characters are written as blanks.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "export/ExportRegeln.h"

class TWHRechner;

namespace abacus {

class TAbacusRegeln final : public IExportRegeln {
 public:
  // Abacus takes client numbers of at most six digits and customer numbers of at most nine.
  static constexpr int kGroessterMandant = 999999;
  static constexpr int kGroessteKundenNr = 999999999;

  TAbacusRegeln(int abacusMandant, bool mitDebitoren, int kundenNrMin, int kundenNrMax);
  ~TAbacusRegeln() override;

  void Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
               TExportProblemListe& probleme) override;
  void Ende(const TExportUmfang& umfang, TExportProblemListe& probleme) override;

 private:
  int FMandant;
  bool FMitDebitoren;
  int FKundenNrMin;
  int FKundenNrMax;
  std::unique_ptr<TWHRechner> FRechner;
  std::set<std::string> FGepruefteWaehrungen;
};

}  // namespace abacus
