// A postal address as the suite keeps it for partners and documents.
#pragma once

#include <string>

#include "suite/db/Storage.h"

struct TAdresse {
  std::string Vorname;
  std::string Name;
  std::string Strasse;
  std::string Hausnummer;
  std::string Land;
  std::string Plz;
  std::string Ort;
};

// Reads seven neighbouring columns in the order of the struct.
inline TAdresse AdresseAusZeile(const suitedb::Statement& stmt, int column) {
  return {stmt.Text(column),     stmt.Text(column + 1), stmt.Text(column + 2),
          stmt.Text(column + 3), stmt.Text(column + 4), stmt.Text(column + 5),
          stmt.Text(column + 6)};
}
