#include "data/FilialenRechnerHelper.h"

#include <gtest/gtest.h>

#include <vector>

#include "datalayer/LookupFixture.h"
#include "support/TestSuite.h"

namespace {

using Liste = std::vector<int>;

class FilialenRechnerHelperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Zeile("INSERT INTO filialgruppen (nummer, firma1, firma2) VALUES (1, 1, 1), (2, 2, 2), (3, 1, 1)");
    Zeile(
        "INSERT INTO filialen (nummer, firma1, firma2, orge, gruppe) VALUES "
        "(10, 1, 1, 4, 1), (11, 1, 1, 4, 3), (12, 2, 2, 4, 2), (13, 1, 1, 5, 0), (14, 1, 1, 6, 1)");
    Zeile("INSERT INTO computers (number, type, branch) VALUES (3, 1, 13)");
  }
  TestSuite suite;
};

TEST_F(FilialenRechnerHelperTest, BranchOfComputerAndOrganisation) {
  TGruppenFilialenRechnerHelper helper(SuiteDatabase::Get());
  EXPECT_EQ(helper.GetFilialeByRechner(3), 13);
  EXPECT_EQ(helper.GetFilialeByRechner(4), 0);
  EXPECT_EQ(helper.GetFilialeByOrge({1, 1}, 4), 10);
  EXPECT_EQ(helper.GetFilialeByOrge({2, 2}, 4), 12);
  EXPECT_EQ(helper.GetFilialeByOrge({2, 2}, 5), 0);
}

TEST_F(FilialenRechnerHelperTest, ListsOfAClientAndItsGroups) {
  TGruppenFilialenRechnerHelper helper(SuiteDatabase::Get());
  EXPECT_EQ(helper.GetGruppenliste({1, 1}), (Liste{1, 3}));
  EXPECT_EQ(helper.GetFilialliste({1, 1}), (Liste{10, 11, 13, 14}));
  EXPECT_EQ(helper.GetFiliallisteByGruppe(1, {1, 1}), (Liste{10, 14}));
  EXPECT_EQ(helper.GetFiliallisteByGruppe(2, {1, 1}), Liste{});
  EXPECT_EQ(helper.GetNegFiliallisteByGruppe(1, {1, 1}), (Liste{0, 11, 13}));
  EXPECT_EQ(helper.GetNegExporterListe({"10", " 12 ", "x"}), (Liste{11, 13, 14}));
}

TEST_F(FilialenRechnerHelperTest, BranchTableIsReadOnce) {
  TGruppenFilialenRechnerHelper helper(SuiteDatabase::Get());
  Zeile("INSERT INTO filialen (nummer, firma1, firma2) VALUES (15, 1, 1)");
  EXPECT_EQ(helper.GetFilialliste({1, 1}), (Liste{10, 11, 13, 14}));
}

}  // namespace
