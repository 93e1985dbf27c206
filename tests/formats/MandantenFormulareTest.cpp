// The settings forms of BMD, DVO and SBS: their checks in order with their messages, the
// client grid's editors, and what OK hands to the exporter and a saved profile keeps.
#include <gtest/gtest.h>

#include "formats/MandantenFixture.h"
#include "formats/bmd/FibuExpBMDFrm.h"
#include "formats/dvo/FibuExpDVOFrm.h"
#include "formats/sbs/FibuExpSBSFrm.h"
#include "suite/QTXInfo.h"
#include "suite/SimpleMask.h"

using namespace mandantentest;

namespace {

// OK must be refused with this text on the page "Exportparameter".
void Abgelehnt(TestSuite& suite, TfrmFibuExport& form, const std::string& text) {
  form.ZeigeSeite(TfrmFibuExport::CSeiteFilialen);
  form.btnOKClick();
  EXPECT_EQ(form.ModalResult(), 0);
  EXPECT_EQ(form.AktiveSeite(), TfrmFibuExport::CSeiteParameter);
  EXPECT_EQ(suite.Messages().LastText(), "Fehlerhafte Eingabe:\r" + text);
}

class MandantenFormulare : public ::testing::Test {
 protected:
  TestSuite suite;
};

TEST_F(MandantenFormulare, BmdChecksInOrderAndHandsGridAndPathToTheExporter) {
  bmd::TFibuExporter_BMD exporter;
  Einrichten(exporter, "/export");
  bmd::TfrmFibuExpBMD form;
  form.SetFibuExportProfil(&exporter);
  EXPECT_EQ(form.Caption(), "Einstellungen für Export im Format \"BMD Finanzbuchhaltung\"");
  auto& raster = form.Raster();
  ASSERT_EQ(raster.Zeilen(), 2U);
  EXPECT_EQ(raster.Kopf(3), "BMD-Mandant");
  EXPECT_EQ(raster.Zelle(1, TMandantenRaster::mrsMandant), "Nordhandel KG");
  EXPECT_TRUE(raster.Aktiv(0));  // the settings from before profiles tick every client

  form.SetExportPfad("");
  Abgelehnt(suite, form, "Bitte geben Sie die den Export-Pfad an.");
  form.SetExportPfad("/bmd");
  Abgelehnt(suite, form, "Die Mandantennummer ist nicht gefüllt.");
  raster.SetAktiv(0, false);
  raster.SetAktiv(1, false);
  Abgelehnt(suite, form, "Es muss mindestens ein Mandant ausgewählt sein.");
  raster.SetAktiv(1, true);
  EXPECT_FALSE(raster.SetzeZelle(1, 3, "123456"));  // at most five digits
  EXPECT_FALSE(raster.SetzeZelle(1, 3, "12a"));
  EXPECT_FALSE(raster.SetzeZelle(1, TMandantenRaster::mrsMandant, "Anders"));
  ASSERT_TRUE(raster.SetzeZelle(1, 3, "99999"));
  EXPECT_TRUE(exporter.Mandanten().Eintraege()[0].Aktiv);  // nothing handed over before OK
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.VerzExport(), "/bmd");
  EXPECT_FALSE(exporter.Mandanten().Eintraege()[0].Aktiv);
  EXPECT_EQ(exporter.Mandanten().Eintraege()[1].Zahl(0), 99999);
  EXPECT_TRUE(exporter.EinstellungenVorhanden());

  raster.SetAuswahl(1);
  raster.KopfKlick(TMandantenRaster::mrsKurzNr);
  EXPECT_FALSE(raster.EditierteZelle());
  raster.KopfKlick(3);
  ASSERT_TRUE(raster.EditierteZelle());
  EXPECT_EQ(raster.EditierteZelle()->Zeile, 1U);

  // The profile keeps what OK handed over, under the mask shared with postal dispatch.
  exporter.Config_Save("");
  exporter.Done();
  EXPECT_EQ(exporter.fmsConfig.FormName().mask, "POSTVERS");
  bmd::TFibuExporter_BMD wieder;
  Einrichten(wieder, "/anders");
  wieder.Config_Load("");
  EXPECT_EQ(wieder.VerzExport(), "/bmd");
  EXPECT_EQ(wieder.strConfig.Value("MANDANT200/1"), "99999");
  EXPECT_EQ(wieder.strConfig.Value("MANDAKTV100/1"), "N");
  EXPECT_TRUE(wieder.Profil_Geeignet(kMandant2));
  EXPECT_FALSE(wieder.Profil_Geeignet(kMandant1));
  EXPECT_TRUE(wieder.Automatikkonten() && wieder.NachDatumSort() && wieder.BMDZusatz());
  EXPECT_EQ(wieder.Get_Steuerschluessel(CQTX_FibuExport_Ust_EG), "Mwst_EG");
  EXPECT_EQ(wieder.Get_Steuerschluessel(CQTX_FibuExport_Vst_Normal_Alt), "Vst_Alt");
}

TEST_F(MandantenFormulare, DvoChecksLengthsClientsAndBranchesInOrder) {
  dvo::TFibuExporter_DVO exporter;
  Einrichten(exporter, "/dvo");
  dvo::TfrmFibuExpDVO form;
  form.SetFibuExportProfil(&exporter);
  EXPECT_EQ(form.SachKtoLng(), "4");
  EXPECT_EQ(form.PersKtoLng(), "5");
  EXPECT_EQ(form.Raster().Kopf(3), "Klient");

  form.SetSachKtoLng("7");
  Abgelehnt(suite, form, "Die Länge des Sachkontos muss zwischen 4 und 6 liegen.");
  form.SetSachKtoLng("6");
  form.SetPersKtoLng("8");
  Abgelehnt(suite, form, "Die Länge des Personenkontos muss zwischen 5 und 7 liegen.");
  form.SetPersKtoLng("77");  // one digit only
  EXPECT_EQ(form.PersKtoLng(), "8");
  form.SetPersKtoLng("7");
  Abgelehnt(suite, form, "Die DVO-Klienten-Nummer ist nicht gefüllt.");
  ASSERT_TRUE(form.Raster().SetzeZelle(0, 3, "999999"));
  EXPECT_FALSE(form.Raster().SetzeZelle(1, 3, "1000000"));
  form.Raster().SetAktiv(1, false);
  Abgelehnt(suite, form, "Die DVO-Belegart ist nicht gefüllt.");
  EXPECT_FALSE(form.SetzeBelegart(0, "ABCD"));
  ASSERT_TRUE(form.SetzeBelegart(0, "ÄBC"));
  Abgelehnt(suite, form, "Die DVO-Belegart ist nicht gefüllt.");  // the second branch
  ASSERT_TRUE(form.SetzeBelegart(1, "N"));
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.SachKtoLng(), 6);
  EXPECT_EQ(exporter.PersKtoLng(), 7);
  EXPECT_EQ(exporter.Filialen()[0].Belegart, "ÄBC");
  exporter.Properties2Config();
  EXPECT_EQ(exporter.strConfig.Value("BELEGART1"), "ÄBC");
  EXPECT_EQ(exporter.strConfig.Value("KLIENT100/1"), "999999");
  EXPECT_EQ(exporter.strConfig.Value("SACHKTOLNG"), "6");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_Normal), "320");
}

TEST_F(MandantenFormulare, SbsAsksForTheVersionAfterThePath) {
  sbs::TFibuExporter_SBS exporter;
  Einrichten(exporter, "");
  sbs::TfrmFibuExpSBS form;
  form.SetFibuExportProfil(&exporter);
  Abgelehnt(suite, form, "Bitte geben Sie die den Export-Pfad an.");
  form.SetExportPfad("/sbs");
  Abgelehnt(suite, form, "Bitte geben Sie die Version an.");
  form.SetVersion("3.00 und noch viel mehr");
  EXPECT_EQ(form.Version(), "3.00 und n");
  form.SetVersion("3.00");
  Abgelehnt(suite, form, "Die SBS-Mandantennummer ist nicht gefüllt.");
  form.Raster().SetzeZelle(0, 3, "1");
  form.Raster().SetzeZelle(1, 3, "2");
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.LangVersion(), "3.00");
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Vst_Normal_Alt), "222");
}

}  // namespace

namespace {

TEST_F(MandantenFormulare, WithoutAProfileTheSettingsFromBeforeProfilesAreTaken) {
  StammdatenAnlegen();
  TSimpleMask alt("FIBUEXPO", "DVO");
  alt.WriteGlobal("VERZ-EXPORT", "export/dvo");
  alt.WriteGlobal("SACHKTOLNG", "x");  // not a number: the default
  alt.WriteGlobal("PERSKTOLNG", 7);
  alt.WriteGlobal("KLIENT200/1", 77);
  alt.WriteGlobal("BELEGART2", "NO");
  dvo::TFibuExporter_DVO exporter;
  exporter.SetKontext(std::make_shared<TFesteUhrKontext>(0));
  exporter.Init();  // no profile stored yet: the old settings, taken as they were
  EXPECT_EQ(exporter.VerzExport(), "export/dvo");
  EXPECT_EQ(exporter.SachKtoLng(), 4);
  EXPECT_EQ(exporter.PersKtoLng(), 7);
  ASSERT_EQ(exporter.Mandanten().Eintraege().size(), 2U);
  EXPECT_TRUE(exporter.Mandanten().Eintraege()[0].Aktiv);
  EXPECT_EQ(exporter.Mandanten().Eintraege()[1].Zahl(0), 77);
  EXPECT_EQ(exporter.Filialen()[1].Belegart, "NO");
  EXPECT_TRUE(exporter.NachFilialeSort());
}

}  // namespace
