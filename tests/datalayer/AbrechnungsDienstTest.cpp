#include "data/AbrechnungsDienst.h"

#include <gtest/gtest.h>

#include "datalayer/LookupFixture.h"
#include "suite/DateTime.h"
#include "support/FakeAbrechnungen.h"
#include "support/TestSuite.h"

namespace {

// The tests of the export run, the list, the batch run and the selection dialog trust the
// shared fake: it has to answer as the service over the suite does, for every question
// they ask.
TEST(AbrechnungsDienst, TheSharedFakeAnswersAsTheSuiteDoes) {
  TestSuite suite;
  const TIntPair firma{1, 1};
  struct TFall {
    int jahr, nr;
    TDateTime bis;
  };
  const TFall gehalten[] = {{2023, 11, EncodeDate(2023, 6, 30)},
                            {2024, 1, EncodeDate(2023, 7, 31)},
                            {2024, 2, EncodeDate(2023, 8, 31)},
                            {2024, 5, EncodeDate(2023, 9, 30)},
                            {2025, 9999, EncodeDate(2024, 7, 31)},
                            {2025, 12000, EncodeDate(2024, 8, 31)}};
  // A business year from July, named after the year it ends in.
  Zeile("INSERT INTO mandanten (firma1, firma2, kurz_nr, wj_beginn_monat, wj_regel) "
        "VALUES (1, 1, 1, 7, 1)");
  TFakeAbrechnungen fake;
  fake.Regel = {7, true};
  for (const TFall& f : gehalten) {
    Zeile("INSERT INTO fbex (firma1, firma2, abr_jahr, abr_nr, rnr, datum_bis) VALUES (1, 1, ?, ?, 1, ?)",
          f.jahr, f.nr, f.bis);
    fake.Halten(f.jahr, f.nr, f.bis);
  }
  TAbrechnungsDienst echt(SuiteDatabase::Get());

  for (const TDateTime datum : {0.0, EncodeDate(2023, 6, 30), EncodeDate(2023, 7, 1), EncodeDate(2024, 12, 31)}) {
    EXPECT_EQ(fake.GetAbrJahr(firma, datum), echt.GetAbrJahr(firma, datum)) << datum;
  }
  for (const int jahr : {0, 2022, 2023, 2024, 2025}) {
    EXPECT_EQ(fake.GetAnfangAbrJahr(firma, jahr), echt.GetAnfangAbrJahr(firma, jahr)) << jahr;
    EXPECT_EQ(fake.GetEndeAbrJahr(firma, jahr), echt.GetEndeAbrJahr(firma, jahr)) << jahr;
    EXPECT_EQ(fake.GetNextAbrNr(firma, jahr), echt.GetNextAbrNr(firma, jahr)) << jahr;
    for (const int nr : {1, 3, 5, 11, 9999}) {
      EXPECT_EQ(fake.AbrNrFrei(firma, jahr, nr), echt.AbrNrFrei(firma, jahr, nr)) << jahr << "/" << nr;
    }
  }
  int jahrFake = 0, nrFake = 0, jahrEcht = 0, nrEcht = 0;
  TDateTime bisFake = 0, bisEcht = 0;
  ASSERT_TRUE(fake.GetLastAbr(firma, jahrFake, bisFake, nrFake));
  ASSERT_TRUE(echt.GetLastAbr(firma, jahrEcht, bisEcht, nrEcht));
  EXPECT_EQ(jahrFake, jahrEcht);
  EXPECT_EQ(nrFake, nrEcht);
  EXPECT_EQ(bisFake, bisEcht);
}

}  // namespace
