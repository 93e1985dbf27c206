#include "formats/datev/DatevTabellen.h"

#include <vector>

namespace datev {
namespace {

constexpr std::array<TDatevInhalt, CAnzahlInhalte> kInhalte{{
    {"", "", ""},
    {"FIRMA", "Name der Firma", "Firmenname"},
    {"LFDNR", "Lfd-Nr innerhalb eines WJ", "Lfd-Nr"},
    {"BUCHDATUM1", "Buchungsdatum im Format JJJJ-MM-TT", "Buchungsdatum"},
    {"BUCHDATUM2", "Buchungsdatum im Format JJMMTT", "Buchungsdatum"},
    {"BUCHDATUM3", "Buchungsdatum im Format TT.MM.JJJJ", "Buchungsdatum"},
    {"BELEGDATUM1", "Belegdatum im Format JJJJ-MM-TT", "Belegdatum"},
    {"BELEGDATUM2", "Belegdatum im Format JJMMTT", "Belegdatum"},
    {"BELEGDATUM3", "Belegdatum im Format TT.MM.JJJJ", "Belegdatum"},
    {"DOKUMENTART", "Dokumentenart (R - Rechnung/G - Gutschrift)", "Dokumentenart"},
    {"LIEFERLAND", "Lieferland (nur für Belege)", "Lieferland"},
    {"STEUERSATZ", "Steuersatz (nur für Belege)", "Steuersatz"},
    {"ORDERID", "Order-ID", "Order-ID"},
    {"BELEGNR", "Belegnummer", "Belegnummer"},
    {"EXTBELEGNR", "Ext. BelegNr.", "Ext. BelegNr."},
    {"HERKUNFT1", "Herkunft-Kürzel", "Herkunft"},
    {"HERKUNFT2", "Herkunft als Text", "Herkunft"},
    {"SUBHERKUNFT", "Subherkunft", "Subherkunft"},
    {"ZAHLART1", "Zahlungsart-Kürzel", "Zahlungsart"},
    {"ZAHLART2", "Zahlungsart als Text", "Zahlungsart"},
    {"KUNDENNR", "Kundennummer", "Kundennummer"},
    {"VERSANDK", "Versandkosten", "Versandkosten"},
    {"ZAHLREFER", "Zahlungsreferenz", "Zahlungsreferenz"},
    {"GUTSCHEIN", "Gutscheinwert", "Gutscheinwert"},
    {"LIEFERADR", "Lieferadresse (nur für Belege)", "Lieferadresse"},
}};

std::array<TDatevFeld, CAnzahlFelder> BaueFelder() {
  std::array<TDatevFeld, CAnzahlFelder> felder;
  auto zweistellig = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  for (int n = 1; n <= CAnzahlBelegFelder; ++n) {
    felder[n - 1] = {"BELEG" + zweistellig(n), "Beleg-Information " + std::to_string(n)};
  }
  for (int n = 1; n <= CAnzahlZusatzFelder; ++n) {
    felder[CAnzahlBelegFelder + n - 1] = {"ZUSATZ" + zweistellig(n),
                                          "Zusatzinformation " + std::to_string(n)};
  }
  return felder;
}

std::vector<std::string> Spalten510() {
  std::vector<std::string> s = {
      "Umsatz (ohne Soll/Haben-Kz)", "Soll/Haben-Kennzeichen", "WKZ Umsatz", "Kurs",
      "Basis-Umsatz", "WKZ Basis-Umsatz", "Konto", "Gegenkonto (ohne BU-Schl³ssel)",
      "BU-Schl³ssel", "Belegdatum", "Belegfeld 1", "Belegfeld 2", "Skonto", "Buchungstext",
      "Postensperre", "Diverse Adressnummer", "Geschõftspartnerbank", "Sachverhalt",
      "Zinssperre", "Beleglink"};
  for (int n = 1; n <= 8; ++n) {
    s.push_back("Beleginfo - Art " + std::to_string(n));
    s.push_back("Beleginfo - Inhalt " + std::to_string(n));
  }
  for (const char* name :
       {"KOST1 - Kostenstelle", "KOST2 - Kostenstelle", "Kost-Menge", "EU-Land u. UStID",
        "EU-Steuersatz", "Abw. Versteuerungsart", "Sachverhalt L+L", "Funktionsergõnzung L+L",
        "BU 49 Hauptfunktionstyp", "BU 49 Hauptfunktionsnummer", "BU 49 Funktionsergõnzung"}) {
    s.push_back(name);
  }
  for (int n = 1; n <= 20; ++n) {
    s.push_back("Zusatzinformation - Art " + std::to_string(n));
    s.push_back("Zusatzinformation- Inhalt " + std::to_string(n));
  }
  for (const char* name :
       {"St³ck", "Gewicht", "Zahlweise", "Forderungsart", "Veranlagungsjahr",
        "Zugeordnete Fõlligkeit", "Skontotyp", "Auftragsnummer", "Buchungstyp",
        "Ust-Schl³ssel (Anzahlungen)", "EU-Land (Anzahlungen)", "Sachverhalt L+L (Anzahlungen)",
        "EU-Steuersatz (Anzahlungen)", "Erl÷skonto (Anzahlungen)", "Herkunft-Kz", "Leerfeld",
        "KOST-Datum", "Mandatsreferenz", "Skontosperre", "Gesellschaftername",
        "Beteiligtennummer", "Identifikationsnummer", "Zeichnernummer", "Postensperre bis",
        "Bezeichnung SoBil-Sachverhalt", "Kennzeichen SoBil-Buchung", "Festschreibung",
        "Leistungsdatum", "Datum Zuord.Steuerperiode"}) {
    s.push_back(name);
  }
  return s;
}

std::vector<std::string> Spalten700() {
  std::vector<std::string> s = Spalten510();
  s[40 - 1] = "EU-Land u. UStID (Bestimmung)";
  s[41 - 1] = "EU-Steuersatz (Bestimmung)";
  s[103 - 1] = "Buchungs GUID";
  s[105 - 1] = "SEPA-Mandatsreferenz";
  for (const char* name :
       {"Fälligkeit", "Generalumkehr (GU)", "Steuersatz", "Land", "Abrechnungsreferenz",
        "BVV-Position", "EU-Land u. UStID (Ursprung)", "EU-Steuersatz (Ursprung)"}) {
    s.push_back(name);
  }
  return s;
}

std::string Verbinde(const std::vector<std::string>& namen) {
  std::string zeile;
  for (const auto& name : namen) {
    if (!zeile.empty()) zeile += ';';
    zeile += name;
  }
  return zeile;
}

constexpr std::array<const char*, CAnzahlSteuerarten> kSteuer510{
    "2", "4", "3", "4", "5", "8", "6", "9", "6", "7", "10", ""};

}  // namespace

const TDatevInhalt& DatevInhalt(int nummer) {
  if (nummer < 0 || nummer >= CAnzahlInhalte) return kInhalte[0];
  return kInhalte[static_cast<std::size_t>(nummer)];
}

int DatevInhaltNummer(std::string_view kennung) {
  if (kennung.empty()) return diKeiner;
  for (int n = 1; n < CAnzahlInhalte; ++n) {
    if (kInhalte[static_cast<std::size_t>(n)].Kennung == kennung) return n;
  }
  return diKeiner;
}

const std::array<TDatevFeld, CAnzahlFelder>& DatevFelder() {
  static const std::array<TDatevFeld, CAnzahlFelder> felder = BaueFelder();
  return felder;
}

std::string DatevFeldBezeichnung(std::string_view kennung) {
  for (const auto& feld : DatevFelder()) {
    if (feld.Kennung == kennung) return feld.Bezeichnung;
  }
  return {};
}

const std::string& DatevSpaltenzeile510() {
  static const std::string zeile = Verbinde(Spalten510());
  return zeile;
}

const std::string& DatevSpaltenzeile700() {
  static const std::string zeile = Verbinde(Spalten700());
  return zeile;
}

std::string DatevSteuerschluessel510(int steuerart) {
  if (steuerart < 0 || steuerart >= CAnzahlSteuerarten) return {};
  return kSteuer510[static_cast<std::size_t>(steuerart)];
}

std::string DatevSteuerschluessel700(int steuerart) {
  constexpr int kUstEG = 10;
  if (steuerart == kUstEG) return "240";
  return DatevSteuerschluessel510(steuerart);
}

}  // namespace datev
