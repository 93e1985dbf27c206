#include <gtest/gtest.h>

#include "data/BookingReader.h"
#include "suite/DateTime.h"
#include "support/BookingFixture.h"
#include "support/TestSuite.h"

namespace {

const TDateTime k31Maerz = EncodeDate(2024, 3, 31);
const TDateTime k1April = EncodeDate(2024, 4, 1);

std::vector<TIntTrio> Idents(const std::vector<TfbdetempSatz>& saetze) {
  std::vector<TIntTrio> idents;
  for (const auto& s : saetze) idents.push_back(s.Ident());
  return idents;
}

class BookingReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InsertBooking(TestBooking({1, 1, 1}, EncodeDate(2024, 3, 1)));
    // Late on the last day of the period.
    InsertBooking(TestBooking({1, 2, 1}, k31Maerz + 0.6));
    InsertBooking(TestBooking({1, 3, 1}, k1April));
    auto ausgeschlossen = TestBooking({2, 4, 1}, EncodeDate(2024, 3, 5));
    ausgeschlossen.Export = false;
    ausgeschlossen.Filiale = 2;
    InsertBooking(ausgeschlossen);
    auto abgerechnet = TestBooking({2, 5, 1}, EncodeDate(2024, 3, 6));
    abgerechnet.AbrJahr = 2024;
    abgerechnet.AbrNr = 3;
    abgerechnet.Filiale = 2;
    InsertBooking(abgerechnet);
    auto andererMandant = TestBooking({1, 6, 1}, EncodeDate(2024, 3, 7));
    andererMandant.Firma = {1, 2};
    InsertBooking(andererMandant);
  }

  TBuchungsAuswahl Maerz() const {
    TBuchungsAuswahl a;
    a.Firma = kTestFirma;
    a.DatumVon = EncodeDate(2024, 3, 1);
    a.DatumBis = k31Maerz;
    return a;
  }

  TestSuite suite;
  TBookingReader reader{SuiteDatabase::Get()};
};

TEST_F(BookingReaderTest, OpenBookingsOfThePeriodIncludeTheWholeLastDay) {
  EXPECT_EQ(Idents(reader.Read(Maerz())),
            (std::vector<TIntTrio>{{1, 1, 1}, {2, 4, 1}, {1, 2, 1}}));
  auto bisOffen = Maerz();
  bisOffen.DatumBis = 0;
  EXPECT_EQ(reader.Read(bisOffen).size(), 4u);
}

TEST_F(BookingReaderTest, ASettlementIsReadByItsNumberWithoutThePeriod) {
  TBuchungsAuswahl a;
  a.Art = TBuchungsAuswahl::TArt::Abrechnung;
  a.Firma = kTestFirma;
  a.AbrJahr = 2024;
  a.AbrNr = 3;
  a.DatumVon = a.DatumBis = k1April;
  EXPECT_EQ(Idents(reader.Read(a)), (std::vector<TIntTrio>{{2, 5, 1}}));

  a.Art = TBuchungsAuswahl::TArt::Zeitraum;
  a.DatumVon = EncodeDate(2024, 3, 6);
  a.DatumBis = EncodeDate(2024, 4, 1);
  EXPECT_EQ(Idents(reader.Read(a)), (std::vector<TIntTrio>{{2, 5, 1}, {1, 2, 1}, {1, 3, 1}}));
}

TEST_F(BookingReaderTest, FiltersOnFlagComputerAndBranches) {
  auto a = Maerz();
  a.Export = false;
  EXPECT_EQ(Idents(reader.Read(a)), (std::vector<TIntTrio>{{2, 4, 1}}));
  a = Maerz();
  a.Export = true;
  a.BelegRechner = 1;
  EXPECT_EQ(reader.Read(a).size(), 2u);
  a = Maerz();
  a.Filiale = 2;
  EXPECT_EQ(Idents(reader.Read(a)), (std::vector<TIntTrio>{{2, 4, 1}}));
  a = Maerz();
  a.FilialenAusgeschlossen = {7, 1};
  EXPECT_EQ(Idents(reader.Read(a)), (std::vector<TIntTrio>{{2, 4, 1}}));
}

TEST_F(BookingReaderTest, RecordsCarryOneLineTextsAndTheResolvedAccounts) {
  auto satz = TestBooking({3, 1, 1}, EncodeDate(2024, 3, 2));
  satz.Beschreibung = "Aufwand\r\nPorto";
  satz.KtoZusatz = "";
  satz.Kost2 = 9;
  InsertBooking(satz);
  auto a = Maerz();
  a.BelegRechner = 3;
  const auto gelesen = reader.Read(a);
  ASSERT_EQ(gelesen.size(), 1u);
  EXPECT_EQ(gelesen[0].Beschreibung, "AufwandPorto");
  EXPECT_EQ(gelesen[0].KtoKurzBez, "KASSE");
  EXPECT_EQ(gelesen[0].GegenKtoKurzBez, "ERLWARE 19");
  EXPECT_EQ(gelesen[0].Kost2, 9);
  EXPECT_EQ(gelesen[0].Verw2RNr, 0);

  TBookingReader resolving(SuiteDatabase::Get(),
                           [](TfbdetempSatz& s) { s.KtoKurzBez = "1000"; });
  EXPECT_EQ(resolving.Read(a).at(0).KtoKurzBez, "1000");

  // Stopping early hands out no further bookings.
  int seen = 0;
  reader.ForEach(Maerz(), [&](TfbdetempSatz&) { return ++seen < 2; });
  EXPECT_EQ(seen, 2);
}

TEST_F(BookingReaderTest, ManyBookingsArriveInDateOrderEachInARecordOfItsOwn) {
  {
    suitedb::Transaction transaktion(SuiteDatabase::Get());
    for (int i = 0; i < 1500; ++i) {
      auto satz = TestBooking({4, 100 + i, 1}, EncodeDate(2024, 3, 2) + (1499 - i) / 100.0);
      satz.Filiale = i % 3 == 0 ? 3 : 1;
      if (i == 7) satz.KtoZusatz = "Zusatz";
      InsertBooking(satz);
    }
    transaktion.Commit();
  }
  auto a = Maerz();
  a.BelegRechner = 4;
  a.FilialenAusgeschlossen = {3};
  const auto gelesen = reader.Read(a);
  ASSERT_EQ(gelesen.size(), 1000u);
  for (std::size_t i = 1; i < gelesen.size(); ++i) {
    ASSERT_LE(gelesen[i - 1].Belegdatum, gelesen[i].Belegdatum) << i;
  }
  for (const auto& satz : gelesen) {
    ASSERT_EQ(satz.Filiale, 1);
    ASSERT_EQ(satz.KtoKurzBez, satz.TransaktionsNr == 107 ? "KASSE Zusatz" : "KASSE")
        << satz.TransaktionsNr;
  }

  int seen = 0;
  EXPECT_EQ(reader.ForEach(a, [&](TfbdetempSatz&) { return ++seen < 700; }), 700u);
  EXPECT_EQ(seen, 700);
}

TEST_F(BookingReaderTest, AReadInsideASnapshotSeesThatSnapshot) {
  auto& db = SuiteDatabase::Get();
  auto anderer = db.OpenAnother();
  {
    suitedb::ReadTransaction snapshot(db);
    auto& zaehlen = db.Cached("SELECT COUNT(*) FROM fbde");
    ASSERT_TRUE(zaehlen.Step());  // the snapshot is taken here
    zaehlen.Reset();
    TFbdeFile(*anderer).Insert(TestBooking({5, 1, 1}, EncodeDate(2024, 3, 3)));
    anderer->ExecuteScript(
        "UPDATE fbde SET abr_jahr = 2024, abr_nr = 9 WHERE rechner = 1 AND transaktions_nr = 1");
    EXPECT_EQ(Idents(reader.Read(Maerz())),
              (std::vector<TIntTrio>{{1, 1, 1}, {2, 4, 1}, {1, 2, 1}}));
  }
  EXPECT_EQ(Idents(reader.Read(Maerz())),
            (std::vector<TIntTrio>{{5, 1, 1}, {2, 4, 1}, {1, 2, 1}}));
}

}  // namespace
