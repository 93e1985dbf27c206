#include "export/FesterSatz.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "suite/Format.h"
#include "suite/Utf8.h"

namespace {

bool IstAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

TFesterSatz::TFesterSatz(std::size_t laenge, char32_t fuell) : zeichen_(laenge, fuell) {}

void TFesterSatz::Setzen(std::size_t von, std::size_t breite, const std::u32string& feld) {
  if (von == 0 || von - 1 + breite > zeichen_.size()) {
    throw std::out_of_range("Feld ab Stelle " + std::to_string(von) + " mit " +
                            std::to_string(breite) + " Zeichen passt nicht in den Satz mit " +
                            std::to_string(zeichen_.size()) + " Zeichen");
  }
  zeichen_.replace(von - 1, breite, feld);
}

TFesterSatz& TFesterSatz::Text(std::size_t von, std::size_t breite, std::string_view wert,
                               char32_t fuell) {
  if (IstAscii(wert)) {
    // Plain ASCII needs no decoding: a byte is a character (a year of records is written
    // field by field).
    if (von == 0 || von - 1 + breite > zeichen_.size()) Setzen(von, breite, {});
    const std::size_t n = std::min(wert.size(), breite);
    for (std::size_t i = 0; i < n; ++i) zeichen_[von - 1 + i] = static_cast<unsigned char>(wert[i]);
    for (std::size_t i = n; i < breite; ++i) zeichen_[von - 1 + i] = fuell;
    return *this;
  }
  std::u32string feld = Utf8Decode(wert).substr(0, breite);
  feld.resize(breite, fuell);
  Setzen(von, breite, feld);
  return *this;
}

TFesterSatz& TFesterSatz::TextRechts(std::size_t von, std::size_t breite, std::string_view wert,
                                     char32_t fuell) {
  std::u32string text = Utf8Decode(wert);
  if (text.size() > breite) text.erase(0, text.size() - breite);
  Setzen(von, breite, std::u32string(breite - text.size(), fuell) + text);
  return *this;
}

TFesterSatz& TFesterSatz::Zahl(std::size_t von, std::size_t breite, long long wert,
                               char32_t fuell) {
  const bool negativ = wert < 0;
  // The magnitude as unsigned: -LLONG_MIN does not fit a long long.
  unsigned long long betrag =
      negativ ? 0ull - static_cast<unsigned long long>(wert) : static_cast<unsigned long long>(wert);
  std::u32string ziffern;
  do {
    ziffern.insert(ziffern.begin(), static_cast<char32_t>(U'0' + betrag % 10));
    betrag /= 10;
  } while (betrag != 0);
  const std::size_t noetig = ziffern.size() + (negativ ? 1 : 0);
  if (noetig > breite) {
    throw std::length_error("Der Wert " + std::to_string(wert) + " passt nicht in " +
                            std::to_string(breite) + " Stellen");
  }
  std::u32string feld;
  if (negativ && fuell == U'0') {
    feld = U"-" + std::u32string(breite - noetig, fuell) + ziffern;
  } else {
    feld = std::u32string(breite - noetig, fuell) + (negativ ? U"-" : U"") + ziffern;
  }
  Setzen(von, breite, feld);
  return *this;
}

TFesterSatz& TFesterSatz::Betrag(std::size_t von, std::size_t breite, long double wert,
                                 int nachkomma, char32_t fuell) {
  if (!std::isfinite(wert) || nachkomma < 0 || nachkomma > 6) {
    throw std::invalid_argument("Kein darstellbarer Betrag");
  }
  const long double skaliert = qtx_Round(wert, nachkomma) * std::pow(10.0L, nachkomma);
  if (std::fabs(skaliert) >= 9.2e18L) {
    throw std::length_error("Der Betrag passt nicht in " + std::to_string(breite) + " Stellen");
  }
  return Zahl(von, breite, std::llround(skaliert), fuell);
}

std::string TFesterSatz::Satz() const {
  std::string satz(zeichen_.size(), ' ');
  for (std::size_t i = 0; i < zeichen_.size(); ++i) {
    if (zeichen_[i] >= 0x80) return Utf8Encode(zeichen_);
    satz[i] = static_cast<char>(zeichen_[i]);
  }
  return satz;
}
