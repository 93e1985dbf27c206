// Documents read ahead in blocks of numbers. The bookings of a period refer to their
// documents in ascending numbers, in a few interleaved runs per computer (invoices, credit
// notes, bank movements...), so a block read once answers the next lookups of its run
// without a read each. When blocks stop paying off (lookups in no order), it reads single
// documents again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "suite/servers/TBelegServer.h"

class TBelegVorrat {
 public:
  explicit TBelegVorrat(TBelegServer& server) : server_(server) {}

  // The document (rnr, lnr, 0) with payment conditions and tax lines, possibly without
  // positions; nullptr when it does not exist. Valid until the next call.
  const TBeleg* Beleg(int rnr, int lnr);

 private:
  static constexpr int kBlockBits = 8;         // 256 numbers a block
  static constexpr std::size_t kBloecke = 16;  // kept at once, the least recently used goes
  // Blocks pay off while at least one document in this many read is asked for.
  static constexpr std::size_t kHoechstensGelesenJeTreffer = 8;
  static constexpr std::size_t kProbe = 4096;  // documents read before judging

  struct TBlock {
    int Rnr = 0;
    int Nr = 0;  // lnr >> kBlockBits
    std::vector<TBeleg> Belege;  // in number order
    std::uint64_t ZuletztGenutzt = 0;
  };

  TBlock& BlockZu(int rnr, int nr);
  bool LohntSich() const;

  TBelegServer& server_;
  std::vector<TBlock> bloecke_;
  std::uint64_t uhr_ = 0;
  std::size_t gelesen_ = 0;
  std::size_t treffer_ = 0;
};
