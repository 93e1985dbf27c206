#include <gtest/gtest.h>

#include <regex>

#include "data/BookingTexts.h"
#include "data/ExpenseEntries.h"

namespace {

TEST(BookingTexts, LineBreaksAreRemovedEntirely) {
  EXPECT_EQ(TextOhneZeilenumbruch("Zeile 1\r\nZeile 2\r\n"), "Zeile 1Zeile 2");
  EXPECT_EQ(TextOhneZeilenumbruch("a\rb\nc"), "abc");
  EXPECT_EQ(TextOhneZeilenumbruch(""), "");
}

TEST(BookingTexts, ShortLabelsNeedAnExactMatchOfTheFirstThirtyCharacters) {
  EXPECT_EQ(GetKurzBeschreibung("Allgemeiner Verkauf"), "Verkauf");
  EXPECT_EQ(GetKurzBeschreibung("Gutscheinrückgabe"), "GS-Rckg");
  EXPECT_EQ(GetKurzBeschreibung("Einzahlung auf Aufwandskonto"), "Einz.AW");
  EXPECT_EQ(GetKurzBeschreibung("Allgemeiner Verkauf Filiale 3"), "Allgemeiner Verkauf Filiale 3");
  EXPECT_EQ(GetKurzBeschreibung("allgemeiner Verkauf"), "allgemeiner Verkauf");
  EXPECT_EQ(GetKurzBeschreibung("Allgemeiner Verkauf "), "Allgemeiner Verkauf ");
  EXPECT_EQ(GetKurzBeschreibung(""), "");
  EXPECT_EQ(GetKurzBeschreibung("Einzahlung auf Aufwandskonto\r\n"), "Einzahlung auf Aufwandskonto\r\n");
}

TEST(BookingTexts, DocumentTypesAndIdents) {
  EXPECT_EQ(BLB("KB"), "Kassenbericht");
  EXPECT_EQ(BLB("PN"), "Primanota");
  EXPECT_EQ(BLB("XY"), "XY");
  EXPECT_EQ(BLB(""), "");

  const std::string first = CreateIdent();
  EXPECT_TRUE(std::regex_match(
      first, std::regex(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\})")))
      << first;
  EXPECT_NE(first, CreateIdent());
}

TEST(ExpenseEntries, TaxLinesOnlyAboveHalfACent) {
  TQTX_Aufwandsbuchung aufwand;
  aufwand.Zeilen = {{"BUERO", "1", 84.03L, 0, 0}, {"PORTO", "", 10, 0, 0}};
  aufwand.Steuerbetrag1 = 0.004L;
  aufwand.Steuersatz1 = 19;
  aufwand.Steuerbetrag2 = 0.006L;
  aufwand.Steuersatz2 = 7;
  const auto eintraege = AufwandEintraege(aufwand);
  ASSERT_EQ(eintraege.size(), 3u);
  EXPECT_EQ(eintraege[0].KontoName, "BUERO");
  EXPECT_EQ(eintraege[0].KontoZusatz, "1");
  EXPECT_EQ(eintraege[0].Betrag1, 0);
  EXPECT_EQ(eintraege[0].Betrag2, 84.03L);
  EXPECT_EQ(eintraege[2].KontoName, "VORST0700");
  EXPECT_EQ(eintraege[2].KontoZusatz, "");
  EXPECT_EQ(eintraege[2].Betrag2, 0.006L);

  aufwand.Steuerbetrag1 = -15.97L;  // a refund counts by its absolute value
  aufwand.Steuersatz1 = 19.6;       // must not read as 1959 hundredths
  const auto mitErstattung = AufwandEintraege(aufwand);
  ASSERT_EQ(mitErstattung.size(), 4u);
  EXPECT_EQ(mitErstattung[2].KontoName, "VORST1960");
  EXPECT_EQ(mitErstattung[2].Betrag2, -15.97L);
}

TEST(ExpenseEntries, AWithdrawalIsOneLine) {
  const auto eintraege = EntnahmeEintraege({"WAREN", 12.5L, "Eigenverbrauch"});
  ASSERT_EQ(eintraege.size(), 1u);
  EXPECT_EQ(eintraege[0].KontoName, "WAREN");
  EXPECT_EQ(eintraege[0].KontoZusatz, "");
  EXPECT_EQ(eintraege[0].Betrag2, 12.5L);
}

}  // namespace
