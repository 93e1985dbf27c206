// The DVO record file against records worked out by hand, and the runs that must leave
// no file.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/MandantenFixture.h"
#include "formats/dvo/DvoFormat.h"
#include "formats/dvo/DvoRegeln.h"
#include "formats/dvo/FibuExporter_DVO.h"

using namespace mandantentest;
using dvo::TFibuExporter_DVO;

namespace {

class DvoExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = suite.Dir() / "dvo";
    Einrichten(exporter, dir.string());
    exporter.SetMandantenDaten(kMandant1, true, {"1001"});
    exporter.SetMandantenDaten(kMandant2, true, {"2002"});
    exporter.SetBelegart(1, "ZEN");
    exporter.SetBelegart(2, "NO");
    QTXInfo().ClearRegistrations();
  }
  TFibuExportBuchInfo Beleg(long double soll, long double haben, int konto, int gegenKonto,
                            TDateTime datum, int filiale, std::string beleg1, std::string beleg2) {
    auto b = Buchung(soll, haben, konto, gegenKonto, datum);
    b.Filiale = filiale;
    b.Beleg1 = std::move(beleg1);
    b.Beleg2 = std::move(beleg2);
    return b;
  }

  TestSuite suite;
  std::filesystem::path dir;
  TFibuExporter_DVO exporter;
};

TEST_F(DvoExport, WritesBatchesPerMonthAndBranchAsWorkedOutByHand) {
  auto verkauf = Beleg(119, 0, 84, 1200, EncodeDate(2024, 3, 5), 1, "123", "45");
  verkauf.StSchlGgKto = 320;
  verkauf.KOST1 = "100";
  verkauf.Text = "Verkauf \"Ware\" #TEXT";  // neither the quote nor the placeholder breaks it
  auto zahlung = Beleg(0, 100, 1200, 70001, EncodeDate(2024, 3, 20), 1, "7", "");
  zahlung.UStID = "ATU123";
  zahlung.Text = "Zahlung";
  const auto nord = Beleg(1234.5L, 0, 1234567, 8400, EncodeDate(2024, 3, 20), 2, "250", "7");
  const auto april = Beleg(0, 0, 1000, 2000, EncodeDate(2024, 4, 2), 2, "", "");

  // Client 2's fiscal year begins in July: March 2024 lies in the year from 01.07.2023.
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024(kMandant2)));
  for (const auto& b : {verkauf, zahlung, nord, april}) ASSERT_TRUE(exporter.Export_Fibu_Daten(b));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  const auto datei = dir / "BUCHUNG_KWX_2002_2024_7.txt";
  EXPECT_EQ(exporter.GetDateiName(), datei.string());
  EXPECT_EQ(Lesen(datei),
            "1,2002,\"2024\",01072023,4,5,\"EUR\"\r\n"
            "100,\"ZEN\",3,\"01032024\",3,0\r\n"
            "110,840000,120000,05032024,\"23000045\",\"\",119.00,\"320\",\"\",,\"\",100,\"\",,"
            "\"Verkauf \"\"Ware\"\" #TEXT\"\r\n"
            "110,120000,700010,20032024,\"7000000\",\"\",-100.00,\"0\",\"\",,\"ATU123\",,\"\",,"
            "\"Zahlung\"\r\n"
            "111,19.00\r\n"
            "100,\"NO\",3,\"01032024\",3,0\r\n"
            "110,1234567,840000,20032024,\"50000007\",\"\",1234.50,\"0\",\"\",,\"\",,\"\",,\"\"\r\n"
            "111,1234.50\r\n"
            "100,\"NO\",3,\"01042024\",4,0\r\n"
            "110,100000,200000,02042024,\"0\",\"\",0.00,\"0\",\"\",,\"\",,\"\",,\"\"\r\n"
            "111,0.00\r\n"
            "\r\n");
  EXPECT_EQ(exporter.GetMeldung(), "Die ausgewählten Sätze wurden in die Datei\r\"" +
                                       datei.string() + "\"\rexportiert.");
}

TEST_F(DvoExport, ARunWithoutBookingsHoldsTheClientRecordAndAnEmptyLine) {
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(Lesen(dir / "BUCHUNG_KWX_1001_2024_7.txt"), "1,1001,\"2024\",01012024,4,5,\"EUR\"\r\n\r\n");
}

TEST_F(DvoExport, ABookingItCannotWriteFailsTheWholeFile) {
  for (const auto& falsch : {Beleg(1, 0, 1000, 2000, EncodeDate(2024, 3, 1), 9, "1", ""),
                             Beleg(1, 0, 1000, 2000, EncodeDate(2024, 4, 1), 7, "R-1", "")}) {
    ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024()));
    EXPECT_TRUE(exporter.Export_Fibu_Daten(Beleg(1, 0, 1000, 2000, EncodeDate(2024, 3, 1), 1, "1", "")));
    EXPECT_FALSE(exporter.Export_Fibu_Daten(falsch));
    EXPECT_NE(LetzterFehler().find("Buchung Beleg \"" + falsch.Beleg1 + "\" vom " +
                                   DateToStr(falsch.BelegDatum)),
              std::string::npos);
    EXPECT_NE(LetzterFehler().find(Format("Die Filiale %d ist nicht", falsch.Filiale)), std::string::npos);
    EXPECT_FALSE(exporter.Export_Fibu_Ende());
    EXPECT_NE(LetzterFehler().find("nicht erstellt"), std::string::npos);
    EXPECT_TRUE(Dateien(dir).empty());
  }
}

TEST_F(DvoExport, RefusesWhatTheFormCallsUnusable) {
  exporter.SetSachKtoLng(7);
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  exporter.SetSachKtoLng(4);
  exporter.SetPersKtoLng(4);
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  exporter.SetPersKtoLng(5);
  exporter.SetMandantenDaten(kMandant1, true, {"0"});
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(DvoFormat, ValuesAsTheRecordsWantThem) {
  EXPECT_EQ(dvo::FormatiereBetrag(1234.5L), "1234.50");
  EXPECT_EQ(dvo::FormatiereBetrag(-0.001L), "0.00");
  EXPECT_EQ(dvo::FormatiereSachkonto(84), "840000");
  EXPECT_EQ(dvo::FormatiereSachkonto(1234567), "1234567");
  EXPECT_EQ(dvo::FormatiereDatum(EncodeDate(2024, 3, 5)), "05032024");
  EXPECT_EQ(dvo::Belegnummer("99", "999999"), 99999999);
  EXPECT_FALSE(dvo::BelegnummerGekuerzt("99", "999999"));
  // Far beyond 32 bits: computed without overflow, its last eight digits kept.
  EXPECT_EQ(dvo::Belegnummer("12345678901234567890", "12"), 90000012);
  EXPECT_TRUE(dvo::BelegnummerGekuerzt("12345678901234567890", "12"));
  EXPECT_TRUE(dvo::BelegnummerGekuerzt("1", "123456789"));
  // Only the digits count: letters never cost a booking.
  EXPECT_EQ(dvo::Belegnummer("RE-12", "OC 7"), 12000007);
  EXPECT_EQ(dvo::Belegnummer("KB", ""), 0);
  EXPECT_FALSE(dvo::NurZiffern("RE-12"));
  EXPECT_TRUE(dvo::NurZiffern(""));
  EXPECT_EQ(dvo::BeginnGeschaeftsjahr(EncodeDate(2024, 3, 1), 7), EncodeDate(2023, 7, 1));
  EXPECT_EQ(dvo::BeginnGeschaeftsjahr(EncodeDate(2024, 7, 1), 7), EncodeDate(2024, 7, 1));
  EXPECT_THROW(dvo::BeginnGeschaeftsjahr(EncodeDate(2024, 3, 1), 0), std::invalid_argument);
  EXPECT_EQ(dvo::Freitext("a,b\"c\nd"), "a b cd");
}

TEST(DvoRegeln, BlocksWhatTheFileCannotHoldAndWarnsOfCuts) {
  dvo::TDvoRegeln regeln({{1, "Zentrale", "ZEN"}, {2, "Nord", " "}});
  TExportProblemListe probleme;
  auto b = Buchung(1, 0, 1000, 2000, EncodeDate(2024, 3, 1));
  b.Filiale = 1;
  b.Beleg1 = "5";
  regeln.Buchung(0, b, probleme);
  EXPECT_TRUE(probleme.empty());
  b.Filiale = 2;  // no document series
  b.Beleg2 = "x";
  b.KOST1 = "1,2";
  regeln.Buchung(1, b, probleme);
  b.Filiale = 3;  // not a branch
  b.Beleg1 = "250";
  b.Beleg2 = "";
  b.KOST1.clear();
  regeln.Buchung(2, b, probleme);
  b.Filiale = 1;
  b.Beleg1 = "RE-9";
  regeln.Buchung(3, b, probleme);
  regeln.Ende({}, probleme);
  ASSERT_EQ(probleme.size(), 5U);
  EXPECT_TRUE(probleme[0].Sperrt);
  EXPECT_EQ(probleme[0].Feld, "Filiale");
  EXPECT_FALSE(probleme[1].Sperrt);
  EXPECT_EQ(probleme[1].Feld, "Kostenstelle");
  EXPECT_TRUE(probleme[2].Sperrt);
  EXPECT_EQ(probleme[2].Zeile, 2U);
  EXPECT_FALSE(probleme[3].Sperrt);
  EXPECT_NE(probleme[3].Regel.find("50000000"), std::string::npos);
  // Document fields with letters: one warning for all, at the first of them.
  EXPECT_EQ(probleme[4].Zeile, 1U);
  EXPECT_FALSE(probleme[4].Sperrt);
  EXPECT_NE(probleme[4].Regel.find("wie bei 1 weiteren Buchungen"), std::string::npos);
}

}  // namespace
