#include "data/AbrechnungsJahr.h"

#include <gtest/gtest.h>

#include "datalayer/LookupFixture.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "support/TestSuite.h"

namespace {

void Mandant(int nr, int beginnMonat, int regel) {
  Zeile("INSERT INTO mandanten (firma1, firma2, kurz_nr, wj_beginn_monat, wj_regel) "
        "VALUES (?, ?, ?, ?, ?)",
        nr, nr, nr, beginnMonat, regel);
}

TEST(AbrechnungsJahr, CalendarYear) {
  TestSuite suite;
  Mandant(1, 1, 0);
  TAbrechnungsJahr jahr(SuiteDatabase::Get());
  EXPECT_EQ(jahr.GetAbrJahr({1, 1}, EncodeDateTime(2024, 12, 31, 23, 0, 0)), 2024);
  EXPECT_EQ(jahr.GetAbrJahr({1, 1}, EncodeDate(2025, 1, 1)), 2025);
  EXPECT_EQ(jahr.GetAnfangAbrJahr({1, 1}, 2024), EncodeDate(2024, 1, 1));
  EXPECT_EQ(jahr.GetEndeAbrJahr({1, 1}, 2024), EncodeDate(2024, 12, 31));
}

TEST(AbrechnungsJahr, BusinessYearStartingInJulyNamedByStartOrEnd) {
  TestSuite suite;
  Mandant(1, 7, 0);
  Mandant(2, 7, 1);
  TAbrechnungsJahr jahr(SuiteDatabase::Get());
  EXPECT_EQ(jahr.GetAbrJahr({1, 1}, EncodeDate(2024, 6, 30)), 2023);
  EXPECT_EQ(jahr.GetAbrJahr({1, 1}, EncodeDate(2024, 7, 1)), 2024);
  EXPECT_EQ(jahr.GetAnfangAbrJahr({1, 1}, 2024), EncodeDate(2024, 7, 1));
  EXPECT_EQ(jahr.GetEndeAbrJahr({1, 1}, 2024), EncodeDate(2025, 6, 30));

  EXPECT_EQ(jahr.GetAbrJahr({2, 2}, EncodeDate(2024, 6, 30)), 2024);
  EXPECT_EQ(jahr.GetAbrJahr({2, 2}, EncodeDate(2024, 7, 1)), 2025);
  EXPECT_EQ(jahr.GetAnfangAbrJahr({2, 2}, 2025), EncodeDate(2024, 7, 1));
  EXPECT_EQ(jahr.GetEndeAbrJahr({2, 2}, 2025), EncodeDate(2025, 6, 30));
  // Leap day at the end of a February year end.
  Mandant(3, 3, 0);
  EXPECT_EQ(jahr.GetEndeAbrJahr({3, 3}, 2023), EncodeDate(2024, 2, 29));
}

TEST(AbrechnungsJahr, UnknownClientOrUnsetDateGivesZero) {
  TestSuite suite;
  Mandant(1, 1, 0);
  TAbrechnungsJahr jahr(SuiteDatabase::Get());
  EXPECT_EQ(jahr.GetAbrJahr({1, 1}, 0), 0);
  EXPECT_EQ(jahr.GetAnfangAbrJahr({1, 1}, 0), 0);
  EXPECT_TRUE(QTXInfo().Registrations().empty());
  EXPECT_EQ(jahr.GetAbrJahr({5, 5}, EncodeDate(2024, 1, 1)), 0);
  EXPECT_EQ(jahr.GetEndeAbrJahr({5, 5}, 2024), 0);
  ASSERT_FALSE(QTXInfo().Registrations().empty());
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.GetEndeAbrJahr");
}

}  // namespace
