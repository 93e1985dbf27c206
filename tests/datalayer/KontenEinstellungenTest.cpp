#include <gtest/gtest.h>

#include "data/KontenEinstellungen.h"
#include "suite/DateTime.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

int gDoneAufrufe = 0;

// A format with keys "<prefix><slot>", automatic accounts and one special account.
template <char Prefix, bool Auto>
class TestExporter : public TFibuExporter {
 public:
  std::string_view ClassName() const override { return "TestExporter"; }
  void LoadSaveProps() override { UseProfileMask(std::string("TEST") + Prefix); }
  void Resources_InitF(const std::string& ProfilName) override {
    TFibuExporter::Resources_InitF(ProfilName);
    FAutomatikkonten = Auto;
    FSpezKonten = {std::string("ERLWARE;") + Prefix + "2;0;0;0;8005;N"};
  }
  void Resources_DoneF(const std::string& ProfilName) override {
    ++gDoneAufrufe;
    TFibuExporter::Resources_DoneF(ProfilName);
  }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&) override { return true; }
  bool Export_Fibu_Daten(const TFibuExportBuchInfo&, const TFibuExportBuchInfoZusatz&) override {
    return true;
  }
  bool Export_Fibu_Ende() override { return true; }
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override {
    return std::string(1, Prefix) + std::to_string(static_cast<int>(ASteuer));
  }
  bool EinstellungenVorhanden() override { return true; }
  bool Profil_Geeignet(TIntPair) override { return true; }
};

std::optional<TFibuExpRegInfo> Katalog(const std::string& kennung) {
  if (kennung == "DATEV") return TFibuExpRegInfo{ExporterClassOf<TestExporter<'D', true>>(), "DATEV-Test", "DATEV", nullptr};
  if (kennung == "BMD") return TFibuExpRegInfo{ExporterClassOf<TestExporter<'B', false>>(), "BMD-Test", "BMD", nullptr};
  return std::nullopt;
}

void Mandant(int nr2, int kurzNr, int bilanzJahr) {
  SuiteDatabase::Get()
      .Prepare("INSERT INTO mandanten (firma1, firma2, kurz_nr, bilanz_jahr) VALUES (1, ?, ?, ?)")
      ->With(nr2, kurzNr, bilanzJahr)
      .Run();
}

TEST(KontenEinstellungen, UnknownOrMissingStoredFormatLeavesNoExporter) {
  TestSuite suite;
  {
    TKontenEinstellungen k(Katalog);
    k.ExporterInit();
    EXPECT_EQ(k.AktExporter(), nullptr);
    EXPECT_EQ(k.AktExporterName(), "");
  }
  TSimpleMask("SALDIX", "FIBUEXPO").WriteGlobal("FIBUAKTEXP", "GIBTESNICHT");
  TKontenEinstellungen k(Katalog);
  k.ExporterInit();
  EXPECT_EQ(k.AktExporter(), nullptr);
  EXPECT_FALSE(k.AktExporterAuto());
  EXPECT_EQ(k.Steuerschl_Liste(), (std::vector<std::string>{" "}));
}

TEST(KontenEinstellungen, SwitchingFormatsRereadsSpecialAccountsAndTaxKeys) {
  TestSuite suite;
  gDoneAufrufe = 0;
  TSimpleMask("SALDIX", "FIBUEXPO").WriteGlobal("FIBUAKTEXP", "DATEV");
  TKontenEinstellungen k(Katalog);
  k.ExporterInit();
  ASSERT_NE(k.AktExporter(), nullptr);
  EXPECT_EQ(k.AktExporterName(), "DATEV-Test");
  EXPECT_TRUE(k.AktExporterAuto());
  k.KontenIni_einlesen();
  std::string konto, steuer;
  EXPECT_TRUE(k.Konto_Gefunden("ERLWARE", "D2", 0, 0, 45000, true, konto, steuer));
  EXPECT_EQ(k.Steuerschl_Liste()[1], "D0");

  k.SetAktExporterKennung("BMD");
  EXPECT_EQ(gDoneAufrufe, 1);
  ASSERT_NE(k.AktExporterRegInfo(), nullptr);
  EXPECT_EQ(k.AktExporterRegInfo()->Name, "BMD-Test");
  EXPECT_EQ(k.AktExporterKennung(), "BMD");
  EXPECT_FALSE(k.AktExporterAuto());
  EXPECT_EQ(TSimpleMask("SALDIX", "FIBUEXPO").ReadGlobalDef("FIBUAKTEXP", ""), "BMD");
  EXPECT_FALSE(k.Konto_Gefunden("ERLWARE", "D2", 0, 0, 45000, true, konto, steuer));
  EXPECT_TRUE(k.Konto_Gefunden("ERLWARE", "B2", 0, 0, 45000, true, konto, steuer));
  EXPECT_EQ(k.Steuerschl_Liste()[1], "B0");

  // The same format again changes nothing; no format leaves no special accounts.
  k.SetAktExporterKennung("bmd");
  EXPECT_EQ(gDoneAufrufe, 1);
  k.SetAktExporterKennung("");
  EXPECT_EQ(gDoneAufrufe, 2);
  EXPECT_EQ(k.AktExporter(), nullptr);
  EXPECT_FALSE(k.Konto_Gefunden("ERLWARE", "B2", 0, 0, 45000, true, konto, steuer));
  EXPECT_EQ(TSimpleMask("SALDIX", "FIBUEXPO").ReadGlobalDef("FIBUAKTEXP", ""), "BMD");
}

TEST(KontenEinstellungen, StoredFormatIsFoundInTheProgramsCatalogue) {
  TestSuite suite;
  auto& katalog = TFibuExportKatalog::Global();
  katalog.Clear();
  katalog.Register(ExporterClassOf<TestExporter<'D', true>>(), "DATEV-Test", "DATEV1.4", nullptr);
  katalog.Register(ExporterClassOf<TestExporter<'B', false>>(), "Alt", "DATEV", nullptr);
  TSimpleMask("SALDIX", "FIBUEXPO").WriteGlobal("FIBUAKTEXP", "datev");
  {
    TKontenEinstellungen k;
    k.ExporterInit();
    EXPECT_EQ(k.AktExporterName(), "Alt");
    EXPECT_EQ(k.AktExporterKennung(), "datev");
  }
  katalog.Clear();
}

TEST(KontenEinstellungen, TaxKeysOfTheCurrentExporterFollowTheClientsRates) {
  TestSuite suite;
  Mandant(1, 1, 2024);
  TSimpleMask fsm("SALDIX", "WEITEINS");
  fsm.WriteByIndex("1/1", "AUKTOVOLL", "1900");
  fsm.WriteByIndex("1/1", "AUKTOALT_", "1600");
  fsm.WriteByIndex("1/1", "AUKTOADAT", "01.01.2021");
  TSimpleMask("SALDIX", "FIBUEXPO").WriteGlobal("FIBUAKTEXP", "DATEV");
  TKontenEinstellungen k(Katalog);
  k.ExporterInit();
  k.SetAktMandant({1, 1});
  EXPECT_EQ(k.AktMandantKurzNr(), 1);
  EXPECT_EQ(k.AktMandantBilanzJahr(), 2024);
  EXPECT_EQ(k.Steuer().AKPrefixZuKonto("MWST1900", EncodeDate(2020, 12, 31)), "D4");
  EXPECT_EQ(k.Steuer().AKPrefixZuKonto("MWST1900", EncodeDate(2021, 1, 1)), "D2");
  double prozent = 0;
  EXPECT_EQ(k.Steuer().SteuerSchlNachKonto("D7", prozent), "VORST1900");
  EXPECT_DOUBLE_EQ(prozent, 19.0);
}

TEST(KontenEinstellungen, ChangingTheClientRereadsItsSettings) {
  TestSuite suite;
  Mandant(1, 1, 2024);
  Mandant(2, 2, 2023);
  TSimpleMask fsm("SALDIX", "WEITEINS");
  fsm.WriteGlobal("MAXZEILEN", 500);
  fsm.WriteByIndex("1/2", "MAXZEILEN", 200);
  TKontenEinstellungen k(Katalog);
  k.SetAktMandant({1, 1});
  EXPECT_EQ(k.Einstellungen().MaxZeilen, 500);
  k.Einstellungen_Nach_Herkunft_Restore("KASBER", "P", false);
  k.SetAktMandant({1, 2});
  EXPECT_EQ(k.Einstellungen().MaxZeilen, 200);
  EXPECT_EQ(k.Einstellungen().Herkunft, "ALLE");
  EXPECT_EQ(k.Einstellungen().Profil, "");
  EXPECT_EQ(k.AktMandantKurzNr(), 2);
  // The same client again reads nothing.
  fsm.WriteByIndex("1/2", "MAXZEILEN", 300);
  k.SetAktMandant({1, 2});
  EXPECT_EQ(k.Einstellungen().MaxZeilen, 200);
}

TEST(KontenEinstellungen, BusinessEventsOfOrigins) {
  EXPECT_TRUE(BGVInHerkunft("AUFWBUCH", "KASBER"));
  EXPECT_FALSE(BGVInHerkunft("AUFWBUCH", "ORDER"));
  EXPECT_TRUE(BGVInHerkunft("ARE", "order"));
  EXPECT_FALSE(BGVInHerkunft("UNBEKANNT", "KASBER"));
  EXPECT_TRUE(BGVInHerkunft("UNBEKANNT", "ALLE"));
  EXPECT_FALSE(BGVInHerkunft("", "KASBER"));
  EXPECT_FALSE(BGVInHerkunft("AUFWBUCH", "GIBTESNICHT"));
  EXPECT_TRUE(BGVInHerkunft("PRIMANOTA", "PRIMAN"));
}

}  // namespace
