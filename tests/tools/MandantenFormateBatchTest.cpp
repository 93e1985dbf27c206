// BMD, DVO and SBS in the built saldix on a demo suite: each exports the open month with
// its demo profile and files it; a second run finds nothing; a profile whose client is
// not ticked refuses, leaving no file and nothing marked.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "export/FibuExportKatalog.h"
#include "export/MandantenExporter.h"
#include "formats/ExportFormate.h"
#include "suite/SuiteDatabase.h"
#include "support/DemoBuchungen.h"
#include "support/TestSuite.h"

namespace {

namespace fs = std::filesystem;

struct TLauf {
  int code = -1;
  std::string err;
};

TLauf Saldix(const TestSuite& suite, const std::string& kennung) {
  const fs::path errFile = suite.Dir() / "stderr.txt";
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("SALDIX_DB", suite.DbPath().c_str(), 1);
    setenv("SALDIX_HOME", suite.Dir().c_str(), 1);
    unsetenv("SALDIX_RECHNER");
    if (!std::freopen(errFile.c_str(), "w", stderr)) _exit(120);
    const std::string exporter = "-EXPORTER:" + kennung;
    execl(SALDIX_BINARY, SALDIX_BINARY, "-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026",
          exporter.c_str(), static_cast<char*>(nullptr));
    _exit(122);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  std::ifstream in(errFile, std::ios::binary);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {std::istreambuf_iterator<char>(in), {}}};
}

bool Enthaelt(const std::string& text, const std::string& teil) {
  return text.find(teil) != std::string::npos;
}

struct TBatchFormat {
  const char* Kennung;
  const char* Datei;  // the demo profile's client number for client 1
};

class MandantenFormateBatch : public ::testing::TestWithParam<TBatchFormat> {
 protected:
  void SetUp() override {
    exportDir = suite.Dir() / "export";
    DemoBuchungenAnlegen(exportDir);
    const auto& katalog = TFibuExportKatalog::Global();
    const int index = katalog.FindExakt(GetParam().Kennung);
    ASSERT_GE(index, 0);
    ASSERT_TRUE(katalog.Row(index).DemoProfil);
    ASSERT_TRUE(katalog.Row(index).DemoProfil(exportDir.string()));
  }
  int Offen() {
    auto stmt = SuiteDatabase::Get().Prepare(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND "
        "export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46357");
    return stmt->Step() ? static_cast<int>(stmt->Int(0)) : -1;
  }

  TestSuite suite;
  fs::path exportDir;
};

TEST_P(MandantenFormateBatch, ExportsTheOpenMonthOnceWithTheDemoProfile) {
  ASSERT_GT(Offen(), 0);
  SuiteDatabase::Close();
  const TLauf lauf = Saldix(suite, GetParam().Kennung);
  EXPECT_EQ(lauf.code, 0) << lauf.err;
  EXPECT_TRUE(Enthaelt(lauf.err, "erfolgreich exportiert")) << lauf.err;
  EXPECT_TRUE(fs::exists(exportDir / GetParam().Datei)) << lauf.err;
  SuiteDatabase::Open(suite.DbPath(), false);
  EXPECT_EQ(Offen(), 0);
  SuiteDatabase::Close();

  const TLauf zweiter = Saldix(suite, GetParam().Kennung);
  EXPECT_EQ(zweiter.code, 3);
  EXPECT_TRUE(Enthaelt(zweiter.err, "Abbruch: Keine Sätze im angegebenen Zeitraum gefunden"))
      << zweiter.err;
}

TEST_P(MandantenFormateBatch, AProfileWithoutTheClientTickedRefusesAndMarksNothing) {
  const int offen = Offen();
  {
    auto exporter = TFibuExportKatalog::Global().Row(
        TFibuExportKatalog::Global().FindExakt(GetParam().Kennung)).TypKlasse();
    auto& mandanten = dynamic_cast<TMandantenExporter&>(*exporter);
    exporter->Init();
    const auto eintrag = mandanten.Mandanten().Eintraege().front();
    mandanten.SetMandantenDaten(eintrag.GepNr, false, eintrag.Werte);
    exporter->Config_Save("");
    exporter->Done();
  }
  SuiteDatabase::Close();
  const TLauf lauf = Saldix(suite, GetParam().Kennung);
  EXPECT_NE(lauf.code, 0);
  EXPECT_FALSE(Enthaelt(lauf.err, "erfolgreich exportiert")) << lauf.err;
  EXPECT_FALSE(fs::exists(exportDir / GetParam().Datei));
  SuiteDatabase::Open(suite.DbPath(), false);
  EXPECT_EQ(Offen(), offen);
}

INSTANTIATE_TEST_SUITE_P(Formate, MandantenFormateBatch,
                         ::testing::Values(TBatchFormat{"BMD", "buerf_QTX_101_2026_10.csv"},
                                           TBatchFormat{"DVO", "BUCHUNG_KWX_1001_2026_10.txt"},
                                           TBatchFormat{"SBS", "BUCHUNG_QTX_201_2026_10.MTA"}),
                         [](const auto& info) { return std::string(info.param.Kennung); });

}  // namespace
