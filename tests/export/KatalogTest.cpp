#include <gtest/gtest.h>

#include "export/FibuExportKatalog.h"
#include "export/fibuexporter_wahlfrm.h"
#include "export/fibuexportformat.h"
#include "support/TestSuite.h"

namespace {

// A format whose profiles each name the client they suit ("MANDANT=Nr1").
class TMandantExporter final : public TFibuExporter {
 public:
  std::string_view ClassName() const override { return "TMandantExporter"; }
  bool Config_Load(const std::string& name) override {
    return Guard("Config_Load", [&] { return LoadThenApply(name, false); });
  }
  void Config_Save(const std::string& name) override {
    Guard("Config_Save", [&] { ApplyThenSave(name); });
  }
  void LoadSaveProps() override { UseProfileMask("MANDTEST"); }
  void Properties2Config() override {
    TFibuExporter::Properties2Config();
    strConfig.SetValue("MANDANT", mandant);
  }
  void Config2Properties() override {
    TFibuExporter::Config2Properties();
    mandant = strConfig.Value("MANDANT");
  }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&, const TFibuExportBuchInfoZusatz&) override {
    return true;
  }
  bool Export_Fibu_Ende() override { return true; }
  bool EinstellungenVorhanden() override { return !mandant.empty(); }
  bool Profil_Geeignet(TIntPair m) override { return mandant == std::to_string(m.Nr1); }

  std::string mandant;
};

class TEditZaehler final : public TFibuExporterEdit {
 public:
  static inline int aufrufe = 0;
  bool Execute(TFibuExporter&) override {
    ++aufrufe;
    return true;
  }
};

// Holds the active format as the data module does.
class TAktiv final : public IAktiverExporter {
 public:
  explicit TAktiv(const TFibuExportKatalog& katalog) : katalog_(katalog) {}
  std::string AktExporterKennung() const override { return kennung_; }
  void SetAktExporterKennung(const std::string& kennung) override {
    if (exporter_) exporter_->Done();
    exporter_.reset();
    kennung_ = kennung;
    const int row = katalog_.Find(kennung);
    if (row < 0) return;
    exporter_ = katalog_.Row(row).TypKlasse();
    exporter_->Init();
  }
  TFibuExporter* AktExporter() override { return exporter_.get(); }
  const TFibuExpRegInfo* AktExporterRegInfo() const override {
    const int row = katalog_.Find(kennung_);
    return row < 0 ? nullptr : &katalog_.Row(row);
  }
  TIntPair AktMandant() const override { return {2, 1}; }

 private:
  const TFibuExportKatalog& katalog_;
  std::string kennung_;
  std::unique_ptr<TFibuExporter> exporter_;
};

void ProfilAnlegen(const std::string& name, const std::string& mandant) {
  TMandantExporter exporter;
  exporter.Init();
  exporter.mandant = mandant;
  exporter.Config_Save(name);
}

TFibuExportKatalog Katalog() {
  TFibuExportKatalog katalog;
  katalog.Register(ExporterClassOf<TMandantExporter>(), "DATEV (Postversandformat)", "DATEV",
                   EditClassOf<TEditZaehler>());
  katalog.Register(ExporterClassOf<TMandantExporter>(), "DATEV (Datevformat 1.4 / 510)",
                   "DATEV1.4", nullptr);
  return katalog;
}

TEST(Katalog, FindTakesTheFirstMatchIgnoringCaseAndDistinctRows) {
  const auto katalog = Katalog();
  EXPECT_EQ(katalog.Find("datev"), 0);
  EXPECT_EQ(katalog.Find("DATEV1.4"), 1);
  EXPECT_EQ(katalog.Find("DATEV1.4.700"), -1);
  EXPECT_EQ(katalog.FindExakt("datev1.4"), -1);
}

TEST(FormatWahl, PreselectsTheActiveFormatAndRefusesUnusableChoices) {
  TestSuite suite;
  const auto katalog = Katalog();
  TAktiv aktiv(katalog);
  TfrmFibuExporter_wahl form(katalog, aktiv);
  form.FormShow();
  EXPECT_EQ(form.Auswahl(), -1);  // nothing active, nothing chosen
  EXPECT_FALSE(form.btnBuchenClick());
  EXPECT_EQ(suite.Messages().LastText(), "Bitte wählen Sie ein Exportformat.");

  form.AuswahlSetzen(1);
  EXPECT_FALSE(form.EinstellungenBearbeitenAktiv());
  EXPECT_FALSE(form.btnBuchenClick());  // no settings stored yet
  EXPECT_EQ(suite.Messages().LastText(), "Bitte überprüfen Sie die Einstellungen zum Exportformat.");

  ProfilAnlegen("", "2");  // the default configuration makes the format usable
  ASSERT_TRUE(form.btnBuchenClick());
  EXPECT_EQ(aktiv.AktExporterKennung(), "DATEV1.4");
  form.FormShow();
  EXPECT_EQ(form.Auswahl(), 1);
}

TEST(FormatWahl, EditingAnotherFormatLeavesTheActiveExporterAlone) {
  TestSuite suite;
  const auto katalog = Katalog();
  TAktiv aktiv(katalog);
  ProfilAnlegen("", "2");
  aktiv.SetAktExporterKennung("DATEV1.4");
  TFibuExporter* vorher = aktiv.AktExporter();
  TfrmFibuExporter_wahl form(katalog, aktiv);
  form.AuswahlSetzen(0);
  ASSERT_TRUE(form.EinstellungenBearbeitenAktiv());
  EXPECT_TRUE(form.btnEinstellungenClick());
  EXPECT_EQ(TEditZaehler::aufrufe, 1);
  EXPECT_EQ(aktiv.AktExporter(), vorher);
  EXPECT_EQ(aktiv.AktExporterKennung(), "DATEV1.4");
}

class Profilwahl : public ::testing::Test {
 protected:
  struct Dialog final : IProfilAuswahlDialog {
    int gezeigt = 0;
    std::optional<std::size_t> antwort;
    std::optional<std::size_t> vorauswahl;
    std::optional<std::size_t> Zeigen(const std::vector<TExportProfilZeile>&,
                                      std::optional<std::size_t> v) override {
      ++gezeigt;
      vorauswahl = v;
      return antwort;
    }
  };

  TestSuite suite;
  TFibuExportKatalog katalog = Katalog();
  TAktiv aktiv{katalog};
  Dialog dialog;
};

TEST_F(Profilwahl, OneSuitableProfileOfThreeIsLoadedWithoutAsking) {
  ProfilAnlegen("EINS", "1");
  ProfilAnlegen("ZWEI", "2");
  ProfilAnlegen("DREI", "3");
  aktiv.SetAktExporterKennung("DATEV");
  TfrmExportFormatWahl wahl(aktiv, &dialog);
  ASSERT_TRUE(wahl.Execute());
  EXPECT_EQ(dialog.gezeigt, 0);
  EXPECT_EQ(aktiv.AktExporter()->CfgUsername(), "ZWEI");
}

TEST_F(Profilwahl, NoneSuitableSaysSoAndSeveralAreOffered) {
  ProfilAnlegen("EINS", "1");
  aktiv.SetAktExporterKennung("DATEV");
  TfrmExportFormatWahl keine(aktiv, &dialog);
  EXPECT_FALSE(keine.Execute());
  EXPECT_EQ(suite.Messages().LastText(),
            "Bitte legen Sie für die aktuelle Firma ein Exportprofil an.");

  ProfilAnlegen("MONAT", "2");
  ProfilAnlegen("TAG", "2");
  TfrmExportFormatWahl mehrere(aktiv, &dialog);
  EXPECT_FALSE(mehrere.Execute());  // "Zurück"
  EXPECT_EQ(dialog.gezeigt, 1);
  EXPECT_FALSE(dialog.vorauswahl);  // nothing chosen yet
  dialog.antwort = 1;
  EXPECT_TRUE(mehrere.Execute());
  EXPECT_EQ(aktiv.AktExporter()->CfgUsername(), mehrere.Zeilen()[1].Name);
  // The next choice offers the profile in use first.
  dialog.antwort.reset();
  EXPECT_FALSE(mehrere.Execute());
  EXPECT_EQ(dialog.vorauswahl, 1u);
}

TEST_F(Profilwahl, TheNextStartOffersTheProfileChosenLastForTheClient) {
  ProfilAnlegen("MONAT", "2");
  ProfilAnlegen("TAG", "2");
  {
    TAktiv erster{katalog};
    erster.SetAktExporterKennung("DATEV");
    TfrmExportFormatWahl wahl(erster, &dialog);
    dialog.antwort = 1;
    ASSERT_TRUE(wahl.Execute());
  }
  // A new program start: no profile in use, the suite remembers the choice.
  TAktiv zweiter{katalog};
  zweiter.SetAktExporterKennung("DATEV");
  ASSERT_TRUE(zweiter.AktExporter()->CfgUsername().empty());
  TfrmExportFormatWahl wahl(zweiter, &dialog);
  dialog.antwort.reset();
  EXPECT_FALSE(wahl.Execute());
  EXPECT_EQ(dialog.vorauswahl, 1u);
}

}  // namespace
