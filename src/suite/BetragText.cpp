#include "suite/BetragText.h"

#include <cmath>

#include "suite/Format.h"

std::string BetragText(long double betrag) {
  const bool negativ = betrag < 0;
  const long long cent = std::llround(qtx_Round(std::fabs(betrag), 2) * 100.0L);
  std::string ganz = std::to_string(cent / 100);
  for (int stelle = static_cast<int>(ganz.size()) - 3; stelle > 0; stelle -= 3) {
    ganz.insert(static_cast<std::size_t>(stelle), ".");
  }
  // No "-0,00" for an amount that rounds to nothing.
  return (negativ && cent != 0 ? "-" : "") + ganz + Format(",%.2d", static_cast<int>(cent % 100));
}
