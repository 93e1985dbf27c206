#include "data/BelegVorgaenge.h"

#include <gtest/gtest.h>

#include "datalayer/LookupFixture.h"
#include "suite/QTXInfo.h"

namespace {

const TIntPair kFirma{1, 1};

// Amounts in "CHF" count double, everything else as it is.
long double Umrechnen(long double betrag, const std::string& waehrung) {
  return waehrung == "CHF" ? betrag * 2 : betrag;
}

class BelegVorgaengeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Zeile("INSERT INTO zahlungsmittel (kuerzel, zm_art, ud_art, konto, aktiv, position) VALUES "
          "('BAR', 1, 0, '', 'J', 1), ('EC', 21, 0, '', 'J', 2), ('VISA', 9, 0, '', 'J', 3), "
          "('GSFREMD', 30, 1, ' 1360 ', 'N', 4), ('GSCITY', 30, 2, '1360', 'J', 5), "
          "('GSZWEI', 30, 1, '1360', 'J', 6)");
  }
  void GutscheinVerkauf(int nr2, int transLnr) {
    Zeile("INSERT INTO lfnr (firma1, firma2, art, rnr, lnr, trans_rnr, trans_lnr) "
          "VALUES (1, 1, 'GS', 100, ?, 3, ?)",
          nr2, transLnr);
  }
  void ZmZeile(int lnr, int pos, const char* kuerzel) {
    Zeile("INSERT INTO zm (rnr, lnr, pos, zm_kuerzel) VALUES (3, ?, ?, ?)", lnr, pos, kuerzel);
  }

  TestSuite suite;
  TBelegVorgaenge vorgaenge{SuiteDatabase::Get(), Umrechnen};
};

TEST_F(BelegVorgaengeTest, PaymentMeansOfASoldVoucher) {
  GutscheinVerkauf(1, 50);
  ZmZeile(50, 1, "BAR");
  ZmZeile(50, 2, "EC");
  ZmZeile(50, 3, "VISA");
  GutscheinVerkauf(2, 51);
  ZmZeile(51, 1, "BAR");
  ZmZeile(51, 2, "VISA");
  ZmZeile(51, 3, "EC");
  GutscheinVerkauf(3, 52);
  ZmZeile(52, 1, "BAR");
  EXPECT_EQ(vorgaenge.GetZMBeiGutschein(kFirma, {100, 1}), "EC");
  EXPECT_EQ(vorgaenge.GetZMBeiGutschein(kFirma, {100, 2}), "VISA");
  EXPECT_EQ(vorgaenge.GetZMBeiGutschein(kFirma, {100, 3}), "");
  EXPECT_EQ(vorgaenge.GetZMBeiGutschein(kFirma, {100, 4}), "");
  EXPECT_EQ(vorgaenge.GetZMBeiGutschein({2, 2}, {100, 1}), "");
}

TEST_F(BelegVorgaengeTest, ForeignVoucherNumberFromTheFirstEnabledPaymentMeansOfTheAccount) {
  Zeile("INSERT INTO zo (zm_kuerzel, ident, gutschein_nr) VALUES "
        "('GSFREMD', '000000005000000077', 'F-1'), ('GSCITY', '000000005000000077', 'C-1'), "
        "('GSZWEI', '000000005000000078', 'Z-1')");
  EXPECT_EQ(GutscheinSchluessel({5, 77}), "000000005000000077");
  EXPECT_EQ(vorgaenge.GetFremdGutscheinNr(" 1360", {5, 77}), "C-1");
  // Only the first matching payment means is asked.
  EXPECT_EQ(vorgaenge.GetFremdGutscheinNr("1360", {5, 78}), "");
  EXPECT_EQ(vorgaenge.GetFremdGutscheinNr("1400", {5, 77}), "");
}

TEST_F(BelegVorgaengeTest, CashReportAndRunningNumbersOnlyForTheirKind) {
  Zeile("INSERT INTO lfnr (firma1, firma2, art, rnr, lnr, nummer1, nummer2) VALUES "
        "(1, 1, 'KB', 3, 60, 12, 345), (1, 1, 'GS', 3, 61, 7, 8), (1, 1, 'RE', 3, 62, 1, 2)");
  std::string sort = "alt";
  EXPECT_EQ(vorgaenge.GetKBNummer({3, 60}, sort), "12-345");
  EXPECT_EQ(sort, "000012000345");
  EXPECT_EQ(vorgaenge.GetKBNummer({3, 61}, sort), "");
  EXPECT_EQ(sort, "");
  EXPECT_EQ(vorgaenge.GetLFNRNummer({3, 61}, "GS", sort), "7-8");
  EXPECT_EQ(sort, "000007000008");
  EXPECT_EQ(vorgaenge.GetLFNRNummer({3, 62}, "GS", sort), "");
}

TEST_F(BelegVorgaengeTest, CashReportOfAComputerNearADate) {
  Zeile("INSERT INTO kv (rnr, lnr, datum, nr2) VALUES (4, 10, 45300, 110), (4, 11, 45302, 111), "
        "(4, 12, 45305, 112), (5, 13, 45301, 113)");
  EXPECT_EQ(vorgaenge.KVZuDatumUndRechner(4, 45301, true), (TIntPair{4, 11}));
  EXPECT_EQ(vorgaenge.KVZuDatumUndRechner(4, 45302, true), (TIntPair{4, 11}));
  EXPECT_EQ(vorgaenge.KVZuDatumUndRechner(4, 45304, false), (TIntPair{4, 111}));
  EXPECT_EQ(vorgaenge.KVZuDatumUndRechner(4, 45306, true), TIntPair{});
  EXPECT_EQ(vorgaenge.KVZuDatumUndRechner(4, 45299, false), TIntPair{});
}

TEST_F(BelegVorgaengeTest, CashReportPaymentTotalInProgramCurrency) {
  Zeile("INSERT INTO kvzm (kv_rnr, kv_lnr, pos, waehrung, betrag) VALUES "
        "(4, 10, 1, 'EUR', 100.5), (4, 10, 2, 'CHF', 10), (4, 11, 1, 'EUR', 7)");
  EXPECT_EQ(vorgaenge.KVZMBetrag({4, 10}), 120.5L);
  EXPECT_EQ(vorgaenge.KVZMBetrag({4, 12}), 0.0L);
}

TEST_F(BelegVorgaengeTest, ServiceTypeListsAreFilledOnce) {
  Zeile("INSERT INTO leistungsarten (rnr, lnr, snr, suchgruppe) VALUES (1, 1, 0, 'VERSANDKOS'), "
        "(1, 2, 0, 'FRACHTKOST'), (1, 3, 0, 'EINLGUTSCH'), (1, 4, 0, 'RABATTE'), (1, 5, 0, 'X')");
  EXPECT_TRUE(vorgaenge.LAR_Ist_Versand({1, 1, 0}));
  EXPECT_TRUE(vorgaenge.LAR_Ist_Versand({1, 2, 0}));
  EXPECT_FALSE(vorgaenge.LAR_Ist_Versand({1, 3, 0}));
  EXPECT_TRUE(vorgaenge.LAR_Ist_Gutschein({1, 3, 0}));
  EXPECT_TRUE(vorgaenge.LAR_Ist_Gutschein({1, 4, 0}));
  EXPECT_FALSE(vorgaenge.LAR_Ist_Gutschein({1, 5, 0}));
  Zeile("INSERT INTO leistungsarten (rnr, lnr, snr, suchgruppe) VALUES (1, 6, 0, 'VERSANDKOS')");
  EXPECT_FALSE(vorgaenge.LAR_Ist_Versand({1, 6, 0}));
}

TEST_F(BelegVorgaengeTest, FailuresGiveEmptyAnswers) {
  auto leer = LeereDatenbank(suite);
  TBelegVorgaenge gescheitert(*leer, Umrechnen);
  std::string sort = "alt";
  EXPECT_EQ(gescheitert.GetKBNummer({3, 60}, sort), "");
  EXPECT_EQ(sort, "");
  EXPECT_EQ(gescheitert.GetZMBeiGutschein(kFirma, {100, 1}), "");
  EXPECT_EQ(gescheitert.GetFremdGutscheinNr("1360", {5, 77}), "");
  EXPECT_EQ(gescheitert.KVZuDatumUndRechner(4, 45301, true), TIntPair{});
  EXPECT_EQ(gescheitert.KVZMBetrag({4, 10}), 0.0L);
  EXPECT_FALSE(gescheitert.LAR_Ist_Versand({1, 1, 0}));
  EXPECT_EQ(QTXInfo().Registrations().size(), 6u);
}

}  // namespace
