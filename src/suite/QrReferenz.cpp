#include "suite/QrReferenz.h"

#include <cstdio>

namespace {

std::string NurZiffern(std::string_view text) {
  std::string ziffern;
  for (const char c : text) {
    if (c >= '0' && c <= '9') ziffern += c;
  }
  return ziffern;
}

std::string Feld(std::string_view text, std::size_t breite) {
  std::string ziffern = NurZiffern(text);
  if (ziffern.size() > breite) return ziffern.substr(ziffern.size() - breite);
  return std::string(breite - ziffern.size(), '0') + ziffern;
}

}  // namespace

std::string Formatiere_QR_Belegnummer(int teil1, int teil2, int teil3) {
  char text[48];
  std::snprintf(text, sizeof text, "%d%.4d%.6d", teil1, teil2, teil3);
  return text;
}

int QR_Pruefziffer(std::string_view ziffern) {
  static constexpr int kTabelle[10] = {0, 9, 4, 6, 8, 2, 7, 1, 3, 5};
  int uebertrag = 0;
  for (const char c : ziffern) {
    if (c < '0' || c > '9') continue;
    uebertrag = kTabelle[(uebertrag + (c - '0')) % 10];
  }
  return (10 - uebertrag) % 10;
}

std::string Formatiere_QR_Referenz(std::string_view belegnummer, std::string_view kundennummer) {
  if (NurZiffern(belegnummer).empty()) return {};
  const std::string ziffern = Feld(kundennummer, 10) + Feld(belegnummer, 16);
  return ziffern + static_cast<char>('0' + QR_Pruefziffer(ziffern));
}
