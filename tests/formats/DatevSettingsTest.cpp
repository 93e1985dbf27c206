#include <gtest/gtest.h>

#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/SimpleMask.h"

using namespace datevtest;

namespace {

class DatevSettings : public ::testing::Test {
 protected:
  void SetUp() override { MandantenAnlegen(); }
  TestSuite suite;
};

TEST_F(DatevSettings, WithoutAnyStoredSettingsTheOldStoreIsReadAndEveryClientIsActive) {
  TSimpleMask alt("FIBUEXPO", "DATEV1.4");
  alt.WriteGlobal("VERZ-EXPORT", "/alt/export");
  alt.WriteGlobal("SACHKTOLNG", 6);
  alt.WriteGlobal("BERATER100/1", 4711);
  alt.WriteGlobal("MANDANT100/1", 815);
  alt.WriteGlobal("BENUTZER100/1", "XY");

  TFibuExporter_Datev exporter;
  exporter.Init();
  EXPECT_TRUE(exporter.Automatikkonten());
  EXPECT_TRUE(exporter.DatevZusatz());
  EXPECT_EQ(exporter.VerzExport(), "/alt/export");
  EXPECT_EQ(exporter.SachKtoLng(), 6);
  ASSERT_EQ(exporter.Mandanten().size(), 2u);
  const auto& m1 = exporter.Mandanten()[0];
  EXPECT_EQ(m1.KurzName, "FIL1");
  EXPECT_EQ(m1.Berater, 4711);
  EXPECT_EQ(m1.Mandant, 815);
  EXPECT_EQ(m1.Benutzer, "XY");
  EXPECT_TRUE(m1.Aktiv);
  EXPECT_TRUE(exporter.Mandanten()[1].Aktiv);
  EXPECT_EQ(exporter.Mandanten()[1].BeginnWJ, 7);
  EXPECT_EQ(exporter.ZusatzFelderListe().size(), 28u);
  EXPECT_EQ(exporter.ZusatzFelderListe()[27].FeldKennung, "ZUSATZ20");
  // Client 2 has no DATEV numbers yet.
  EXPECT_FALSE(exporter.EinstellungenVorhanden());
}

TEST_F(DatevSettings, StoredKeysRoundTripWithTheirDefaults) {
  {
    TFibuExporter_Datev exporter;
    exporter.Init();
    exporter.SetVerzExport("/export");
    exporter.SetSachKtoLng(5);
    exporter.SetZahlungsreferenz(true);
    exporter.SetMandantenDaten(kMandant1, 1234567, false, true, "AB", 12345);
    exporter.SetMandantenDaten(kMandant2, 0, true, false, "", 0);
    exporter.ZusatzFelderDatenClear();
    exporter.SetZusatzFelderDaten("BELEG01", "LFDNR");
    exporter.SetZusatzFelderDaten("ZUSATZ03", "UNBEKANNT");
    exporter.SetZusatzFelderDaten("ZUSATZ04", "");
    exporter.Config_Save("");
    EXPECT_EQ(exporter.strConfig.Value("ZAHLREFER"), "J");
    EXPECT_EQ(exporter.strConfig.Value("MANDFEST100/1"), "N");
    EXPECT_EQ(exporter.strConfig.Value("ZUSATZ-BELEG01"), "LFDNR");
    EXPECT_FALSE(exporter.strConfig.HasKey("ZUSATZ-ZUSATZ04"));
    exporter.Done();
  }
  TFibuExporter_Datev exporter;
  exporter.Init();
  EXPECT_EQ(exporter.VerzExport(), "/export");
  EXPECT_EQ(exporter.SachKtoLng(), 5);
  EXPECT_TRUE(exporter.Zahlungsreferenz());
  EXPECT_FALSE(exporter.ExportMonatlich());
  const auto& m1 = exporter.Mandanten()[0];
  EXPECT_EQ(m1.Berater, 1234567);
  EXPECT_FALSE(m1.Festschreiben);
  EXPECT_FALSE(exporter.Mandanten()[1].Aktiv);
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  EXPECT_TRUE(exporter.Profil_Geeignet(kMandant1));
  EXPECT_FALSE(exporter.Profil_Geeignet(kMandant2));
  EXPECT_FALSE(exporter.Profil_Geeignet(TIntPair{9, 9}));

  const auto& felder = exporter.ZusatzFelderListe();
  ASSERT_EQ(felder.size(), 28u);
  EXPECT_EQ(felder[0].InhaltBezeichnung, "Lfd-Nr innerhalb eines WJ");
  EXPECT_EQ(felder[0].FeldBezeichnung, "Beleg-Information 1");
  EXPECT_EQ(felder[10].FeldKennung, "ZUSATZ03");
  EXPECT_EQ(felder[10].InhaltKennung, "UNBEKANNT");
  EXPECT_EQ(felder[10].InhaltBezeichnung, "");
}

TEST_F(DatevSettings, ClientWithoutStoredValuesStartsInactiveWithLocking) {
  TFibuExporter_Datev exporter;
  exporter.Init();
  exporter.strConfig.Items = {"VERZ-EXPORT=/x", "SACHKTOLNG=abc", "MANDAKTV100/1=J"};
  exporter.Config2Properties();
  EXPECT_EQ(exporter.SachKtoLng(), 4);
  EXPECT_TRUE(exporter.Mandanten()[0].Aktiv);
  EXPECT_TRUE(exporter.Mandanten()[0].Festschreiben);
  EXPECT_FALSE(exporter.Mandanten()[1].Aktiv);
  EXPECT_EQ(exporter.Mandanten()[1].Berater, 0);
  // An active client without DATEV numbers makes the settings unusable.
  EXPECT_FALSE(exporter.EinstellungenVorhanden());
  exporter.SetMandantenDaten(kMandant1, 1, true, true, "", 2);
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.SetSachKtoLng(9);
  EXPECT_FALSE(exporter.EinstellungenVorhanden());
}

TEST_F(DatevSettings, Version700KeepsOrderIdAndExchange) {
  {
    TFibuExporter_Datev_700 exporter;
    exporter.Init();
    EXPECT_FALSE(exporter.ExportOrderID());  // the old-settings path leaves them off
    EXPECT_FALSE(exporter.SollHabenTauschen());
    exporter.SetExportOrderID(true);
    exporter.SetSollHabenTauschen(true);
    exporter.Config_Save("ABC");
    exporter.SetExportOrderID(false);
    exporter.SetSollHabenTauschen(false);
    exporter.Done();  // the default entry keeps both off
  }
  TFibuExporter_Datev_700 exporter;
  exporter.Init();
  EXPECT_FALSE(exporter.SollHabenTauschen());
  ASSERT_TRUE(exporter.Lade_Config("abc"));
  EXPECT_TRUE(exporter.ExportOrderID());
  EXPECT_TRUE(exporter.SollHabenTauschen());
  exporter.Lade_Einstellungen_Alt();
  EXPECT_FALSE(exporter.ExportOrderID());
  EXPECT_FALSE(exporter.SollHabenTauschen());
}

}  // namespace

#include "formats/datev700/DatevDemoProfile.h"

namespace {

TEST_F(DatevSettings, DemoSetupLeavesBothFormatsReadyAndDatev700Active) {
  const std::string dir = (suite.Dir() / "export").string();
  ASSERT_TRUE(SetupDemoDatevProfiles(dir));
  EXPECT_EQ(TSimpleMask("SALDIX", "FIBUEXPO").ReadGlobalDef("FIBUAKTEXP", ""), "DATEV1.4.700");
  TFibuExporter_Datev v510;
  v510.Init();
  EXPECT_TRUE(v510.EinstellungenVorhanden());
  EXPECT_EQ(v510.VerzExport(), dir);
  EXPECT_EQ(v510.Mandanten()[1].Mandant, 10002);
  for (const auto& feld : v510.ZusatzFelderListe()) EXPECT_EQ(feld.InhaltKennung, "");
  EXPECT_TRUE(v510.Profil_Geeignet(kMandant2));
}

TEST_F(DatevSettings, DemoSetupWithoutClientsIsNotUsable) {
  SuiteDatabase::Get().Cached("DELETE FROM mandanten").Run();
  EXPECT_FALSE(SetupDemoDatevProfiles((suite.Dir() / "export").string()));
}

}  // namespace
