#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "export/FesterSatz.h"

namespace {

TEST(FesterSatz, WidthsCountCharactersSoLaterFieldsKeepTheirColumn) {
  TFesterSatz satz(20);
  satz.Text(1, 8, "Müller").Text(9, 5, "Größenordnung").Zahl(14, 7, 42);
  EXPECT_EQ(satz.Satz(), "Müller  Größe0000042");
  EXPECT_EQ(satz.Laenge(), 20u);
}

TEST(FesterSatz, TextRightAlignedIsPaddedInFrontAndCutFromTheLeft) {
  TFesterSatz satz(6);
  satz.TextRechts(1, 3, "ä").TextRechts(4, 3, "12345");
  EXPECT_EQ(satz.Satz(), "  ä345");
}

TEST(FesterSatz, ANumberThatDoesNotFitIsRefusedAndTheRecordStaysAsItWas) {
  TFesterSatz satz(6, U'.');
  EXPECT_THROW(satz.Zahl(1, 4, 12345), std::length_error);
  EXPECT_THROW(satz.Zahl(1, 3, -123), std::length_error);  // the sign needs a place too
  EXPECT_EQ(satz.Satz(), "......");
  satz.Zahl(1, 4, -12).Zahl(5, 2, 0, U' ');
  EXPECT_EQ(satz.Satz(), "-012 0");
  TFesterSatz rechts(5);
  rechts.Zahl(1, 5, -7, U' ');
  EXPECT_EQ(rechts.Satz(), "   -7");
  TFesterSatz gross(20);
  gross.Zahl(1, 20, LLONG_MIN);
  EXPECT_EQ(gross.Satz(), "-9223372036854775808");
}

TEST(FesterSatz, AFieldBeyondTheRecordIsRefused) {
  TFesterSatz satz(10);
  EXPECT_THROW(satz.Text(8, 4, "x"), std::out_of_range);
  EXPECT_THROW(satz.Text(0, 1, "x"), std::out_of_range);  // positions count from 1
  EXPECT_NO_THROW(satz.Text(10, 1, "x"));
}

TEST(FesterSatz, AmountsAreRoundedHalfAwayFromZeroIntoTheirSmallestUnit) {
  TFesterSatz satz(18);
  satz.Betrag(1, 6, 0.125L, 2).Betrag(7, 6, -0.005L, 2).Betrag(13, 6, 1234.5L, 0);
  EXPECT_EQ(satz.Satz(), "000013-00001001235");
  EXPECT_THROW(satz.Betrag(1, 4, 100.0L, 2), std::length_error);
  EXPECT_THROW(satz.Betrag(1, 4, 1e30L, 2), std::length_error);
}

}  // namespace
