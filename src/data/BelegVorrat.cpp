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
  TBlock* ziel = nullptr;
  if (bloecke_.size() < kBloecke) {
    ziel = &bloecke_.emplace_back();
  } else {
    ziel = &*std::min_element(bloecke_.begin(), bloecke_.end(), [](const TBlock& a, const TBlock& b) {
      return a.ZuletztGenutzt < b.ZuletztGenutzt;
    });
  }
  const int von = static_cast<int>(static_cast<unsigned>(nr) << kBlockBits);
  ziel->Rnr = rnr;
  ziel->Nr = nr;
  ziel->ZuletztGenutzt = uhr_;
  ziel->Belege = server_.BereichLesen(rnr, von, von + ((1 << kBlockBits) - 1));
  gelesen_ += ziel->Belege.size();
  return *ziel;
}
