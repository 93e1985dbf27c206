#include "data/FilialeErmittlung.h"

#include "suite/BGV.h"
#include "suite/Guarded.h"

namespace {

bool IstBelegVorfall(const std::string& bgv) {
  return bgv == BGV_ARE || bgv == BGV_ASG || bgv == BGV_ERT || bgv == BGV_AGU || bgv == BGV_ELA;
}

}  // namespace

template <typename Lookup>
int TFilialeErmittlung::Merken(TQuelle quelle, int rnr, int lnr, Lookup lookup) {
  if (quelle == MerkQuelle && rnr == MerkRNr && lnr == MerkLNr) return MerkFiliale;
  // The cache changes only after a successful read, so a failure is retried next time.
  const int filiale = lookup();
  MerkFiliale = filiale;
  MerkRNr = rnr;
  MerkLNr = lnr;
  MerkQuelle = quelle;
  return filiale;
}

int TFilialeErmittlung::GetFiliale(const TIntPair& firma, const std::string& bgv, int rnr,
                                   int lnr, const std::string& belegart, int belegRNr,
                                   int belegLNr) {
  return Guarded("TSaldixDataModule.GetFiliale", [&] {
    if (belegart == "KB") {
      return Merken(TQuelle::Kassenbericht, belegRNr, belegLNr, [&] {
        const auto filiale = quellen_.KassenberichtFiliale(belegRNr, belegLNr);
        return filiale ? *filiale : quellen_.RechnerFiliale(belegRNr);
      });
    }
    if (bgv == BGV_VERKALLG) {
      return Merken(TQuelle::Verkauf, rnr, lnr, [&] {
        const auto filiale = quellen_.VerkaufFiliale(firma, rnr, lnr);
        return filiale ? *filiale : quellen_.RechnerFiliale(rnr);
      });
    }
    if (belegart != "PN") {
      return Merken(TQuelle::Rechner, belegRNr, belegLNr,
                    [&] { return quellen_.RechnerFiliale(belegRNr); });
    }
    if (IstBelegVorfall(bgv)) {
      return Merken(TQuelle::Beleg, belegRNr, belegLNr,
                    [&] { return quellen_.BelegFiliale(belegRNr, belegLNr); });
    }
    return Merken(TQuelle::BuchungsRechner, rnr, lnr,
                  [&] { return quellen_.RechnerFiliale(rnr); });
  });
}
