// Abacus's import rules in the check before an export.
#include <gtest/gtest.h>

#include "formats/abacus/AbacusFixture.h"
#include "formats/abacus/AbacusRegeln.h"

namespace abacustest {
namespace {

class AbacusRegeln : public AbacusFixture {
 protected:
  TExportProblemListe Pruefen(TIntPair firma, const std::vector<TFibuExportBuchInfo>& buchungen) {
    auto regeln = exporter.Importregeln(firma);
    TExportProblemListe probleme;
    for (std::size_t i = 0; i < buchungen.size(); ++i) regeln->Buchung(i, buchungen[i], probleme);
    regeln->Ende({}, probleme);
    return probleme;
  }
};

TEST_F(AbacusRegeln, AClientWithoutNumberAndAnUnusableCustomerRangeBlock) {
  EXPECT_TRUE(Pruefen(kMandant1, {Buchung(1, 0, 1200, 8400)}).empty());
  auto probleme = Pruefen(kMandant2, {});
  ASSERT_EQ(probleme.size(), 1u);
  EXPECT_TRUE(probleme[0].Sperrt);
  EXPECT_EQ(probleme[0].Feld, "Abacus-Mandant");

  exporter.SetMitDebitoren(true);
  exporter.SetKundenNr(500, 500);
  probleme = Pruefen(kMandant1, {});
  ASSERT_EQ(probleme.size(), 1u);
  EXPECT_EQ(probleme[0].Feld, "Abacus-Kundennummer");
  EXPECT_TRUE(SperrtExport(probleme));
}

TEST_F(AbacusRegeln, ACurrencyWithoutRateBlocksAndControlCharactersWarn) {
  auto fremd = Buchung(1, 0, 1200, 8400);
  fremd.Waehrung = "XYZ";
  auto text = Buchung(1, 0, 1200, 8400);
  text.Text = "Zeile\x01zwei";
  const auto probleme = Pruefen(kMandant1, {fremd, fremd, text});
  ASSERT_EQ(probleme.size(), 3u);  // the currency once per booking, the text as a warning
  EXPECT_EQ(probleme[0].Feld, "Währung");
  EXPECT_TRUE(probleme[0].Sperrt);
  EXPECT_EQ(probleme[2].Feld, "Text");
  EXPECT_FALSE(probleme[2].Sperrt);
  EXPECT_EQ(probleme[2].Wert, "Zeile zwei");
}

}  // namespace
}  // namespace abacustest
