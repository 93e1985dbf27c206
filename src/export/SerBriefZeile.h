// Builds the lines of the column-export dialog's file from the values of one row:
// delimited through the shared delimited-line writer or fixed width through the shared
// fixed-width record, amounts with the layout's decimal separator and dates in its format.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "export/SerBriefLayout.h"
#include "export/TrennZeile.h"

class TSerBriefZeile {
 public:
  // spalten: the catalogue column of each layout column, in the layout's order.
  TSerBriefZeile(const TSerBriefLayout& layout, std::vector<const TSerBriefSpalte*> spalten);

  // The headings of the layout's columns.
  std::string Kopfzeile();
  // One row; werte[i] belongs to the i-th column. Throws std::length_error when a number
  // does not fit its fixed-width column: a cut amount would book a different sum.
  const std::string& Zeile(const std::vector<std::string>& werte);

 private:
  // The value as the layout writes it: amounts trimmed and with its decimal separator,
  // dates in its format.
  std::string_view Wert(std::size_t spalte, const std::string& wert);
  void Feld(std::size_t spalte, std::string_view wert);
  void FesteZeile(const std::vector<std::string_view>& werte, bool kopf);

  const TSerBriefLayout& layout_;
  std::vector<const TSerBriefSpalte*> spalten_;
  TTrennZeile trennZeile_;
  std::string zeile_;
  std::string puffer_;
  std::vector<std::string> umgeformt_;
  std::vector<std::string_view> feste_;
  bool datumUmformen_;
  char programmDezimal_;
};
