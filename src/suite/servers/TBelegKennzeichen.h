// The suite's code tables of a document header: origin mark and payment kind, each code
// with a one-letter short form and a text. An unknown code gives empty texts. Both tables
// are small and asked for every booking of an export, so each is read once.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "suite/db/Storage.h"

class TBelegKennzeichen {
 public:
  explicit TBelegKennzeichen(suitedb::Connection& connection) : connection_(connection) {}

  std::string Herkunftskennzeichen_2_Char(const std::string& kennzeichen);
  std::string Herkunftskennzeichen_2_String(const std::string& kennzeichen);
  std::string Zahlungsart_2_Kuerzel(const std::string& zahlungsart);
  std::string Zahlungsart_2_Bezeichnung(const std::string& zahlungsart);

 private:
  // Code -> (short form, text).
  using TTabelle = std::map<std::string, std::pair<std::string, std::string>>;
  const TTabelle& Tabelle(std::optional<TTabelle>& tabelle, const char* sql);
  const TTabelle& Herkuenfte();
  const TTabelle& Zahlungsarten();
  static const std::pair<std::string, std::string>& Eintrag(const TTabelle& tabelle,
                                                            const std::string& code);

  suitedb::Connection& connection_;
  std::optional<TTabelle> herkuenfte_, zahlungsarten_;
};
