#include "formats/ascii/FibuExpAsciiFrm.h"

#include <gtest/gtest.h>

#include "formats/ascii/AsciiFixture.h"
#include "suite/transfer/INETDialog.h"

using namespace asciitest;
using ascii::TfrmFibuExportAscii;

namespace {

class TFesteVerbindung final : public IInetVerbindungChooser {
 public:
  bool Ausfuehren(std::string& name) override {
    vorgabe = name;
    name = "steuer";
    return true;
  }
  std::string vorgabe;
};

class FibuExpAsciiFrm : public ::testing::Test {
 protected:
  void SetUp() override {
    MandantenAnlegen();
    Einrichten(exporter, "/export");
    form.SetFibuExportProfil(&exporter);
    form.SetFilialOption(TFilialOption::AlleFilialen);
  }

  // OK is refused with this text, on the parameter page and the page holding the value.
  void Abgelehnt(const std::string& text, const std::string& unterseite) {
    form.ZeigeSeite(TfrmFibuExport::CSeiteFilialen);
    form.ZeigeUnterseite(TfrmFibuExportAscii::CSeiteExportfelder);
    form.btnOKClick();
    EXPECT_EQ(form.ModalResult(), 0);
    EXPECT_EQ(form.AktiveSeite(), TfrmFibuExport::CSeiteParameter);
    EXPECT_EQ(form.Unterseite(), unterseite);
    EXPECT_EQ(suite.Messages().LastText(), text);
  }

  TestSuite suite;
  ascii::TFibuExporter_Ascii exporter;
  TfrmFibuExportAscii form;
};

TEST_F(FibuExpAsciiFrm, ShowsTheExportersSettings) {
  EXPECT_EQ(form.Caption(), "Einstellungen für Export im Format \"ASCII\"");
  ASSERT_EQ(form.MandantZeilen().size(), 2u);
  EXPECT_TRUE(form.MandantZeilen()[0].Aktiv);
  EXPECT_EQ(form.MandantZeilen()[1].Mandant, "Nordhandel KG");
  EXPECT_FALSE(form.FTP());
  EXPECT_TRUE(form.LokalAktiv());
  EXPECT_EQ(form.ExportPfad(), "/export");
  EXPECT_EQ(form.DateiEndung(), "csv");
  EXPECT_FALSE(form.SteuerEditsAktiv());
  EXPECT_EQ(TfrmFibuExportAscii::SteuerCaptions()[CQTX_FibuExport_Vst_Ohne],
            std::string("ohne Vorsteuer"));
}

TEST_F(FibuExpAsciiFrm, ChecksComeInTheirOrder) {
  form.SetAutomatikkonten(true);
  for (std::size_t i = 0; i < 10; ++i) form.SetSteuerSchl(i, "1");
  form.SetSteuerSchl(CQTX_FibuExport_Vst_Normal_Alt, "");
  Abgelehnt("Fehlerhafte Eingabe:\rBitte füllen Sie alle Steuerschlüssel.",
            TfrmFibuExportAscii::CSeiteSteuer);
  form.SetSteuerSchl(CQTX_FibuExport_Vst_Normal_Alt, "9");  // EG and "ohne" may stay empty
  form.SetFTP(true);
  Abgelehnt("Bitte geben Sie eine FTP-Verbindung an.", TfrmFibuExportAscii::CSeiteExportdatei);
  auto chooser = std::make_shared<TFesteVerbindung>();
  SetInetVerbindungChooser(chooser);
  form.SetVerbindung("alt");
  form.btnVerbindungClick();
  SetInetVerbindungChooser(nullptr);
  EXPECT_EQ(chooser->vorgabe, "alt");  // the chooser starts on the current name
  EXPECT_EQ(form.Verbindung(), "steuer");
  form.SetMandantAktiv(0, false);
  Abgelehnt("Fehlerhafte Eingabe:\rEs muss mindestens ein Mandant ausgewählt sein.",
            TfrmFibuExportAscii::CSeiteMandanten);
  form.SetMandantAktiv(1, true);
  form.btnOKClick();
  EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST_F(FibuExpAsciiFrm, OkHandsEveryValueToTheExporter) {
  form.SetMandantAktiv(1, true);
  form.SetAutomatikkonten(true);
  for (std::size_t i = 0; i < 12; ++i) form.SetSteuerSchl(i, "12345");  // four characters
  form.SetEigenUeberschrift(0, "Kasse");
  form.SetEigenInhalt(0, std::string(40, 'x'));
  form.SetBuchMonatErfragen(true);
  form.SetFTP(true);
  form.SetVerbindung("steuer");
  form.SetFTPDatei("fibu.csv");
  form.SetBackupPfad("/sicher");
  form.btnOKClick();
  ASSERT_EQ(form.ModalResult(), mrOk);
  EXPECT_TRUE(exporter.Profil_Geeignet(kMandant2));
  EXPECT_TRUE(exporter.Automatikkonten());
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_EG), "1234");
  EXPECT_EQ(exporter.Eigen()[0].Ueberschrift, "Kasse");
  EXPECT_EQ(exporter.Eigen()[0].Inhalt, std::string(30, 'x'));
  EXPECT_TRUE(exporter.FrageBuchMonat());
  EXPECT_EQ(exporter.ExpMedium(), femFTP);
  EXPECT_EQ(exporter.FTPFileCnct(), "steuer");
  EXPECT_EQ(exporter.FTPFileName(), "fibu.csv");
  EXPECT_EQ(exporter.VerzBackup(), "/sicher");
}

}  // namespace
