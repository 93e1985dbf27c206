#include "support/FormatFall.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "suite/DateTime.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> DateiZeilen(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  if (!in) throw std::runtime_error("nicht lesbar: " + datei.string());
  std::vector<std::string> zeilen;
  for (std::string zeile; std::getline(in, zeile);) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    zeilen.push_back(zeile);
  }
  return zeilen;
}

}  // namespace

// dd.mm.yyyy, optionally followed by hh:mm:ss and .zzz.
TDateTime FallDatum(const std::string& text) {
  int tag = 0, monat = 0, jahr = 0, stunde = 0, minute = 0, sekunde = 0, milli = 0;
  const int gelesen = std::sscanf(text.c_str(), "%d.%d.%d %d:%d:%d.%d", &tag, &monat, &jahr,
                                  &stunde, &minute, &sekunde, &milli);
  if (gelesen != 3 && gelesen != 6 && gelesen != 7) throw std::runtime_error("kein Datum: " + text);
  return EncodeDateTime(jahr, monat, tag, stunde, minute, sekunde, milli);
}

namespace {

int FallZahl(const std::string& text) {
  std::size_t ende = 0;
  const int zahl = std::stoi(text, &ende);
  if (ende != text.size()) throw std::runtime_error("keine Zahl: " + text);
  return zahl;
}

long double FallBetrag(const std::string& text) {
  std::size_t ende = 0;
  const long double betrag = std::stold(text, &ende);
  if (ende != text.size()) throw std::runtime_error("kein Betrag: " + text);
  return betrag;
}

using TSetzer = std::function<void(TFallBuchung&, const std::string&)>;

const std::map<std::string, TSetzer>& BuchungsSetzer() {
  static const std::map<std::string, TSetzer> setzer = [] {
    std::map<std::string, TSetzer> m;
    const auto text = [&](const char* name, std::string TFibuExportBuchInfo::*feld) {
      m[name] = [feld](TFallBuchung& b, const std::string& t) { b.buch.*feld = t; };
    };
    const auto zahl = [&](const char* name, std::int32_t TFibuExportBuchInfo::*feld) {
      m[name] = [feld](TFallBuchung& b, const std::string& t) {
        b.buch.*feld = t.empty() ? 0 : FallZahl(t);
      };
    };
    const auto betrag = [&](const char* name, long double TFibuExportBuchInfo::*feld) {
      m[name] = [feld](TFallBuchung& b, const std::string& t) {
        b.buch.*feld = t.empty() ? 0 : FallBetrag(t);
      };
    };
    const auto datum = [&](const char* name, TDateTime TFibuExportBuchInfo::*feld) {
      m[name] = [feld](TFallBuchung& b, const std::string& t) {
        b.buch.*feld = t.empty() ? 0 : FallDatum(t);
      };
    };
    using B = TFibuExportBuchInfo;
    betrag("BetragSoll", &B::BetragSoll);
    betrag("BetragHaben", &B::BetragHaben);
    betrag("SteuerProzent", &B::SteuerProzent);
    betrag("EUSteuer", &B::EUSteuer);
    zahl("StSchlGgKto", &B::StSchlGgKto);
    zahl("GegenKonto", &B::GegenKonto);
    zahl("Konto", &B::Konto);
    zahl("Filiale", &B::Filiale);
    zahl("Menge", &B::Menge);
    datum("BelegDatum", &B::BelegDatum);
    datum("BuchungsDatum", &B::BuchungsDatum);
    datum("Buchungsmonat", &B::Buchungsmonat);
    datum("ValutaDatum", &B::ValutaDatum);
    for (const auto& [name, feld] : std::initializer_list<std::pair<const char*, std::string B::*>>{
             {"Text", &B::Text},           {"Beleg1", &B::Beleg1},
             {"Beleg2", &B::Beleg2},       {"UStID", &B::UStID},
             {"KOST1", &B::KOST1},         {"KOST2", &B::KOST2},
             {"GepName", &B::GepName},     {"Waehrung", &B::Waehrung},
             {"Belegnr", &B::Belegnr},     {"Gutschein_Z", &B::Gutschein_Z},
             {"ZahlungsRef", &B::ZahlungsRef}, {"StSchlGgKtoSt", &B::StSchlGgKtoSt},
             {"Herkunft", &B::Herkunft},   {"EULand", &B::EULand},
             {"DokumentenNr", &B::DokumentenNr}, {"ExtBelegNr", &B::ExtBelegNr},
             {"NettoTage", &B::NettoTage}, {"SkontoProz1", &B::SkontoProz1},
             {"SkontoTage1", &B::SkontoTage1}, {"SkontoProz2", &B::SkontoProz2},
             {"SkontoTage2", &B::SkontoTage2}, {"Vorfall", &B::Vorfall},
             {"Belegart", &B::Belegart}}) {
      text(name, feld);
    }
    m["GepNr"] = [](TFallBuchung& b, const std::string& t) {
      const auto slash = t.find('/');
      if (slash == std::string::npos) throw std::runtime_error("GepNr ohne \"/\": " + t);
      b.buch.GepNr = {FallZahl(t.substr(0, slash)), FallZahl(t.substr(slash + 1))};
    };
    m["Ident"] = [](TFallBuchung& b, const std::string& t) {
      const auto erster = t.find('/');
      const auto zweiter = erster == std::string::npos ? erster : t.find('/', erster + 1);
      if (zweiter == std::string::npos) throw std::runtime_error("Ident nicht r/l/s: " + t);
      b.buch.Ident = {FallZahl(t.substr(0, erster)), FallZahl(t.substr(erster + 1, zweiter - erster - 1)),
                      static_cast<std::int16_t>(FallZahl(t.substr(zweiter + 1)))};
    };
    m["AuftragsNr"] = [](TFallBuchung& b, const std::string& t) { b.zusatz.AuftragsNr = t; };
    return m;
  }();
  return setzer;
}

// "BelegItem3.Art", "ZusatzItem12.Inhalt": the item's field, or null for another name.
std::string* ZusatzFeld(TFallBuchung& b, const std::string& name) {
  for (const bool beleg : {true, false}) {
    const std::string praefix = beleg ? "BelegItem" : "ZusatzItem";
    if (!name.starts_with(praefix)) continue;
    const auto punkt = name.find('.');
    if (punkt == std::string::npos) return nullptr;
    const int n = FallZahl(name.substr(praefix.size(), punkt - praefix.size()));
    TFibuInfoZusatz& item = beleg ? b.zusatz.BelegItem(n) : b.zusatz.ZusatzItem(n);
    const std::string teil = name.substr(punkt + 1);
    if (teil == "Art") return &item.Art;
    if (teil == "Inhalt") return &item.Inhalt;
  }
  return nullptr;
}

}  // namespace

std::string TFormatFall::Wert(const std::string& key, const std::string& vorgabe) const {
  const auto it = werte.find(key);
  return it == werte.end() ? vorgabe : it->second;
}

std::vector<fs::path> FormatFallOrdner(const fs::path& daten) {
  std::vector<fs::path> ordner;
  if (!fs::is_directory(daten)) return ordner;
  for (const auto& format : fs::directory_iterator(daten)) {
    if (!format.is_directory()) continue;
    for (const auto& fall : fs::directory_iterator(format.path())) {
      if (fs::exists(fall.path() / "fall.ini")) ordner.push_back(fall.path());
    }
  }
  std::sort(ordner.begin(), ordner.end());
  return ordner;
}

std::vector<std::string> FallFelder(const std::string& zeile) {
  std::vector<std::string> felder(1);
  bool inQuotes = false;
  for (std::size_t i = 0; i < zeile.size(); ++i) {
    const char c = zeile[i];
    if (inQuotes) {
      if (c == '"' && i + 1 < zeile.size() && zeile[i + 1] == '"') {
        felder.back() += '"';
        ++i;
      } else if (c == '"') {
        inQuotes = false;
      } else {
        felder.back() += c;
      }
    } else if (c == '"') {
      inQuotes = true;
    } else if (c == ';') {
      felder.emplace_back();
    } else {
      felder.back() += c;
    }
  }
  return felder;
}

bool FallBuchungsfeldSetzen(TFallBuchung& buchung, const std::string& feld,
                            const std::string& text) {
  const auto& setzer = BuchungsSetzer();
  if (const auto it = setzer.find(feld); it != setzer.end()) {
    it->second(buchung, text);
    return true;
  }
  if (std::string* ziel = ZusatzFeld(buchung, feld)) {
    *ziel = text;
    return true;
  }
  return false;
}

TFormatFall FormatFallLesen(const fs::path& ordner) {
  TFormatFall fall;
  fall.ordner = ordner;
  fall.name = ordner.parent_path().filename().string() + "/" + ordner.filename().string();
  for (const std::string& zeile : DateiZeilen(ordner / "fall.ini")) {
    if (zeile.empty() || zeile.front() == '#') continue;
    const auto gleich = zeile.find('=');
    if (gleich == std::string::npos) throw std::runtime_error("fall.ini: " + zeile);
    fall.werte[zeile.substr(0, gleich)] = zeile.substr(gleich + 1);
  }
  if (fs::exists(ordner / "profil.txt")) fall.profil = DateiZeilen(ordner / "profil.txt");
  if (!fs::exists(ordner / "buchungen.csv")) return fall;

  const auto zeilen = DateiZeilen(ordner / "buchungen.csv");
  if (zeilen.empty()) return fall;
  const auto kopf = FallFelder(zeilen.front());
  for (std::size_t nr = 1; nr < zeilen.size(); ++nr) {
    if (zeilen[nr].empty()) continue;
    const auto felder = FallFelder(zeilen[nr]);
    const std::string ort = "buchungen.csv, Zeile " + std::to_string(nr + 1);
    if (felder.size() != kopf.size()) throw std::runtime_error(ort + ": Feldanzahl");
    TFallBuchung buchung;
    for (std::size_t i = 0; i < kopf.size(); ++i) {
      try {
        if (!FallBuchungsfeldSetzen(buchung, kopf[i], felder[i])) {
          throw std::runtime_error("unbekanntes Feld " + kopf[i]);
        }
      } catch (const std::exception& e) {
        throw std::runtime_error(ort + ": " + e.what());
      }
    }
    fall.buchungen.push_back(std::move(buchung));
  }
  return fall;
}
