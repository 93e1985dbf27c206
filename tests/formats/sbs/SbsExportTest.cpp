// The SBS metafile against the frame, blocks and records worked out by hand, the user's
// own templates, and the runs that must leave no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "export/RautenVorlage.h"
#include "formats/MandantenFixture.h"
#include "formats/sbs/FibuExporter_SBS.h"

using namespace mandantentest;
using sbs::TFibuExporter_SBS;

namespace {

class SbsExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = suite.Dir() / "sbs";
    Einrichten(exporter, dir.string());
    exporter.SetLangVersion("3.00");
    exporter.SetMandantenDaten(kMandant1, true, {"4711"});
    exporter.SetMandantenDaten(kMandant2, false, {"0"});
    QTXInfo().ClearRegistrations();
  }
  std::filesystem::path Datei() const { return dir / "BUCHUNG_QTX_4711_2024_7.MTA"; }

  TestSuite suite;
  std::filesystem::path dir;
  TFibuExporter_SBS exporter;
};

const std::string kRahmenKopf =
    "ExportedSystem=\"QTX\"\r\n"
    "LangVer=\"3.00\"\r\n"
    "WorkstationID=\"0\"\r\n"
    "Comment=\"Abr. 7/2024\"\r\n"
    "<Block, 02.04.2024 10:11:12>\r\n"
    "  [Mandant]\r\n"
    "    plManNr=4711\r\n"
    "    pbyDefaultWaehrung=1\r\n";
const std::string kRahmenFuss =
    "\r\n"
    "  [END]\r\n"
    "<END>\r\n"
    "END_OF_FILE\r\n";

std::string Buchungssatz(const std::string& haben, const std::string& betrag,
                         const std::string& datum, const std::string& kontoHaben,
                         const std::string& kontoSoll, const std::string& beleg1,
                         const std::string& beleg2, const std::string& sonstige) {
  return "      [Buchungssatz]\r\n"
         "        [Grundangaben]\r\n"
         "          pbyTyp=1\r\n"
         "          pbyOpos=0\r\n"
         "          pbyHerkunft=3\r\n"
         "          pbyTransfer=1\r\n"
         "          pbyErfassung=1\r\n"
         "          pbHaben=" + haben + "\r\n"
         "          pcBetrag=" + betrag + "\r\n"
         "          pdtDatum_Beleg=" + datum + "\r\n"
         "          plSkNr_Haben=" + kontoHaben + "\r\n"
         "          plSkNr_Soll=" + kontoSoll + "\r\n"
         "          psBeleg1=" + beleg1 + "\r\n"
         "          plBeleg2=" + beleg2 + "\r\n"
         "          " + sonstige + "\r\n"
         "        [END]\r\n"
         "      [END]\r\n";
}

TEST_F(SbsExport, WritesOneBlockPerMonthAsWorkedOutByHand) {
  auto verkauf = Buchung(119, 0, 1200, 8400, EncodeDate(2024, 1, 15));
  verkauf.Beleg1 = "R-1";
  verkauf.Beleg2 = "12";
  verkauf.Text = "Verkauf #HABEN";  // a placeholder in a value stays as it is
  verkauf.StSchlGgKto = 102;
  auto null = Buchung(0, 0, 1000, 2000, EncodeDate(2024, 1, 31));
  null.Text = "   ";  // blank: no text line
  null.UStID = "ATU99";
  auto gutschrift = Buchung(0, 50.5L, 8400, 1200, EncodeDate(2024, 2, 1));
  gutschrift.StSchlGgKto = 201;

  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  for (const auto& b : {verkauf, null, gutschrift}) ASSERT_TRUE(exporter.Export_Fibu_Daten(b));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(Lesen(Datei()),
            kRahmenKopf +
                "    [FibBuchung]  \r\n"
                "      pbyMonat=1\r\n"
                "      pdtBuchzeitraum=01.01.2024\r\n"
                "      plStrukturform=0\r\n" +
                Buchungssatz("False", "119,00", "15.01.2024", "8400", "1200", "R-1", "12",
                             "psText=Verkauf #HABEN\r\n"
                             "          pbyStArt_Haben=1\r\n"
                             "          plStschlNr_Haben=02\r\n"
                             "          ") +
                Buchungssatz("True", "0,00", "31.01.2024", "1000", "2000", "", "",
                             "psUStIdent=ATU99\r\n          ") +
                "\r\n"
                "    [END]\r\n"
                "    [FibBuchung]  \r\n"
                "      pbyMonat=2\r\n"
                "      pdtBuchzeitraum=01.02.2024\r\n"
                "      plStrukturform=0\r\n" +
                Buchungssatz("True", "50,50", "01.02.2024", "8400", "1200", "", "",
                             "pbyStArt_Soll=2\r\n"
                             "          plStschlNr_Soll=01\r\n"
                             "          ") +
                "\r\n"
                "    [END]\r\n" +
                kRahmenFuss);
}

TEST_F(SbsExport, ARunWithoutBookingsWritesTheFrameOnly) {
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(Lesen(Datei()), kRahmenKopf + kRahmenFuss);
}

TEST_F(SbsExport, TakesTheUsersOwnTemplatesAndRefusesOneWithoutItsPlace) {
  std::filesystem::create_directories(VorlagenVerzeichnis());
  std::ofstream(VorlagenVerzeichnis() + "/ExportSBSVorlage.txt") << "Kopf #MANDANT #VERSION\n#FIBBUCHUNG\nEnde";
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(Lesen(Datei()), "Kopf 4711 3.00\r\n\r\nEnde\r\n");

  // Without the place of the month blocks every booking would be lost.
  std::ofstream(VorlagenVerzeichnis() + "/ExportSBSFibBuchung.txt") << "[FibBuchung]\n[END]\n";
  std::filesystem::remove(Datei());
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_NE(LetzterFehler().find("#BUCHUNGEN"), std::string::npos);
  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_TRUE(Dateien(dir).empty());
}

TEST_F(SbsExport, RefusesAnEmptyLanguageVersionInABatchRun) {
  exporter.SetLangVersion(" ");
  EXPECT_FALSE(exporter.EinstellungenVorhanden());
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(RautenVorlage, TheLongestNameWinsAndOtherHashesAreText) {
  const TRautenVorlage vorlage("#BELEG #BELEGDATUM #BELEG1 #X ##BELEG", {"BELEG", "BELEGDATUM", "BELEG1"});
  std::string aus;
  vorlage.Fuellen(aus, {"b", "d", "1"});
  EXPECT_EQ(aus, "b d 1 #X #b");
  EXPECT_EQ(vorlage.Anzahl(0), 2);
  EXPECT_THROW(vorlage.Teilen(0, "Probe"), std::invalid_argument);  // twice, not once
  EXPECT_EQ(VorlagenZeilen("a\nb\r\n\nc"), "a\r\nb\r\n\r\nc\r\n");
}

}  // namespace
