#include "data/SaldixAbrechnungNr.h"

#include <gtest/gtest.h>

namespace {

TSaldixAbrechnungsNr Gezeigt(int nummer, int jahr) {
  TSaldixAbrechnungsNr dialog;
  dialog.FAbrNrLfd = nummer;
  dialog.FAbrNrJahr = jahr;
  dialog.FormShow();
  return dialog;
}

TEST(SaldixAbrechnungsNr, ShowsTheCallersSettlementWithFocusOnTheNumber) {
  TSaldixAbrechnungsNr neu;
  EXPECT_EQ(neu.FAbrNrLfd, 0);
  EXPECT_EQ(neu.FAbrNrJahr, 0);
  auto dialog = Gezeigt(12, 2024);
  EXPECT_EQ(dialog.edtAbrNrLfd, "12");
  EXPECT_EQ(dialog.edtAbrNrJahr, "2024");
  EXPECT_STREQ(dialog.FocusedInput(), "edtAbrNrLfd");
}

TEST(SaldixAbrechnungsNr, OkTakesValidInputsAndCloses) {
  auto dialog = Gezeigt(12, 2024);
  dialog.edtAbrNrLfd = " +13 ";
  dialog.edtAbrNrJahr = "2025";
  dialog.btnOKClick();
  EXPECT_EQ(dialog.ModalResult(), mrOk);
  EXPECT_EQ(dialog.FAbrNrLfd, 13);
  EXPECT_EQ(dialog.FAbrNrJahr, 2025);
}

TEST(SaldixAbrechnungsNr, OkWithZeroOrUnreadableInputsStaysOpenAndKeepsTheSettlement) {
  for (const auto& [nummer, jahr] : {std::pair{"0", "2024"}, std::pair{"5", "0"},
                                     std::pair{"5x", "2024"}, std::pair{"", "2024"},
                                     std::pair{"-3", "2024"}, std::pair{"10000", "2024"},
                                     std::pair{"5", "99999999999"}, std::pair{"4 2", "2024"},
                                     std::pair{"abc", "2024"}, std::pair{"3.5", "2024"}}) {
    auto dialog = Gezeigt(12, 2024);
    dialog.edtAbrNrLfd = nummer;
    dialog.edtAbrNrJahr = jahr;
    dialog.btnOKClick();
    EXPECT_EQ(dialog.ModalResult(), 0) << nummer << "/" << jahr;
    EXPECT_EQ(dialog.FAbrNrLfd, 12);
    EXPECT_EQ(dialog.FAbrNrJahr, 2024);
  }
}

TEST(SaldixAbrechnungsNr, CancelCloses) {
  auto dialog = Gezeigt(12, 2024);
  dialog.btnCancelClick();
  EXPECT_EQ(dialog.ModalResult(), mrCancel);
}

}  // namespace
