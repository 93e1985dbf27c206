#include "formats/datev/FibuExpDatevFrm.h"

#include <gtest/gtest.h>

#include "formats/DatevFixture.h"
#include "formats/datev700/FibuExpDatev700Frm.h"
#include "suite/QTXInfo.h"

using namespace datevtest;

namespace {

class TFesteWahl final : public IVerzeichnisWahl {
 public:
  std::optional<std::string> antwort;
  std::string titel;
  std::optional<std::string> Waehle(const std::string& t, const std::string&) override {
    titel = t;
    return antwort;
  }
};

class FibuExpDatevFrm : public ::testing::Test {
 protected:
  void SetUp() override {
    MandantenAnlegen();
    exporter.Init();
    exporter.SetVerzExport("/export");
    form.SetFibuExportProfil(&exporter);
  }

  // OK must be refused with this text on the page "Exportparameter".
  void Abgelehnt(const std::string& text) {
    form.ZeigeSeite(TfrmFibuExport::CSeiteFilialen);
    form.btnOKClick();
    EXPECT_EQ(form.ModalResult(), 0);
    EXPECT_EQ(form.AktiveSeite(), TfrmFibuExport::CSeiteParameter);
    EXPECT_EQ(suite.Messages().LastText(), "Fehlerhafte Eingabe:\r" + text);
  }

  TestSuite suite;
  TFibuExporter_Datev exporter;
  TfrmFibuExpDatev form;
};

TEST_F(FibuExpDatevFrm, ShowsTheExportersSettings) {
  EXPECT_EQ(form.Caption(),
            "Einstellungen für Export im Format \"DATEV (Datevformat 1.4 / 510)\"");
  EXPECT_EQ(form.ExportPfad(), "/export");
  EXPECT_EQ(form.SachKtoLng(), "4");
  ASSERT_EQ(form.MandantZeilen().size(), 2u);
  EXPECT_EQ(form.MandantZeilen()[1].Mandant, "Nordhandel KG");
  EXPECT_EQ(form.ZusatzZeilen().size(), 28u);
  EXPECT_EQ(form.InhaltAuswahl().size(), 25u);
  EXPECT_EQ(form.InhaltAuswahl()[0], "");
}

TEST_F(FibuExpDatevFrm, ChecksComeInTheirOrder) {
  form.SetExportPfad("");
  Abgelehnt("Bitte geben Sie die den Export-Pfad an.");
  form.SetExportPfad("/export");
  form.SetSachKtoLng("9");
  Abgelehnt("Di Länge des Sachkontos muss zwischen 4 und 8 liegen.");
  form.SetSachKtoLng("5");
  form.SetMandantAktiv(0, false);
  form.SetMandantAktiv(1, false);
  Abgelehnt("Es muss mindestens ein Mandant ausgewählt sein.");
  form.SetMandantAktiv(1, true);
  ASSERT_TRUE(form.SetzeMandantZelle(1, TfrmFibuExpDatev::mspDatevMandant, "54321"));
  Abgelehnt("Die Beraternummer ist nicht gefüllt.");
  ASSERT_TRUE(form.SetzeMandantZelle(1, TfrmFibuExpDatev::mspBerater, "7654321"));
  ASSERT_TRUE(form.SetzeMandantZelle(1, TfrmFibuExpDatev::mspDatevMandant, ""));
  Abgelehnt("Die Mandantennummer ist nicht gefüllt.");
  ASSERT_TRUE(form.SetzeMandantZelle(1, TfrmFibuExpDatev::mspDatevMandant, "54321"));
  form.btnOKClick();
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.SachKtoLng(), 5);
}

TEST_F(FibuExpDatevFrm, EditorsOnlyTakeWhatTheyAllow) {
  using S = TfrmFibuExpDatev;
  EXPECT_FALSE(form.SetzeMandantZelle(0, S::mspBerater, "12345678"));
  EXPECT_FALSE(form.SetzeMandantZelle(0, S::mspBerater, "12a"));
  EXPECT_FALSE(form.SetzeMandantZelle(0, S::mspDatevMandant, "123456"));
  EXPECT_FALSE(form.SetzeMandantZelle(0, S::mspBenutzer, "ABC"));
  EXPECT_TRUE(form.SetzeMandantZelle(0, S::mspBenutzer, "ÄÖ"));
  EXPECT_FALSE(form.SetzeMandantZelle(0, S::mspFestschreiben, "Vielleicht"));
  EXPECT_TRUE(form.SetzeMandantZelle(0, S::mspFestschreiben, "Nein"));
  EXPECT_FALSE(form.SetzeMandantZelle(0, S::mspMandant, "Anderer Name"));
  EXPECT_FALSE(form.SetzeMandantZelle(5, S::mspBerater, "1"));
  // What a cell shows, its editor takes back unchanged.
  for (auto spalte : {S::mspBerater, S::mspDatevMandant, S::mspBenutzer, S::mspFestschreiben}) {
    const std::string text = form.MandantZelle(0, spalte);
    EXPECT_TRUE(form.SetzeMandantZelle(0, spalte, text)) << text;
    EXPECT_EQ(form.MandantZelle(0, spalte), text);
  }
  EXPECT_EQ(form.MandantZelle(0, S::mspFestschreiben), "Nein");
  EXPECT_EQ(form.MandantZelle(0, S::mspBenutzer), "ÄÖ");
  EXPECT_EQ(form.MandantZelle(5, S::mspMandant), "");
  form.SetSachKtoLng("45");
  EXPECT_EQ(form.SachKtoLng(), "4");
  form.SetExportPfad(std::string(300, 'p'));
  EXPECT_EQ(form.ExportPfad().size(), 256u);

  form.SetMandantAuswahl(1);
  form.MandantKopfKlick(S::mspKurzNr);
  EXPECT_FALSE(form.EditierteZelle());
  form.MandantKopfKlick(S::mspBenutzer);
  ASSERT_TRUE(form.EditierteZelle());
  EXPECT_EQ(form.EditierteZelle()->Zeile, 1u);
}

TEST_F(FibuExpDatevFrm, OkHandsClientsPathAndFieldsToTheExporter) {
  auto wahl = std::make_shared<TFesteWahl>();
  SetVerzeichnisWahl(wahl);
  form.btnExportPfadClick();  // cancelled
  EXPECT_EQ(form.ExportPfad(), "/export");
  wahl->antwort = "/neu/export";
  form.btnExportPfadClick();
  EXPECT_EQ(wahl->titel, "Bitte wählen Sie ein Verzeichnis.");
  EXPECT_EQ(form.ExportPfad(), "/neu/export");
  SetVerzeichnisWahl(nullptr);

  form.SetSchalter("EXPMONATL", true);
  form.SetMandantAktiv(1, false);
  form.SetzeMandantZelle(0, TfrmFibuExpDatev::mspBerater, "1234567");
  form.SetzeMandantZelle(0, TfrmFibuExpDatev::mspDatevMandant, "12345");
  form.SetzeMandantZelle(0, TfrmFibuExpDatev::mspBenutzer, "AB");
  form.SetzeMandantZelle(0, TfrmFibuExpDatev::mspFestschreiben, "Nein");
  form.btnZusatzdatenClick();
  EXPECT_EQ(form.AktiveSeite(), TfrmFibuExpDatev::CSeiteZusatzdaten);
  EXPECT_FALSE(form.SetzeInhalt(0, "Gibt es nicht"));
  EXPECT_TRUE(form.SetzeInhalt(27, "Gutscheinwert"));
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);

  EXPECT_EQ(exporter.VerzExport(), "/neu/export");
  EXPECT_TRUE(exporter.ExportMonatlich());
  const auto& m1 = exporter.Mandanten()[0];
  EXPECT_EQ(m1.Berater, 1234567);
  EXPECT_EQ(m1.Mandant, 12345);
  EXPECT_EQ(m1.Benutzer, "AB");
  EXPECT_FALSE(m1.Festschreiben);
  EXPECT_FALSE(exporter.Mandanten()[1].Aktiv);
  ASSERT_EQ(exporter.ZusatzFelderListe().size(), 28u);
  EXPECT_EQ(exporter.ZusatzFelderListe()[27].InhaltKennung, "GUTSCHEIN");
  EXPECT_EQ(exporter.ZusatzFelderListe()[27].InhaltBezeichnung, "Gutscheinwert");
}

// The switches of both settings tables, in order, with the 700 wording of the payment
// reference; what the form changes reaches the exporter and nothing else moves.
TEST(FibuExpDatev700Frm, CarriesTheTwoExtraSwitches) {
  TestSuite suite;
  MandantenAnlegen();
  TFibuExporter_Datev_700 exporter;
  exporter.Init();
  exporter.SetVerzExport("/export");
  exporter.SetMandantenDaten(kMandant1, 1, true, true, "", 2);
  exporter.SetSollHabenTauschen(true);
  TfrmFibuExpDatev_700 form;
  form.SetFibuExportProfil(&exporter);
  EXPECT_EQ(form.Caption(),
            "Einstellungen für Export im Format \"DATEV (Datevformat 1.4 / 700)\"");
  std::vector<std::string> schluessel;
  for (const auto& schalter : form.Schalter()) schluessel.push_back(schalter.Schluessel);
  EXPECT_EQ(schluessel, (std::vector<std::string>{"ZAHLREFER", "EXPMONATL", "ORDERID", "SOLLHABENT"}));
  EXPECT_NE(form.Schalter()[0].Hinweis.find("Abrechnungsreferenz"), std::string::npos);
  EXPECT_EQ(form.Schalter()[2].Beschriftung, "Order-ID bei OC-Belegen im Feld Auftragsnummer exportieren");
  EXPECT_TRUE(form.SchalterWert("SOLLHABENT"));
  EXPECT_FALSE(form.SchalterWert("ORDERID"));
  EXPECT_FALSE(form.SchalterWert("GIBTESNICHT"));

  form.SetSchalter("ORDERID", true);
  form.SetSchalter("SOLLHABENT", false);
  form.SetSchalter("GIBTESNICHT", true);  // passed over
  form.SetMandantAktiv(1, false);
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);
  EXPECT_TRUE(exporter.ExportOrderID());
  EXPECT_FALSE(exporter.SollHabenTauschen());
  EXPECT_FALSE(exporter.Zahlungsreferenz());
  EXPECT_FALSE(exporter.ExportMonatlich());
}

TEST(FibuExpDatevEdit, CatalogueRowsOpenTheirOwnForms) {
  TestSuite suite;
  MandantenAnlegen();
  const auto row510 = RegInfo_Datev();
  const auto row700 = RegInfo_Datev_700();
  EXPECT_EQ(row510.Kennung, "DATEV1.4");
  EXPECT_EQ(row700.Name, "DATEV (Datevformat 1.4 / 700)");
  auto exporter = row700.TypKlasse();
  exporter->Init();
  std::string gezeigt;
  SetFibuExportFormAnzeige([&](TfrmFibuExport& f) {
    gezeigt = std::string(f.ClassName());
    f.btnZurueckClick();
    return f.ModalResult();
  });
  EXPECT_FALSE(row700.EditKlasse()->Execute(*exporter));
  EXPECT_EQ(gezeigt, "TfrmFibuExpDatev_700");
  // A form of the wrong format registers its failure and stays open.
  TfrmFibuExpDatev_700 falsch;
  auto anderes = row510.TypKlasse();
  anderes->Init();
  falsch.SetFibuExportProfil(anderes.get());
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TfrmFibuExport.SetFibuExportProfil");
  SetFibuExportFormAnzeige(nullptr);
}

}  // namespace
