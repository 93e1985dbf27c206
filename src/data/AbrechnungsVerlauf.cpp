#include "data/AbrechnungsVerlauf.h"

#include <filesystem>

#include "suite/BetragText.h"
#include "suite/DateTime.h"
#include "suite/servers/Spalten.h"

namespace {

constexpr char kTrenner = '\n';

std::string Verbunden(const std::vector<std::string>& dateien) {
  std::string text;
  for (const auto& datei : dateien) {
    if (!text.empty()) text += kTrenner;
    text += datei;
  }
  return text;
}

std::vector<std::string> Getrennt(const std::string& text) {
  std::vector<std::string> dateien;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find(kTrenner, anfang);
    if (ende == std::string::npos) ende = text.size();
    if (ende > anfang) dateien.push_back(text.substr(anfang, ende - anfang));
    anfang = ende + 1;
  }
  return dateien;
}

}  // namespace

void TAbrechnungsVerlauf::Eintragen(const TAbrechnungsEreignis& e) {
  connection_
      .Cached("INSERT INTO abrechnung_verlauf (firma1, firma2, abr_jahr, abr_nr, zustand, zeit, "
              "rechner, benutzer, datum_von, datum_bis, dateien, buchungen, zeilen, soll, haben) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .With(e.Firma.Nr1, e.Firma.Nr2, e.AbrJahr, e.AbrNr, e.Zustand, e.Zeit, e.Rechner,
            e.Benutzer, e.DatumVon, e.DatumBis, Verbunden(e.Dateien), e.Buchungen, e.Zeilen,
            static_cast<double>(e.Soll), static_cast<double>(e.Haben))
      .Run();
}

std::vector<TAbrechnungsEreignis> TAbrechnungsVerlauf::Ereignisse(const TIntPair& firma,
                                                                  int jahr, int nr) {
  auto stmt = connection_.Prepare(
      "SELECT firma1, firma2, abr_jahr, abr_nr, zustand, zeit, rechner, benutzer, datum_von, "
      "datum_bis, dateien, buchungen, zeilen, soll, haben FROM abrechnung_verlauf "
      "WHERE (?1 = 0 OR (firma1 = ?2 AND firma2 = ?3)) AND (?4 <= 0 OR abr_jahr = ?4) "
      "AND (?5 <= 0 OR abr_nr = ?5) ORDER BY id");
  stmt->With(firma.IsEmpty() ? 0 : 1, firma.Nr1, firma.Nr2, jahr, nr);
  std::vector<TAbrechnungsEreignis> ereignisse;
  while (stmt->Step()) {
    const auto& s = *stmt;
    TAbrechnungsEreignis e;
    e.Firma = PaarSpalte(s, 0);
    e.AbrJahr = Int32Spalte(s, 2);
    e.AbrNr = Int32Spalte(s, 3);
    e.Zustand = s.Text(4);
    e.Zeit = s.Real(5);
    e.Rechner = Int32Spalte(s, 6);
    e.Benutzer = s.Text(7);
    e.DatumVon = s.Real(8);
    e.DatumBis = s.Real(9);
    e.Dateien = Getrennt(s.Text(10));
    e.Buchungen = Int32Spalte(s, 11);
    e.Zeilen = Int32Spalte(s, 12);
    e.Soll = s.Real(13);
    e.Haben = s.Real(14);
    ereignisse.push_back(std::move(e));
  }
  return ereignisse;
}

std::vector<std::string> TAbrechnungsVerlauf::AktuelleDateien(const TIntPair& firma, int jahr,
                                                              int nr) {
  const auto ereignisse = Ereignisse(firma, jahr, nr);
  for (auto it = ereignisse.rbegin(); it != ereignisse.rend(); ++it) {
    // A deletion ends what came before it.
    if (it->Zustand == abrechnungszustand::Geloescht) return {};
    if (!it->Dateien.empty()) return it->Dateien;
  }
  return {};
}

std::string EreignisText(const TAbrechnungsEreignis& e) {
  std::string text = (e.Zeit > 0 ? FormatDateTime("dd.mm.yyyy hh:nn:ss", e.Zeit) : "") + "  " +
                     e.Zustand + "  Rechner " + std::to_string(e.Rechner);
  if (!e.Benutzer.empty()) text += "  " + e.Benutzer;
  text += "  " + std::to_string(e.Buchungen) + " Buchungen";
  if (e.Zustand != abrechnungszustand::Geloescht) {
    text += ", " + std::to_string(e.Zeilen) + " Zeilen, Soll " + BetragText(e.Soll) +
            ", Haben " + BetragText(e.Haben);
  }
  return text;
}

std::string StornoDateiname(const std::string& datei) {
  std::error_code fehler;
  std::string name = datei + ".storniert";
  for (int n = 2; std::filesystem::exists(name, fehler); ++n) {
    name = datei + ".storniert-" + std::to_string(n);
  }
  return name;
}

