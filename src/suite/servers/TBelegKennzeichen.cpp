#include "suite/servers/TBelegKennzeichen.h"

std::string TBelegKennzeichen::Lesen(const char* sql, const std::string& code) {
  if (code.empty()) return {};
  auto& stmt = connection_.Cached(sql);
  stmt.With(code);
  std::string text = stmt.Step() ? stmt.Text(0) : std::string();
  stmt.Reset();
  return text;
}

std::string TBelegKennzeichen::Herkunftskennzeichen_2_Char(const std::string& kennzeichen) {
  return Lesen("SELECT kuerzel FROM herkunftskennzeichen WHERE kennzeichen = ?", kennzeichen);
}

std::string TBelegKennzeichen::Herkunftskennzeichen_2_String(const std::string& kennzeichen) {
  return Lesen("SELECT text FROM herkunftskennzeichen WHERE kennzeichen = ?", kennzeichen);
}

std::string TBelegKennzeichen::Zahlungsart_2_Kuerzel(const std::string& zahlungsart) {
  return Lesen("SELECT kuerzel FROM zahlungsarten WHERE zahlungsart = ?", zahlungsart);
}

std::string TBelegKennzeichen::Zahlungsart_2_Bezeichnung(const std::string& zahlungsart) {
  return Lesen("SELECT bezeichnung FROM zahlungsarten WHERE zahlungsart = ?", zahlungsart);
}
