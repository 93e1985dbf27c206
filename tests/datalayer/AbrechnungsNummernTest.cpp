#include "data/AbrechnungsNummern.h"

#include <gtest/gtest.h>

#include "datalayer/LookupFixture.h"
#include "suite/QTXInfo.h"
#include "support/TestSuite.h"

namespace {

const TIntPair kFirma{1, 1};

void Abrechnung(int jahr, int nummer, int rnr = 1, int maxBelegNr = 0, TDateTime bis = 0) {
  Zeile("INSERT INTO fbex (firma1, firma2, abr_jahr, abr_nr, rnr, max_beleg_nr, datum_bis) "
        "VALUES (1, 1, ?, ?, ?, ?, ?)",
        jahr, nummer, rnr, maxBelegNr, bis);
}

int Zaehlen(const char* sql) {
  auto stmt = SuiteDatabase::Get().Prepare(sql);
  stmt->Step();
  return static_cast<int>(stmt->Int(0));
}

TEST(AbrechnungsNummern, EmptyYearStartsAtOne) {
  TestSuite suite;
  Abrechnung(2023, 4);
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  EXPECT_EQ(nummern.GetNextAbrNr(kFirma, 2024), 1);
  EXPECT_EQ(nummern.GetMaxBelegNrFBEX(kFirma, 2024, 0), 0);
  EXPECT_TRUE(nummern.AbrNrFrei(kFirma, 2024, 4));
  EXPECT_FALSE(nummern.AbrNrFrei(kFirma, 2023, 4));
  EXPECT_TRUE(nummern.AbrNrFrei({2, 2}, 2023, 4));
}

TEST(AbrechnungsNummern, NextNumberFollowsTheHighestWithoutFillingGaps) {
  TestSuite suite;
  Abrechnung(2024, 1);
  Abrechnung(2024, 2);
  Abrechnung(2024, 5, 1);
  Abrechnung(2024, 5, 2);
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  EXPECT_EQ(nummern.GetNextAbrNr(kFirma, 2024), 6);
  Abrechnung(2024, 9999);
  EXPECT_EQ(nummern.GetNextAbrNr(kFirma, 2024), 10000);
}

TEST(AbrechnungsNummern, LastSettlementIsTheHighestYearThenNumber) {
  TestSuite suite;
  Abrechnung(2023, 40, 1, 0, 45000);
  Abrechnung(2024, 3, 1, 0, 45300);
  Abrechnung(2024, 2, 1, 0, 45400);
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  int jahr = 0, nummer = 0;
  TDateTime bis = 0;
  ASSERT_TRUE(nummern.GetLastAbr(kFirma, jahr, bis, nummer));
  EXPECT_EQ(jahr, 2024);
  EXPECT_EQ(nummer, 3);
  EXPECT_EQ(bis, 45300);
  EXPECT_FALSE(nummern.GetLastAbr({7, 7}, jahr, bis, nummer));
}

TEST(AbrechnungsNummern, MaxDocumentNumberIsTheHighestOfTheSettlementsLines) {
  TestSuite suite;
  Abrechnung(2024, 1, 1, 40);
  Abrechnung(2024, 1, 2, 55);
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  EXPECT_EQ(nummern.GetMaxBelegNrFBEX(kFirma, 2024, 1), 55);
}

TEST(AbrechnungsNummern, MaxDocumentNumberLooksPastAGapButNotAhead) {
  TestSuite suite;
  Abrechnung(2024, 1, 1, 30);
  Abrechnung(2024, 2, 1, 45);
  Abrechnung(2024, 6, 1, 80);
  Abrechnung(2023, 9, 1, 500);
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  // Settlement 5 follows 2 (3 and 4 never filed): its numbers go on after 45.
  EXPECT_EQ(nummern.GetMaxBelegNrFBEX(kFirma, 2024, 4), 45);
  // Settlement 2 issued again continues from 1 as it did the first time.
  EXPECT_EQ(nummern.GetMaxBelegNrFBEX(kFirma, 2024, 1), 30);
  EXPECT_EQ(nummern.GetMaxBelegNrFBEX(kFirma, 2024, 0), 0);
}

TEST(AbrechnungsNummern, JournalLinesReplaceEachComputersLineAndKeepOthers) {
  TestSuite suite;
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  ASSERT_TRUE(nummern.AbrNrNachFBEX(kFirma, 2024, 3, 45292, 45322,
                                    {{1, 10, 1, 20, 4}, {2, 7, 1, 9, 2}}, 17));
  ASSERT_TRUE(nummern.AbrNrNachFBEX(kFirma, 2024, 3, 45292, 45330, {{1, 30, 2, 40, 1}}, 21));

  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT rnr, lnr_von, snr_von, lnr_bis, snr_bis, datum_von, datum_bis, max_beleg_nr "
      "FROM fbex WHERE abr_jahr = 2024 AND abr_nr = 3 ORDER BY rnr");
  ASSERT_TRUE(stmt->Step());
  EXPECT_EQ(stmt->Int(1), 30);
  EXPECT_EQ(stmt->Int(2), 2);
  EXPECT_EQ(stmt->Int(3), 40);
  EXPECT_EQ(stmt->Int(4), 1);
  EXPECT_EQ(stmt->Real(6), 45330);
  EXPECT_EQ(stmt->Int(7), 21);
  ASSERT_TRUE(stmt->Step());
  EXPECT_EQ(stmt->Int(0), 2);
  EXPECT_EQ(stmt->Int(1), 7);
  EXPECT_EQ(stmt->Real(6), 45322);
  EXPECT_EQ(stmt->Int(7), 17);
  EXPECT_FALSE(stmt->Step());
}

TEST(AbrechnungsNummern, FailedReadsGiveTheirFailureValuesAndAFailedWriteWritesNothing) {
  TestSuite suite;
  Abrechnung(2024, 1);
  TAbrechnungsNummern nummern(SuiteDatabase::Get());
  // A journal line that breaks the key in the middle of the run.
  Zeile("CREATE TRIGGER fbex_sperre BEFORE INSERT ON fbex WHEN NEW.rnr = 9 "
        "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  EXPECT_FALSE(nummern.AbrNrNachFBEX(kFirma, 2024, 2, 1, 2, {{1, 1, 1, 1, 1}, {9, 1, 1, 1, 1}}, 0));
  EXPECT_EQ(Zaehlen("SELECT COUNT(*) FROM fbex"), 1);
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.AbrNrNachFBEX");

  auto leer = LeereDatenbank(suite);
  TAbrechnungsNummern ohneJournal(*leer);
  EXPECT_EQ(ohneJournal.GetNextAbrNr(kFirma, 2024), 1);
  EXPECT_TRUE(ohneJournal.AbrNrFrei(kFirma, 2024, 1));
  EXPECT_EQ(ohneJournal.GetMaxBelegNrFBEX(kFirma, 2024, 1), 0);
  int jahr = 0, nummer = 0;
  TDateTime bis = 0;
  EXPECT_FALSE(ohneJournal.GetLastAbr(kFirma, jahr, bis, nummer));
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.GetLastAbr");
}

}  // namespace
