#include "data/BelegVorrat.h"

#include <gtest/gtest.h>

#include <thread>

#include "datalayer/LookupFixture.h"
#include "suite/db/Storage.h"

namespace {

class BelegVorratTest : public ::testing::Test {
 protected:
  // Documents of computer 2 with the numbers von, von + schritt, ... below bis.
  void Belege(int von, int bis, int schritt = 1) {
    suitedb::Transaction transaktion(SuiteDatabase::Get());
    auto& einfuegen = SuiteDatabase::Get().Cached(
        "INSERT INTO belege (rnr, lnr, snr, firma1, firma2, nr_teil1) VALUES (2, ?, 0, 1, 1, ?)");
    for (int lnr = von; lnr < bis; lnr += schritt) einfuegen.With(lnr, lnr).Run();
    transaktion.Commit();
  }
  int Lesevorgaenge() { return server.Lesevorgaenge(); }

  TestSuite suite;
  TBelegServer server{SuiteDatabase::Get()};
  TBelegVorrat vorrat{server};
};

TEST_F(BelegVorratTest, InterleavedRunsOfNumbersEachKeepTheirBlock) {
  Belege(100, 300);
  Belege(7000, 7200);
  Zeile("INSERT INTO beleg_steuern (rnr, lnr, snr, pos, satz) VALUES (2, 7001, 0, 1, 1900)");
  for (int i = 0; i < 150; ++i) {
    for (int lnr : {100 + i, 7000 + i}) {
      const TBeleg* beleg = vorrat.Beleg(2, lnr);
      ASSERT_NE(beleg, nullptr) << lnr;
      EXPECT_EQ(beleg->Kopf.NrTeil1, lnr);
    }
  }
  EXPECT_EQ(vorrat.Beleg(2, 7001)->Steuern.size(), 1u);
  // The blocks 0-255 and 6912-7167: one read each.
  EXPECT_EQ(Lesevorgaenge(), 2);
  EXPECT_EQ(vorrat.Beleg(2, 99), nullptr);
  EXPECT_EQ(vorrat.Beleg(3, 100), nullptr);
}

TEST_F(BelegVorratTest, AFailedReadLeavesNoBlockBehind) {
  Belege(100, 110);
  Zeile("ALTER TABLE beleg_steuern RENAME TO beleg_steuern_weg");
  EXPECT_THROW(vorrat.Beleg(2, 100), suitedb::StorageError);
  Zeile("ALTER TABLE beleg_steuern_weg RENAME TO beleg_steuern");
  const TBeleg* beleg = vorrat.Beleg(2, 100);
  ASSERT_NE(beleg, nullptr);
  EXPECT_EQ(beleg->Kopf.NrTeil1, 100);
}

TEST_F(BelegVorratTest, LookupsInNoOrderFallBackToSingleReads) {
  Belege(0, 6000);
  // One document asked for in every block: blocks do not pay off.
  int frage = 0;
  for (; frage < 24; ++frage) ASSERT_NE(vorrat.Beleg(2, frage * 256 + 3), nullptr);
  const int vorher = Lesevorgaenge();
  for (int lnr : {5, 5000, 17, 4500}) {
    const TBeleg* beleg = vorrat.Beleg(2, lnr);
    ASSERT_NE(beleg, nullptr);
    EXPECT_EQ(beleg->Kopf.NrTeil1, lnr);
  }
  EXPECT_EQ(Lesevorgaenge(), vorher + 4);
  EXPECT_EQ(vorrat.Beleg(2, 7000), nullptr);
}

class BelegVorratVorlesenTest : public BelegVorratTest {
 protected:
  // As the thread reading the bookings does it: on its own connection and thread.
  void Vorlesen(std::initializer_list<int> nummern) {
    std::thread([&] {
      for (int lnr : nummern) vorrat.Vorlesen(leser, 2, lnr);
    }).join();
  }

  std::unique_ptr<suitedb::Connection> andere = SuiteDatabase::Get().OpenAnother();
  TBelegServer leser{*andere};
};

TEST_F(BelegVorratVorlesenTest, BlocksReadAheadAnswerTheLookupsWithoutARead) {
  Belege(100, 250);
  Belege(7000, 7160);
  Vorlesen({100, 7000, 101, 7001, 249});
  EXPECT_EQ(leser.Lesevorgaenge(), 2);  // one read a block
  for (int lnr : {100, 7000, 150, 7150}) {
    const TBeleg* beleg = vorrat.Beleg(2, lnr);
    ASSERT_NE(beleg, nullptr) << lnr;
    EXPECT_EQ(beleg->Kopf.NrTeil1, lnr);
  }
  EXPECT_EQ(Lesevorgaenge(), 0);
  EXPECT_EQ(vorrat.Beleg(2, 6900), nullptr);  // another block: read here
  EXPECT_EQ(Lesevorgaenge(), 1);
}

TEST_F(BelegVorratVorlesenTest, OnlySoManyBlocksWaitForTheirLookup) {
  Belege(0, 100 * 256, 256);
  std::thread([&] {
    for (int block = 0; block < 100; ++block) vorrat.Vorlesen(leser, 2, block * 256);
  }).join();
  EXPECT_EQ(leser.Lesevorgaenge(), 64);
  for (int block = 0; block < 100; ++block) ASSERT_NE(vorrat.Beleg(2, block * 256), nullptr);
  EXPECT_EQ(Lesevorgaenge(), 36);
}

TEST_F(BelegVorratVorlesenTest, AFailedReadAheadIsLeftToTheLookup) {
  Belege(100, 110);
  Zeile("ALTER TABLE beleg_steuern RENAME TO beleg_steuern_weg");
  Vorlesen({100});
  Zeile("ALTER TABLE beleg_steuern_weg RENAME TO beleg_steuern");
  const TBeleg* beleg = vorrat.Beleg(2, 100);
  ASSERT_NE(beleg, nullptr);
  EXPECT_EQ(beleg->Kopf.NrTeil1, 100);
  EXPECT_EQ(Lesevorgaenge(), 1);
}

TEST_F(BelegVorratVorlesenTest, NothingIsReadAheadOnceBlocksDoNotPayOff) {
  Belege(0, 6000);
  for (int frage = 0; frage < 24; ++frage) ASSERT_NE(vorrat.Beleg(2, frage * 256 + 3), nullptr);
  ASSERT_NE(vorrat.Beleg(2, 5), nullptr);  // a single read now
  Vorlesen({5000, 5500});
  EXPECT_EQ(leser.Lesevorgaenge(), 0);
}

}  // namespace
