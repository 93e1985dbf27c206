#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/Files.h"
#include "suite/QTXInfo.h"

using namespace datevtest;

namespace {

class DatevExport : public ::testing::Test {
 protected:
  void SetUp() override { MandantenAnlegen(); }

  std::string Verzeichnis() const { return (suite.Dir() / "export" / "datev").string(); }
  std::string Datei() const { return Verzeichnis() + "/EXTF_FIL1_12345_202403_7.csv"; }

  // Writes the expected file's bookings and returns the file's content.
  std::string Exportieren(TFibuExporter_Datev& exporter, int euSchluessel) {
    EXPECT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
    for (const auto& b : Buchungen(euSchluessel)) {
      EXPECT_TRUE(exporter.Export_Fibu_Daten(b.buch, b.zusatz));
    }
    EXPECT_TRUE(exporter.Export_Fibu_Ende());
    return Lesen(Datei());
  }

  // The data lines of one file holding only the given booking.
  std::vector<std::string> Einzeln(TFibuExporter_Datev& exporter, const TFibuExportBuchInfo& b,
                                   const TFibuExportBuchInfoZusatz& zusatz = {}) {
    EXPECT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
    exporter.Export_Fibu_Daten(b, zusatz);
    EXPECT_TRUE(exporter.Export_Fibu_Ende());
    auto zeilen = Zeilen(Lesen(Datei()));
    return {zeilen.begin() + 2, zeilen.end()};
  }

  TestSuite suite;
};

// The bytes of both versions are compared in the format cases (tests/data/datev); these
// check their shape and the messages.
TEST_F(DatevExport, Version510WritesItsShapeAndMessages) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  const std::string inhalt = Exportieren(exporter, 10);

  const auto zeilen = Zeilen(inhalt);
  ASSERT_EQ(zeilen.size(), 6u);  // the zero booking wrote no line
  EXPECT_EQ(Felder(zeilen[0]).size(), 31u);
  EXPECT_EQ(Felder(zeilen[1]).size(), 116u);
  for (std::size_t i = 2; i < zeilen.size(); ++i) EXPECT_EQ(Felder(zeilen[i]).size(), 116u);

  EXPECT_EQ(exporter.GetMeldung(),
            "Die ausgewählten Daten wurden in die folgende Datei exportiert:\r\n\r\n\"" + Datei() +
                "\"\r\n\r\nDie Datei kann nun bei Datev importiert werden.\r\n\r\n1 Zeichen ohne "
                "Entsprechung im Windows-Zeichensatz wurden durch \"?\" ersetzt.");
  EXPECT_EQ(exporter.GetDateiName(), Datei());
  EXPECT_EQ(exporter.GetDateiListe(), TStringList{Datei()});
  EXPECT_TRUE(exporter.GetDateiListe().empty());
  EXPECT_EQ(exporter.GetMeldung(), "Es konnte keine Exortdatei erstellt werden.");
  // Nothing is left in the directory for temporary files.
  EXPECT_TRUE(std::filesystem::is_empty(GetDirWwsByName(27, "")));
}

TEST_F(DatevExport, Version700WritesItsShape) {
  TFibuExporter_Datev_700 exporter;
  Einrichten(exporter, Verzeichnis());
  const std::string inhalt = Exportieren(exporter, 240);

  const auto zeilen = Zeilen(inhalt);
  ASSERT_EQ(zeilen.size(), 6u);
  EXPECT_EQ(Felder(zeilen[0]).size(), 31u);
  for (std::size_t i = 1; i < zeilen.size(); ++i) EXPECT_EQ(Felder(zeilen[i]).size(), 124u);
}

TEST_F(DatevExport, HalfACentIsTheSmallestDifferenceThatWritesALine) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  const TDateTime tag = EncodeDate(2024, 3, 5);
  EXPECT_TRUE(Einzeln(exporter, Buchung(0, 0.004L, 1000, 8400, 0, tag)).empty());
  EXPECT_TRUE(Einzeln(exporter, Buchung(100.004L, 100, 1000, 8400, 0, tag)).empty());
  EXPECT_TRUE(Einzeln(exporter, Buchung(0, 0.0049996L, 1000, 8400, 0, tag)).empty());
  const auto zeilen = Einzeln(exporter, Buchung(0, 0.005L, 1000, 8400, 0, tag));
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].substr(0, 9), "0,01;\"H\";");
  ASSERT_EQ(Einzeln(exporter, Buchung(10.005L, 10, 1000, 8400, 0, tag)).size(), 1u);
}

TEST_F(DatevExport, DocumentFieldsAreCleanedBeforeTheCut) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  auto b = Buchung(1, 0, 1000, 8400, 0, EncodeDate(2024, 3, 5));
  b.Beleg1 = "1 2 3 4 5 6 7 8 9 0 1 2 3";  // 25 characters, 13 without blanks
  b.Beleg2 = "\"Q\"_1";
  const auto felder = Felder(Einzeln(exporter, b).at(0));
  EXPECT_EQ(felder[10], "\"123456789012\"");
  EXPECT_EQ(felder[11], "\"Q-1\"");
}

TEST_F(DatevExport, EuKeyWritesCountryAndRateOnlyForItsVersion) {
  auto eu = Buchung(0, 200, 8125, 10001, 10, EncodeDate(2024, 3, 20));
  eu.UStID = "ATU12345678";
  eu.EULand = "AT";
  eu.EUSteuer = 7;
  eu.ZahlungsRef = "TX-99";
  {
    TFibuExporter_Datev exporter;
    Einrichten(exporter, Verzeichnis());
    const auto felder = Felder(Einzeln(exporter, eu).at(0));
    EXPECT_EQ(felder[39], "\"AT\"");
    EXPECT_EQ(felder[40], "7,00");
    EXPECT_EQ(felder[94], "\"TX-99\"");
  }
  TFibuExporter_Datev_700 exporter;
  Einrichten(exporter, Verzeichnis());
  const auto felder = Felder(Einzeln(exporter, eu).at(0));
  EXPECT_EQ(felder[39], "\"ATU12345678\"");
  EXPECT_EQ(felder[40], "");
  EXPECT_EQ(felder[94], "\"\"");  // order numbers are off
  EXPECT_EQ(felder[120], "\"TX-99\"");
}

TEST_F(DatevExport, ExchangeKeepsTheAmountAndFlipsTheSide) {
  TFibuExporter_Datev_700 exporter;
  Einrichten(exporter, Verzeichnis());
  const auto soll = Buchung(100, 0, 1000, 8400, 0, EncodeDate(2024, 3, 5));
  EXPECT_EQ(Einzeln(exporter, soll).at(0).substr(0, 11), "100,00;\"S\";");
  exporter.SetSollHabenTauschen(true);
  EXPECT_EQ(Einzeln(exporter, soll).at(0).substr(0, 11), "100,00;\"H\";");
}

TEST_F(DatevExport, Beleg1KeepsUpTo36CharactersIn700) {
  TFibuExporter_Datev_700 exporter;
  Einrichten(exporter, Verzeichnis());
  auto b = Buchung(1, 0, 1000, 8400, 0, EncodeDate(2024, 3, 5));
  b.Beleg1 = "ABCDEFGHIJKLMNOPQRST";
  b.Beleg2 = b.Beleg1;
  const auto felder = Felder(Einzeln(exporter, b).at(0));
  EXPECT_EQ(felder[10], "\"ABCDEFGHIJKLMNOPQRST\"");
  EXPECT_EQ(felder[11], "\"ABCDEFGHIJKL\"");
}

TEST_F(DatevExport, FiscalYearFromJulyStartsInTheYearBeforeUntilJuly) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  exporter.SetMandantenDaten(kMandant2, 7654321, false, true, "", 54321);
  const std::string dir = Verzeichnis();
  TFibuExportFileInfo info{kMandant2, 3, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)};
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(info));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  auto kopf = Felder(Zeilen(Lesen(dir + "/EXTF_FIL2_54321_202403_3.csv"))[0]);
  EXPECT_EQ(kopf[12], "20230701");
  EXPECT_EQ(kopf[20], "0");  // no locking for this client

  info.DatumVon = EncodeDate(2024, 7, 1);
  info.DatumBis = EncodeDate(2024, 7, 31);
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(info));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  kopf = Felder(Zeilen(Lesen(dir + "/EXTF_FIL2_54321_202407_3.csv"))[0]);
  EXPECT_EQ(kopf[12], "20240701");
  EXPECT_EQ(exporter.GetDateiListe().size(), 2u);
}

TEST_F(DatevExport, ASecondFileOfTheSameNameReplacesTheFirst) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  const TDateTime tag = EncodeDate(2024, 3, 5);
  Einzeln(exporter, Buchung(1, 0, 1000, 8400, 0, tag));
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_FALSE(std::filesystem::exists(Datei()));  // deleted while the new one is written
  exporter.Export_Fibu_Daten(Buchung(2, 0, 1000, 8400, 0, tag), {});
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  const auto zeilen = Zeilen(Lesen(Datei()));
  ASSERT_EQ(zeilen.size(), 3u);
  EXPECT_EQ(zeilen[2].substr(0, 5), "2,00;");
  EXPECT_NE(exporter.GetMeldung().find("in die folgenden Dateien exportiert:\r\n\r\n" + Datei() +
                                       "\r\n" + Datei() + "\r\n\r\nDie Dateien können"),
            std::string::npos);
}

TEST_F(DatevExport, RefusalsWriteNoFile) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024(TIntPair{999, 9})));
  EXPECT_EQ(suite.Messages().Count(), 0u);

  const auto blockiert = suite.Dir() / "blockiert";
  std::ofstream(blockiert) << "eine Datei, kein Verzeichnis";
  exporter.SetVerzExport((blockiert / "unter").string());
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_EQ(suite.Messages().LastText(),
            "Exportverzeichnis\r\"" + (blockiert / "unter").string() +
                "\"\rkonnte nicht gefunden/angelegt werden.\rBitte überprüfen Sie die "
                "Grundeinstellungen.");
  // Where nobody sees the box, the log names the folder and the system's reason.
  EXPECT_EQ(QTXInfo().Registrations().back().text,
            "Das Exportverzeichnis \"" + (blockiert / "unter").string() +
                "\" konnte nicht angelegt werden: Not a directory");
  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(exporter.GetMeldung(), "Es konnte keine Exortdatei erstellt werden.");
}

TEST_F(DatevExport, ABookingThatCannotBeWrittenFailsTheWholeFile) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  const TDateTime tag = EncodeDate(2024, 3, 5);
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_TRUE(exporter.Export_Fibu_Daten(Buchung(1, 0, 1000, 8400, 0, tag), {}));
  auto kaputt = Buchung(std::numeric_limits<long double>::quiet_NaN(), 0, 1000, 8400, 0, tag);
  EXPECT_FALSE(exporter.Export_Fibu_Daten(kaputt, {}));
  EXPECT_TRUE(exporter.Export_Fibu_Daten(Buchung(3, 0, 1000, 8400, 0, tag), {}));

  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_FALSE(std::filesystem::exists(Datei()));
  EXPECT_TRUE(exporter.GetDateiListe().empty());
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TFibuExporter_Datev.Export_Fibu_Ende");
  EXPECT_TRUE(std::filesystem::is_empty(GetDirWwsByName(27, "")));

  // The next file starts clean.
  EXPECT_EQ(Einzeln(exporter, Buchung(1, 0, 1000, 8400, 0, tag)).size(), 1u);
}

TEST_F(DatevExport, BookingWithoutAdditionalFieldsIsStillWritten) {
  TFibuExporter_Datev exporter;
  Einrichten(exporter, Verzeichnis());
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_TRUE(exporter.Export_Fibu_Daten(Buchung(5, 0, 1000, 8400, 0, EncodeDate(2024, 3, 5))));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  const auto zeilen = Zeilen(Lesen(Datei()));
  ASSERT_EQ(zeilen.size(), 3u);
  const auto felder = Felder(zeilen[2]);
  ASSERT_EQ(felder.size(), 116u);
  EXPECT_EQ(felder[0], "5,00");
  EXPECT_EQ(felder[20], "\"\"");
}

TEST_F(DatevExport, TaxKeysOfBothVersions) {
  TFibuExporter_Datev v510;
  TFibuExporter_Datev_700 v700;
  const char* erwartet[] = {"2", "4", "3", "4", "5", "8", "6", "9", "6", "7"};
  for (int art = 0; art < 10; ++art) {
    const auto steuer = static_cast<TQTX_FibuExport_Steuer>(art);
    EXPECT_EQ(v510.Get_Steuerschluessel(steuer), erwartet[art]);
    EXPECT_EQ(v700.Get_Steuerschluessel(steuer), erwartet[art]);
  }
  EXPECT_EQ(v510.Get_Steuerschluessel(CQTX_FibuExport_Ust_EG), "10");
  EXPECT_EQ(v700.Get_Steuerschluessel(CQTX_FibuExport_Ust_EG), "240");
  EXPECT_EQ(v510.Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne), "");
  EXPECT_EQ(v700.Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne), "");
}

}  // namespace
