#include "suite/servers/LaenderCode.h"

#include <array>

#include "suite/Text.h"

namespace {

struct Land {
  std::string_view kuerzel;
  std::string_view iso;
};

constexpr std::array kLaender = {
    Land{"D", "DE"},   Land{"A", "AT"},   Land{"CH", "CH"},  Land{"FL", "LI"},
    Land{"I", "IT"},   Land{"F", "FR"},   Land{"NL", "NL"},  Land{"B", "BE"},
    Land{"L", "LU"},   Land{"DK", "DK"},  Land{"S", "SE"},   Land{"FIN", "FI"},
    Land{"N", "NO"},   Land{"PL", "PL"},  Land{"CZ", "CZ"},  Land{"SK", "SK"},
    Land{"H", "HU"},   Land{"SLO", "SI"}, Land{"HR", "HR"},  Land{"E", "ES"},
    Land{"P", "PT"},   Land{"GR", "GR"},  Land{"IRL", "IE"}, Land{"GB", "GB"},
    Land{"UK", "GB"},  Land{"EST", "EE"}, Land{"LV", "LV"},  Land{"LT", "LT"},
    Land{"M", "MT"},   Land{"CY", "CY"},  Land{"RO", "RO"},  Land{"BG", "BG"},
    Land{"USA", "US"}, Land{"TR", "TR"},  Land{"IS", "IS"},  Land{"MC", "MC"},
};

}  // namespace

std::string QTX_LaenderCode_Kuerzel_2_ISO(std::string_view kuerzel) {
  const std::string code = Trim(kuerzel);
  for (const auto& land : kLaender) {
    if (qtx_strmatch(land.kuerzel, code)) return std::string(land.iso);
  }
  return {};
}
