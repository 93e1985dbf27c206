// One record of a fixed-width export file. Positions and widths count characters, not
// bytes, so that a name with umlauts keeps every later field in its column. Text is cut
// to its field; a number that does not fit its field is refused, never cut: a cut amount
// would book a different sum.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TFesterSatz {
 public:
  // laenge: the record's width in characters, filled with fuell until a field is set.
  explicit TFesterSatz(std::size_t laenge, char32_t fuell = U' ');

  // Fields start at position von (1-based, as the formats' record descriptions count).
  // A field that reaches beyond the record throws std::out_of_range.

  // Left-aligned, padded with fuell, cut to the width.
  TFesterSatz& Text(std::size_t von, std::size_t breite, std::string_view wert,
                    char32_t fuell = U' ');
  // Right-aligned, padded in front, cut to the width from the left.
  TFesterSatz& TextRechts(std::size_t von, std::size_t breite, std::string_view wert,
                          char32_t fuell = U' ');
  // Right-aligned with fuell in front; a minus sign comes first. Throws
  // std::length_error when sign and digits need more than the width.
  TFesterSatz& Zahl(std::size_t von, std::size_t breite, long long wert, char32_t fuell = U'0');
  // An amount in its smallest unit (nachkomma decimals, no separator), rounded half away
  // from zero as the suite rounds; refused like Zahl when it does not fit.
  TFesterSatz& Betrag(std::size_t von, std::size_t breite, long double wert, int nachkomma,
                      char32_t fuell = U'0');

  std::size_t Laenge() const { return zeichen_.size(); }
  // The record as UTF-8.
  std::string Satz() const;

 private:
  void Setzen(std::size_t von, std::size_t breite, const std::u32string& feld);
  std::u32string zeichen_;
};
