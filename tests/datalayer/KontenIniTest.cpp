#include <gtest/gtest.h>

#include "data/KontenIni.h"
#include "suite/DateTime.h"
#include "support/TestSuite.h"

namespace {

struct Treffer {
  bool gefunden;
  std::string konto;
  std::string steuer;
};

Treffer Suche(const TKontenSpezTabelle& t, const std::string& konto, const std::string& st,
              int filiale, int rechner, TDateTime datum, bool soll) {
  Treffer r{};
  r.gefunden = t.Konto_Gefunden(konto, st, filiale, rechner, datum, soll, r.konto, r.steuer);
  return r;
}

TEST(KontenIni, LineWithSevenFieldsReplacesAccountAndClearsTaxKey) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {"# Sonderkonten", "", "ERLWARE;3;5;01.01.2013;0;8005;N"};
  t.KontenIni_einlesen(&zeilen);
  ASSERT_TRUE(t.KontenSpezVorhanden());
  auto r = Suche(t, "ERLWARE", "3", 5, 1, EncodeDate(2013, 1, 1), true);
  EXPECT_TRUE(r.gefunden);
  EXPECT_EQ(r.konto, "8005");
  EXPECT_EQ(r.steuer, "");
  EXPECT_TRUE(Suche(t, "ERLWARE", "3", 5, 1, EncodeDate(2024, 5, 2), false).gefunden);
  EXPECT_FALSE(Suche(t, "ERLWARE", "3", 6, 1, EncodeDate(2013, 1, 1), true).gefunden);
  EXPECT_FALSE(Suche(t, "ERLWARE", "3", 5, 1, EncodeDate(2012, 12, 31), true).gefunden);
  EXPECT_FALSE(Suche(t, "ERLWARE", "2", 5, 1, EncodeDate(2013, 1, 1), true).gefunden);
}

TEST(KontenIni, OptionalFieldsGiveNewTaxKeyAndComputer) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {
      "ERLWARE;3;0;01.01.2013;31.12.2013;8005;N;4;J;51",
      "ERLWARE;3;0;01.01.2013;0;8006;J",
      "ERLWARE;7;0;kein Datum;0;8007;N;4;J",
  };
  t.KontenIni_einlesen(&zeilen);
  ASSERT_EQ(t.KontenSpezDaten().size(), 3u);
  // The computer restricts the first line; the date range ends with its last day.
  auto r = Suche(t, "ERLWARE", "3", 9, 51, EncodeDateTime(2013, 12, 31, 15, 0, 0), true);
  EXPECT_EQ(r.konto, "8005");
  EXPECT_EQ(r.steuer, "4");
  r = Suche(t, "ERLWARE", "3", 9, 52, EncodeDate(2013, 6, 1), true);
  EXPECT_EQ(r.konto, "8006");
  EXPECT_EQ(r.steuer, "3");
  // A date field that is no date reads as 0: valid from the start.
  r = Suche(t, "ERLWARE", "7", 9, 1, EncodeDate(2000, 1, 1), true);
  EXPECT_EQ(r.konto, "8007");
  EXPECT_EQ(r.steuer, "4");
}

TEST(KontenIni, SideSuffixAppliesToThatSideOnly) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {"ERLWARE_SOLL;;0;0;0;1111;N", "KASSE;;0;0;0;2222;N"};
  t.KontenIni_einlesen(&zeilen);
  EXPECT_EQ(Suche(t, "ERLWARE", "", 1, 1, EncodeDate(2024, 1, 1), true).konto, "1111");
  EXPECT_FALSE(Suche(t, "ERLWARE", "", 1, 1, EncodeDate(2024, 1, 1), false).gefunden);
  EXPECT_TRUE(Suche(t, "KASSE", "", 1, 1, EncodeDate(2024, 1, 1), true).gefunden);
  EXPECT_TRUE(Suche(t, "KASSE", "", 1, 1, EncodeDate(2024, 1, 1), false).gefunden);
}

TEST(KontenIni, BadNumberLineStopsWith1007AndEmptiesOnlyItsTable) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {
      "[EXPORT]", "ERLWARE=u", "[NUMMER]", "KASSE;;0;0;0;2222;N",
      "ERLWARE;3;5;01.01.2013;0;8005",  // six fields
      "BANK;;0;0;0;3333;N",
  };
  t.KontenIni_einlesen(&zeilen);
  EXPECT_TRUE(t.KontenSpezDaten().empty());
  EXPECT_EQ(t.KontenExport().size(), 1u);
  ASSERT_EQ(suite.Messages().Count(), 1u);
  EXPECT_NE(suite.Messages().LastText().find("ERLWARE;3;5;01.01.2013;0;8005"), std::string::npos);
}

TEST(KontenIni, BadExportLineEmptiesOnlyTheExportTable) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {"KASSE;;0;0;0;2222;N", "[EXPORT]", "ERLWARE=u",
                                           "ohne Gleichheitszeichen", "BANK=b"};
  t.KontenIni_einlesen(&zeilen);
  EXPECT_EQ(t.KontenSpezDaten().size(), 1u);
  EXPECT_TRUE(t.KontenExport().empty());
  EXPECT_EQ(suite.Messages().Count(), 1u);
}

TEST(KontenIni, ExportAbbreviationPrefersTheSideEntry) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {"[EXPORT]", "ERLWARE=u", "ERLWARE_HABEN=h=x"};
  t.KontenIni_einlesen(&zeilen);
  EXPECT_EQ(t.HoleExportKuerzel("ERLWARE", true), "u");
  EXPECT_EQ(t.HoleExportKuerzel("erlware", false), "h=x");
  EXPECT_EQ(t.HoleExportKuerzel("KASSE", false), "");
}

TEST(KontenIni, NoExporterEmptiesBothTables) {
  TestSuite suite;
  TKontenSpezTabelle t;
  const std::vector<std::string> zeilen = {"KASSE;;0;0;0;2222;N", "[EXPORT]", "KASSE=k"};
  t.KontenIni_einlesen(&zeilen);
  t.KontenIni_einlesen(nullptr);
  EXPECT_TRUE(t.KontenSpezDaten().empty());
  EXPECT_TRUE(t.KontenExport().empty());
  std::string konto, steuer;
  EXPECT_FALSE(t.Konto_Gefunden("KASSE", "", 0, 0, 45000, true, konto, steuer));
}

}  // namespace
