#include <gtest/gtest.h>

#include <algorithm>

#include "export/TestExporter.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

bool Registered(const std::string& context, const std::string& text = {}) {
  const auto& all = QTXInfo().Registrations();
  return std::any_of(all.begin(), all.end(), [&](const TQTXInfo::Registration& r) {
    return r.context == context && (text.empty() || r.text == text);
  });
}

// Seeds a stored profile of a format as the store keeps it.
void StoreProfile(const std::string& mask, const std::string& name, const TStringList& lines,
                  const std::string& description = {}) {
  TQTXFormStore store;
  store.SetFormName({"SALDIX", mask, "D"});
  store.StoreByName("0", name, description, TQTXStrings{lines});
}

TEST(FibuExporterProfiles, SurviveReopenAndStayWithTheirFormatAndLanguage) {
  TestSuite suite;
  StoreProfile("DATEV", "Monat", {"FILIALWAHL=SELFILS", "FILIALE=1,2", "PFAD=/export/monat"});
  StoreProfile("BMD", "Jahr", {"PFAD=/export/bmd"});
  suite.Reopen();

  TTestExporter datev("DATEV");
  datev.Init();
  EXPECT_EQ(datev.Get_Anzahl_Profile(), 1);
  TStringList namen{"alt"}, texte, indizes;
  datev.Get_Profile(namen, texte, indizes);
  EXPECT_EQ(namen, TStringList{"MONAT"});
  EXPECT_EQ(texte, TStringList{""});
  EXPECT_EQ(indizes, TStringList{"0"});

  EXPECT_FALSE(datev.Lade_Config("Jahr"));  // the BMD profile is invisible here
  ASSERT_TRUE(datev.Lade_Config("monat"));  // lower case finds the upper-case entry
  EXPECT_EQ(datev.CfgUsername(), "MONAT");
  EXPECT_EQ(datev.FilialenWahl(), epfwSelektierteFilialen);
  EXPECT_EQ(datev.Filialen(), (TStringList{"1", "2"}));
  EXPECT_EQ(datev.pfad, "/export/monat");
  datev.Done();

  // Another language is another form: its profiles are separate.
  TSimpleMask("SUITE", "SYSTEM").WriteGlobal("SPRACHE", "E");
  TTestExporter english("DATEV");
  english.Init();
  EXPECT_EQ(english.Get_Anzahl_Profile(), 0);
  english.Done();
}

TEST(FibuExporterProfiles, BlankNameLoadsTheDefaultAndKeepsTheProfileName) {
  TestSuite suite;
  StoreProfile("DATEV", "MONAT", {"PFAD=/monat"});
  {
    TTestExporter exporter("DATEV");
    exporter.Init();
    exporter.pfad = "/default";
    exporter.Done();  // no profile loaded: writes the default entry
  }
  TTestExporter exporter("DATEV");
  exporter.Init();
  EXPECT_EQ(exporter.pfad, "/default");
  ASSERT_TRUE(exporter.Lade_Config("MONAT"));
  EXPECT_EQ(exporter.pfad, "/monat");

  EXPECT_TRUE(exporter.Lade_Config("   "));
  EXPECT_EQ(exporter.pfad, "/default");
  EXPECT_EQ(exporter.strConfig.Value("PFAD"), "/default");
  EXPECT_EQ(exporter.CfgUsername(), "MONAT");

  // The default settings go back to the default entry, not over the profile's.
  exporter.pfad = "/default2";
  exporter.Done();
  TTestExporter reader("DATEV");
  reader.Init();
  EXPECT_EQ(reader.pfad, "/default2");
  ASSERT_TRUE(reader.Lade_Config("MONAT"));
  EXPECT_EQ(reader.pfad, "/monat");
}

TEST(FibuExporterProfiles, UnknownNameIsLoggedRegisteredAndChangesNothing) {
  TestSuite suite;
  StoreProfile("DATEV", "MONAT", {"FILIALE=1", "PFAD=/monat"});
  TTestExporter exporter("DATEV");
  exporter.Init();
  ASSERT_TRUE(exporter.Lade_Config("MONAT"));
  exporter.SetFilialen({"9"});  // changed in the form, not yet saved
  const auto configBefore = exporter.strConfig.Items;

  EXPECT_FALSE(exporter.Lade_Config("Quartal"));

  const auto log = MenuLog_Tail(1);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].title, "Saldix Export");
  EXPECT_EQ(log[0].text, "Abbruch: Der eingegebene Profilname wurde nicht gefunden");
  EXPECT_GT(log[0].start, 0);
  EXPECT_EQ(log[0].start, log[0].end);
  EXPECT_TRUE(Registered("TFibuExporter.Config_Load", "Could not find given configuration!"));
  EXPECT_EQ(exporter.strConfig.Items, configBefore);
  EXPECT_EQ(exporter.CfgUsername(), "MONAT");
  EXPECT_EQ(exporter.Filialen(), TStringList{"9"});
  EXPECT_EQ(exporter.pfad, "/monat");
}

TEST(FibuExporterProfiles, DoneWritesBackUnderTheLoadedProfileAndKeepsItsDescription) {
  TestSuite suite;
  StoreProfile("DATEV", "MONAT", {"FILIALE=1"}, "Monatsexport");
  {
    TTestExporter exporter("DATEV");
    exporter.Init();
    ASSERT_TRUE(exporter.Lade_Config("Monat"));
    EXPECT_EQ(exporter.CfgUserText(), "Monatsexport");
    exporter.SetFilialen({"3", "4"});
    exporter.Done();
    EXPECT_FALSE(exporter.Initialized());
    EXPECT_TRUE(exporter.Filialen().empty());
  }
  suite.Reopen();
  TTestExporter exporter("DATEV");
  exporter.Init();
  EXPECT_TRUE(exporter.Filialen().empty());  // the default entry was not touched
  ASSERT_TRUE(exporter.Lade_Config("MONAT"));
  EXPECT_EQ(exporter.Filialen(), (TStringList{"3", "4"}));
  EXPECT_EQ(exporter.CfgUserText(), "Monatsexport");
}

TEST(FibuExporterProfiles, FreshInitUsesTheSettingsFromBeforeProfiles) {
  TestSuite suite;
  TFibuExporter::SetSpezKontenQuelle([] { return TStringList{"KASSE=1000"}; });
  TTestExporter legacy("DATEV");
  legacy.Init();
  EXPECT_TRUE(legacy.Initialized());
  EXPECT_EQ(legacy.FilialenWahl(), epfwAlleFilialen);
  EXPECT_TRUE(legacy.Filialen().empty());
  EXPECT_EQ(legacy.SpezKonten(), TStringList{"KASSE=1000"});
  EXPECT_TRUE(legacy.CfgUsername().empty());

  TTestExporter withoutLegacy("RZA", false);
  withoutLegacy.Init();
  EXPECT_EQ(withoutLegacy.FilialenWahl(), epfwAlleFilialen);
  EXPECT_TRUE(withoutLegacy.Filialen().empty());
  EXPECT_TRUE(withoutLegacy.SpezKonten().empty());
  TFibuExporter::SetSpezKontenQuelle(nullptr);

  TTestExporter noSource("DATEV");
  noSource.Init();
  EXPECT_TRUE(noSource.SpezKonten().empty());
}

TEST(FibuExporterProfiles, BranchChoiceIsSelectedOnlyForExactlySelfils) {
  TestSuite suite;
  TTestExporter exporter;
  exporter.Init();
  for (const char* value : {"SELFILS", "selfils", "ALLEFILS", "", " SELFILS", "SELFILS "}) {
    exporter.SetFilialenWahl(epfwAlleFilialen);
    exporter.strConfig.Items = {std::string("FILIALWAHL=") + value};
    exporter.Config2Properties();
    EXPECT_EQ(exporter.FilialenWahl() == epfwSelektierteFilialen, std::string(value) == "SELFILS")
        << value;
  }
  exporter.SetFilialenWahl(epfwSelektierteFilialen);
  exporter.strConfig.Items = {"FILIALE=1"};  // key missing
  exporter.Config2Properties();
  EXPECT_EQ(exporter.FilialenWahl(), epfwAlleFilialen);
}

TEST(FibuExporterProfiles, BranchesAndSpecialAccountsKeepCommasBlanksAndQuotes) {
  TestSuite suite;
  const TStringList filialen{"1", "12", "7"};
  const TStringList spezKonten{"KASSE 1000", "BANK,1200", "Text \"A\"", ""};
  {
    TTestExporter exporter;
    exporter.Init();
    exporter.SetFilialenWahl(epfwSelektierteFilialen);
    exporter.SetFilialen(filialen);
    exporter.SetSpezKonten(spezKonten);
    exporter.Properties2Config();
    EXPECT_EQ(exporter.strConfig.Items,
              (TStringList{"FILIALWAHL=SELFILS", "FILIALE=1,12,7",
                           R"(SPEZKTO="KASSE 1000","BANK,1200","Text ""A""","")", "PFAD="}));
    exporter.Done();
  }
  suite.Reopen();
  TTestExporter exporter;
  exporter.Init();
  EXPECT_EQ(exporter.FilialenWahl(), epfwSelektierteFilialen);
  EXPECT_EQ(exporter.Filialen(), filialen);
  EXPECT_EQ(exporter.SpezKonten(), spezKonten);
}

}  // namespace
