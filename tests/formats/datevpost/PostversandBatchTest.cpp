// DATEV postal dispatch through the unattended run on a demo suite with the stand-in
// converter: input file and settings written, the converter run once the settlement is
// filed, success and protocol in the menu log; an input file the converter refused stops
// the next settlement before anything is filed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KonverterErsatz.h"
#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datevpost/FibuExpPostversandFrm.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

std::string Lesen(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class PostversandBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    suitetool::DemoOptions options;
    options.bookings = 3000;
    options.untilYear = 2026;
    options.untilMonth = 12;
    suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
    suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
    ExportFormateRegistrieren(TFibuExportKatalog::Global());
    ASSERT_TRUE(PostversandDemoProfil(suite.Dir().string()));
    TFibuExporter_Postversand exporter;
    exporter.Init();
    exporter.SetImportSelf(true);
    exporter.Config_Save("");
    exporter.Done();
    vorgabe_ = suite.Dir() / "datev-postversand";
    versand_ = vorgabe_ / "versand";
    QTXProgramm().Init("Saldix", 3);
    QTXProgramm().SetSilentMode(true);  // as the program's start does for a batch run
  }
  void TearDown() override { QTXProgramm().SetSilentMode(false); }

  int Offen(const char* von, const char* bis) {
    auto& stmt = SuiteDatabase::Get().Cached(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND "
        "export_kz = 'J' AND belegdatum >= ? AND belegdatum <= ?");
    stmt.With(std::stoi(von), std::stoi(bis));
    const int n = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
    stmt.Reset();
    return n;
  }
  static int Batch(const char* von, const char* bis) {
    return SaldixBatchProgramm({"-MAND:1", std::string("-VDATUM:") + von,
                                std::string("-BDATUM:") + bis, "-EXPORTER:DATEV"});
  }
  static bool ImLog(const std::string& text) {
    for (const auto& zeile : MenuLog_Tail(20)) {
      if (zeile.text.find(text) != std::string::npos) return true;
    }
    return false;
  }

  TestSuite suite;
  fs::path vorgabe_;
  fs::path versand_;
};

TEST_F(PostversandBatch, TheConverterRunsAfterTheSettlementAndTheLogShowsItsProtocol) {
  KonverterErsatz(vorgabe_);
  ASSERT_EQ(Batch("01112026", "15112026"), 0) << MenuLog_Tail(2).front().text;
  EXPECT_TRUE(fs::exists(vorgabe_ / "DAMO32.INI"));
  const std::string eingabe = Lesen(vorgabe_ / "BUCHUNG.TXT.umgewandelt");
  EXPECT_TRUE(eingabe.starts_with(";29098;10001;"));
  EXPECT_EQ(Lesen(versand_ / "ED000001"), eingabe);
  EXPECT_EQ(Lesen(versand_ / "EV01"), "Berater 29098 Mandant 10001\r\n");
  EXPECT_TRUE(ImLog("Fibu-Sätze wurden erfolgreich exportiert"));
  EXPECT_TRUE(ImLog("DATEV-Import: Ende ohne Fehler"));
  EXPECT_TRUE(ImLog((versand_ / "EV01").string()));

  // A converter that fails leaves the input file; the next settlement is refused before
  // anything is filed, so no booking ends up in no file.
  KonverterErsatz(vorgabe_, "fehler");
  ASSERT_EQ(Batch("16112026", "20112026"), 0);
  EXPECT_TRUE(ImLog("Warnung: Der DATEV-Import endete mit dem Fehlercode 2"));
  EXPECT_TRUE(ImLog("DATEV-Import: Abbruch mit Fehler"));
  const std::string liegengeblieben = Lesen(vorgabe_ / "BUCHUNG.TXT");
  ASSERT_FALSE(liegengeblieben.empty());
  const int offen = Offen("46346", "46356");  // 21.-31.11.2026
  ASSERT_GT(offen, 0);
  EXPECT_EQ(Batch("21112026", "30112026"), 1);
  EXPECT_TRUE(ImLog("einer anderen Übergabe"));
  EXPECT_EQ(Offen("46346", "46356"), offen);
  EXPECT_EQ(Lesen(vorgabe_ / "BUCHUNG.TXT"), liegengeblieben);
}

}  // namespace
