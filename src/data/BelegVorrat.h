// Documents read ahead in blocks of numbers. The bookings of a period refer to their
// documents in ascending numbers, in a few interleaved runs per computer (invoices, credit
// notes, bank movements...), so a block read once answers the next lookups of its run
// without a read each. When blocks stop paying off (lookups in no order), it reads single
// documents again. The thread that reads the bookings may read their blocks ahead.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "suite/servers/TBelegServer.h"

class TBelegVorrat {
 public:
  explicit TBelegVorrat(TBelegServer& server) : server_(server) {}

  // The document (rnr, lnr, 0) with payment conditions and tax lines, possibly without
  // positions; nullptr when it does not exist. Valid until the next call.
  const TBeleg* Beleg(int rnr, int lnr);

  // For the bookings' reading thread, with a server on that thread's connection: reads the
  // block of (rnr, lnr) before its first lookup, which then finds it read. Leaves it when
  // the block was asked for lately, when blocks do not pay off or when enough blocks wait.
  // A failed read is left to the lookup, which reads again and reports it.
  void Vorlesen(TBelegServer& server, int rnr, int lnr);

 private:
  static constexpr int kBlockBits = 8;         // 256 numbers a block
  static constexpr std::size_t kBloecke = 16;  // kept at once, the least recently used goes
  // Blocks pay off while at least one document in this many read is asked for.
  static constexpr std::size_t kHoechstensGelesenJeTreffer = 8;
  static constexpr std::size_t kProbe = 4096;  // documents read before judging
  // Blocks read ahead and not looked up yet; more are not read ahead.
  static constexpr std::size_t kWartendeBloecke = 64;

  using TSchluessel = std::pair<int, int>;  // rnr, block number

  struct TBlock {
    int Rnr = 0;
    int Nr = 0;  // lnr >> kBlockBits
    std::vector<TBeleg> Belege;  // in number order
    std::uint64_t ZuletztGenutzt = 0;
  };

  TBlock& BlockZu(int rnr, int nr);
  bool LohntSich() const;
  bool Abholen(const TSchluessel& schluessel, std::vector<TBeleg>& belege);

  TBelegServer& server_;
  std::vector<TBlock> bloecke_;
  std::uint64_t uhr_ = 0;
  std::size_t gelesen_ = 0;
  std::size_t treffer_ = 0;
  std::atomic<bool> lohntSich_ = true;

  std::mutex mutex_;  // guards vorgelesen_
  std::map<TSchluessel, std::vector<TBeleg>> vorgelesen_;
  // The reading thread's own: the blocks it asked for lately.
  std::vector<TSchluessel> zuletztVorgelesen_;
  std::size_t naechsterPlatz_ = 0;
};
