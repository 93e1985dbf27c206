// A format added with one folder in the tests and one catalogue row made here: the format
// choice lists it, and the unattended run exports with it, enrichment included.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "export/fibuexporter_wahlfrm.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "formats/stub/StubFormat.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"

namespace {

class TKeinAktiverExporter final : public IAktiverExporter {
 public:
  std::string AktExporterKennung() const override { return {}; }
  void SetAktExporterKennung(const std::string&) override {}
  TFibuExporter* AktExporter() override { return nullptr; }
  const TFibuExpRegInfo* AktExporterRegInfo() const override { return nullptr; }
  TIntPair AktMandant() const override { return {1, 1}; }
};

// The running number of a booking line: its fifth field.
int LfdNr(const std::string& zeile) {
  std::size_t pos = 0;
  for (int feld = 0; feld < 4; ++feld) pos = zeile.find(';', pos) + 1;
  return std::stoi(zeile.substr(pos));
}

std::vector<std::string> Zeilen(const std::filesystem::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::vector<std::string> zeilen;
  for (std::string z; std::getline(in, z);) {
    if (!z.empty() && z.back() == '\r') z.pop_back();
    zeilen.push_back(z);
  }
  return zeilen;
}

class StubFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    suitetool::DemoOptions options;
    options.bookings = 3000;
    options.untilYear = 2026;
    options.untilMonth = 12;
    suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
    suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
    auto& katalog = TFibuExportKatalog::Global();
    ExportFormateRegistrieren(katalog);
    if (katalog.FindExakt(stub::TStubExporter::CKennung) < 0) katalog.Register(stub::RegInfo_Stub());
    ASSERT_TRUE(SetupDemoDatevProfiles((suite.Dir() / "datev").string()));
    stub::Zielverzeichnis() = suite.Dir() / "stub";
    std::filesystem::create_directories(stub::Zielverzeichnis());
    QTXProgramm().Init("Saldix", 3);
  }

  int Zahl(const char* sql) {
    auto& stmt = SuiteDatabase::Get().Cached(sql);
    const int n = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
    stmt.Reset();
    return n;
  }
  std::vector<std::filesystem::path> StubDateien() {
    std::vector<std::filesystem::path> dateien;
    for (const auto& e : std::filesystem::directory_iterator(stub::Zielverzeichnis())) {
      dateien.push_back(e.path());
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
  }

  TestSuite suite;
};

TEST_F(StubFormat, TheFormatChoiceListsTheRowAfterTheProgramsOwn) {
  TKeinAktiverExporter aktiv;
  TfrmFibuExporter_wahl wahl(TFibuExportKatalog::Global(), aktiv);
  const auto formate = wahl.VerfuegbareFormate();
  ASSERT_FALSE(formate.empty());
  EXPECT_EQ(formate.back(), stub::TStubExporter::CName);
  wahl.AuswahlSetzen(static_cast<int>(formate.size()) - 1);
  EXPECT_FALSE(wahl.EinstellungenBearbeitenAktiv());  // the row has no settings form
}

TEST_F(StubFormat, TheBatchModeExportsWithItAndItsEnrichmentNumbersOnAcrossSettlements) {
  const int offen = Zahl(
      "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND "
      "export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46342");
  ASSERT_GT(offen, 0);
  const int vorher = Zahl(
      "SELECT max_beleg_nr FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = 2026 "
      "ORDER BY abr_nr DESC LIMIT 1");

  ASSERT_EQ(SaldixBatchProgramm({"-MAND:1", "-VDATUM:01112026", "-BDATUM:15112026",
                                 "-EXPORTER:STUB1"}),
            0)
      << MenuLog_Tail(2).front().text;
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND "
                 "export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46342"),
            0);
  auto dateien = StubDateien();
  ASSERT_EQ(dateien.size(), 1u);
  const auto ersteHaelfte = Zeilen(dateien[0]);
  ASSERT_GT(ersteHaelfte.size(), 1u);
  EXPECT_TRUE(ersteHaelfte[0].starts_with("KOPF;"));
  // The numbers go on from the last settlement journalled, one per booking line, and the
  // journal keeps the last one.
  int erwartet = vorher + 1;
  for (std::size_t i = 1; i < ersteHaelfte.size(); ++i, ++erwartet) {
    EXPECT_EQ(LfdNr(ersteHaelfte[i]), erwartet) << ersteHaelfte[i];
  }
  const int letzte = erwartet - 1;
  EXPECT_EQ(Zahl("SELECT max_beleg_nr FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND "
                 "abr_jahr = 2026 ORDER BY abr_nr DESC LIMIT 1"),
            letzte);

  ASSERT_EQ(SaldixBatchProgramm({"-MAND:1", "-VDATUM:16112026", "-BDATUM:30112026",
                                 "-EXPORTER:STUB1"}),
            0)
      << MenuLog_Tail(2).front().text;
  dateien = StubDateien();
  ASSERT_EQ(dateien.size(), 2u);
  const auto zweiteHaelfte = Zeilen(dateien[1]);
  ASSERT_GT(zweiteHaelfte.size(), 1u);
  EXPECT_EQ(LfdNr(zweiteHaelfte[1]), letzte + 1) << zweiteHaelfte[1];
}

}  // namespace
