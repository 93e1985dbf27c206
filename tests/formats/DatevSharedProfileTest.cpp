// DATEV 510 and 700 keep their settings in the same profile entries: saving one header
// version must never take away what the other one stored.
#include <gtest/gtest.h>

#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/QTXFormStore.h"
#include "suite/QTXProgramm.h"

using namespace datevtest;

namespace {

class DatevSharedProfile : public ::testing::Test {
 protected:
  void SetUp() override { MandantenAnlegen(); }

  // The lines of the default entry (blank name) or of a named profile as stored.
  TQTXStrings Gespeichert(const std::string& name = "") {
    TQTXFormStore store;
    store.SetFormName({"SALDIX", TFibuExporter_Datev::CKennung, QTXProgramm().GetSprache()});
    TQTXStrings lines;
    std::string storedName, storedText;
    if (name.empty()) {
      EXPECT_TRUE(store.RestoreDefault(TFibuExporter::CProfilIndex, lines));
    } else {
      EXPECT_TRUE(store.RestoreByName(TFibuExporter::CProfilIndex, name, lines, storedName,
                                      storedText));
    }
    return lines;
  }

  void Speichere700(const std::string& profil, bool tauschen) {
    TFibuExporter_Datev_700 v700;
    Einrichten(v700, "/export");
    v700.SetSollHabenTauschen(tauschen);
    v700.SetExportOrderID(tauschen);
    v700.Config_Save(profil);
    v700.Done();
  }

  TestSuite suite;
};

TEST_F(DatevSharedProfile, A510SaveKeepsThe700SwitchesInTheDefaultAndInNamedProfiles) {
  Speichere700("", true);
  Speichere700("MONAT", true);
  {
    TFibuExporter_Datev v510;
    v510.Init();
    v510.SetSachKtoLng(6);
    v510.Config_Save("");
    ASSERT_TRUE(v510.Lade_Config("monat"));
    v510.Done();  // writes the named profile back
  }
  EXPECT_EQ(Gespeichert().Value("SOLLHABENT"), "J");
  EXPECT_EQ(Gespeichert("MONAT").Value("SOLLHABENT"), "J");

  TFibuExporter_Datev_700 v700;
  v700.Init();
  EXPECT_TRUE(v700.SollHabenTauschen());
  EXPECT_TRUE(v700.ExportOrderID());
  EXPECT_EQ(v700.SachKtoLng(), 6);  // the shared key the 510 changed
  ASSERT_TRUE(v700.Lade_Config("MONAT"));
  EXPECT_TRUE(v700.SollHabenTauschen());
  v700.Done();
}

TEST_F(DatevSharedProfile, A510LoadedBeforeThe700SavedDoesNotBringBackTheOldValue) {
  Speichere700("", false);
  TFibuExporter_Datev v510;
  v510.Init();                // a batch run loads the entry ...
  Speichere700("", true);     // ... a desktop session saves the 700 switch meanwhile ...
  v510.Done();                // ... and the batch run ends
  TFibuExporter_Datev_700 v700;
  v700.Init();
  EXPECT_TRUE(v700.SollHabenTauschen());
}

TEST_F(DatevSharedProfile, OwnKeysAreWrittenFreshAndUnknownKeysSurvive) {
  Speichere700("", true);
  {
    // A key of a newer program version, and the settings of a client since removed.
    TFibuExporter_Datev_700 v700;
    v700.Init();
    v700.strConfig.Items.push_back("NEUERSCHALTER=7");
    v700.strConfig.Items.push_back("BERATER999/1=555");
    v700.strConfig.Items.push_back("MANDANT999/1=66");
    TQTXFormStore store = v700.fmsConfig;
    store.StoreDefault(TFibuExporter::CProfilIndex, v700.strConfig);
  }
  TFibuExporter_Datev v510;
  v510.Init();
  v510.ZusatzFelderDatenClear();
  v510.SetZusatzFelderDaten("BELEG01", "LFDNR");
  v510.Config_Save("");
  v510.ZusatzFelderDatenClear();  // the field cleared again: its key goes
  v510.Done();

  const TQTXStrings lines = Gespeichert();
  EXPECT_EQ(lines.Value("NEUERSCHALTER"), "7");
  EXPECT_EQ(lines.Value("SOLLHABENT"), "J");
  EXPECT_EQ(lines.Value("ORDERID"), "J");
  EXPECT_FALSE(lines.HasKey("BERATER999/1"));
  EXPECT_FALSE(lines.HasKey("MANDANT999/1"));
  EXPECT_FALSE(lines.HasKey("ZUSATZ-BELEG01"));
  EXPECT_EQ(lines.Value("BERATER100/1"), "1234567");
  // Each key once, however often the entry went through both versions.
  int sollHaben = 0;
  for (const auto& line : lines.Items) sollHaben += line.starts_with("SOLLHABENT=") ? 1 : 0;
  EXPECT_EQ(sollHaben, 1);
}

class NamingChooser final : public IFormStoreChooser {
 public:
  std::optional<std::size_t> ChooseToRestore(const std::vector<TFormStoreEntry>&) override {
    return std::nullopt;
  }
  std::optional<std::size_t> ChooseToDelete(const std::vector<TFormStoreEntry>&) override {
    return std::nullopt;
  }
  std::optional<TFormStoreEntry> NameToStore(const std::vector<TFormStoreEntry>&) override {
    return TFormStoreEntry{"KOPIE", "vom 510 gespeichert", "0"};
  }
};

TEST_F(DatevSharedProfile, A510SavedUnderANewNameTakesThe700SwitchesAlong) {
  Speichere700("", true);
  SetFormStoreChooser(std::make_shared<NamingChooser>());
  TFibuExporter_Datev v510;
  v510.Init();
  EXPECT_TRUE(v510.Config_Save_Dialog());
  SetFormStoreChooser(nullptr);
  v510.Done();
  EXPECT_EQ(Gespeichert("KOPIE").Value("SOLLHABENT"), "J");
  EXPECT_EQ(Gespeichert("KOPIE").Value("ORDERID"), "J");
}

}  // namespace
