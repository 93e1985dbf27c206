// The suite's code tables of a document header: origin mark and payment kind, each code
// with a one-letter short form and a text. An unknown code gives empty texts.
#pragma once

#include <string>

#include "suite/db/Storage.h"

class TBelegKennzeichen {
 public:
  explicit TBelegKennzeichen(suitedb::Connection& connection) : connection_(connection) {}

  std::string Herkunftskennzeichen_2_Char(const std::string& kennzeichen);
  std::string Herkunftskennzeichen_2_String(const std::string& kennzeichen);
  std::string Zahlungsart_2_Kuerzel(const std::string& zahlungsart);
  std::string Zahlungsart_2_Bezeichnung(const std::string& zahlungsart);

 private:
  std::string Lesen(const char* sql, const std::string& code);

  suitedb::Connection& connection_;
};
