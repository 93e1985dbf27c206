#include "data/EinstellungenWerte.h"

#include <cstdio>
#include <limits>

#include "suite/Format.h"

namespace {

// Distinguishes "not a number" from any stored number.
bool ParseInt(std::string_view text, int& value) {
  constexpr long long kKeineZahl = std::numeric_limits<long long>::min();
  const long long parsed = StrToInt64Def(text, kKeineZahl);
  if (parsed == kKeineZahl || parsed < std::numeric_limits<int>::min() ||
      parsed > std::numeric_limits<int>::max()) {
    return false;
  }
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

std::string PaarAlsText(const TIntPair& pair) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9d/%.9d", pair.Nr1, pair.Nr2);
  return text;
}

std::optional<TIntPair> PaarAusText(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  TIntPair pair;
  if (!ParseInt(text.substr(0, slash), pair.Nr1) || !ParseInt(text.substr(slash + 1), pair.Nr2)) {
    return std::nullopt;
  }
  return pair;
}
