#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/TestSuite.h"
#include "suite/Benutzer.h"
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

// Sets or removes an environment variable for one test and restores it after.
class Umgebung {
 public:
  Umgebung(const char* name, const char* wert) : name_(name) {
    if (const char* alt = std::getenv(name)) alt_ = alt;
    if (wert) {
      ::setenv(name, wert, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~Umgebung() {
    if (alt_) {
      ::setenv(name_, alt_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> alt_;
};

TEST(AngemeldeterBenutzer, TheSuitesLoginWinsAndWithoutAnyVariableTheAccountIsKnown) {
  {
    Umgebung suite("SALDIX_BENUTZER", "meier");
    EXPECT_EQ(AngemeldeterBenutzer(), "meier");
    EXPECT_EQ(TUserRechte().Benutzer(), "meier");
  }
  // A cron job or service starts without USER or LOGNAME: the journal still names someone.
  Umgebung suite("SALDIX_BENUTZER", nullptr);
  Umgebung user("USER", nullptr);
  Umgebung logname("LOGNAME", nullptr);
  Umgebung username("USERNAME", nullptr);
  EXPECT_FALSE(AngemeldeterBenutzer().empty());
}

}  // namespace
