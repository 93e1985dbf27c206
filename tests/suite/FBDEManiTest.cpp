#include <gtest/gtest.h>

#include "suite/FBDEMani.h"
#include "support/BookingFixture.h"
#include "support/TestSuite.h"

namespace {

constexpr int kWorkstation = 3;

class FBDEManiTest : public ::testing::Test {
 protected:
  TestSuite suite;
  TFBDEMani mani{SuiteDatabase::Get(), kWorkstation};
};

TEST_F(FBDEManiTest, ReversalSwapsAmountsUnderANewOpenIdentity) {
  auto original = TestBooking({1, 10, 1}, 45000, 119.5, 0);
  original.AbrJahr = 2023;
  original.AbrNr = 4;
  original.Export = false;
  original.Kost1 = 12;
  InsertBooking(original);
  InsertBooking(TestBooking({1, 10, 2}, 45000, 0, 19.5));

  const auto written = mani.UmkehrungBuchen(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}});
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], (TIntTrio{kWorkstation, 1, 1}));
  EXPECT_EQ(written[1], (TIntTrio{kWorkstation, 1, 2}));

  const auto reversal = ReadBooking(written[0]);
  EXPECT_EQ(reversal.BetragSoll, 0);
  EXPECT_EQ(reversal.BetragHaben, 119.5L);
  EXPECT_EQ(reversal.KtoName, original.KtoName);
  EXPECT_EQ(reversal.GegenKtoName, original.GegenKtoName);
  EXPECT_EQ(reversal.Beschreibung, original.Beschreibung);
  EXPECT_EQ(reversal.Belegdatum, original.Belegdatum);
  EXPECT_EQ(reversal.Kost1, 12);
  EXPECT_EQ(reversal.AbrJahr, 0);
  EXPECT_EQ(reversal.AbrNr, 0);
  EXPECT_TRUE(reversal.Export);
  EXPECT_EQ(ReadBooking(written[1]).BetragSoll, 19.5L);
  // The originals stay as they were.
  EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 4);
  EXPECT_EQ(CountRows("fbde"), 4);
}

TEST_F(FBDEManiTest, AMissingBookingUndoesTheWholeCall) {
  InsertBooking(TestBooking({1, 10, 1}));
  EXPECT_THROW(mani.UmkehrungBuchen(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 99, 1}}),
               suitedb::StorageError);
  EXPECT_EQ(CountRows("fbde"), 1);
  EXPECT_THROW(mani.ExportKzUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 99, 1}}, false),
               suitedb::StorageError);
  EXPECT_TRUE(ReadBooking({1, 10, 1}).Export);
  EXPECT_THROW(mani.Loeschen(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 99, 1}}), suitedb::StorageError);
  EXPECT_TRUE(BookingExists({1, 10, 1}));
}

TEST_F(FBDEManiTest, MarkingASettlementNamesTheMissingBookingAndChangesNothing) {
  InsertBooking(TestBooking({1, 10, 1}));
  InsertBooking(TestBooking({2, 10, 1}));
  try {
    mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {3, 77, 2}, {2, 10, 1}}, 5, 2024);
    FAIL() << "a missing booking was not reported";
  } catch (const suitedb::StorageError& e) {
    EXPECT_NE(std::string(e.what()).find("00030000000770002"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 0);
  EXPECT_EQ(ReadBooking({2, 10, 1}).AbrNr, 0);

  // The same booking twice (a group and its member) is marked once; the identities of
  // the failed call are gone.
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{2, 10, 1}, {1, 10, 1}, {2, 10, 1}}, 5, 2024);
  EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 5);
  EXPECT_EQ(ReadBooking({2, 10, 1}).AbrJahr, 2024);
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {}, 6, 2024);
  EXPECT_EQ(ReadBooking({2, 10, 1}).AbrNr, 5);
}

TEST_F(FBDEManiTest, MarkingWithAPeriodStillMarksBookingsOutsideItAndLeavesOthersOpen) {
  InsertBooking(TestBooking({1, 10, 1}, 45000.5));  // inside, at noon of the last day
  InsertBooking(TestBooking({1, 11, 1}, 44990));    // before the period
  InsertBooking(TestBooking({1, 12, 1}, 44999));    // inside, but not exported now
  const TFbdeBereich bereich{{1, 1}, 44995.75, 45000.25};

  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 11, 1}}, 3, 2023, bereich);
  EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 3);
  EXPECT_EQ(ReadBooking({1, 11, 1}).AbrNr, 3);
  EXPECT_EQ(ReadBooking({1, 12, 1}).AbrNr, 0);

  // Another client's period finds nothing there; the identities are still marked.
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 12, 1}}, 4, 2023, TFbdeBereich{{2, 1}, 44000, 46000});
  EXPECT_EQ(ReadBooking({1, 12, 1}).AbrNr, 4);
  EXPECT_THROW(mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {9, 9, 9}}, 5, 2023, bereich),
               suitedb::StorageError);
  EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 3);
}

TEST_F(FBDEManiTest, OnlyBookingsStillOpenAreMarkedAndOthersNameTheirSettlement) {
  for (std::int16_t lfd = 1; lfd <= 4; ++lfd) InsertBooking(TestBooking({1, 10, lfd}, 45000));
  // Another run was faster with two of them.
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 2}, {1, 10, 3}}, 10, 2026);

  const TFbdeBereich bereich{{1, 1}, 44990, 45010};
  for (const auto& mitBereich : {std::optional<TFbdeBereich>(bereich), std::optional<TFbdeBereich>()}) {
    try {
      mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}, {1, 10, 3}, {1, 10, 4}}, 11,
                       2026, mitBereich);
      FAIL() << "bookings exported meanwhile were marked again";
    } catch (const TBuchungenVergeben& e) {
      EXPECT_STREQ(e.what(), "2 Buchungen wurden inzwischen mit Abrechnung 10/2026 exportiert");
    }
    // Nothing of the refused call stays: the open ones are still open.
    EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 0);
    EXPECT_EQ(ReadBooking({1, 10, 4}).AbrNr, 0);
    EXPECT_EQ(ReadBooking({1, 10, 2}).AbrNr, 10);
  }
  EXPECT_EQ(mani.Vergeben({{1, 10, 1}, {1, 10, 3}}, {}),
            "1 Buchungen wurden inzwischen mit Abrechnung 10/2026 exportiert");
  EXPECT_EQ(mani.Vergeben({{1, 10, 1}, {1, 10, 4}}, {}), "");
}

TEST_F(FBDEManiTest, ASettlementGivenAgainConfirmsItsBookingsAndChangesNothing) {
  for (std::int16_t lfd = 1; lfd <= 3; ++lfd) InsertBooking(TestBooking({1, 10, lfd}, 45000));
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}, {1, 10, 3}}, 6, 2025);
  const TAbrechnungsStand sechs{6, 2025};
  const TFbdeBereich bereich{{1, 1}, 44990, 45010};
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}, {1, 10, 3}}, 6, 2025, bereich, sechs);
  EXPECT_EQ(ReadBooking({1, 10, 3}).AbrNr, 6);

  // One was reopened meanwhile (its settlement deleted and exported anew in part).
  mani.AbrNrZurueckSetzen(CFBDE_BV_Saldix, {1, 1}, 6, 2025);
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}}, 6, 2025);
  EXPECT_THROW(mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}, {1, 10, 3}}, 6, 2025,
                                bereich, sechs),
               TBuchungenVergeben);
  EXPECT_EQ(mani.Vergeben({{1, 10, 1}, {1, 10, 3}}, sechs),
            "1 Buchungen wurden inzwischen wieder geöffnet");
}

TEST_F(FBDEManiTest, DeletionRemovesOpenBookingsButRefusesExportedOnes) {
  InsertBooking(TestBooking({1, 10, 1}));
  InsertBooking(TestBooking({1, 10, 2}));
  auto exported = TestBooking({1, 11, 1});
  exported.AbrJahr = 2023;
  exported.AbrNr = 2;
  InsertBooking(exported);

  try {
    mani.Loeschen(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 11, 1}});
    FAIL() << "an exported booking was deleted";
  } catch (const suitedb::StorageError& e) {
    EXPECT_NE(std::string(e.what()).find("2 / 2023"), std::string::npos) << e.what();
  }
  EXPECT_EQ(CountRows("fbde"), 3);

  mani.Loeschen(CFBDE_BV_Saldix, {{1, 10, 1}, {1, 10, 2}});
  EXPECT_FALSE(BookingExists({1, 10, 1}));
  EXPECT_FALSE(BookingExists({1, 10, 2}));
  EXPECT_TRUE(BookingExists({1, 11, 1}));
}

TEST_F(FBDEManiTest, NewRecordsDrawTransactionAndRunningNumbers) {
  // Bookings of other programs on this computer push the transaction numbers on.
  InsertBooking(TestBooking({kWorkstation, 41, 1}));

  auto first = TestBooking({0, 0, 0});
  first.LfdNr = -1;
  mani.SatzSchreiben(CFBDE_BV_Saldix, first, true);
  EXPECT_EQ(first.Ident(), (TIntTrio{kWorkstation, 42, 1}));
  EXPECT_EQ(ReadBooking(first.Ident()).Vorgang, CFBDE_BV_Saldix);
  EXPECT_GT(ReadBooking(first.Ident()).Erstellt, 0);

  auto second = TestBooking({kWorkstation, 42, 0});
  second.LfdNr = -1;
  mani.SatzSchreiben(CFBDE_BV_Saldix, second, true);
  EXPECT_EQ(second.Ident(), (TIntTrio{kWorkstation, 42, 2}));

  // A deleted last transaction does not hand its number out again.
  mani.Loeschen(CFBDE_BV_Saldix, {first.Ident(), second.Ident()});
  auto third = TestBooking({0, 0, 0});
  third.LfdNr = -1;
  mani.SatzSchreiben(CFBDE_BV_Saldix, third, true);
  EXPECT_EQ(third.Ident(), (TIntTrio{kWorkstation, 43, 1}));

  auto duplicate = TestBooking(third.Ident());
  EXPECT_THROW(mani.SatzSchreiben(CFBDE_BV_Saldix, duplicate, true), suitedb::StorageError);
  auto noClient = TestBooking({0, 0, 0});
  noClient.Firma = {};
  EXPECT_THROW(mani.SatzSchreiben(CFBDE_BV_Saldix, noClient, true), suitedb::StorageError);
  EXPECT_EQ(CountRows("fbde"), 2);
}

TEST_F(FBDEManiTest, SettlementNumbersAreSetAndResetPerSettlement) {
  InsertBooking(TestBooking({1, 10, 1}));
  InsertBooking(TestBooking({2, 10, 1}));
  InsertBooking(TestBooking({2, 10, 2}));
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}, {2, 10, 1}}, 7, 2024);
  mani.AbrNrUpdate(CFBDE_BV_Saldix, {{2, 10, 2}}, 8, 2024);
  EXPECT_EQ(ReadBooking({2, 10, 1}).AbrNr, 7);
  EXPECT_EQ(ReadBooking({2, 10, 1}).AbrJahr, 2024);
  EXPECT_THROW(mani.AbrNrUpdate(CFBDE_BV_Saldix, {{1, 10, 1}}, 0, 2024), suitedb::StorageError);

  EXPECT_EQ(mani.AbrNrZurueckSetzen(CFBDE_BV_Saldix, kTestFirma, 7, 2024), 2);
  EXPECT_EQ(ReadBooking({1, 10, 1}).AbrNr, 0);
  EXPECT_EQ(ReadBooking({2, 10, 1}).AbrJahr, 0);
  EXPECT_EQ(ReadBooking({2, 10, 2}).AbrNr, 8);
}

TEST_F(FBDEManiTest, ExpenseLinesAreReplacedOnTheirOriginalSide) {
  auto line = TestBooking({1, 20, 1}, 45000, 50, 0);
  line.Kost1 = 5;
  InsertBooking(line);
  InsertBooking(TestBooking({1, 20, 2}, 45000, 10, 0));
  mani.AufwandEntnahmeUpdate(CFBDE_BV_Saldix, {1, 20, 0},
                             {{"BUERO", "", 0, 40}, {"PORTO", "A", 0, 20}, {"VORST1900", "", 0, 3.8L}},
                             "Bürobedarf", 45001, 0, 0);
  EXPECT_EQ(CountRows("fbde"), 3);
  const auto porto = ReadBooking({1, 20, 2});
  EXPECT_EQ(porto.KtoName, "PORTO");
  EXPECT_EQ(porto.KtoZusatz, "A");
  EXPECT_EQ(porto.BetragSoll, 20);
  EXPECT_EQ(porto.Beschreibung, "Bürobedarf");
  EXPECT_EQ(porto.Belegdatum, 45001);
  EXPECT_EQ(porto.Kost1, 5);
  EXPECT_EQ(porto.GegenKtoName, line.GegenKtoName);
  EXPECT_EQ(ReadBooking({1, 20, 3}).KtoName, "VORST1900");

  EXPECT_THROW(mani.AufwandEntnahmeUpdate(CFBDE_BV_Saldix, {1, 21, 0}, {{"X", "", 0, 1}}, "",
                                          0, 0, 0),
               suitedb::StorageError);
}

TEST_F(FBDEManiTest, DescriptionUpdateReplacesTextsAndCostCentres) {
  InsertBooking(TestBooking({1, 10, 1}));
  mani.BeschreibungUpdate(CFBDE_BV_Saldix, {{1, 10, 1}}, "neu", "DE123", "Visa", 3, 4);
  const auto satz = ReadBooking({1, 10, 1});
  EXPECT_EQ(satz.Beschreibung, "neu");
  EXPECT_EQ(satz.UStID, "DE123");
  EXPECT_EQ(satz.ZMZusatz, "Visa");
  EXPECT_EQ(satz.Kost1, 3);
  EXPECT_EQ(satz.Kost2, 4);
}

}  // namespace
