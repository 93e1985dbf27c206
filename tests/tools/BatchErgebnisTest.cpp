// How an unattended run ends: a period across the settlement year whose one part holds
// nothing still succeeds, and a refusal names what really stopped it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "suite/MenuLog.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"

namespace {

class BatchErgebnis : public ::testing::Test {
 protected:
  void SetUp() override {
    suitetool::DemoOptions options;
    options.bookings = 1500;
    options.untilYear = 2026;
    options.untilMonth = 12;  // the last bookings are November's
    suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
    suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
    ExportFormateRegistrieren(TFibuExportKatalog::Global());
    ASSERT_TRUE(SetupDemoDatevProfiles((suite.Dir() / "export").string()));
    QTXProgramm().Init("Saldix", 3);
  }

  static std::vector<std::string> Log(int n) {
    std::vector<std::string> zeilen;
    for (const auto& zeile : MenuLog_Tail(n)) zeilen.push_back(zeile.text);
    return zeilen;
  }

  TestSuite suite;
};

TEST_F(BatchErgebnis, APartOfThePeriodWithoutBookingsDoesNotFailTheRun) {
  // January 2027 holds nothing, November 2026 is exported.
  EXPECT_EQ(SaldixBatchProgramm({"-MAND:1", "-VDATUM:01112026", "-BDATUM:31012027"}), 0);
  const auto log = Log(200);
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "Abbruch: Keine Sätze im angegebenen Zeitraum gefunden"),
            log.end());
  EXPECT_NE(std::find_if(log.begin(), log.end(),
                         [](const std::string& z) {
                           return z.find("Fibu-Sätze wurden erfolgreich exportiert") !=
                                  std::string::npos;
                         }),
            log.end());
  EXPECT_EQ(log.back(),
            "Ein Abrechnungsjahr des Zeitraums enthielt keine Sätze; der übrige Zeitraum wurde "
            "exportiert");

  // Both parts empty: nothing was exported, and the run says so with its own exit code.
  EXPECT_EQ(SaldixBatchProgramm({"-MAND:1", "-VDATUM:01122026", "-BDATUM:31012027"}), 3);
}

TEST_F(BatchErgebnis, ACurrencyWithoutRateIsNamedInsteadOfNothingFound) {
  SuiteDatabase::Get().ExecuteScript(
      "UPDATE fbde SET waehrung = 'XYZ' WHERE (rechner, transaktions_nr, lfd_nr) = "
      "(SELECT rechner, transaktions_nr, lfd_nr FROM fbde WHERE firma1 = 1 AND abr_nr = 0 "
      "AND export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46357 LIMIT 1)");
  EXPECT_EQ(SaldixBatchProgramm({"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026"}), 1);
  const auto log = Log(2);
  EXPECT_EQ(log.front(), "Abbruch: Die Buchungen konnten nicht gelesen werden. Für die Währung "
                         "\"XYZ\" ist kein Kurs hinterlegt.");
}

}  // namespace
