#include <gtest/gtest.h>

#include "support/TestSuite.h"
#include "suite/Rechte.h"

namespace {

TEST(UserRechte, OnlyAGrantedRightPassesAndTheUsersOwnLineWins) {
  TestSuite suite;
  TUserRechte rechte("meier");
  EXPECT_FALSE(rechte.UserRechtePruefen(CRecht_Saldix_Loeschen, false));
  EXPECT_EQ(suite.Messages().Count(), 0u);
  EXPECT_FALSE(rechte.UserRechtePruefen(CRecht_Saldix_Loeschen, true));
  EXPECT_NE(suite.Messages().LastText().find("keine Berechtigung"), std::string::npos);

  TUserRechte::RechtSetzen("*", CRecht_Saldix_Loeschen, true);
  EXPECT_TRUE(rechte.UserRechtePruefen(CRecht_Saldix_Loeschen, true));
  EXPECT_FALSE(rechte.UserRechtePruefen(CRecht_Saldix_Umkehrbuchung, false));
  TUserRechte::RechtSetzen("meier", CRecht_Saldix_Loeschen, false);
  EXPECT_FALSE(rechte.UserRechtePruefen(CRecht_Saldix_Loeschen, false));
  EXPECT_TRUE(TUserRechte("schulze").UserRechtePruefen(CRecht_Saldix_Loeschen, false));
}

}  // namespace
