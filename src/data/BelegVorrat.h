// Documents read ahead in number order. The bookings of a period refer to their documents
// in ascending numbers per computer, so reading a window of numbers at once answers the
// next lookups without a read each. A window that was hardly used shrinks the next one, so
// lookups in no order cost little more than single reads.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "suite/servers/TBelegServer.h"

class TBelegVorrat {
 public:
  explicit TBelegVorrat(TBelegServer& server) : server_(server) {}

  // The document (rnr, lnr, 0) with payment conditions and tax lines, without positions;
  // nullptr when it does not exist. Valid until the next call.
  const TBeleg* Beleg(int rnr, int lnr);

 private:
  static constexpr int kErstesFenster = 16;
  static constexpr int kGroesstesFenster = 1024;

  struct TFenster {
    int Von = 0, Bis = -1;  // numbers read; empty at first
    int Groesse = kErstesFenster;
    std::size_t Treffer = 0;
    std::vector<TBeleg> Belege;  // in number order
  };

  void NeuLesen(TFenster& fenster, int rnr, int lnr);

  TBelegServer& server_;
  std::unordered_map<int, TFenster> fenster_;  // by computer
};
