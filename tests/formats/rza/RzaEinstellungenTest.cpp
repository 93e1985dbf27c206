// RZA profiles: path, automatic accounts and the ten tax keys survive a save and a load;
// the former reduced rates have no key; sorting and the tax fields are always asked for.
#include <gtest/gtest.h>

#include "formats/rza/FibuExporter_RZA.h"
#include "support/TestSuite.h"

namespace {

TEST(RzaEinstellungen, AProfileKeepsPathAutomaticAccountsAndTaxKeys) {
  TestSuite suite;
  {
    TFibuExporter_RZA exporter;
    exporter.Init();
    EXPECT_FALSE(exporter.EinstellungenVorhanden());
    exporter.SetVerzExport("/tmp/rza");
    exporter.SetAutomatikkonten(true);
    int n = 1;
    for (const auto& e : TFibuExporter_RZA::SteuerEinstellungen()) {
      exporter.SetSteuerschluessel(e.Steuer, std::to_string(n++));
    }
    exporter.Config_Save("RZA1");
    exporter.Done();
  }
  TFibuExporter_RZA exporter;
  exporter.Init();
  ASSERT_TRUE(exporter.Lade_Config("RZA1"));
  EXPECT_EQ(exporter.VerzExport(), "/tmp/rza");
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  EXPECT_TRUE(exporter.Automatikkonten());
  EXPECT_TRUE(exporter.NachDatumSort());
  EXPECT_TRUE(exporter.NachFilialeSort());
  EXPECT_TRUE(exporter.BMDZusatz());
  EXPECT_TRUE(exporter.Profil_Geeignet({999, 9}));
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_Reduz), "1");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_Normal_Alt), "4");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne), "10");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_Reduz_Alt), "");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Vst_Reduz_Alt), "");
  exporter.Done();
}

}  // namespace
