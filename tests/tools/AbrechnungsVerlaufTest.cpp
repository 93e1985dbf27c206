// The journal as a history, through the real program: an unattended export records its
// figures and files, a deleted settlement's file is renamed and the journal says so, and a
// later export under the same number does not meet the deleted file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/SaldixBatchProgramm.h"
#include "app/SaldixSitzung.h"
#include "data/AbrechnungsVerlauf.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "suitetool/SuiteTool.h"
#include "support/DemoBuchungen.h"
#include "support/TestSuite.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kNovember{"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026"};

class AbrechnungsVerlauf : public ::testing::Test {
 protected:
  void SetUp() override {
    DemoBuchungenAnlegen(suite.Dir() / "export", 1500);
    QTXProgramm().Init("Saldix", 3);
    firma = {1, 1};
  }

  long long Zahl(const std::string& sql) {
    auto& stmt = SuiteDatabase::Get().Cached(sql);
    const long long zahl = stmt.Step() ? stmt.Int(0) : -1;
    stmt.Reset();
    return zahl;
  }
  double Summe(const std::string& sql) {
    auto& stmt = SuiteDatabase::Get().Cached(sql);
    const double summe = stmt.Step() ? stmt.Real(0) : -1;
    stmt.Reset();
    return summe;
  }
  // On the connection open now: the journal command reopens the database.
  static TAbrechnungsVerlauf Verlauf() { return TAbrechnungsVerlauf(SuiteDatabase::Get()); }
  std::string Journal() {
    std::ostringstream out, err;
    suitetool::ToolContext context{out, err, false};
    setenv("SALDIX_DB", suite.DbPath().c_str(), 1);
    EXPECT_EQ(suitetool::RunSuiteTool({"journal", "--client", "1"}, context), 0) << err.str();
    unsetenv("SALDIX_DB");
    suite.Reopen();  // the tool closes the database it opened
    return out.str();
  }

  TestSuite suite;
  TIntPair firma;
};

TEST_F(AbrechnungsVerlauf, ExportDeleteAndExportAgainUnderTheSameNumber) {
  ASSERT_EQ(SaldixBatchProgramm(kNovember), 0);
  auto ereignisse = Verlauf().Ereignisse(firma);
  ASSERT_EQ(ereignisse.size(), 1u);
  const TAbrechnungsEreignis erstes = ereignisse[0];
  EXPECT_EQ(erstes.Zustand, "exportiert");
  EXPECT_EQ(erstes.Rechner, QTXProgramm().GetRId());
  // The figures are those of the bookings the settlement marked, as the database sums them.
  const std::string wo = " FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = " +
                         std::to_string(erstes.AbrJahr) +
                         " AND abr_nr = " + std::to_string(erstes.AbrNr);
  EXPECT_EQ(erstes.Buchungen, Zahl("SELECT COUNT(*)" + wo));
  EXPECT_GT(erstes.Buchungen, 0);
  EXPECT_GE(erstes.Buchungen, erstes.Zeilen);
  ASSERT_EQ(erstes.Dateien.size(), 1u);
  const std::string datei = erstes.Dateien[0];
  EXPECT_TRUE(fs::exists(datei));
  EXPECT_NEAR(static_cast<double>(erstes.Soll - erstes.Haben),
              Summe("SELECT SUM(betrag_soll) - SUM(betrag_haben)" + wo), 0.005);

  // Deleting asks twice; the file goes out of the way under a name that says why.
  TKeineAbrechnungsWahl keineWahl;
  {
    TSaldixSitzung sitzung(TSaldixDataModuleStart{}, keineWahl);
    suite.Messages().Answer(mrYes);
    suite.Messages().Answer(mrYes);
    ASSERT_TRUE(sitzung.Modul().FBEX_Loeschen(firma, erstes.AbrNr, erstes.AbrJahr));
  }
  EXPECT_FALSE(fs::exists(datei));
  EXPECT_TRUE(fs::exists(datei + ".storniert"));
  ereignisse = Verlauf().Ereignisse(firma);
  ASSERT_EQ(ereignisse.size(), 2u);
  EXPECT_EQ(ereignisse[1].Zustand, "gelöscht");
  EXPECT_EQ(ereignisse[1].Dateien, (std::vector<std::string>{datei + ".storniert"}));
  EXPECT_EQ(ereignisse[1].Buchungen, erstes.Buchungen);
  EXPECT_EQ(Zahl("SELECT COUNT(*)" + wo), 0);

  std::string journal = Journal();
  EXPECT_NE(journal.find("Gelöschte Abrechnungen:"), std::string::npos) << journal;
  EXPECT_NE(journal.find("Datei: " + datei + ".storniert"), std::string::npos) << journal;

  // The number is free again: the new file takes the old name, the deleted one stays apart.
  ASSERT_EQ(SaldixBatchProgramm(kNovember), 0);
  ereignisse = Verlauf().Ereignisse(firma);
  ASSERT_EQ(ereignisse.size(), 3u);
  EXPECT_EQ(ereignisse[2].AbrNr, erstes.AbrNr);
  EXPECT_EQ(ereignisse[2].Dateien, erstes.Dateien);
  EXPECT_TRUE(fs::exists(datei));
  EXPECT_TRUE(fs::exists(datei + ".storniert"));
  EXPECT_EQ(Verlauf().AktuelleDateien(firma, erstes.AbrJahr, erstes.AbrNr), erstes.Dateien);

  // Newest last, each with its files and totals, under the settlement's journal line.
  journal = Journal();
  const std::string nummer = std::to_string(erstes.AbrNr) + "/" + std::to_string(erstes.AbrJahr);
  const auto zeile = journal.find(nummer + " ");
  ASSERT_NE(zeile, std::string::npos) << journal;
  const auto exportiert = journal.find("exportiert", zeile);
  const auto geloescht = journal.find("gelöscht", zeile);
  const auto wieder = journal.find("exportiert", exportiert + 1);
  EXPECT_LT(exportiert, geloescht);
  EXPECT_LT(geloescht, wieder);
  EXPECT_NE(journal.find("Datei: " + datei + "\n", zeile), std::string::npos) << journal;
  EXPECT_NE(journal.find(std::to_string(erstes.Buchungen) + " Buchungen, " +
                             std::to_string(erstes.Zeilen) + " Zeilen, Soll ",
                         zeile),
            std::string::npos)
      << journal;
}

TEST(AbrechnungsVerlaufNamen, ADeletedFileNeverOverwritesAnEarlierDeletedOne) {
  TestSuite suite;
  const std::string datei = (suite.Dir() / "EXTF_1.csv").string();
  EXPECT_EQ(StornoDateiname(datei), datei + ".storniert");
  std::ofstream(datei + ".storniert") << "x";
  EXPECT_EQ(StornoDateiname(datei), datei + ".storniert-2");
  std::ofstream(datei + ".storniert-2") << "x";
  EXPECT_EQ(StornoDateiname(datei), datei + ".storniert-3");
}

}  // namespace
