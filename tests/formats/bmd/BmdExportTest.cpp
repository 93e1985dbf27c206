// The BMD file against lines worked out by hand, and the runs that must leave no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "formats/MandantenFixture.h"
#include "formats/bmd/BmdRegeln.h"
#include "formats/bmd/BmdZeile.h"
#include "formats/bmd/FibuExporter_BMD.h"

using namespace mandantentest;
using bmd::TFibuExporter_BMD;

namespace {

class BmdExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = suite.Dir() / "bmd";
    Einrichten(exporter, dir.string());
    exporter.SetMandantenDaten(kMandant1, true, {"4711"});
    exporter.SetMandantenDaten(kMandant2, false, {"0"});
    QTXInfo().ClearRegistrations();
  }
  std::filesystem::path Datei() const { return dir / "buerf_QTX_4711_2024_7.csv"; }

  TestSuite suite;
  std::filesystem::path dir;
  TFibuExporter_BMD exporter;
};

const char* const kKopf =
    "satzart;konto;gkonto;belegnr;buchdatum;belegdatum;buchsymbol;buchode;prozent;steuercode;"
    "betrag;steuer;text;kost\r\n";

TEST_F(BmdExport, WritesTheHeaderAndOneLinePerBookingAsWorkedOutByHand) {
  auto kasse = Buchung(119.5L, 0, 1200, 4000, EncodeDate(2024, 3, 5));
  kasse.Beleg1 = "4711";
  kasse.Beleg2 = "12";
  kasse.Herkunft = "KASBER";
  kasse.StSchlGgKtoSt = "Mwst_Norm";
  kasse.SteuerProzent = 20;
  kasse.Text = "Bar;verkauf";
  kasse.KOST1 = "K1";

  auto bank = Buchung(0, 100, 2800, 1200, EncodeDate(2024, 3, 5));
  bank.Belegnr = "B-77";
  bank.Beleg1 = "wird nicht genommen";
  bank.Herkunft = "BANK";
  bank.Text = "Einzahlung";

  auto gutschrift = Buchung(0, 59.5L, 8400, 10000, EncodeDate(2024, 3, 31));
  gutschrift.Herkunft = "ORDER";
  gutschrift.Belegnr = "ARE-2024-1";
  gutschrift.StSchlGgKtoSt = "Mwst_EG";
  gutschrift.SteuerProzent = 19;

  auto vorsteuer = Buchung(10.7L, 0, 4000, 2000, EncodeDate(2024, 3, 6));
  vorsteuer.Herkunft = "order";  // matches for the symbol, is not equal for the code
  vorsteuer.Beleg1 = "Rechnung-Nummer-123456789";
  vorsteuer.StSchlGgKtoSt = "Vst_Red";
  vorsteuer.SteuerProzent = 7;
  vorsteuer.Text = "Zeile\r\numbruch";
  vorsteuer.KOST1 = "K;2";

  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  for (const auto& b : {kasse, bank, gutschrift, vorsteuer}) ASSERT_TRUE(exporter.Export_Fibu_Daten(b));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(exporter.GetDateiName(), Datei().string());
  EXPECT_EQ(Lesen(Datei()),
            std::string(kKopf) +
                "0;1200;4000;KA 4711/12;02.04.2024;05.03.2024;KA;1;20;1; 000000000119,50;"
                "-000000000019,92;Bar verkauf;K1\r\n"
                "0;2800;1200;B-77;02.04.2024;05.03.2024;;2;;;-000000000100,00; 000000000000,00;"
                "Einzahlung;\r\n"
                "0;8400;10000;ARE-2024-1;02.04.2024;31.03.2024;AR;1;19;1;-000000000059,50;"
                " 000000000009,50;;\r\n"
                "0;4000;2000;Rechnung-Nummer-1234;02.04.2024;06.03.2024;GU;1;7;2; 000000000010,70;"
                "-000000000000,70;Zeileumbruch;K 2\r\n");
}

TEST_F(BmdExport, ARunWithoutBookingsWritesTheHeaderOnly) {
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(Lesen(Datei()), kKopf);
}

TEST_F(BmdExport, RefusesAClientNotInTheTableOrNotTickedAndWritesNothing) {
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024({300, 1})));
  EXPECT_NE(LetzterFehler().find("300/1"), std::string::npos);
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024(kMandant2)));
  EXPECT_NE(LetzterFehler().find("nicht ausgewählt"), std::string::npos);
  // Ticked without a BMD number: the form would refuse it, so does the batch run.
  exporter.SetMandantenDaten(kMandant2, true, {"0"});
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024(kMandant2)));
  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_TRUE(Dateien(dir).empty());
}

TEST_F(BmdExport, ADirectoryThatCannotBeCreatedRefusesTheStart) {
  std::ofstream(suite.Dir() / "datei") << "x";
  exporter.SetVerzExport((suite.Dir() / "datei" / "bmd").string());
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_NE(LetzterFehler().find("konnte nicht angelegt werden"), std::string::npos);
}

TEST_F(BmdExport, AFileThatCannotBeSavedIsReportedAsAFailure) {
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Daten(Buchung(1, 0, 1000, 2000, EncodeDate(2024, 3, 1))));
  std::filesystem::remove_all(dir);
  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_FALSE(std::filesystem::exists(Datei()));
}

TEST(BmdZeile, SignedAmountsHaveSixteenCharacters) {
  EXPECT_EQ(bmd::BmdBetrag(119.5L), " 000000000119,50");
  EXPECT_EQ(bmd::BmdBetrag(-19.08L), "-000000000019,08");
  EXPECT_EQ(bmd::BmdBetrag(-0.001L), " 000000000000,00");  // no negative zero
  EXPECT_EQ(bmd::BmdBetrag(1234567.125L), " 000001234567,13");
}

TEST(BmdRegeln, WarnsOfTheCutsTheFileMakes) {
  bmd::TBmdRegeln regeln;
  TExportProblemListe probleme;
  auto b = Buchung(1, 0, 1000, 2000, EncodeDate(2024, 3, 1));
  b.Beleg1 = "12345678901234567";
  b.Beleg2 = "123";  // 21 characters with the "/"
  b.Text = std::string(256, 'x');
  regeln.Buchung(3, b, probleme);
  ASSERT_EQ(probleme.size(), 2U);
  EXPECT_EQ(probleme[0].Feld, "belegnr");
  EXPECT_EQ(probleme[0].Zeile, 3U);
  EXPECT_FALSE(probleme[0].Sperrt);
  EXPECT_NE(probleme[0].Regel.find("\"12345678901234567/12\""), std::string::npos);
  EXPECT_EQ(probleme[1].Feld, "text");
  b.Beleg2 = "12";
  b.Text = std::string(255, 'x');
  probleme.clear();
  regeln.Buchung(0, b, probleme);
  EXPECT_TRUE(probleme.empty());
}

}  // namespace
