#include "data/SteuerKonten.h"

#include <array>

#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/Text.h"

namespace {

enum class Satz { Redu, Norm, Spez, ReduAlt, NormAlt };

const std::string& SatzText(const TEinstellungen& e, Satz satz) {
  switch (satz) {
    case Satz::Redu: return e.MwStReduAsString4;
    case Satz::Norm: return e.MwStNormAsString4;
    case Satz::Spez: return e.MwStSpezAsString4;
    case Satz::ReduAlt: return e.MwStReduAltAsString4;
    case Satz::NormAlt: return e.MwStNormAltAsString4;
  }
  return e.MwStNormAsString4;
}

struct SteuerKontoZeile {
  const char* prefix;  // "MWST" or "VORST"
  Satz satz;
  int slotFrueh;       // booking before the change date
  int slotSonst;
};

// Order of comparison; for early bookings current and former keys swap.
constexpr std::array<SteuerKontoZeile, 10> kSteuerKonten = {{
    {"MWST", Satz::Redu, 3, 0},
    {"MWST", Satz::Norm, 4, 2},
    {"VORST", Satz::Redu, 8, 5},
    {"VORST", Satz::Norm, 9, 7},
    {"MWST", Satz::Spez, 1, 1},
    {"VORST", Satz::Spez, 6, 6},
    {"MWST", Satz::ReduAlt, 0, 3},
    {"VORST", Satz::ReduAlt, 5, 8},
    {"MWST", Satz::NormAlt, 2, 4},
    {"VORST", Satz::NormAlt, 7, 9},
}};

// Rates of the slots 0-4 (output VAT) and 5-9 (input VAT).
constexpr std::array<Satz, 5> kSatzJeSlot = {Satz::Redu, Satz::Spez, Satz::Norm, Satz::ReduAlt,
                                             Satz::NormAlt};

}  // namespace

TSteuerKonten::TSteuerKonten(const TEinstellungen& einstellungen,
                             TKontoNameQuelle kontoSteuernFremd, TSteuerschluesselQuelle schluessel)
    : einstellungen_(einstellungen),
      kontoSteuernFremd_(std::move(kontoSteuernFremd)),
      schluessel_(std::move(schluessel)) {}

std::string TSteuerKonten::KontoSteuernFremd() const {
  return kontoSteuernFremd_ ? kontoSteuernFremd_() : std::string();
}

double TSteuerKonten::GetProzentSatzAusKonto(const std::string& KontoName) const {
  return Guarded("TSaldixDataModule.GetProzentSatzAusKonto", [&]() -> double {
    std::size_t start = std::string::npos;
    if (const auto pos = KontoName.find("MWST"); pos != std::string::npos) {
      start = pos + 4;
    } else if (const auto vpos = KontoName.find("VORST"); vpos != std::string::npos) {
      start = vpos + 5;
    }
    if (start == std::string::npos) return 0.0;
    return StrToIntDef(KontoName.substr(start, 4), 0) / 10000.0;
  });
}

bool TSteuerKonten::IstNormOderReduSteuer(const std::string& AKonto) const {
  return Guarded("TSaldixDataModule.IstNormOderReduSteuer", [&] {
    for (const auto& zeile : kSteuerKonten) {
      if (qtx_strmatch(AKonto, zeile.prefix + SatzText(einstellungen_, zeile.satz))) return true;
    }
    return KontoIstSteuerEG(AKonto);
  });
}

bool TSteuerKonten::KontoIstSteuerEG(const std::string& AKonto) const {
  return Guarded("TSaldixDataModule.KontoIstSteuerEG", [&] {
    // An unknown foreign-tax account must not make an empty account a tax account.
    const std::string fremd = KontoSteuernFremd();
    return !fremd.empty() && qtx_strmatch(AKonto, fremd);
  });
}

std::optional<int> TSteuerKonten::SlotZuKonto(const std::string& konto, TDateTime datum) const {
  const bool frueh = datum > 0 && datum < einstellungen_.MwStAbDatum;
  for (const auto& zeile : kSteuerKonten) {
    if (qtx_strmatch(konto, zeile.prefix + SatzText(einstellungen_, zeile.satz))) {
      return frueh ? zeile.slotFrueh : zeile.slotSonst;
    }
  }
  if (KontoIstSteuerEG(konto)) return CSlotUstEG;
  return std::nullopt;
}

std::string TSteuerKonten::AKPrefixZuKonto(const std::string& AKonto, TDateTime ADatum) const {
  return Guarded("TSaldixDataModule.AKPrefixZuKonto", [&]() -> std::string {
    const auto slot = SlotZuKonto(AKonto, ADatum);
    return slot && schluessel_ ? schluessel_(*slot) : std::string();
  });
}

std::string TSteuerKonten::SteuerSchlNachKonto(const std::string& ASteuerSchl,
                                               double& AProzent) const {
  AProzent = 0;
  return Guarded("TSaldixDataModule.SteuerSchlNachKonto", [&]() -> std::string {
    if (!schluessel_) return {};
    for (int slot = 0; slot < CSteuerSlotAnzahl; ++slot) {
      // A slot without a key has no tax account; an empty key must not find one.
      const std::string key = schluessel_(slot);
      if (key.empty() || !qtx_strmatch(key, ASteuerSchl)) continue;
      if (slot == CSlotUstEG) return KontoSteuernFremd();
      if (slot == CSlotVstOhne) return {};
      const std::string& satz = SatzText(einstellungen_, kSatzJeSlot[slot % 5]);
      AProzent = StrToIntDef(satz, 0) / 100.0;
      return (slot < 5 ? "MWST" : "VORST") + satz;
    }
    return {};
  });
}

const std::vector<std::string>& TSteuerKonten::Steuerschl_Liste() {
  if (!liste_) {
    std::vector<std::string> liste{" "};
    Guarded("TSaldixDataModule.Steuerschl_Liste", [&] {
      if (!schluessel_) return;
      for (int slot = 0; slot < CSteuerSlotAnzahl; ++slot) {
        std::string key = schluessel_(slot);
        if (!key.empty()) liste.push_back(std::move(key));
      }
    });
    liste_ = std::move(liste);
  }
  return *liste_;
}
