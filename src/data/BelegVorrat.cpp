#include "data/BelegVorrat.h"

#include <algorithm>

const TBeleg* TBelegVorrat::Beleg(int rnr, int lnr) {
  if (!LohntSich()) {
    return server_.Lesen({rnr, lnr, 0}, true) ? server_.AktBeleg() : nullptr;
  }
  const TBlock& block = BlockZu(rnr, lnr >> kBlockBits);
  const auto it = std::lower_bound(
      block.Belege.begin(), block.Belege.end(), lnr,
      [](const TBeleg& beleg, int nummer) { return beleg.Kopf.Ident.LNr < nummer; });
  if (it == block.Belege.end() || it->Kopf.Ident.LNr != lnr) return nullptr;
  ++treffer_;
  return &*it;
}

bool TBelegVorrat::LohntSich() const {
  return gelesen_ < kProbe || treffer_ * kHoechstensGelesenJeTreffer >= gelesen_;
}

TBelegVorrat::TBlock& TBelegVorrat::BlockZu(int rnr, int nr) {
  ++uhr_;
  for (TBlock& block : bloecke_) {
    if (block.Rnr == rnr && block.Nr == nr) {
      block.ZuletztGenutzt = uhr_;
      return block;
    }
  }
  // Read first: a read that fails leaves every block as it was, so no block claims numbers
  // it does not hold.
  const int von = static_cast<int>(static_cast<unsigned>(nr) << kBlockBits);
  std::vector<TBeleg> belege = server_.BereichLesen(rnr, von, von + ((1 << kBlockBits) - 1));
  gelesen_ += belege.size();
  TBlock* ziel = nullptr;
  if (bloecke_.size() < kBloecke) {
    ziel = &bloecke_.emplace_back();
  } else {
    ziel = &*std::min_element(bloecke_.begin(), bloecke_.end(), [](const TBlock& a, const TBlock& b) {
      return a.ZuletztGenutzt < b.ZuletztGenutzt;
    });
  }
  *ziel = {rnr, nr, std::move(belege), uhr_};
  return *ziel;
}
