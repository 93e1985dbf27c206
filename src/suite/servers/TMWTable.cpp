#include "suite/servers/TMWTable.h"

#include <cmath>

#include "suite/SuiteDatabase.h"

std::vector<TDateTime> TMWTable::MWST_AenderungAlle(const std::string& land, TDateTime bis) {
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT DISTINCT gueltig_ab FROM mwst_saetze WHERE land = ? AND gueltig_ab > 0"
      " AND gueltig_ab <= ? ORDER BY gueltig_ab");
  stmt->With(land, std::floor(bis) + 0.99999);
  std::vector<TDateTime> daten;
  while (stmt->Step()) daten.push_back(stmt->Real(0));
  return daten;
}

std::vector<TMWSatz> TMWTable::GetValidMWArray(const std::string& land, TDateTime datum) {
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT art, satz, bezeichnung, gueltig_ab FROM mwst_saetze s WHERE land = ?1"
      " AND gueltig_ab = (SELECT MAX(gueltig_ab) FROM mwst_saetze t WHERE t.land = s.land"
      " AND t.art = s.art AND t.gueltig_ab <= ?2) ORDER BY art");
  stmt->With(land, std::floor(datum) + 0.99999);
  std::vector<TMWSatz> saetze;
  while (stmt->Step()) {
    saetze.push_back({stmt->Text(0), static_cast<double>(stmt->Int(1)) / 100.0, stmt->Text(2),
                      stmt->Real(3)});
  }
  return saetze;
}
