// What a DATEV import must take as meant: texts that cannot tear a record apart or shift
// its fields, batches of at most 99,999 bookings, file names Windows can store.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/Files.h"

using namespace datevtest;

namespace {

std::string Wiederholt(const std::string& teil, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += teil;
  return text;
}

class DatevImport : public ::testing::Test {
 protected:
  void SetUp() override { MandantenAnlegen(); }

  std::string Verzeichnis() const { return (suite.Dir() / "export" / "datev").string(); }
  std::string Datei(const std::string& name = "EXTF_FIL1_12345_202403_7.csv") const {
    return Verzeichnis() + "/" + name;
  }

  TestSuite suite;
};

TEST_F(DatevImport, LineBreaksQuotesControlCharactersAndDecomposedLettersInEveryText) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  exporter.SetMandantenDaten(kMandant1, 1234567, true, true, "\"A", 12345);
  auto b = Buchung(0, 10, 1200, 8400, 3, EncodeDate(2024, 3, 5));
  b.Waehrung = "E\"UR";
  b.Beleg1 = "R\r\n1\"2";
  b.Beleg2 = "X\nY\x0BZ";
  b.Text = "Cafe\xCC\x81 \"Lieferung\"\r\nTeil\x0C" "2";
  b.KOST1 = "K\"1\r\n";
  b.KOST2 = "K\x7F" "2";
  b.UStID = "DE\"123\r\n456";
  b.ZahlungsRef = "P\nA\"Y";
  TFibuExportBuchInfoZusatz zusatz;
  zusatz.BelegItem(1) = {"Art\r\n1", std::string("In\0halt", 7)};
  zusatz.ZusatzItem(1) = {"Z\x1F", "\"W\"\n"};

  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Daten(b, zusatz));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(Lesen(Datei()), Lesen(SALDIX_TEST_DATA "/datev/EXTF_Texte_510.csv"));
}

TEST_F(DatevImport, EuCountryAndReferencesOf700AreCleanedToo) {
  TFibuExporter_Datev_700 exporter;
  Einrichten(exporter, Verzeichnis());
  auto b = Buchung(0, 200, 8125, 10001, 240, EncodeDate(2024, 3, 20));
  b.EULand = "A\"T\n";
  b.EUSteuer = 19;
  b.ZahlungsRef = "Z\r\nR\"1";
  TFibuExportBuchInfoZusatz zusatz;
  zusatz.AuftragsNr = "O\"1\n";
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Daten(b, zusatz));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  const auto zeilen = Zeilen(Lesen(Datei()));
  ASSERT_EQ(zeilen.size(), 3u);
  const auto felder = Felder(zeilen[2]);
  ASSERT_EQ(felder.size(), 124u);
  EXPECT_EQ(felder[39], "\"AT\"");
  EXPECT_EQ(felder[40], "19,00");
  EXPECT_EQ(felder[94], "\"O1\"");
  EXPECT_EQ(felder[120], "\"ZR1\"");
}

TEST_F(DatevImport, MoreThan99999BookingsBecomeSeveralCompleteBatches) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  // An earlier export of the same name left a second batch: it must not stay beside the
  // new file, or the import would take it again.
  std::filesystem::create_directories(Verzeichnis());
  std::ofstream(Datei("EXTF_FIL1_12345_202403_7_2.csv")) << "alt";
  std::ofstream(Datei("EXTF_FIL1_12345_202403_7_3.csv")) << "alt";

  const auto buchung = Buchung(0, 1, 1000, 8400, 0, EncodeDate(2024, 3, 5));
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  for (int i = 0; i < 100000; ++i) exporter.Export_Fibu_Daten(buchung, {});
  ASSERT_TRUE(exporter.Export_Fibu_Ende());

  const std::string kopf =
      "\"EXTF\";510;21;\"Buchungsstapel\";7;20240402101112345;;\"\";\"\";\"\";1234567;12345;"
      "20240101;4;20240301;20240331;\"\";\"AB\";1;0;1;\"EUR\";;\"\";;;\"\";;;\"\";\"\"\r\n";
  const std::string spalten =
      Zeilen(Lesen(SALDIX_TEST_DATA "/datev/510/erwartet/EXTF_FIL1_12345_202403_7.csv")).at(1) + "\r\n";
  const std::string zeile = "1,00;\"H\";\"EUR\";;;\"\";1000;8400;\"0\";0503;\"\";\"\";;\"\";;"
                            "\"\";;;;\"\";" + Wiederholt("\"\";", 16) + "\"\";\"\";;\"\";;\"\";"
                            ";;;;;" + Wiederholt("\"\";", 40) + ";;;\"\";;;;\"\";\"\";;\"\";;;"
                            "\"\";\"\";\"\";;\"\";;\"\";;\"\";\"\";;\"\";;1;;\r\n";
  const std::string erste = Lesen(Datei());
  EXPECT_EQ(erste.size(), kopf.size() + spalten.size() + 99999 * zeile.size());
  EXPECT_EQ(erste, kopf + spalten + Wiederholt(zeile, 99999));
  EXPECT_EQ(Lesen(Datei("EXTF_FIL1_12345_202403_7_2.csv")), kopf + spalten + zeile);
  EXPECT_FALSE(std::filesystem::exists(Datei("EXTF_FIL1_12345_202403_7_3.csv")));

  EXPECT_EQ(exporter.GetMeldung(),
            "Die ausgewählten Daten wurden in die folgenden Dateien exportiert:\r\n\r\n" +
                Datei() + "\r\n" + Datei("EXTF_FIL1_12345_202403_7_2.csv") +
                "\r\n\r\nDie Dateien können nun bei Datev importiert werden.");
  EXPECT_EQ(exporter.GetDateiListe(),
            (TStringList{Datei(), Datei("EXTF_FIL1_12345_202403_7_2.csv")}));
  EXPECT_TRUE(std::filesystem::is_empty(GetDirWwsByName(27, "")));
}

TEST_F(DatevImport, ExactlyFullBatchStaysOneFile) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  const auto buchung = Buchung(0, 1, 1000, 8400, 0, EncodeDate(2024, 3, 5));
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  for (int i = 0; i < 99999; ++i) exporter.Export_Fibu_Daten(buchung, {});
  // Zero bookings write no line and do not count.
  exporter.Export_Fibu_Daten(Buchung(1, 1, 1000, 8400, 0, EncodeDate(2024, 3, 5)), {});
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(exporter.GetDateiListe(), TStringList{Datei()});
  EXPECT_EQ(Zeilen(Lesen(Datei())).size(), 2u + 99999u);
}

TEST_F(DatevImport, ShortNamesLoseWhatWindowsCannotStoreInAFileName) {
  SuiteDatabase::Get()
      .Cached("UPDATE mandanten SET kurz_name = ? WHERE firma1 = ?")
      .With("Bä:c*k?e\"r<e>i|1/2\\3\x01", kMandant1.Nr1)
      .Run();
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(exporter.GetDateiListe(),
            TStringList{Datei("EXTF_Bä_c_k_e_r_e_i_1_2_3__12345_202403_7.csv")});
  EXPECT_TRUE(std::filesystem::exists(Datei("EXTF_Bä_c_k_e_r_e_i_1_2_3__12345_202403_7.csv")));
}

}  // namespace
