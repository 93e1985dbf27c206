#include "suite/QrReferenz.h"

#include <gtest/gtest.h>

namespace {

TEST(QrReferenz, TheCheckDigitIsComputedModuloTenRecursively) {
  // The example of the Swiss payment standards: 21 00000 00003 13947 14300 0901|7.
  EXPECT_EQ(QR_Pruefziffer("21000000000313947143000901"), 7);
  EXPECT_EQ(QR_Pruefziffer(""), 0);
}

TEST(QrReferenz, CustomerAndDocumentNumberFillTwentySixDigitsBeforeTheCheckDigit) {
  EXPECT_EQ(Formatiere_QR_Belegnummer(2024, 3, 123), "20240003000123");
  EXPECT_EQ(Formatiere_QR_Referenz("20240003000123", "5001"), "000000500100202400030001239");
  // Longer parts keep their last digits; a reference without document digits is empty.
  EXPECT_EQ(Formatiere_QR_Referenz("RE-12345678901234567", "123456789012").substr(0, 26),
            "34567890122345678901234567");
  EXPECT_EQ(Formatiere_QR_Referenz("", "5001"), "");
  EXPECT_EQ(Formatiere_QR_Referenz("17", "").size(), 27u);
}

}  // namespace
