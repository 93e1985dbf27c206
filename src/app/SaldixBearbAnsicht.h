// Which columns the booking list shows and in which order its rows stand, as the further
// settings store them: "SICHTSPAL" names the shown columns by their position in the column
// table ("0;1;3"), "SORTIERUNG" the sort columns with U (ascending) or B (descending)
// ("7=U;0=B").
#pragma once

#include <string_view>
#include <vector>

#include "app/SaldixBearbListe.h"

struct TSortierSpalte {
  TSpalte Tag{};
  bool Aufsteigend = true;
  bool operator==(const TSortierSpalte&) const = default;
};

class TListenAnsicht {
 public:
  // Entries that name no column, a column the user may not choose, or no direction are
  // skipped; without a single usable column the table's own choice is shown.
  explicit TListenAnsicht(std::string_view spaltenConfig = {},
                          std::string_view sortierungConfig = {});

  // Tags of the shown columns in display order.
  const std::vector<TSpalte>& SichtbareSpalten() const { return sichtbar_; }
  const std::vector<TSortierSpalte>& Sortierung() const { return sortierung_; }

  // Orders the top-level rows by the sort columns; rows that compare equal keep their
  // order. Amount columns sort by the booking's amounts, not by the marked ones, so that
  // marking never moves a row.
  void Sortieren(TBuchungsListe& liste) const;

 private:
  std::vector<TSpalte> sichtbar_;
  std::vector<TSortierSpalte> sortierung_;
};

// Whether the settings may show or hide this column (the columns the table shows).
bool SpalteWaehlbar(int position);
