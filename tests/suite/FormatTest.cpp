#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>

#include "suite/Format.h"
#include "suite/Text.h"

namespace {

// Restores the process's format settings after a test changed them.
class SettingsGuard {
 public:
  SettingsGuard() : saved_(FormatSettings()) {}
  ~SettingsGuard() { FormatSettings() = saved_; }

 private:
  TFormatSettings saved_;
};

TEST(Format, IntegersWithWidthPrecisionAndAlignment) {
  EXPECT_EQ(Format("%d", 42), "42");
  EXPECT_EQ(Format("%.4d", 7), "0007");
  EXPECT_EQ(Format("%.4d", 123456), "123456");
  EXPECT_EQ(Format("%.4d", -7), "-0007");
  EXPECT_EQ(Format("%5d|%-5d|", 42, 42), "   42|42   |");
  EXPECT_EQ(Format("%.2d%.2d%.4d", 8, 3, 2024), "08032024");
  EXPECT_EQ(Format("%.6d%.6d", 12, 345), "000012000345");
  EXPECT_EQ(Format("%4.4u", 1900), "1900");
  EXPECT_EQ(Format("%.d", 0), "0");
  EXPECT_EQ(Format("%s%d%.*d%.*d", "RE", 1, 4, 23, 6, 45), "RE10023000045");
  EXPECT_EQ(Format("%d", -9223372036854775807LL - 1), "-9223372036854775808");
  EXPECT_EQ(Format("100%%"), "100%");
}

TEST(Format, TextWidthCountsCharactersNotBytes) {
  EXPECT_EQ(Format("%-10s|", "Müller"), "Müller    |");
  EXPECT_EQ(Format("%8s|", "Größe"), "   Größe|");
  EXPECT_EQ(Format("%.3s", "Ärger"), "Ärg");
  EXPECT_EQ(Format("%-3s|", "Straße"), "Straße|");  // longer than the width: unchanged
  EXPECT_EQ(Format("%d - %s", 3, std::string("Filiale Süd")), "3 - Filiale Süd");
}

TEST(Format, AmountsRoundHalfAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(Format("%f", 0.125L), "0,13");
  EXPECT_EQ(Format("%f", 2.675), "2,68");    // binary 2.67499999...
  EXPECT_EQ(Format("%f", 1.005), "1,01");
  EXPECT_EQ(Format("%f", -0.005), "-0,01");
  EXPECT_EQ(Format("%f", -2.675L), "-2,68");
  EXPECT_EQ(Format("%.2f", 0.015), "0,02");
  EXPECT_EQ(Format("%.0f", 2.5), "3");
  EXPECT_EQ(Format("%.0f", -0.5), "-1");
  EXPECT_EQ(Format("%f", 0.1L + 0.2L), "0,30");
  EXPECT_EQ(Format("%f", 1234567.895), "1234567,90");
  EXPECT_EQ(Format("%f", 12345678901.235), "12345678901,24");
  EXPECT_EQ(Format("%f", 99999999999.995), "100000000000,00");
  EXPECT_EQ(Format("%f", 12345678901.2349), "12345678901,23");
  EXPECT_EQ(Format("%f", 0.4949), "0,49");
  EXPECT_EQ(Format("%f", 0.0049), "0,00");
  EXPECT_EQ(Format("%.3f", 1.0005), "1,001");
  // Sums of binary amounts land just below the half.
  double sum = 0;
  for (int i = 0; i < 10; ++i) sum += 0.1;  // 0.9999999999999999
  EXPECT_EQ(Format("%.1f", sum + 0.05), "1,1");
}

TEST(Format, NegativeZeroIsPrintedWithoutSign) {
  EXPECT_EQ(Format("%f", -0.0), "0,00");
  EXPECT_EQ(Format("%f", -0.004), "0,00");
  EXPECT_EQ(Format("%.0f", -0.4), "0");
  EXPECT_EQ(Format("%g", -0.0), "0");
}

TEST(Format, FieldWidthsOfAmounts) {
  EXPECT_EQ(Format("%9.2f", 119.5), "   119,50");
  EXPECT_EQ(Format("%9.2f", -19.08), "   -19,08");
  EXPECT_EQ(Format("%-9.2f|", 1.5), "1,50     |");
  EXPECT_EQ(Format("%7.2f", 1234567.0), "1234567,00");  // wider than the field
  EXPECT_EQ(Format("%2.2f", 19.0), "19,00");
  EXPECT_EQ(Format("%015.2f", -19.08), "-00000000019,08");
  EXPECT_EQ(Format("%f", 3), "3,00");  // integers are accepted as amounts
}

TEST(Format, ThousandSeparatorsAndGeneralNumbers) {
  EXPECT_EQ(Format("%9.2n", 1234.5), " 1.234,50");
  EXPECT_EQ(Format("%n", -1234567.891), "-1.234.567,89");
  EXPECT_EQ(Format("%n", 999.999), "1.000,00");
  EXPECT_EQ(Format("%.0n", 100), "100");
  EXPECT_EQ(Format("%g", 19.0), "19");
  EXPECT_EQ(Format("%g", 7.5), "7,5");
  EXPECT_EQ(Format("%g", 0.07 * 100), "7");
}

TEST(Format, FollowsTheDecimalSeparatorOfTheSettings) {
  SettingsGuard guard;
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  EXPECT_EQ(Format("%f", 1234.5), "1234.50");
  EXPECT_EQ(Format("%n", 1234.5), "1,234.50");
  EXPECT_EQ(FloatToStrF(2.5, 3), "2.500");
  FormatSettings().ThousandSeparator = '\0';
  EXPECT_EQ(Format("%n", 1234.5), "1234.50");
}

TEST(Format, AFixedPointTextKeepsItsOwnSeparatorWhateverTheSettingsSay) {
  SettingsGuard guard;
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
  EXPECT_EQ(FixedPoint(1234567.5, 2, '.'), "1234567.50");
  EXPECT_EQ(FixedPoint(2.675, 2, '.'), "2.68");  // stored as 2.67499...
  EXPECT_EQ(FixedPoint(-0.004, 2, '.'), "0.00");
  EXPECT_EQ(FixedPoint(-19.005, 2, '.'), "-19.01");
  EXPECT_EQ(FixedPoint(0.5, 0, '.'), "1");
  EXPECT_THROW(FixedPoint(std::numeric_limits<double>::infinity(), 2, '.'), std::invalid_argument);
}

TEST(Format, MismatchesAndNonFiniteValuesThrow) {
  EXPECT_THROW(Format("%d"), std::invalid_argument);
  EXPECT_THROW(Format("%d", 1.5), std::invalid_argument);
  EXPECT_THROW(Format("%s", 1), std::invalid_argument);
  EXPECT_THROW(Format("%f", "1,5"), std::invalid_argument);
  EXPECT_THROW(Format("%x", 1), std::invalid_argument);
  EXPECT_THROW(Format("abc %", 1), std::invalid_argument);
  EXPECT_THROW(Format("%.19f", 1.0), std::invalid_argument);
  EXPECT_THROW(Format("%*d", 2000000000, 1), std::invalid_argument);
  EXPECT_THROW(Format("%99999d", 1), std::invalid_argument);
  EXPECT_THROW(Format("%f", std::numeric_limits<double>::infinity()), std::invalid_argument);
  EXPECT_THROW(Format("%f", std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
  EXPECT_THROW(Format("%d", static_cast<unsigned long long>(-1)), std::invalid_argument);
}

TEST(Rounding, QtxRoundUsesTheSameRuleAsFormat) {
  EXPECT_EQ(qtx_Round(0.125L), 0.13L);
  EXPECT_EQ(qtx_Round(2.675), 2.68L);
  EXPECT_EQ(qtx_Round(-0.005), -0.01L);
  EXPECT_EQ(qtx_Round(-2.674999L), -2.67L);
  EXPECT_EQ(qtx_Round(19.0L * 119.0L / 119.0L), 19.0L);
  EXPECT_EQ(qtx_Round(1.5, 0), 2.0L);
  EXPECT_EQ(qtx_Round(1234.5678L, 3), 1234.568L);
  // Tax part of a gross amount: 10 * 19 / 119 = 1.596638...
  EXPECT_EQ(Format("%f", qtx_Round(10.0L * 19 / 119)), "1,60");
  EXPECT_THROW(qtx_Round(1.0L, -1), std::invalid_argument);
}

TEST(Conversion, TextToNumbers) {
  EXPECT_EQ(StrToIntDef("42", -1), 42);
  EXPECT_EQ(StrToIntDef(" -17 ", 0), -17);
  EXPECT_EQ(StrToIntDef("+5", 0), 5);
  EXPECT_EQ(StrToIntDef("", -1), -1);
  EXPECT_EQ(StrToIntDef("12a", -1), -1);
  EXPECT_EQ(StrToIntDef("1.5", -1), -1);
  EXPECT_EQ(StrToIntDef("2147483648", -1), -1);
  EXPECT_EQ(StrToIntDef("-2147483648", 0), -2147483647 - 1);
  EXPECT_EQ(StrToInt64Def("9223372036854775808", 3), 3);
  EXPECT_EQ(StrToInt64Def("-9223372036854775808", 3), -9223372036854775807LL - 1);

  EXPECT_EQ(StrToFloatDef("19,5", -1), 19.5L);
  EXPECT_EQ(StrToFloatDef(" -0,25 ", 0), -0.25L);
  EXPECT_EQ(StrToFloatDef("7", 0), 7.0L);
  EXPECT_EQ(StrToFloatDef("1,5E2", 0), 150.0L);
  EXPECT_EQ(StrToFloatDef("1.5", -1), -1.0L);  // not the decimal separator of the settings
  EXPECT_EQ(StrToFloatDef("1,2,3", -1), -1.0L);
  EXPECT_EQ(StrToFloatDef(",", -1), -1.0L);
  EXPECT_EQ(StrToFloatDef("nan", -1), -1.0L);
  EXPECT_EQ(StrToFloatDef("1e99999", -1), -1.0L);
  SettingsGuard guard;
  FormatSettings().DecimalSeparator = '.';
  EXPECT_EQ(StrToFloatDef("1.5", -1), 1.5L);
  EXPECT_EQ(FloatToStr(1.5), "1.5");
}

}  // namespace

TEST(Format, DigitsAppendedAsPrintfWritesThemWithPrecision) {
  for (const long long value : {0LL, 7LL, -5LL, 1234LL, -1234LL, 123456789012LL, -2147483648LL}) {
    for (const int digits : {0, 4, 9}) {
      char expected[48];
      std::snprintf(expected, sizeof expected, "%.*lld", digits, value);
      std::string text = "x";
      AppendDigits(text, value, digits);
      EXPECT_EQ(text, std::string("x") + expected) << value << " " << digits;
    }
  }
}

TEST(Format, AmountsBeyondASixtyFourBitIntegerKeepEveryDigit) {
  // Either side of the short way for values that fit a 64-bit integer.
  EXPECT_EQ(Format("%.0f", 999999999999999999.0L), "999999999999999999");
  EXPECT_EQ(Format("%.0f", 1e19L), "10000000000000000000");
  EXPECT_EQ(Format("%.0f", -12345678901234567.0L), "-12345678901234567");
  EXPECT_EQ(Format("%f", 1e16L), "10000000000000000,00");
  EXPECT_EQ(Format("%f", 1234567.891L), "1234567,89");
}
