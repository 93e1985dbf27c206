// The profile of the Abacus export and its settings form: defaults, keys as stored, the
// usable-settings rule and the form's checks in their order with the page they show.
#include <gtest/gtest.h>

#include "formats/abacus/AbacusFixture.h"
#include "formats/abacus/FibuExpAbacusFrm.h"
#include "suite/transfer/INETDialog.h"

namespace abacustest {
namespace {

using abacus::TfrmFibuExpAbacus;
using abacus::TFibuExporter_Abacus;

class AbacusEinstellungen : public AbacusFixture {};

TEST_F(AbacusEinstellungen, ANewProfileStartsWithEveryClientActiveAndNoNumber) {
  TFibuExporter_Abacus neu;
  neu.Init();
  ASSERT_EQ(neu.Mandanten().size(), 2u);
  for (const auto& m : neu.Mandanten()) {
    EXPECT_TRUE(m.Aktiv);
    EXPECT_EQ(m.Mandant, 0);
  }
  EXPECT_EQ(neu.Mandanten()[1].Land, "AT");
  EXPECT_TRUE(neu.Automatikkonten());
  EXPECT_TRUE(neu.AbacusZusatz());
  EXPECT_EQ(neu.ExportMedium(), femDisc);
  EXPECT_FALSE(neu.EinstellungenVorhanden());
  neu.Done();
}

TEST_F(AbacusEinstellungen, EverySettingIsStoredUnderItsKeyAndReadBack) {
  exporter.SetExportMedium(femFTP);
  exporter.SetVerzExportFTP("steuer");
  exporter.SetMitDebitoren(true);
  exporter.SetExportMediumDebi(femDisc);
  exporter.SetVerzExportDebi("/srv/debi");
  exporter.SetAbrechArtVereinnahmt(true);
  exporter.SetSammelbuchung(true);
  exporter.SetKostKto(4000, 4999);
  exporter.SetKundenNr(10, 20);
  exporter.SetSteuerschluessel(CQTX_FibuExport_Ust_Normal, "311");
  exporter.SetSteuerschluessel(CQTX_FibuExport_Vst_Ohne, "0");
  exporter.SetAutomatikkonten(false);
  exporter.Config_Save("");
  for (const char* zeile : {"EXPMEDIUM=FTP", "VERZ-FTP=steuer", "MITDEBI=J", "EXPMEDIUM-DEBI=DISC",
                            "VERZ-EXP-DEBI=/srv/debi", "ABRECHART=J", "EXPMANDANT=N",
                            "SAMMELBUCHUNG=J", "MITBELEGNUMMER=N", "KOSTKTOMIN=4000",
                            "KOSTKTOMAX=4999", "KDNRMIN=10", "KDNRMAX=20", "UMST_NORMAL=311",
                            "VST_OHNE=0", "AUTOMATIK=N", "MANDANT100/1=4711", "MANDAKTV100/1=J",
                            "MANDANT200/1=0"}) {
    EXPECT_NE(std::find(exporter.strConfig.Items.begin(), exporter.strConfig.Items.end(), zeile),
              exporter.strConfig.Items.end())
        << zeile;
  }
  TFibuExporter_Abacus geladen;
  geladen.Init();
  EXPECT_EQ(geladen.ExportMedium(), femFTP);
  EXPECT_EQ(geladen.VerzExportFTP(), "steuer");
  EXPECT_TRUE(geladen.MitDebitoren());
  EXPECT_EQ(geladen.VerzExportDebi(), "/srv/debi");
  EXPECT_TRUE(geladen.AbrechArtVereinnahmt());
  EXPECT_TRUE(geladen.Sammelbuchung());
  EXPECT_EQ(geladen.KostKtoMax(), 4999);
  EXPECT_EQ(geladen.KundenNrMin(), 10);
  EXPECT_EQ(geladen.Get_Steuerschluessel(CQTX_FibuExport_Ust_Normal), "311");
  EXPECT_EQ(geladen.Get_Steuerschluessel(CQTX_FibuExport_Ust_Reduz_Alt), "");  // has no key
  EXPECT_FALSE(geladen.Automatikkonten());  // "AUTOMATIK" decides
  EXPECT_EQ(geladen.Mandanten()[0].Mandant, 4711);
  EXPECT_TRUE(geladen.Profil_Geeignet(kMandant1));
  EXPECT_FALSE(geladen.Profil_Geeignet({9, 9}));
  geladen.Done();
}

TEST_F(AbacusEinstellungen, UsableSettingsNeedATargetForEachOutputAndNumbersForActiveClients) {
  EXPECT_FALSE(exporter.EinstellungenVorhanden());  // client 200/1 active without number
  exporter.SetMandantenDaten(kMandant2, 0, false);
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.SetExportMedium(femFTP);
  EXPECT_FALSE(exporter.EinstellungenVorhanden());  // no connection
  exporter.SetVerzExportFTP("steuer");
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.SetMitDebitoren(true);
  EXPECT_FALSE(exporter.EinstellungenVorhanden());  // no debtor directory
  exporter.SetVerzExportDebi("/srv/debi");
  EXPECT_TRUE(exporter.EinstellungenVorhanden());
  exporter.SetMandantenDaten(kMandant1, 4711, false);
  EXPECT_FALSE(exporter.EinstellungenVorhanden());  // no client active
}

class AbacusFormular : public AbacusFixture {
 protected:
  void SetUp() override {
    AbacusFixture::SetUp();
    exporter.SetSteuerschluessel(CQTX_FibuExport_Ust_Normal, "1");
    exporter.SetSteuerschluessel(CQTX_FibuExport_Ust_Reduz, "2");
    exporter.SetSteuerschluessel(CQTX_FibuExport_Vst_Normal, "3");
    exporter.SetSteuerschluessel(CQTX_FibuExport_Vst_Reduz, "4");
    form.SetFibuExportProfil(&exporter);
    form.SetFilialOption(TFilialOption::AlleFilialen);
    form.SetMandantAktiv(1, false);
  }
  // The check's message, or empty when the form took the values.
  std::string Pruefen() {
    suite.Messages().Clear();
    return form.TesteMaskenDaten() ? std::string() : suite.Messages().LastText();
  }
  TfrmFibuExpAbacus form;
};

TEST_F(AbacusFormular, TheChecksRunInTheirOrderAndShowThePageOfTheValue) {
  EXPECT_EQ(form.Caption(), "Einstellungen für Export im Format \"Abacus (XML 2020)\"");
  EXPECT_EQ(form.MandantZeilen()[0].AbacusMandant, 4711);
  form.Ausgabe.Verzeichnis.clear();
  form.MitDebitoren = true;
  form.btnDebitorenClick();
  EXPECT_NE(Pruefen().find("Bitte geben Sie die den Export-Pfad an."), std::string::npos);
  EXPECT_EQ(form.AktiveSeite(), "Exportparameter");
  form.Ausgabe.Verzeichnis = "/srv/fibu";
  form.AusgabeDebi.Medium = femFTP;
  EXPECT_NE(Pruefen().find("Bitte geben Sie die den FTP-Export-Pfad an."), std::string::npos);
  EXPECT_EQ(form.AktiveSeite(), "Debitoren-Schnittstelle");
  form.AusgabeDebi.Verbindung = "steuer";
  form.btnParameterClick();
  EXPECT_NE(Pruefen().find("Bitte geben Sie den Bereich für die Abacus-Kundennummer ein."),
            std::string::npos);
  EXPECT_EQ(form.AktiveSeite(), "Debitoren-Schnittstelle");
  ASSERT_TRUE(form.SetKundenNrBis("5"));
  ASSERT_TRUE(form.SetKundenNrVon("5"));
  EXPECT_NE(Pruefen().find("Bitte geben Sie einen gültigen Bereich"), std::string::npos);
  ASSERT_TRUE(form.SetKundenNrVon("1"));
  form.SetMandantAktiv(1, true);  // without its number
  EXPECT_NE(Pruefen().find("Die Mandantennummer ist nicht gefüllt."), std::string::npos);
  EXPECT_EQ(form.AktiveSeite(), "Exportparameter");
  form.SetMandantAktiv(0, false);
  form.SetMandantAktiv(1, false);
  EXPECT_NE(Pruefen().find("Es muss mindestens ein Mandant ausgewählt sein."), std::string::npos);
  form.SetMandantAktiv(0, true);
  form.SetSteuercode(CQTX_FibuExport_Vst_Reduz, "");
  EXPECT_NE(Pruefen().find("Bitte füllen Sie alle Steuerschlüssel"), std::string::npos);
  form.Automatikkonten = false;  // the codes are not needed then
  EXPECT_EQ(Pruefen(), "");
}

TEST_F(AbacusFormular, InputsKeepTheirLimitsAndOKHandsTheValuesToTheExporter) {
  EXPECT_FALSE(form.SetAbacusMandant(0, "1234567"));
  EXPECT_FALSE(form.SetAbacusMandant(0, "12a"));
  EXPECT_TRUE(form.SetAbacusMandant(0, "999999"));
  EXPECT_FALSE(form.SetKostBis("1234567890"));
  EXPECT_TRUE(form.SetKostVon("4000"));
  EXPECT_TRUE(form.SetKostBis("4999"));
  form.SetSteuercode(CQTX_FibuExport_Ust_EG, "ABCDEF");
  EXPECT_EQ(form.Steuercode(CQTX_FibuExport_Ust_EG), "ABCD");
  EXPECT_TRUE(form.VerzeichnisAktiv(false));
  EXPECT_FALSE(form.VerbindungAktiv(false));
  EXPECT_FALSE(form.VerzeichnisAktiv(true));  // debtor interface off
  form.Ausgabe.Medium = femFTP;
  EXPECT_TRUE(form.VerbindungAktiv(false));
  form.Ausgabe.Verbindung = "steuer";
  form.Sammelbuchung = true;
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.Mandanten()[0].Mandant, 999999);
  EXPECT_EQ(exporter.KostKtoMin(), 4000);
  EXPECT_EQ(exporter.ExportMedium(), femFTP);
  EXPECT_EQ(exporter.VerzExportFTP(), "steuer");
  EXPECT_TRUE(exporter.Sammelbuchung());
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_EG), "ABCD");
}

TEST_F(AbacusFormular, TheConnectionButtonTakesTheChoiceOfTheSuitesChooser) {
  struct TWahl final : IInetVerbindungChooser {
    bool Ausfuehren(std::string& name) override {
      name = "stb";
      return true;
    }
  };
  SetInetVerbindungChooser(std::make_shared<TWahl>());
  form.btnVerbindungClick(true);
  SetInetVerbindungChooser(nullptr);
  EXPECT_EQ(form.AusgabeDebi.Verbindung, "stb");
}

}  // namespace
}  // namespace abacustest
