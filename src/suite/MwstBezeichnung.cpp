#include "suite/MwstBezeichnung.h"

#include <cstdio>

std::string GetMwstBezeichnung(const std::string& art, int satzHundertstel) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.4d", satzHundertstel);
  return art + digits;
}
