// HIS profiles: every setting survives a save and a load, an empty store gives the
// defaults with every client active, and usable settings need a target, a valid account
// length and one active client.
#include <gtest/gtest.h>

#include "formats/his/FibuExporter_HIS.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

class HisEinstellungen : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& insert = SuiteDatabase::Get().Cached(
        "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
        "VALUES (?, ?, ?, ?, ?, 1)");
    insert.With(100, 1, 1, "Musterhandel GmbH", "FIL1").Run();
    insert.With(200, 1, 2, "Nordhandel KG", "FIL2").Run();
  }
  TestSuite suite;
};

TEST_F(HisEinstellungen, AnEmptyStoreGivesTheDefaultsWithEveryClientActive) {
  TFibuExporter_HIS exporter;
  exporter.Init();
  EXPECT_EQ(exporter.ExportMedium(), femDisc);
  EXPECT_EQ(exporter.SachKtoLng(), 4);
  EXPECT_EQ(exporter.FormatString(), "%.4d");
  ASSERT_EQ(exporter.Mandanten().size(), 2u);
  EXPECT_TRUE(exporter.Mandanten()[0].Aktiv && exporter.Mandanten()[1].Aktiv);
  EXPECT_TRUE(exporter.Automatikkonten());
  EXPECT_TRUE(exporter.BMDZusatz());
  EXPECT_FALSE(exporter.EinstellungenVorhanden());  // no directory yet
  exporter.Done();
}

TEST_F(HisEinstellungen, AProfileKeepsEverySetting) {
  {
    TFibuExporter_HIS exporter;
    exporter.Init();
    exporter.SetExportMedium(femFTP);
    exporter.SetVerzExportFTP("steuer");
    exporter.SetVerzExport("/tmp/his");
    exporter.SetSachKtoLng(12);
    exporter.SetExportTageweise(true);
    his::TSonderregeln regeln;
    regeln.Gutscheine = true;
    regeln.GutscheinKonten = {3000, 3099};
    regeln.Kassendifferenz = true;
    regeln.KassendifferenzKonten = {4700, 4710};
    regeln.KassendifferenzDrehen = true;
    regeln.KontenDrehen = true;
    regeln.NichtDrehen = {1500, 999999999};
    exporter.SetSonderregeln(regeln);
    exporter.SetMandantenDaten({200, 1}, false);
    exporter.Config_Save("HIS1");
    exporter.Done();
  }
  TFibuExporter_HIS exporter;
  exporter.Init();
  ASSERT_TRUE(exporter.Lade_Config("his1"));
  EXPECT_EQ(exporter.ExportMedium(), femFTP);
  EXPECT_EQ(exporter.VerzExportFTP(), "steuer");
  EXPECT_EQ(exporter.VerzExport(), "/tmp/his");
  EXPECT_EQ(exporter.SachKtoLng(), 12);
  EXPECT_EQ(exporter.FormatString(), "%.12d");
  EXPECT_TRUE(exporter.ExportTageweise());
  const auto regeln = exporter.Sonderregeln();
  EXPECT_TRUE(regeln.Gutscheine);
  EXPECT_EQ(regeln.GutscheinKonten.Max, 3099);
  EXPECT_EQ(regeln.KassendifferenzKonten.Min, 4700);
  EXPECT_TRUE(regeln.KassendifferenzDrehen);
  EXPECT_EQ(regeln.NichtDrehen.Max, 999999999);
  EXPECT_TRUE(exporter.Profil_Geeignet({100, 1}));
  EXPECT_FALSE(exporter.Profil_Geeignet({200, 1}));
  EXPECT_FALSE(exporter.Profil_Geeignet({300, 1}));
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.Done();
}

TEST_F(HisEinstellungen, UsableSettingsNeedATargetALengthAndAnActiveClient) {
  TFibuExporter_HIS exporter;
  exporter.Init();
  exporter.SetVerzExport("/tmp/his");
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.SetExportMedium(femFTP);
  EXPECT_FALSE(exporter.EinstellungenVorhanden());  // FTP without a connection
  exporter.SetVerzExportFTP("steuer");
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  for (int laenge : {3, 21}) {
    exporter.SetSachKtoLng(laenge);
    EXPECT_FALSE(exporter.EinstellungenVorhanden()) << laenge;
  }
  exporter.SetSachKtoLng(20);
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.SetMandantenDaten({100, 1}, false);
  exporter.SetMandantenDaten({200, 1}, false);
  EXPECT_FALSE(exporter.EinstellungenVorhanden());
  exporter.Done();
}

}  // namespace
