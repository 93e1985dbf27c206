#include <gtest/gtest.h>

#include "export/TrennZeile.h"

namespace {

TEST(TrennZeile, QuotingPoliciesKeepAFieldFromTearingTheLineApart) {
  TTrennZeile immer(';', TAnfuehrung::Immer);
  immer.Text("Miete");
  immer.Leer(2);
  immer.LeerText();
  immer.Ziffern({{7, 2}, {3, 4}});
  EXPECT_EQ(immer.Zeile(), "\"Miete\";;;\"\";070003");
  EXPECT_EQ(immer.Felder(), 5);

  TTrennZeile verdoppelt(',', TAnfuehrung::ImmerVerdoppelt);
  verdoppelt.Text("Zoll \"5\"");
  verdoppelt.Roh("x");
  EXPECT_EQ(verdoppelt.Zeile(), "\"Zoll \"\"5\"\"\",x");

  TTrennZeile bedarf('\t', TAnfuehrung::BeiBedarf);
  bedarf.Text("ohne");
  bedarf.Text("mit\tTab");
  bedarf.Text("zwei\r\nZeilen");
  bedarf.Text("a\"b");
  EXPECT_EQ(bedarf.Zeile(), "ohne\t\"mit\tTab\"\t\"zwei\r\nZeilen\"\t\"a\"\"b\"");
}

TEST(TrennZeile, AmountsUseTheLinesDecimalSeparatorAndRoundHalfAwayFromZero) {
  TTrennZeile punkt(';', TAnfuehrung::Immer, '.');
  punkt.Betrag(0.125L);
  punkt.Betrag(-0.005L);
  punkt.Betrag(1234567.5L, 0);
  punkt.Betrag(2.5L, 3);
  EXPECT_EQ(punkt.Zeile(), "0.13;-0.01;1234568;2.500");
  TTrennZeile komma;
  komma.Betrag(1000.1L);
  EXPECT_EQ(komma.Zeile(), "1000,10");
  komma.Neu();
  EXPECT_EQ(komma.Zeile(), "");
  EXPECT_EQ(komma.Felder(), 0);
}

}  // namespace
