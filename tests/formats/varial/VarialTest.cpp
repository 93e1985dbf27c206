// Varial through the unattended run on a demo suite: records of 632 characters, document
// numbers that run on from the journal and are kept only with a filed settlement, one
// folder per settlement; and a booking that does not fit named in the log.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/SaldixBatchProgramm.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/varial/FibuExpVarialFrm.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Saetze(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::vector<std::string> saetze;
  for (std::string z; std::getline(in, z);) saetze.push_back(z);
  return saetze;
}

int Belegnummer(const std::string& satz) { return std::stoi(satz.substr(68, 11)); }

class Varial : public ::testing::Test {
 protected:
  void SetUp() override {
    suitetool::DemoOptions options;
    options.bookings = 3000;
    options.untilYear = 2026;
    options.untilMonth = BisMonat();
    suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
    suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
    ExportFormateRegistrieren(TFibuExportKatalog::Global());
    ASSERT_TRUE(varial::DemoProfilEinrichten(suite.Dir().string()));
    QTXProgramm().Init("Saldix", 3);
  }

  // The demo's bookings end before this month of 2026; the last months are still open.
  virtual int BisMonat() const { return 12; }

  int Zahl(const std::string& sql) {
    auto& stmt = SuiteDatabase::Get().Cached(sql);
    const int n = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
    stmt.Reset();
    return n;
  }
  int LetzteNummer(int jahr) {
    return Zahl("SELECT max_beleg_nr FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = " +
                std::to_string(jahr) + " ORDER BY abr_nr DESC LIMIT 1");
  }
  int LetzteAbrNr(int jahr) {
    return Zahl("SELECT MAX(abr_nr) FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = " +
                std::to_string(jahr));
  }
  fs::path Datei(int jahr, int abrNr) {
    return suite.Dir() / "varial" / varial::TFibuExporter_Varial::AbrechnungsOrdner("001", jahr, abrNr) /
           "XXSEQINP";
  }
  int Batch(const char* von, const char* bis) {
    return SaldixBatchProgramm({"-MAND:1", std::string("-VDATUM:") + von, std::string("-BDATUM:") + bis,
                                "-EXPORTER:Varial"});
  }

  TestSuite suite;
};

TEST_F(Varial, NumbersRunOnFromTheJournalAndOnlyAFiledSettlementKeepsThem) {
  const int vorher = std::max(LetzteNummer(2026), 0);
  ASSERT_EQ(Batch("01112026", "15112026"), 0) << MenuLog_Tail(2).front().text;
  const int erste = LetzteAbrNr(2026);
  const auto saetze = Saetze(Datei(2026, erste));
  ASSERT_FALSE(saetze.empty());
  std::set<int> nummern;
  int letzte = vorher;
  for (const auto& satz : saetze) {
    ASSERT_EQ(satz.size(), 633u) << satz;  // 632 characters and the CR
    EXPECT_EQ(satz.back(), '\r');
    const int nummer = Belegnummer(satz);
    EXPECT_TRUE(nummer == letzte || nummer == letzte + 1) << satz;  // a DIV pair shares one
    letzte = nummer;
    nummern.insert(nummer);
  }
  EXPECT_EQ(*nummern.begin(), vorher + 1);
  EXPECT_EQ(LetzteNummer(2026), letzte);

  // A run that fails files nothing and uses up no number.
  const fs::path ordner = suite.Dir() / "varial";
  fs::rename(ordner, suite.Dir() / "varial.weg");
  std::ofstream(ordner) << "kein Verzeichnis";
  EXPECT_NE(Batch("16112026", "30112026"), 0);
  EXPECT_EQ(LetzteAbrNr(2026), erste);
  fs::remove(ordner);
  fs::rename(suite.Dir() / "varial.weg", ordner);

  ASSERT_EQ(Batch("16112026", "30112026"), 0) << MenuLog_Tail(2).front().text;
  const auto zweite = Saetze(Datei(2026, erste + 1));
  ASSERT_FALSE(zweite.empty());
  EXPECT_EQ(Belegnummer(zweite.front()), letzte + 1);
  EXPECT_TRUE(fs::exists(Datei(2026, erste)));  // the first settlement's file stays
}

class VarialJahreswechsel : public Varial {
 protected:
  int BisMonat() const override { return 2; }
};

TEST_F(VarialJahreswechsel, ARunAcrossTheSettlementYearKeepsBothPassesFiles) {
  ASSERT_EQ(Batch("15122025", "15012026"), 0) << MenuLog_Tail(2).front().text;
  const int abr2025 = LetzteAbrNr(2025);
  const int abr2026 = LetzteAbrNr(2026);
  ASSERT_GT(abr2025, 0);
  ASSERT_GT(abr2026, 0);
  EXPECT_FALSE(Saetze(Datei(2025, abr2025)).empty());
  EXPECT_FALSE(Saetze(Datei(2026, abr2026)).empty());
}

TEST_F(Varial, ABookingThatDoesNotFitIsNamedAndTheFileNotWritten) {
  varial::TFibuExporter_Varial exporter;
  exporter.Init();
  ASSERT_TRUE(exporter.Export_Fibu_Kopf({{1, 1}, 9, 2026, EncodeDate(2026, 3, 1), EncodeDate(2026, 3, 31)}));
  exporter.SetMaxLfdNr(10);
  TFibuExportBuchInfo gross;
  gross.BetragSoll = 123456789012.5L;
  gross.Konto = 1200;
  gross.Beleg1 = "R-77";
  gross.BelegDatum = EncodeDate(2026, 3, 4);
  EXPECT_FALSE(exporter.Export_Fibu_Daten(gross));
  EXPECT_EQ(exporter.GetMaxLfdNr(), 11);  // its number stays used
  const std::string grund = QTXInfo().Registrations().back().text;
  EXPECT_NE(grund.find("Buchung Beleg \"R-77\" vom 04.03.2026, Konto 1200"), std::string::npos) << grund;
  EXPECT_NE(grund.find("Buchungsbetrag EW"), std::string::npos) << grund;
  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_FALSE(fs::exists(Datei(2026, 9)));
  exporter.Done();
}

}  // namespace
