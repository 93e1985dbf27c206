#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "export/TestExporter.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

std::optional<TQTXInfo::Registration> Registration(const std::string& context) {
  for (const auto& r : QTXInfo().Registrations()) {
    if (r.context == context) return r;
  }
  return std::nullopt;
}

void StoreDefault(const std::string& mask, const TStringList& lines) {
  TQTXFormStore store;
  store.SetFormName({"SALDIX", mask, "D"});
  store.StoreDefault("0", TQTXStrings{lines});
}

TEST(FibuExporterFailures, AFormatsOperationRegistersUnderItsOwnClassName) {
  TestSuite suite;
  TTestExporter exporter;
  exporter.Init();
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(TFibuExportFileInfo{}));
  const auto r = Registration("TTestExporter.Export_Fibu_Kopf");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->text, "Kein Exportpfad");
  EXPECT_TRUE(r->flag);
}

TEST(FibuExporterFailures, CountIsZeroAndListsStayWhenTheStoreFails) {
  TestSuite suite;
  TTestExporter exporter;
  exporter.Init();
  exporter.Config_Save("EINS");
  ASSERT_EQ(exporter.Get_Anzahl_Profile(), 1);

  SuiteDatabase::Close();
  EXPECT_EQ(exporter.Get_Anzahl_Profile(), 0);
  TStringList namen{"alt"}, texte{"t"}, indizes{"9"};
  exporter.Get_Profile(namen, texte, indizes);
  EXPECT_EQ(namen, TStringList{"alt"});
  EXPECT_EQ(texte, TStringList{"t"});
  EXPECT_EQ(indizes, TStringList{"9"});
  EXPECT_FALSE(exporter.Lade_Config("EINS"));
  EXPECT_TRUE(Registration("TFibuExporter.Get_Anzahl_Profile"));
  EXPECT_TRUE(Registration("TFibuExporter.Get_Profile"));
  suite.Reopen();
}

TEST(FibuExporterFailures, DoneDoesNotOverwriteSettingsThatCouldNotBeLoaded) {
  TestSuite suite;
  StoreDefault("TESTFORMAT", {"FILIALWAHL=SELFILS", "FILIALE=5", "PFAD=/wichtig"});
  SuiteDatabase::Close();
  TTestExporter exporter;
  exporter.Init();  // the store is unreachable: nothing loaded
  EXPECT_TRUE(exporter.Initialized());
  EXPECT_TRUE(Registration("TFibuExporter.Config_Load"));
  suite.Reopen();
  exporter.Done();

  TTestExporter again;
  again.Init();
  EXPECT_EQ(again.pfad, "/wichtig");
  EXPECT_EQ(again.Filialen(), TStringList{"5"});
}

TEST(FibuExporterFailures, DoneFreesTheResourcesEvenWhenWritingBackFails) {
  TestSuite suite;
  TTestExporter exporter;
  exporter.Init();
  exporter.SetFilialen({"1"});
  exporter.failDoneF = true;
  exporter.Done();
  const auto r = Registration("TFibuExporter.Done");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->text, "Speichern gescheitert");
  EXPECT_FALSE(r->flag);
  EXPECT_FALSE(exporter.Initialized());
  EXPECT_TRUE(exporter.Filialen().empty());
  EXPECT_FALSE(QTXInfo().HasError());  // the teardown closed its error context
}

TEST(FibuExporterFailures, InitClearsTheFlagsAndTheBaseDefaultsAreNeutral) {
  TestSuite suite;
  TTestExporter exporter;
  exporter.SetExportMonatlich(true);
  exporter.SetExportTageweise(true);
  exporter.SetZahlungsreferenz(true);
  exporter.SetExportOrderID(true);
  exporter.Init();
  EXPECT_FALSE(exporter.ExportMonatlich());
  EXPECT_FALSE(exporter.ExportTageweise());
  EXPECT_FALSE(exporter.Zahlungsreferenz());
  EXPECT_FALSE(exporter.ExportOrderID());
  EXPECT_EQ(exporter.Meldung(), "Die Exportdatei wurde erstellt.");
  EXPECT_TRUE(exporter.DateiListe().empty());
  exporter.SetMaxLfdNr(17);
  EXPECT_EQ(exporter.MaxLfdNr(), 0);
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne), "");
}

// Answers the store's dialogs as a person would.
class ScriptedChooser final : public IFormStoreChooser {
 public:
  std::optional<std::size_t> restore, remove;
  std::optional<TFormStoreEntry> store;
  std::optional<std::size_t> ChooseToRestore(const std::vector<TFormStoreEntry>&) override {
    return restore;
  }
  std::optional<std::size_t> ChooseToDelete(const std::vector<TFormStoreEntry>&) override {
    return remove;
  }
  std::optional<TFormStoreEntry> NameToStore(const std::vector<TFormStoreEntry>&) override {
    return store;
  }
};

TEST(FibuExporterDialogs, SaveLoadAndDeleteThroughTheStoresDialogs) {
  TestSuite suite;
  auto chooser = std::make_shared<ScriptedChooser>();
  SetFormStoreChooser(chooser);
  TTestExporter exporter;
  exporter.Init();

  exporter.pfad = "/quartal";
  chooser->store = TFormStoreEntry{"Quartal", "Quartalsexport", "0"};
  EXPECT_TRUE(exporter.Config_Save_Dialog());
  exporter.pfad = "/anders";

  EXPECT_FALSE(exporter.Config_Load_Dialog());  // cancelled: nothing changes
  EXPECT_EQ(exporter.pfad, "/anders");
  EXPECT_EQ(exporter.CfgUsername(), "");

  chooser->restore = 0;
  EXPECT_TRUE(exporter.Config_Load_Dialog());
  EXPECT_EQ(exporter.pfad, "/quartal");
  EXPECT_EQ(exporter.CfgUsername(), "QUARTAL");
  EXPECT_EQ(exporter.CfgUserText(), "Quartalsexport");

  chooser->remove = 0;
  EXPECT_TRUE(exporter.Config_Delete_Dialog());
  EXPECT_EQ(exporter.Get_Anzahl_Profile(), 0);
  SetFormStoreChooser(nullptr);
}

}  // namespace
