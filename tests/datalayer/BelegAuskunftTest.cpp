#include "data/BelegAuskunft.h"

#include <gtest/gtest.h>

#include "datalayer/LookupFixture.h"
#include "suite/QTXInfo.h"

namespace {

TEST(BelegAuskunft, CashReportTotalsConvertForeignCurrenciesOrRefuseUnknownOnes) {
  TestSuite suite;
  Zeile("INSERT INTO waehrungen (kuerzel, kurs) VALUES ('CHF', 1.5)");
  Zeile("INSERT INTO kvzm (kv_rnr, kv_lnr, pos, waehrung, betrag) VALUES "
        "(4, 10, 1, 'EUR', 100), (4, 10, 2, 'CHF', 10), (4, 11, 1, 'EUR', 5), (4, 11, 2, 'XYZ', 1)");
  TBelegAuskunft auskunft(SuiteDatabase::Get());
  EXPECT_EQ(auskunft.Vorgaenge().KVZMBetrag({4, 10}), 115.0L);
  // A currency without rate never counts at a made-up value.
  EXPECT_EQ(auskunft.Vorgaenge().KVZMBetrag({4, 11}), 0.0L);
  ASSERT_EQ(QTXInfo().Registrations().size(), 1u);
  EXPECT_EQ(QTXInfo().Registrations().front().context, "TSaldixDataModule.KVZMBetrag");
}

TEST(BelegAuskunft, BranchOfAManualInvoiceBookingComesFromTheInvoicesOrganisation) {
  TestSuite suite;
  Zeile("INSERT INTO computers (number, type, branch) VALUES (4, 1, 6)");
  Zeile("INSERT INTO filialen (nummer, firma1, firma2, orge) VALUES (9, 1, 1, 3)");
  Zeile("INSERT INTO belege (rnr, lnr, firma1, firma2, orge) VALUES (2, 500, 1, 1, 3)");
  TBelegAuskunft auskunft(SuiteDatabase::Get());
  EXPECT_EQ(auskunft.Filialen().GetFiliale({1, 1}, "ARE", 4, 10, "PN", 2, 500), 9);
  EXPECT_EQ(auskunft.Filialen().GetFiliale({1, 1}, "PRIMANOTA", 4, 11, "PN", 2, 500), 6);
}

}  // namespace
