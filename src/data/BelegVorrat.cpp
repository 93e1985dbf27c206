#include "data/BelegVorrat.h"

#include <algorithm>

const TBeleg* TBelegVorrat::Beleg(int rnr, int lnr) {
  const bool lohntSich = LohntSich();
  lohntSich_.store(lohntSich, std::memory_order_relaxed);
  if (!lohntSich) {
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
  std::vector<TBeleg> belege;
  if (!Abholen({rnr, nr}, belege)) {
    const int von = static_cast<int>(static_cast<unsigned>(nr) << kBlockBits);
    belege = server_.BereichLesen(rnr, von, von + ((1 << kBlockBits) - 1));
  }
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

bool TBelegVorrat::Abholen(const TSchluessel& schluessel, std::vector<TBeleg>& belege) {
  std::lock_guard lock(mutex_);
  const auto it = vorgelesen_.find(schluessel);
  if (it == vorgelesen_.end()) return false;
  belege = std::move(it->second);
  vorgelesen_.erase(it);
  return true;
}

void TBelegVorrat::Vorlesen(TBelegServer& server, int rnr, int lnr) {
  if (!lohntSich_.load(std::memory_order_relaxed)) return;
  const TSchluessel schluessel{rnr, lnr >> kBlockBits};
  if (std::find(zuletztVorgelesen_.begin(), zuletztVorgelesen_.end(), schluessel) !=
      zuletztVorgelesen_.end()) {
    return;
  }
  if (zuletztVorgelesen_.size() < kBloecke) {
    zuletztVorgelesen_.push_back(schluessel);
  } else {
    zuletztVorgelesen_[naechsterPlatz_] = schluessel;
    naechsterPlatz_ = (naechsterPlatz_ + 1) % kBloecke;
  }
  {
    std::lock_guard lock(mutex_);
    if (vorgelesen_.size() >= kWartendeBloecke || vorgelesen_.count(schluessel) != 0) return;
  }
  const int von = static_cast<int>(static_cast<unsigned>(schluessel.second) << kBlockBits);
  std::vector<TBeleg> belege;
  try {
    belege = server.BereichLesen(rnr, von, von + ((1 << kBlockBits) - 1));
  } catch (const std::exception&) {
    return;
  }
  std::lock_guard lock(mutex_);
  vorgelesen_.emplace(schluessel, std::move(belege));
}
