#include "suite/servers/TBelegKennzeichen.h"

const TBelegKennzeichen::TTabelle& TBelegKennzeichen::Tabelle(std::optional<TTabelle>& tabelle,
                                                              const char* sql) {
  if (!tabelle) {
    TTabelle gelesen;
    auto& stmt = connection_.Cached(sql);
    while (stmt.Step()) gelesen.emplace(stmt.Text(0), std::make_pair(stmt.Text(1), stmt.Text(2)));
    stmt.Reset();
    tabelle = std::move(gelesen);
  }
  return *tabelle;
}

const TBelegKennzeichen::TTabelle& TBelegKennzeichen::Herkuenfte() {
  return Tabelle(herkuenfte_, "SELECT kennzeichen, kuerzel, text FROM herkunftskennzeichen");
}

const TBelegKennzeichen::TTabelle& TBelegKennzeichen::Zahlungsarten() {
  return Tabelle(zahlungsarten_, "SELECT zahlungsart, kuerzel, bezeichnung FROM zahlungsarten");
}

const std::pair<std::string, std::string>& TBelegKennzeichen::Eintrag(const TTabelle& tabelle,
                                                                     const std::string& code) {
  static const std::pair<std::string, std::string> kUnbekannt;
  const auto it = tabelle.find(code);
  return it == tabelle.end() ? kUnbekannt : it->second;
}

std::string TBelegKennzeichen::Herkunftskennzeichen_2_Char(const std::string& kennzeichen) {
  return Eintrag(Herkuenfte(), kennzeichen).first;
}

std::string TBelegKennzeichen::Herkunftskennzeichen_2_String(const std::string& kennzeichen) {
  return Eintrag(Herkuenfte(), kennzeichen).second;
}

std::string TBelegKennzeichen::Zahlungsart_2_Kuerzel(const std::string& zahlungsart) {
  return Eintrag(Zahlungsarten(), zahlungsart).first;
}

std::string TBelegKennzeichen::Zahlungsart_2_Bezeichnung(const std::string& zahlungsart) {
  return Eintrag(Zahlungsarten(), zahlungsart).second;
}
