// The settings form of the postal-dispatch format: its checks in their order, and what OK
// hands to the exporter.
#include <gtest/gtest.h>

#include "formats/datevpost/FibuExpPostversandFrm.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

class PostversandForm : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& insert = SuiteDatabase::Get().Cached(
        "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
        "VALUES (?, ?, ?, ?, ?, ?)");
    insert.With(100, 1, 1, "Musterhandel GmbH", "FIL1", 1).Run();
    insert.With(200, 1, 2, "Nordhandel KG", "FIL2", 1).Run();
    exporter_.Init();
    form_.SetFibuExportProfil(&exporter_);
  }

  // The check's message, or "" when it passed.
  std::string Pruefung() {
    suite_.Messages().Clear();
    if (form_.TesteMaskenDaten()) return "";
    const std::string text = suite_.Messages().LastText();
    const std::string praefix = "Fehlerhafte Eingabe:\r";
    return text.rfind(praefix, 0) == 0 ? text.substr(praefix.size()) : text;
  }

  TestSuite suite_;
  TFibuExporter_Postversand exporter_;
  TfrmFibuExpPostversand form_;
};

TEST_F(PostversandForm, ChecksRunInTheirOrder) {
  EXPECT_EQ(form_.Caption(), "Einstellungen für Export im Format \"DATEV (Postversandformat)\"");
  EXPECT_TRUE(form_.ImportSelf());
  EXPECT_EQ(form_.IDNummer(), "91480");
  EXPECT_EQ(Pruefung(), "Bitte geben Sie die den Export-Pfad an.");
  form_.SetExportPfad("/export");
  EXPECT_EQ(Pruefung(), "Bitte geben Sie die Pfad zur Damo32.Exe an.");
  form_.SetImportSelf(false);  // without SELF no converter is needed
  form_.SetIDNummer("0");
  EXPECT_EQ(Pruefung(), "Die ID-Nummer oder das Format sind nicht korrekt.");
  form_.SetIDNummer("123456");  // six digits are not taken
  EXPECT_EQ(form_.IDNummer(), "0");
  form_.SetIDNummer("12345");
  form_.SetFormat("");
  EXPECT_EQ(Pruefung(), "Die ID-Nummer oder das Format sind nicht korrekt.");
  form_.SetFormat("FBOP-BW-KNE-und-noch-viel-mehr");
  EXPECT_EQ(form_.Format(), "FBOP-BW-KNE-und-noch");
  auto& raster = form_.Raster();
  EXPECT_TRUE(raster.Aktiv(0));  // without a profile every client counts, as before profiles
  raster.SetAktiv(0, false);
  raster.SetAktiv(1, false);
  EXPECT_EQ(Pruefung(), "Es muss mindestens ein Mandant ausgewählt sein.");
  raster.SetAktiv(1, true);
  EXPECT_EQ(Pruefung(), "Die Beraternummer ist nicht gefüllt.");
  EXPECT_EQ(raster.Kopf(TMandantenRaster::mrsErstesFeld), "Datev-Berater");
  EXPECT_FALSE(raster.SetzeZelle(1, TMandantenRaster::mrsErstesFeld, "12345678"));
  EXPECT_TRUE(raster.SetzeZelle(1, TMandantenRaster::mrsErstesFeld, "1234567"));
  EXPECT_EQ(Pruefung(), "Die Mandantennummer ist nicht gefüllt.");
  EXPECT_FALSE(raster.SetzeZelle(1, TMandantenRaster::mrsErstesFeld + 1, "123456"));
  EXPECT_TRUE(raster.SetzeZelle(1, TMandantenRaster::mrsErstesFeld + 1, "4711"));
  EXPECT_FALSE(raster.SetzeZelle(1, TMandantenRaster::mrsErstesFeld + 2, "ABC"));
  EXPECT_TRUE(raster.SetzeZelle(1, TMandantenRaster::mrsErstesFeld + 2, "AB"));
  EXPECT_EQ(Pruefung(), "");

  form_.SetVerzLeeren(true);
  form_.btnOKClick();
  EXPECT_EQ(form_.ModalResult(), mrOk);
  EXPECT_EQ(exporter_.VerzExport(), "/export");
  EXPECT_FALSE(exporter_.ImportSelf());
  EXPECT_TRUE(exporter_.VerzLeeren());
  EXPECT_EQ(exporter_.IDNummer(), "12345");
  const auto& zweiter = exporter_.Mandanten().Eintraege()[1];
  EXPECT_TRUE(zweiter.Aktiv);
  EXPECT_EQ(zweiter.Zahl(datevpost::mfBerater), 1234567);
  EXPECT_EQ(zweiter.Zahl(datevpost::mfMandant), 4711);
  EXPECT_EQ(zweiter.Text(datevpost::mfBenutzer), "AB");
  EXPECT_TRUE(exporter_.EinstellungenVorhanden() == false);  // no preset path yet
}

}  // namespace
