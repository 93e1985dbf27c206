#include <gtest/gtest.h>

#include "suite/DateTime.h"
#include "suite/Format.h"

namespace {

TEST(DateTime, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2100, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 4), 30);
  EXPECT_EQ(DaysInMonth(2024, 12), 31);
  EXPECT_EQ(DaysInMonth(2024, 13), 0);
  EXPECT_EQ(DaysInMonth(EncodeDate(2024, 2, 10)), 29);
}

TEST(DateTime, PartsOfADate) {
  const TDateTime value = EncodeDateTime(2024, 3, 7, 13, 45, 0);
  EXPECT_EQ(YearOf(value), 2024);
  EXPECT_EQ(MonthOf(value), 3);
  EXPECT_EQ(DayOf(value), 7);
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
}

TEST(DateTime, MonthIncrementsClampToTheMonthEnd) {
  EXPECT_EQ(IncMonth(EncodeDate(2024, 12, 15)), EncodeDate(2025, 1, 15));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2023, 1, 31)), EncodeDate(2023, 2, 28));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 5, 31), 25), EncodeDate(2026, 6, 30));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 2, 29), -24), EncodeDate(2022, 2, 28));
  const TDateTime withTime = EncodeDateTime(2024, 1, 31, 18, 30, 0);
  EXPECT_NEAR(IncMonth(withTime), EncodeDateTime(2024, 2, 29, 18, 30, 0), 1e-9);
}

TEST(DateTime, StartAndEndOfMonthDropTheTime) {
  const TDateTime value = EncodeDateTime(2024, 2, 10, 9, 15, 0);
  EXPECT_EQ(StartOfMonth(value), EncodeDate(2024, 2, 1));
  EXPECT_EQ(EndOfMonth(value), EncodeDate(2024, 2, 29));
  EXPECT_EQ(EndOfMonth(EncodeDate(2023, 2, 1)), EncodeDate(2023, 2, 28));
  EXPECT_EQ(EndOfMonth(EncodeDate(2024, 12, 31)), EncodeDate(2024, 12, 31));
}

TEST(DateTime, FormatsThePatternsOfTheExportFiles) {
  const TDateTime value = EncodeDateTime(2024, 3, 7, 9, 5, 4, 32);
  EXPECT_EQ(FormatDateTime("ddmm", value), "0703");
  EXPECT_EQ(FormatDateTime("yyyymmdd", value), "20240307");
  EXPECT_EQ(FormatDateTime("YYYYMMDD", value), "20240307");
  EXPECT_EQ(FormatDateTime("yyyymmddhhnnsszzz", value), "20240307090504032");
  EXPECT_EQ(FormatDateTime("yyyymmddhhmmsszzz", value), "20240307090504032");
  EXPECT_EQ(FormatDateTime("yyyymmdd_hhmmss", value), "20240307_090504");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", value), "2024-03-07 09:05:04.032");
  EXPECT_EQ(FormatDateTime("hh:mm", value), "09:05");
  EXPECT_EQ(FormatDateTime("dd.mm.yyyy", value), "07.03.2024");
  EXPECT_EQ(FormatDateTime("ddmmyy", value), "070324");
  EXPECT_EQ(FormatDateTime("d.m.yy", value), "7.3.24");
  EXPECT_EQ(FormatDateTime("yyyymm", value), "202403");
  EXPECT_EQ(FormatDateTime("'Stand:' dd.mm.", value), "Stand: 07.03.");
  EXPECT_EQ(FormatDateTime("yyyy", value) + FormatDateTime("mm", value) + FormatDateTime("dd", value) +
                FormatDateTime("hh", value) + FormatDateTime("nn", value) +
                FormatDateTime("ss", value) + FormatDateTime("zzz", value),
            "20240307090504032");
  // Just before midnight stays on the same day.
  EXPECT_EQ(FormatDateTime("dd hh:nn:ss.zzz", EncodeDate(2024, 3, 7) + 0.99999999999),
            "07 23:59:59.999");
}

TEST(DateTime, DateTextsFollowTheShortDateFormat) {
  EXPECT_EQ(DateToStr(EncodeDate(2024, 1, 5)), "05.01.2024");
  EXPECT_EQ(Date2JJJJMMTT(EncodeDateTime(2024, 1, 5, 23, 59, 59)), "20240105");
  EXPECT_EQ(StrToDateDef("05.01.2024", -1), EncodeDate(2024, 1, 5));
  EXPECT_EQ(StrToDateDef("5.1.24", -1), EncodeDate(2024, 1, 5));
  EXPECT_EQ(StrToDateDef(" 29.02.2024 ", -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(StrToDateDef("31.12.99", -1), EncodeDate(1999, 12, 31));
  EXPECT_EQ(StrToDateDef("29.02.2023", -1), -1);
  EXPECT_EQ(StrToDateDef("31.04.2024", -1), -1);
  EXPECT_EQ(StrToDateDef("1.13.2024", -1), -1);
  EXPECT_EQ(StrToDateDef("0.1.2024", -1), -1);
  EXPECT_EQ(StrToDateDef("1.1.024", -1), -1);
  EXPECT_EQ(StrToDateDef("01012024", -1), -1);
  EXPECT_EQ(StrToDateDef("01.01.2024x", -1), -1);
  EXPECT_EQ(StrToDateDef("", -1), -1);
}

}  // namespace
