// The unattended export with the demo profile on a demo suite: the general-ledger,
// documents and customers files, each well-formed, and nothing open for a second run.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/abacus/AbacusDemoProfil.h"
#include "formats/abacus/AbacusFixture.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"

namespace abacustest {
namespace {

TEST(AbacusBatch, TheDemoProfileExportsLastMonthIntoThreeWellFormedFilesAndOnlyOnce) {
  TestSuite suite;
  suitetool::DemoOptions options;
  options.bookings = 4000;
  options.untilYear = 2026;
  options.untilMonth = 12;
  suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
  suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
  ExportFormateRegistrieren(TFibuExportKatalog::Global());
  const auto exportDir = suite.Dir() / "export";
  ASSERT_TRUE(abacus::AbacusDemoProfil(exportDir.string()));
  QTXProgramm().Init("Saldix", 3);

  const std::vector<std::string> aufruf{"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026",
                                        "-EXPORTER:Abacus"};
  ASSERT_EQ(SaldixBatchProgramm(aufruf), 0) << MenuLog_Tail(2).front().text;
  const auto dir = exportDir / "abacus";
  ASSERT_EQ(Dateien(dir), (std::vector<std::string>{"101_Belege_2026_10.xml", "101_Kunden_2026_10.xml",
                                                    "Data_101_2026_10.xml"}))
      << MenuLog_Tail(2).front().text;
  for (const auto& name : Dateien(dir)) {
    const std::string form = Normalform(Lesen(dir / name));  // throws when not well-formed
    EXPECT_NE(form.find("Transaction[id=1]"), std::string::npos) << name;
  }
  const std::string kunden = Normalform(Lesen(dir / "101_Kunden_2026_10.xml"));
  EXPECT_NE(kunden.find("CustomerNumber('100001')"), std::string::npos);
  EXPECT_NE(kunden.find("SalutationNumber('"), std::string::npos);
  const std::string belege = Normalform(Lesen(dir / "101_Belege_2026_10.xml"));
  EXPECT_NE(belege.find("DocumentCode('R')"), std::string::npos);
  EXPECT_EQ(belege.find("PaymentReferenceLine()"), std::string::npos);  // every one filled

  // The numbers handed out during the export are kept once its lock has ended.
  auto& zaehlen = SuiteDatabase::Get().Cached(
      "SELECT COUNT(*) FROM partner_nummern WHERE art1 = 1 AND art2 = 90 AND nummer = '100001'");
  ASSERT_TRUE(zaehlen.Step());
  EXPECT_EQ(zaehlen.Int(0), 1);
  zaehlen.Reset();

  // Nothing of the period is open any more.
  EXPECT_EQ(SaldixBatchProgramm(aufruf), 3) << MenuLog_Tail(1).front().text;
}

}  // namespace
}  // namespace abacustest
