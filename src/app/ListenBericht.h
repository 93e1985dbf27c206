// What the suite's report service prints: a title, the heading lines (client, period,
// settlement), the columns, the rows with their group levels and a total line, split into
// pages of a fixed number of rows. Built here without Qt; a view draws it.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class TSaldixBearbeiten;
class TSaldixAuswFBEX;
struct TAbstimmungsListe;

struct TBerichtSpalte {
  std::string Titel;
  bool Rechts = false;   // amounts and numbers
  std::size_t Breite = 0;  // in characters: the longest of heading and cells
};

struct TBerichtZeile {
  std::vector<std::string> Zellen;
  int Ebene = 0;        // 0 top level; members indented below their group
  bool Gruppe = false;  // a group row: its sums in bold
};

struct TBericht {
  std::string Titel;
  std::vector<std::string> Kopf;
  std::vector<TBerichtSpalte> Spalten;
  std::vector<TBerichtZeile> Zeilen;  // the total line is the last, when there is one
};

// The rows of each page: [begin, end) ranges, at least one page.
std::vector<std::pair<std::size_t, std::size_t>> BerichtSeiten(std::size_t zeilen,
                                                               std::size_t proSeite);

// The booking list as shown: its columns, its rows in display order (groups with their
// sums, members below) and the totals of the marked rows. The attachment lists the
// top-level rows only, one line per booking or group.
TBericht BuchungslisteBericht(const TSaldixBearbeiten& liste, const std::string& mandant,
                              bool anhang);

// The settlements the journal dialog lists (deleted ones marked as such), as shown.
TBericht JournalBericht(const TSaldixAuswFBEX& journal);

// One list of the cash-report reconciliation with its shown columns.
TBericht AbstimmungsBericht(const TAbstimmungsListe& liste, const std::string& mandant,
                            const std::string& zeitraum);
