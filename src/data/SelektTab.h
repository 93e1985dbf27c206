// One export-journal line in memory: the range of exported bookings of one computer.
#pragma once

#include <cstdint>
#include <vector>

#include "suite/Types.h"

struct TSelektItem {
  std::int32_t RNr = 0;
  std::int32_t LNrVon = 0;
  std::int32_t SNrVon = 0;
  std::int32_t LNrBis = 0;
  std::int32_t SNrBis = 0;
};

using TSelektTab = std::vector<TSelektItem>;

// Enters a booking into the range table: the first booking of a computer creates its
// line, later ones widen the bounds (transaction number first, then running number).
inline void SelektTabEintragen(TSelektTab& tab, const TIntTrio& ident) {
  for (auto& item : tab) {
    if (item.RNr != ident.RNr) continue;
    if (ident.LNr < item.LNrVon || (ident.LNr == item.LNrVon && ident.SNr < item.SNrVon)) {
      item.LNrVon = ident.LNr;
      item.SNrVon = ident.SNr;
    }
    if (ident.LNr > item.LNrBis || (ident.LNr == item.LNrBis && ident.SNr > item.SNrBis)) {
      item.LNrBis = ident.LNr;
      item.SNrBis = ident.SNr;
    }
    return;
  }
  tab.push_back({ident.RNr, ident.LNr, ident.SNr, ident.LNr, ident.SNr});
}
