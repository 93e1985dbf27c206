// Runs every case folder tests/data/<format>/<case>/ through the export protocol of the
// format its fall.ini names and compares the export directory with the case's expected
// files, byte for byte. A format joins with data alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "suite/SuiteDatabase.h"
#include "support/ExportTestKontext.h"
#include "support/FormatFall.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

std::string Inhalt(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Ersetzt(std::string text, const std::string& was, const std::string& wodurch) {
  for (std::size_t pos = 0; (pos = text.find(was, pos)) != std::string::npos;
       pos += wodurch.size()) {
    text.replace(pos, was.size(), wodurch);
  }
  return text;
}

// fall.ini keeps a message on one line: \r and \n stand for the line breaks.
std::string Entschluesselt(std::string text) {
  return Ersetzt(Ersetzt(std::move(text), "\\r", "\r"), "\\n", "\n");
}

TIntPair FallMandant(const std::string& text) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) throw std::runtime_error("Mandant ohne \"/\": " + text);
  return {std::stoi(text.substr(0, slash)), std::stoi(text.substr(slash + 1))};
}

void MandantenAnlegen(const TFormatFall& fall) {
  std::vector<std::vector<std::string>> zeilen{{"100", "1", "1", "Musterhandel GmbH", "FIL1", "1"},
                                               {"200", "1", "2", "Nordhandel KG", "FIL2", "7"}};
  if (fs::exists(fall.ordner / "mandanten.csv")) {
    zeilen.clear();
    std::ifstream in(fall.ordner / "mandanten.csv");
    std::string zeile;
    std::getline(in, zeile);  // the header
    while (std::getline(in, zeile)) {
      if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
      if (zeile.empty()) continue;
      zeilen.push_back(FallFelder(zeile));
      if (zeilen.back().size() != 6) throw std::runtime_error("mandanten.csv: " + zeile);
    }
  }
  auto& insert = SuiteDatabase::Get().Cached(
      "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
      "VALUES (?, ?, ?, ?, ?, ?)");
  for (const auto& z : zeilen) {
    insert.With(std::stoi(z[0]), std::stoi(z[1]), std::stoi(z[2]), z[3], z[4], std::stoi(z[5]))
        .Run();
  }
}

// Every regular file below dir, as paths relative to it.
std::vector<fs::path> Dateien(const fs::path& dir) {
  std::vector<fs::path> dateien;
  if (!fs::is_directory(dir)) return dateien;
  for (const auto& eintrag : fs::recursive_directory_iterator(dir)) {
    if (eintrag.is_regular_file()) dateien.push_back(fs::relative(eintrag.path(), dir));
  }
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

// Where two file contents part: the first differing line of each, so that a failing case
// points at its byte instead of printing whole files.
std::string ErsteAbweichung(const std::string& ist, const std::string& soll) {
  std::size_t pos = 0;
  while (pos < ist.size() && pos < soll.size() && ist[pos] == soll[pos]) ++pos;
  const auto zeile = [pos](const std::string& text) {
    const std::size_t anfang = text.rfind('\n', pos == 0 ? 0 : pos - 1);
    const std::size_t von = anfang == std::string::npos ? 0 : anfang + 1;
    return text.substr(von, text.find('\n', pos) - von);
  };
  return "ab Byte " + std::to_string(pos) + "\n  geschrieben: " + zeile(ist) +
         "\n  erwartet:    " + zeile(soll);
}

class FormatFaelle : public ::testing::TestWithParam<fs::path> {};

TEST_P(FormatFaelle, WritesTheExpectedFiles) {
  const TFormatFall fall = FormatFallLesen(GetParam());
  SCOPED_TRACE(fall.name);
  TestSuite suite;
  MandantenAnlegen(fall);
  if (fs::exists(fall.ordner / "vorher.sql")) {
    SuiteDatabase::Get().ExecuteScript(Inhalt(fall.ordner / "vorher.sql"));
  }

  ExportFormateRegistrieren(TFibuExportKatalog::Global());
  const std::string kennung = fall.Wert("Kennung");
  const int index = TFibuExportKatalog::Global().FindExakt(kennung);
  ASSERT_GE(index, 0) << "kein Format mit der Kennung " << kennung;
  const TFibuExpRegInfo& row = TFibuExportKatalog::Global().Row(index);

  const fs::path exportDir = suite.Dir() / "export";
  auto exporter = row.TypKlasse();
  exporter->SetKontext(std::make_shared<TFesteUhrKontext>(FallDatum(fall.Wert("Uhr", "01.01.2024"))));
  exporter->Init();
  exporter->strConfig.Items.clear();
  for (const std::string& zeile : fall.profil) {
    exporter->strConfig.Items.push_back(Ersetzt(zeile, "${EXPORT}", exportDir.string()));
  }
  exporter->Config2Properties();
  if (!fall.Wert("MaxLfdNr").empty()) exporter->SetMaxLfdNr(std::stoi(fall.Wert("MaxLfdNr")));

  const TFibuExportFileInfo datei{FallMandant(fall.Wert("Mandant", "100/1")),
                                  std::stoi(fall.Wert("AbrNr", "1")),
                                  std::stoi(fall.Wert("AbrJahr", "2024")),
                                  FallDatum(fall.Wert("Von")), FallDatum(fall.Wert("Bis"))};
  // What the confirmation before a real export announces.
  const std::vector<std::string> angekuendigt = exporter->Zieldateien(datei);
  const bool zusatz = exporter->Faehigkeiten().Hat(TExportFaehigkeit::BuchungsZusatz);
  bool ok = exporter->Export_Fibu_Kopf(datei);
  for (const TFallBuchung& b : fall.buchungen) {
    if (!ok) break;
    ok = zusatz ? exporter->Export_Fibu_Daten(b.buch, b.zusatz) : exporter->Export_Fibu_Daten(b.buch);
  }
  ok = ok && exporter->Export_Fibu_Ende();
  EXPECT_EQ(ok, fall.Wert("Ergebnis", "true") == "true");
  if (!fall.Wert("Meldung").empty()) {
    EXPECT_EQ(exporter->GetMeldung(),
              Ersetzt(Entschluesselt(fall.Wert("Meldung")), "${EXPORT}", exportDir.string()));
  }

  const fs::path erwartet = fall.ordner / "erwartet";
  EXPECT_EQ(Dateien(exportDir), Dateien(erwartet));
  // A format names its files beforehand unless the case says it cannot (a time in the
  // name, a layout chosen in a dialog, files that depend on the bookings).
  if (ok && fall.Wert("Zieldateien") != "unbekannt") {
    EXPECT_FALSE(angekuendigt.empty()) << "keine Zieldateien angekündigt";
  }
  for (const std::string& datei : angekuendigt) {
    const fs::path relativ = fs::path(datei).lexically_relative(exportDir);
    EXPECT_TRUE(ok ? fs::exists(erwartet / relativ) : !fs::exists(datei))
        << "angekündigt: " << datei;
  }
  for (const fs::path& name : Dateien(erwartet)) {
    const std::string ist = Inhalt(exportDir / name);
    const std::string soll = Inhalt(erwartet / name);
    EXPECT_TRUE(ist == soll) << name.string() << " weicht ab " << ErsteAbweichung(ist, soll);
  }
}

std::string FallName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.parent_path().filename().string() + "_" +
                     info.param.filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Daten, FormatFaelle,
                         ::testing::ValuesIn(FormatFallOrdner(SALDIX_TEST_DATA)), FallName);

}  // namespace
