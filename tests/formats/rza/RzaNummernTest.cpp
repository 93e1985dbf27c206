// RZA document numbers through the unattended run on a real suite: they go on from the
// journal, are filed with the settlement, and a failed run consumes none.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/rza/RzaDemoProfil.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

// The document numbers of the "1" lines of a file, in file order.
std::vector<int> Belegnummern(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::vector<int> nummern;
  for (std::string zeile; std::getline(in, zeile);) {
    if (zeile.starts_with("1\t")) nummern.push_back(std::stoi(zeile.substr(2)));
  }
  return nummern;
}

class RzaNummern : public ::testing::Test {
 protected:
  void SetUp() override {
    suitetool::DemoOptions options;
    options.bookings = 3000;
    options.untilYear = 2026;
    options.untilMonth = 12;
    suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
    suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
    ExportFormateRegistrieren(TFibuExportKatalog::Global());
    ASSERT_TRUE(rza::DemoProfilAnlegen(exportDir.string()));
    QTXProgramm().Init("Saldix", 3);
  }

  int Zahl(const std::string& sql) {
    auto stmt = SuiteDatabase::Get().Prepare(sql);
    return stmt->Step() ? static_cast<int>(stmt->Int(0)) : -1;
  }
  int JournalMax() {
    return Zahl("SELECT MAX(max_beleg_nr) FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND "
                "abr_jahr = 2026");
  }
  int Exportieren(const char* von, const char* bis) {
    return SaldixBatchProgramm({"-MAND:1", std::string("-VDATUM:") + von,
                                std::string("-BDATUM:") + bis, "-EXPORTER:RZA"});
  }
  fs::path Datei(int abrNr) const {
    return exportDir / ("FIBU_EXPORT_2026_" + std::to_string(abrNr) + "_1-1.txt");
  }

  TestSuite suite;
  fs::path exportDir = suite.Dir() / "rza";
};

TEST_F(RzaNummern, TheyGoOnFromRunToRunAndAFailedRunConsumesNone) {
  const int vorher = JournalMax();
  const int abrNr = Zahl("SELECT MAX(abr_nr) FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND "
                         "abr_jahr = 2026") + 1;
  ASSERT_EQ(Exportieren("01112026", "15112026"), 0) << MenuLog_Tail(2).front().text;
  const auto erste = Belegnummern(Datei(abrNr));
  ASSERT_FALSE(erste.empty());
  for (std::size_t i = 0; i < erste.size(); ++i) EXPECT_EQ(erste[i], vorher + 1 + static_cast<int>(i));
  EXPECT_EQ(JournalMax(), erste.back());

  // The export directory cannot be made: the run fails, files nothing and keeps the numbers.
  fs::rename(exportDir, suite.Dir() / "rza_weg");
  std::ofstream(exportDir.string()) << "kein Verzeichnis";
  EXPECT_NE(Exportieren("16112026", "30112026"), 0);
  EXPECT_EQ(JournalMax(), erste.back());
  fs::remove(exportDir);
  fs::rename(suite.Dir() / "rza_weg", exportDir);

  ASSERT_EQ(Exportieren("16112026", "30112026"), 0) << MenuLog_Tail(2).front().text;
  const auto zweite = Belegnummern(Datei(abrNr + 1));
  ASSERT_FALSE(zweite.empty());
  EXPECT_EQ(zweite.front(), erste.back() + 1);
  EXPECT_EQ(JournalMax(), zweite.back());
}

}  // namespace
