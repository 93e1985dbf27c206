// VAT accounts and tax keys: which suite account is a tax account, its rate, and the
// current exporter's tax key for it (and back).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/EinstellungenRecord.h"
#include "suite/Types.h"

// The exporter's tax key of a slot (0 to 11, the order of the exporter's tax kinds);
// empty when it has none or there is no exporter.
using TSteuerschluesselQuelle = std::function<std::string(int slot)>;
// The client's foreign-tax account name.
using TKontoNameQuelle = std::function<std::string()>;

inline constexpr int CSteuerSlotAnzahl = 12;
inline constexpr int CSlotUstEG = 10;
inline constexpr int CSlotVstOhne = 11;

class TSteuerKonten {
 public:
  TSteuerKonten(const TEinstellungen& einstellungen, TKontoNameQuelle kontoSteuernFremd,
                TSteuerschluesselQuelle schluessel);

  // Rate of a VAT account as a fraction ("VORST0700" gives 0.07); 0 when none.
  double GetProzentSatzAusKonto(const std::string& KontoName) const;
  // One of the ten VAT accounts of the settings or the foreign-tax account.
  bool IstNormOderReduSteuer(const std::string& AKonto) const;
  bool KontoIstSteuerEG(const std::string& AKonto) const;
  // The exporter's tax key for a tax account at a booking date; empty when none.
  std::string AKPrefixZuKonto(const std::string& AKonto, TDateTime ADatum) const;
  // The tax account of a tax key and its rate in percent (19.00).
  std::string SteuerSchlNachKonto(const std::string& ASteuerSchl, double& AProzent) const;

  // " " (no key) followed by the exporter's non-empty keys; built on first use.
  const std::vector<std::string>& Steuerschl_Liste();
  // Rebuilt on next use (the exporter changed).
  void Steuerschl_Liste_Freigeben() { liste_.reset(); }

 private:
  std::optional<int> SlotZuKonto(const std::string& konto, TDateTime datum) const;
  std::string KontoSteuernFremd() const;

  const TEinstellungen& einstellungen_;
  TKontoNameQuelle kontoSteuernFremd_;
  TSteuerschluesselQuelle schluessel_;
  std::optional<std::vector<std::string>> liste_;
};
