#include <gtest/gtest.h>

#include "suite/QTXFormStore.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

TEST(SimpleMask, ValuesSurviveReopenAndWrongKindsReadAsDefault) {
  TestSuite suite;
  {
    TSimpleMask mask("SALDIX", "EINST");
    mask.WriteGlobal("MAXZEILEN", 500);
    mask.WriteByIndex("1/1", "MAXZEILEN", 200);
    mask.WriteByIndex("1/1", "AUTOKONT", true);
    mask.WriteGlobal("TEXT", "abc");
  }
  suite.Reopen();
  TSimpleMask mask("SALDIX", "EINST");
  EXPECT_EQ(mask.ReadGlobalDef("MAXZEILEN", 0), 500);
  EXPECT_EQ(mask.ReadByIndexDef("1/1", "MAXZEILEN", 0), 200);
  EXPECT_TRUE(mask.ReadByIndexDef("1/1", "AUTOKONT", false));
  EXPECT_EQ(mask.ReadGlobalDef("TEXT", 7), 7);        // text where a number is expected
  EXPECT_TRUE(mask.ReadGlobalDef("TEXT", true));      // text where a Boolean is expected
  EXPECT_EQ(mask.ReadGlobalDef("MISSING", "def"), "def");
  EXPECT_EQ(TSimpleMask("SALDIX", "OTHER").ReadGlobalDef("MAXZEILEN", 1), 1);

  mask.DeleteAllKeysByIndex("1/1");
  EXPECT_EQ(mask.ReadByIndexDef("1/1", "MAXZEILEN", 9), 9);
  EXPECT_EQ(mask.ReadGlobalDef("MAXZEILEN", 0), 500);
}

TEST(FormStore, ProfilesAreKeyedByFormIndexAndUpperCasedName) {
  TestSuite suite;
  TQTXFormStore datev;
  datev.SetFormName({"SALDIX", "DATEV", "D"});
  TQTXFormStore bmd;
  bmd.SetFormName({"SALDIX", "BMD", "D"});

  TQTXStrings config;
  config.Items = {"PFAD=/tmp/a", "FILIALE=1,2"};
  datev.StoreByName("0", "Monat", "Monatsexport", config);
  datev.StoreDefault("0", TQTXStrings{{"PFAD=/default"}});
  suite.Reopen();

  EXPECT_TRUE(datev.Exists("0", "MONAT"));
  EXPECT_TRUE(datev.Exists("0", "monat"));
  EXPECT_FALSE(datev.Exists("1", "MONAT"));
  EXPECT_FALSE(bmd.Exists("0", "MONAT"));
  EXPECT_EQ(datev.Count("0"), 1);  // the default entry is no profile
  EXPECT_EQ(bmd.Count("0"), 0);

  TQTXStrings restored;
  std::string name, text;
  ASSERT_TRUE(datev.RestoreByName("0", "monat", restored, name, text));
  EXPECT_EQ(restored.Items, config.Items);
  EXPECT_EQ(name, "MONAT");
  EXPECT_EQ(text, "Monatsexport");

  ASSERT_TRUE(datev.RestoreDefault("0", restored));
  EXPECT_EQ(restored.Value("PFAD"), "/default");

  EXPECT_TRUE(datev.Delete("0", "Monat"));
  EXPECT_EQ(datev.Count("0"), 0);
  EXPECT_TRUE(datev.RestoreDefault("0", restored));
}

}  // namespace
