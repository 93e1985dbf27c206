#include "data/AbrechnungsJahr.h"

#include <stdexcept>

#include "suite/DateTime.h"
#include "suite/Guarded.h"
#include "suite/Text.h"

namespace {

constexpr int kMaxJahr = 9999;

}  // namespace

int TWirtschaftsjahrRegel::Jahr(TDateTime datum) const {
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(datum, jahr, monat, tag);
  const int beginnJahr = monat >= BeginnMonat ? jahr : jahr - 1;
  return NachEndjahr && BeginnMonat > 1 ? beginnJahr + 1 : beginnJahr;
}

TDateTime TWirtschaftsjahrRegel::Anfang(int jahr) const {
  const int beginnJahr = NachEndjahr && BeginnMonat > 1 ? jahr - 1 : jahr;
  return EncodeDate(beginnJahr, BeginnMonat, 1);
}

TDateTime TWirtschaftsjahrRegel::Ende(int jahr) const { return Anfang(jahr + 1) - 1; }

TWirtschaftsjahrRegel TAbrechnungsJahr::Regel(const TIntPair& firma) {
  auto& stmt = connection_.Cached(
      "SELECT wj_beginn_monat, wj_regel FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  stmt.With(firma.Nr1, firma.Nr2);
  if (!stmt.Step()) {
    stmt.Reset();
    throw std::runtime_error("Der Mandant " + qtx_TIntPair2String(firma) + " ist nicht angelegt.");
  }
  TWirtschaftsjahrRegel regel{static_cast<int>(stmt.Int(0)), stmt.Int(1) == 1};
  stmt.Reset();
  return regel;
}

int TAbrechnungsJahr::GetAbrJahr(const TIntPair& firma, TDateTime datum) {
  return Guarded("TSaldixDataModule.GetAbrJahr",
                 [&] { return datum <= 0 ? 0 : Regel(firma).Jahr(datum); });
}

TDateTime TAbrechnungsJahr::GetAnfangAbrJahr(const TIntPair& firma, int jahr) {
  return Guarded("TSaldixDataModule.GetAnfangAbrJahr", [&] {
    return jahr < 1 || jahr > kMaxJahr ? 0.0 : Regel(firma).Anfang(jahr);
  });
}

TDateTime TAbrechnungsJahr::GetEndeAbrJahr(const TIntPair& firma, int jahr) {
  return Guarded("TSaldixDataModule.GetEndeAbrJahr", [&] {
    return jahr < 1 || jahr > kMaxJahr ? 0.0 : Regel(firma).Ende(jahr);
  });
}
