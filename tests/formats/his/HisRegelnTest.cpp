// The check before a HIS export warns where the file will read otherwise than the list:
// accounts longer than the account length and texts whose separators are replaced.
#include <gtest/gtest.h>

#include "formats/his/HisRegeln.h"

namespace {

TEST(HisRegeln, LangeKontenUndBereinigteTexteSindWarnungen) {
  his::THisRegeln regeln(4);
  TExportProblemListe probleme;
  TFibuExportBuchInfo b;
  b.Konto = 1200;
  b.GegenKonto = 8400;
  b.Text = "Verkauf";
  regeln.Buchung(0, b, probleme);
  EXPECT_TRUE(probleme.empty());

  b.GegenKonto = 84000;
  b.Text = "A;B";
  b.KOST1 = "1\r\n";
  regeln.Buchung(3, b, probleme);
  ASSERT_EQ(probleme.size(), 3u);
  EXPECT_EQ(probleme[0].Feld, "Gegenkonto");
  EXPECT_EQ(probleme[0].Wert, "84000");
  EXPECT_EQ(probleme[0].Zeile, 3u);
  EXPECT_EQ(probleme[1].Feld, "Beschreibung");
  EXPECT_EQ(probleme[2].Feld, "KoSt 1");
  EXPECT_FALSE(SperrtExport(probleme));
}

}  // namespace
