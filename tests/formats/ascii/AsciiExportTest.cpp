#include <gtest/gtest.h>

#include <filesystem>

#include "formats/ascii/AsciiDemoProfil.h"
#include "formats/ascii/AsciiSpalten.h"
#include "formats/ascii/fibuexporter_ascii.h"
#include "formats/ascii/AsciiFixture.h"
#include "suite/Files.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"

namespace fs = std::filesystem;
using namespace asciitest;
using ascii::TFibuExporter_Ascii;

namespace {

struct TAnzeigeFuerTest {
  explicit TAnzeigeFuerTest(TSerBriefAnzeige anzeige) { SetSerBriefAnzeige(std::move(anzeige)); }
  ~TAnzeigeFuerTest() { SetSerBriefAnzeige(nullptr); }
};

class AsciiExport : public ::testing::Test {
 protected:
  void SetUp() override {
    MandantenAnlegen();
    dir_ = (suite_.Dir() / "export").string();
    Einrichten(exporter_, dir_);
  }

  bool Exportieren(const std::vector<TFibuExportBuchInfo>& buchungen,
                   TIntPair firma = kMandant1) {
    if (!exporter_.Export_Fibu_Kopf(Maerz2024(firma))) return false;
    for (const auto& b : buchungen) EXPECT_TRUE(exporter_.Export_Fibu_Daten(b));
    return exporter_.Export_Fibu_Ende();
  }

  std::string Datei() const { return dir_ + "/Fibu_FIL1_20240402_2024_7.csv"; }

  TestSuite suite_;
  std::string dir_;
  TFibuExporter_Ascii exporter_;
};

TEST_F(AsciiExport, EveryKindOfColumnAsWorkedOutByHand) {
  exporter_.Eigen()[0] = {"Kasse", "K1"};
  LayoutSpeichern(Layout({"SOLL", "HABEN", "UMSATZ", "SOLLHABEN", "BETRAG", "STSCHL", "STSCHLTXT",
                          "KONTO", "GGKTO", "BELEGDATUM", "BUCHMONAT", "VALUTA", "FILIALE",
                          "TEXT", "WAEHRUNG", "EIGEN1"}));
  ASSERT_TRUE(Exportieren(Buchungen()));
  EXPECT_EQ(exporter_.GetDateiName(), Datei());
  // Headings are the keys the layout gave them; amounts lose the padding of "%9.2f".
  EXPECT_EQ(Lesen(Datei()),
            "SOLL;HABEN;UMSATZ;SOLLHABEN;BETRAG;STSCHL;STSCHLTXT;KONTO;GGKTO;BELEGDATUM;"
            "BUCHMONAT;VALUTA;FILIALE;TEXT;WAEHRUNG;EIGEN1\r\n"
            "119,00;0,00;119,00;S;119,00;3;3;1200;8400;05.03.2024;;;2;Verkauf M\xE4rz;EUR;K1\r\n"
            "0,00;50,50;50,50;H;-50,50;0;;42;70001;31.03.2024;01.03.2024;15.04.2024;0;Zahlung;"
            "EUR;K1\r\n"
            "10,00;12,34;-2,34;S;-2,34;0;;1;2;01.03.2024;;;0;Storno;EUR;K1\r\n");
  EXPECT_EQ(exporter_.GetMeldung(),
            "Die ausgewählten Sätze wurden in die Datei\r\"" + Datei() + "\"\rexportiert.");
}

TEST_F(AsciiExport, ValuesFollowTheProgramsNumberFormatPaddedToNine) {
  ascii::TAsciiBuchungen buchungen;
  auto b = Buchung(1234.565L, 0, 1, 2, 0, 0, "T");
  b.SkontoTage2 = "14";
  buchungen.Hinzufuegen(b);
  std::vector<std::string> werte(6);
  ascii::AsciiWerte(buchungen, buchungen.Satz(0), {}, {0, 2, 3, 4, 13, 29}, werte);
  EXPECT_EQ(werte, (std::vector<std::string>{"  1234,57", "  1234,57", "S", "  1234,57", "T", "14"}));
  auto klein = Buchung(-0.001L, -0.005L, 1, 2, 0, 0, "");
  klein.BetragHaben = 1e9L;
  buchungen.Hinzufuegen(klein);
  ascii::AsciiWerte(buchungen, buchungen.Satz(1), {}, {0, 1, 4}, werte);
  EXPECT_EQ(werte[0], "     0,00");  // no minus before a zero
  EXPECT_EQ(werte[1], "1000000000,00");
  EXPECT_EQ(werte[2], "-1000000000,00");
  // Half a cent on both sides counts as a cent each: debit minus credit, "S".
  EXPECT_STREQ(ascii::GetUmsatzUndKennzeichen(0.005L, 0.005L).Kennzeichen, "S");
  // Less than half a cent is no amount: the credit side decides.
  const auto haben = ascii::GetUmsatzUndKennzeichen(0.004L, 7);
  EXPECT_STREQ(haben.Kennzeichen, "H");
  EXPECT_EQ(haben.Umsatz, 7);
}

TEST_F(AsciiExport, TheDialogGetsTheColumnCatalogueAndTheProfilesOwnHeadings) {
  exporter_.Eigen()[5] = {"Projekt", "P-9"};
  LayoutSpeichern(Layout({"EIGEN6"}));
  ASSERT_TRUE(Exportieren(Buchungen()));
  const TfrmSerBrief& dialog = *exporter_.SerBrief();
  ASSERT_EQ(dialog.Katalog().size(), 36u);
  EXPECT_EQ(dialog.Katalog()[23].Key, "EXTBELEGNR");
  EXPECT_EQ(dialog.Katalog()[23].Ueberschrift, "Rechnungsnr. Lieferant");
  EXPECT_EQ(dialog.Katalog()[35].Ueberschrift, "Projekt");
  EXPECT_EQ(dialog.Caption, "FiBu-Daten exportieren");
  EXPECT_EQ(dialog.Filter, "FiBu-Exportdatei|*.csv|Alle Dateien|*.*");
  EXPECT_TRUE(dialog.OhneNachfrage);
  EXPECT_EQ(Lesen(Datei()), "EIGEN6\r\nP-9\r\nP-9\r\nP-9\r\n");
}

TEST_F(AsciiExport, ARunWithoutBookingsWritesTheHeaderOnly) {
  LayoutSpeichern(Layout({"KONTO", "TEXT"}));
  ASSERT_TRUE(Exportieren({}));
  EXPECT_EQ(Lesen(Datei()), "KONTO;TEXT\r\n");
}

TEST_F(AsciiExport, AClientNotInTheListWritesNothing) {
  LayoutSpeichern(Layout({"KONTO"}));
  EXPECT_FALSE(exporter_.Export_Fibu_Kopf(Maerz2024({999, 1})));
  EXPECT_FALSE(fs::exists(dir_));
}

TEST_F(AsciiExport, UnattendedWithoutALayoutSaysWhatToDoAndMarksNothing) {
  ASSERT_TRUE(exporter_.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_TRUE(exporter_.Export_Fibu_Daten(Buchungen()[0]));
  EXPECT_FALSE(exporter_.Export_Fibu_Ende());
  EXPECT_NE(QTXInfo().LastErrorText().find("SERBASCI"), std::string::npos);
  EXPECT_FALSE(fs::exists(Datei()));
}

TEST_F(AsciiExport, WithoutDirectoryAndExtensionTheDialogProposesListenAndAsks) {
  exporter_.SetVerzExport("");
  exporter_.SetDateiEndung("");
  LayoutSpeichern(Layout({"KONTO"}));
  std::string gewaehlt;
  TAnzeigeFuerTest fenster([&](TfrmSerBrief& dialog) {
    EXPECT_FALSE(dialog.OhneNachfrage);
    EXPECT_EQ(dialog.VorgeschlageneDatei, "Fibu_FIL1_20240402_2024_7");
    EXPECT_EQ(dialog.Verzeichnis, GetDirWwsByName("LISTEN", ""));
    EXPECT_EQ(dialog.Endung, "txt");
    EXPECT_EQ(dialog.SpeichernTitel, "FiBu-Daten speichern ...");
    gewaehlt = (suite_.Dir() / "gewaehlt.txt").string();
    return dialog.btnSchreibenClick(gewaehlt);
  });
  ASSERT_TRUE(Exportieren(Buchungen()));
  EXPECT_EQ(exporter_.GetDateiName(), gewaehlt);
  EXPECT_EQ(Lesen(gewaehlt), "KONTO\r\n1200\r\n42\r\n1\r\n");
}

TEST_F(AsciiExport, ATestExportWritesIntoTheTestFolder) {
  LayoutSpeichern(Layout({"KONTO"}));
  exporter_.SetTestexport(true);
  ASSERT_TRUE(Exportieren(Buchungen()));
  EXPECT_EQ(exporter_.GetDateiName(), dir_ + "/Test/Fibu_FIL1_20240402_2024_7.csv");
  EXPECT_FALSE(fs::exists(Datei()));
}

TEST_F(AsciiExport, ARealExportHoldsTheFileBackAndAnEarlierOneStaysUntilThen) {
  LayoutSpeichern(Layout({"KONTO"}));
  fs::create_directories(dir_);
  std::ofstream(Datei(), std::ios::binary) << "frueher";
  exporter_.SetDateienZurueckhalten(true);
  ASSERT_TRUE(Exportieren(Buchungen()));
  EXPECT_EQ(Lesen(Datei()), "frueher");
  TFertigeDateien dateien = exporter_.ZurueckgehalteneDateien();
  ASSERT_EQ(dateien.size(), 1u);
  dateien.front()->Veroeffentlichen();
  EXPECT_EQ(Lesen(Datei()), "KONTO\r\n1200\r\n42\r\n1\r\n");
}

TEST_F(AsciiExport, FtpNamesTheRemoteFileAndBuildsItInTheTemporaryDirectory) {
  exporter_.SetExpMedium(femFTP);
  ASSERT_TRUE(exporter_.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_EQ(exporter_.ExpFilename(), "Fibu_FIL1_20240402_2024_7.csv");
  EXPECT_EQ(exporter_.TmpFilename(),
            GetDirWwsByName("statemp", "Fibu_FIL1_20240402_2024_7." +
                                           QTXProgramm().ProzessIdFormated()));
  exporter_.SetFTPFileName("buchungen.txt");
  ASSERT_TRUE(exporter_.Export_Fibu_Kopf(Maerz2024()));
  EXPECT_EQ(exporter_.ExpFilename(), "buchungen.txt");
  EXPECT_EQ(exporter_.TmpFilename(),
            GetDirWwsByName("statemp", "buchungen." + QTXProgramm().ProzessIdFormated()));
}

TEST_F(AsciiExport, SettingsAreStoredAndLoadedUnderTheirKeys) {
  exporter_.SetAutomatikkonten(true);
  exporter_.SteuerSchl()[CQTX_FibuExport_Ust_Normal] = "3";
  exporter_.SteuerSchl()[CQTX_FibuExport_Vst_Ohne] = " ";
  exporter_.Eigen()[2] = {"Kopf 3", "Inhalt 3"};
  exporter_.SetFrageBuchMonat(true);
  exporter_.SetExpMedium(femFTP);
  exporter_.SetFTPFileName("f.csv");
  exporter_.SetFTPFileCnct("steuer");
  exporter_.SetVerzBackup("/tmp/sicher");
  exporter_.Config_Save("");
  const TQTXStrings& c = exporter_.strConfig;
  EXPECT_EQ(c.Value("AUTOMATIK"), "J");
  EXPECT_EQ(c.Value("UMST_NORMAL"), "3");
  EXPECT_EQ(c.Value("VST_OHNE"), " ");
  EXPECT_EQ(c.Value("EIGENUEBER3"), "Kopf 3");
  EXPECT_EQ(c.Value("EIGENINHALT3"), "Inhalt 3");
  EXPECT_EQ(c.Value("BUCHMONATERF"), "J");
  EXPECT_EQ(c.Value("EXPMEDIUM"), "FTP");
  EXPECT_EQ(c.Value("DATEIENDUNG"), "csv");
  EXPECT_EQ(c.Value("MANDAKTV100/1"), "J");
  EXPECT_EQ(c.Value("MANDAKTV200/1"), "N");
  // The export directory inside the suite is kept relative to it.
  EXPECT_EQ(c.Value("EXPORTVERZ"), "export");
  exporter_.Done();

  TFibuExporter_Ascii geladen;
  geladen.Init();
  EXPECT_TRUE(geladen.Automatikkonten());
  EXPECT_TRUE(geladen.FrageBuchMonat());
  EXPECT_TRUE(geladen.ASCIIZusatz());
  EXPECT_EQ(geladen.Get_Steuerschluessel(CQTX_FibuExport_Ust_Normal), "3");
  EXPECT_EQ(geladen.ExpMedium(), femFTP);
  EXPECT_EQ(geladen.VerzExport(), dir_);
  EXPECT_EQ(geladen.VerzBackup(), "/tmp/sicher");
  EXPECT_TRUE(geladen.Profil_Geeignet(kMandant1));
  EXPECT_FALSE(geladen.Profil_Geeignet(kMandant2));
  EXPECT_FALSE(geladen.Profil_Geeignet({5, 5}));
  geladen.Done();
}

TEST_F(AsciiExport, SettingsAreThereWithClientsAndCompleteTaxKeys) {
  EXPECT_TRUE(exporter_.EinstellungenVorhanden());
  exporter_.SetAutomatikkonten(true);
  EXPECT_FALSE(exporter_.EinstellungenVorhanden());
  for (auto& s : exporter_.SteuerSchl()) s = "9";
  exporter_.SteuerSchl()[CQTX_FibuExport_Vst_Ohne] = " ";
  EXPECT_TRUE(exporter_.EinstellungenVorhanden());  // "ohne Vorsteuer" may be one blank
  exporter_.SteuerSchl()[CQTX_FibuExport_Ust_EG] = " ";
  EXPECT_FALSE(exporter_.EinstellungenVorhanden());
  exporter_.SteuerSchl()[CQTX_FibuExport_Ust_EG] = "10";
  exporter_.Mandanten().at(0).Aktiv = false;
  EXPECT_FALSE(exporter_.EinstellungenVorhanden());
}

TEST_F(AsciiExport, SettingsFromBeforeProfilesMakeEveryClientActive) {
  TSimpleMask alt("FIBUEXPO", "ASCII");
  alt.WriteGlobal("AUTOMATIK", "J");
  alt.WriteGlobal("UMST_REDUZ", "2");
  alt.WriteGlobal("EIGENUEBER1", "Alt");
  alt.WriteGlobal("DATEIENDUNG", "asc");
  TFibuExporter_Ascii exporter;
  exporter.Init();
  EXPECT_TRUE(exporter.Automatikkonten());
  EXPECT_EQ(exporter.SteuerSchl()[CQTX_FibuExport_Ust_Reduz], "2");
  EXPECT_EQ(exporter.Eigen()[0].Ueberschrift, "Alt");
  EXPECT_EQ(exporter.DateiEndung(), "asc");
  EXPECT_EQ(exporter.ExpMedium(), femDisc);
  EXPECT_TRUE(exporter.Profil_Geeignet(kMandant1));
  EXPECT_TRUE(exporter.Profil_Geeignet(kMandant2));
  exporter.Done();
}

}  // namespace

namespace {

TEST(AsciiDemo, TheDemoProfileExportsEveryClientWithoutAWindow) {
  TestSuite suite;
  MandantenAnlegen();
  const std::string dir = (suite.Dir() / "export").string();
  ASSERT_TRUE(ascii::DemoProfilAnlegen(dir));
  TFibuExporter_Ascii exporter;
  exporter.Init();
  EXPECT_TRUE(exporter.Profil_Geeignet(kMandant2));
  exporter.SetKontext(std::make_shared<TFesteUhrKontext>(EncodeDate(2024, 4, 2)));
  ASSERT_TRUE(exporter.Export_Fibu_Kopf(Maerz2024(kMandant2)));
  auto b = Buchungen()[0];
  b.Beleg1 = "RE-1";
  b.KOST1 = "100";
  EXPECT_TRUE(exporter.Export_Fibu_Daten(b));
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(exporter.GetDateiName(), dir + "/ascii/Fibu_FIL2_20240402_2024_7.csv");
  EXPECT_EQ(Lesen(exporter.GetDateiName()),
            "Belegdatum;Konto;Gegenkonto;Umsatz;Soll/Haben;Steuerschl\xFC\xDF" "el Text;Beleg 1;"
            "Beleg 2;Beschreibung;Kost 1;Filiale;W\xE4hrung\r\n"
            "05.03.2024;1200;8400;119,00;S;3;RE-1;;Verkauf M\xE4rz;100;2;EUR\r\n");
  exporter.Done();
  // A layout the person made meanwhile is not replaced by a second demo run.
  TSerBriefLayoutSpeicher speicher("SALDIX", TFibuExporter_Ascii::CListenKey);
  speicher.Speichern("", Layout({"KONTO"}));
  ASSERT_TRUE(ascii::DemoProfilAnlegen(dir));
  EXPECT_EQ(speicher.Laden("")->Spalten.size(), 1u);
}

}  // namespace
