#include "suite/servers/TLarMani.h"

#include "suite/servers/Spalten.h"

std::vector<TIntTrio> TLarMani::Suchen(const std::string& filter) {
  auto stmt = connection_.Prepare(
      "SELECT rnr, lnr, snr FROM leistungsarten WHERE suchgruppe = ? ORDER BY rnr, lnr, snr");
  stmt->With(filter);
  std::vector<TIntTrio> gefunden;
  while (stmt->Step()) {
    gefunden.push_back(
        {Int32Spalte(*stmt, 0), Int32Spalte(*stmt, 1), static_cast<std::int16_t>(stmt->Int(2))});
  }
  return gefunden;
}
