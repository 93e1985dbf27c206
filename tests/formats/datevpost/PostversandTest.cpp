// DATEV's postal-dispatch format: the input file by hand, the settings file, and the
// converter, played by a shell script installed as "DAMO32.EXE" that reads the settings
// file, writes dispatch files and a protocol, or fails, or hangs.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "formats/datevpost/DAMOIntU.h"
#include "formats/datevpost/KonverterErsatz.h"
#include "formats/datevpost/fibuexporter_postversand.h"
#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

constexpr TIntPair kMandant1{100, 1};
constexpr TIntPair kMandant2{200, 1};

std::string Lesen(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}


class Postversand : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& insert = SuiteDatabase::Get().Cached(
        "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, wj_beginn_monat) "
        "VALUES (?, ?, ?, ?, ?, ?)");
    insert.With(kMandant1.Nr1, kMandant1.Nr2, 1, "Musterhandel GmbH", "FIL1", 1).Run();
    insert.With(kMandant2.Nr1, kMandant2.Nr2, 2, "Nordhandel KG", "FIL2", 1).Run();
    vorgabe_ = suite_.Dir() / "vorgabe";
    versand_ = suite_.Dir() / "versand";
    fs::create_directories(vorgabe_);
    exporter_.Init();
    exporter_.SetVerzVorgabe(vorgabe_.string());
    exporter_.SetVerzExport(versand_.string());
    exporter_.SetImportSelf(false);
    exporter_.SetMandantenDaten(kMandant1, 1234567, 12345, "AB", true);
    exporter_.SetMandantenDaten(kMandant2, 0, 0, "", false);
    datevpost::SetDAMOProtAnzeige([this](datevpost::TDAMOProt& prot) {
      prot.FormShow();
      protokolle_.push_back(prot.rteDAMOProt());
      return 2;
    });
  }
  void TearDown() override {
    datevpost::SetDAMOProtAnzeige(nullptr);
    QTXProgramm().SetSilentMode(false);
  }

  void KonverterInstallieren(const std::string& verhalten = {}) {
    KonverterErsatz(vorgabe_, verhalten);
  }

  static TFibuExportFileInfo Maerz(int abrNr = 70, TIntPair firma = kMandant1) {
    return {firma, abrNr, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)};
  }

  static TFibuExportBuchInfo Buchung(long double soll, long double haben) {
    TFibuExportBuchInfo b;
    b.BetragSoll = soll;
    b.BetragHaben = haben;
    b.Konto = 1200;
    b.GegenKonto = 8400;
    b.StSchlGgKto = 3;
    b.BelegDatum = EncodeDate(2024, 3, 5);
    b.Beleg1 = "R 4711_A";
    b.Text = "Verkauf";
    return b;
  }

  bool Exportieren(const TFibuExportFileInfo& datei, int buchungen = 2) {
    if (!exporter_.Export_Fibu_Kopf(datei)) return false;
    for (int i = 0; i < buchungen; ++i) exporter_.Export_Fibu_Daten(Buchung(100 + i, 0));
    return exporter_.Export_Fibu_Ende();
  }

  bool Registriert(const std::string& teil) const {
    for (const auto& r : QTXInfo().Registrations()) {
      if (r.text.find(teil) != std::string::npos) return true;
    }
    return false;
  }

  TestSuite suite_;
  TFibuExporter_Postversand exporter_;
  fs::path vorgabe_;
  fs::path versand_;
  std::vector<std::string> protokolle_;
};

TEST_F(Postversand, TheInputFileIsWrittenAsWorkedOutByHand) {
  ASSERT_TRUE(exporter_.Export_Fibu_Kopf(Maerz(70)));
  TFibuExportBuchInfo a = Buchung(0, 12.34L);
  a.Beleg2 = "X;Y";
  a.KOST1 = "K;1";
  a.Text = "Verkauf; Ware März";
  a.UStID = " DE123 ";
  EXPECT_TRUE(exporter_.Export_Fibu_Daten(a));
  TFibuExportBuchInfo b;  // nothing set: every field empty, the text cut to 30
  b.Text = std::string(25, 'x') + "ÄÖÜabcdef";
  EXPECT_TRUE(exporter_.Export_Fibu_Daten(b));
  TFibuExportBuchInfo c = Buchung(1000.005L, 0);  // a half cent rounds away from zero
  c.Konto = 42;
  c.GegenKonto = 7;
  c.StSchlGgKto = 0;
  c.Beleg1 = "ABCDEFGHIJKLMNOP";
  c.BelegDatum = EncodeDate(2024, 12, 31);
  c.Text = "";
  EXPECT_TRUE(exporter_.Export_Fibu_Daten(c));
  ASSERT_TRUE(exporter_.Export_Fibu_Ende());

  EXPECT_EQ(Lesen(vorgabe_ / "BUCHUNG.TXT"),
            "AB;1234567;12345;124;010324;310324;1;\r\n"
            "-1234;3;8400;R4711-A;XY;0503;1200;K 1;;;;Verkauf  Ware M\xe4rz;DE123;;;;;\r\n"
            ";;;;;;;;;;;xxxxxxxxxxxxxxxxxxxxxxxxx\xc4\xd6\xdc" "ab;;;;;;\r\n"
            "100001;;0007;ABCDEFGHIJKL;;3112;0042;;;;;;;;;;;\r\n");
  EXPECT_EQ(exporter_.GetDateiName(), (vorgabe_ / "BUCHUNG.TXT").string());
  EXPECT_FALSE(fs::exists(vorgabe_ / "DAMO32.INI"));
}

TEST_F(Postversand, TheSettlementIsCountedInSixtyNineNumbers) {
  EXPECT_EQ(datevpost::AbrechnungsKennung(70, 2024), "124");
  EXPECT_EQ(datevpost::AbrechnungsKennung(69, 2024), "6924");
  EXPECT_EQ(datevpost::AbrechnungsKennung(138, 2025), "6925");
  EXPECT_EQ(datevpost::AbrechnungsKennung(0, 2024), "");
}

TEST_F(Postversand, WithoutSelfTheConverterIsNeverStarted) {
  KonverterInstallieren();
  ASSERT_TRUE(Exportieren(Maerz()));
  EXPECT_FALSE(fs::exists(vorgabe_ / "DAMO32.INI"));
  EXPECT_FALSE(fs::exists(versand_ / "EV01"));
  EXPECT_TRUE(protokolle_.empty());
  EXPECT_EQ(exporter_.GetDateiName(), (vorgabe_ / "BUCHUNG.TXT").string());
}

TEST_F(Postversand, WithSelfTheConverterRunsInThePresetDirectoryAndItsProtocolIsShown) {
  KonverterInstallieren();
  exporter_.SetImportSelf(true);
  ASSERT_TRUE(Exportieren(Maerz()));

  EXPECT_EQ(Lesen(vorgabe_ / "DAMO32.INI"),
            "[Einstellungen]\r\nProtokoll=Ja\r\nProtokolldatei=" + (vorgabe_ / "Damo32.prt").string() +
                "\r\nEingabeformat=Input32.ini\r\nEingabedatei=" + (vorgabe_ / "BUCHUNG.TXT").string() +
                "\r\nAusgabeformat=Output32.ini\r\nAusgabepfad=" + versand_.string() +
                "/\r\nID-Nummer=91480\r\nFormatname=FBOP-BW-KNE\r\n\r\n[Datev-Vorlauf]\r\n"
                "Berater=1234567\r\nMandant=12345\r\nWirtschaftsjahr=2024\r\n"
                "Datum-von=010324\r\nDatum-bis=310324\r\n");
  EXPECT_EQ(Lesen(versand_ / "EV01"), "Berater 1234567 Mandant 12345\r\n");
  EXPECT_EQ(Lesen(versand_ / "ED000001"), Lesen(vorgabe_ / "BUCHUNG.TXT.umgewandelt"));
  // Converted, the input no longer stands in the way of the next hand-over.
  EXPECT_FALSE(fs::exists(vorgabe_ / "BUCHUNG.TXT"));
  EXPECT_EQ(exporter_.GetDateiName(), (versand_ / "EV01").string());
  EXPECT_EQ(exporter_.GetDateiName2(), (versand_ / "ED000001").string());
  ASSERT_EQ(protokolle_.size(), 1u);
  EXPECT_EQ(protokolle_[0], "DATEV-Umwandlung\r\n\r\n2 Buchungen umgewandelt\r\nEnde ohne Fehler\r\n");
  EXPECT_TRUE(Exportieren(Maerz(71)));
}

TEST_F(Postversand, AWindowsConverterRunsThroughWineAndReadsWindowsPaths) {
  const std::string alterPfad = std::getenv("PATH") ? std::getenv("PATH") : "";
  const fs::path bin = suite_.Dir() / "bin";
  fs::create_directories(bin);
  {
    std::ofstream wine(bin / "wine");
    wine << "#!/bin/sh\necho \"wine $1 in $(pwd)\" > wine.log\nexit 0\n";
  }
  ::chmod((bin / "wine").c_str(), 0755);
  std::ofstream(vorgabe_ / "Damo32.exe") << "MZ";  // a Windows program, not executable here
  ::setenv("PATH", (bin.string() + ":/usr/bin:/bin").c_str(), 1);
  exporter_.SetImportSelf(true);
  const bool ok = Exportieren(Maerz());
  ::setenv("PATH", alterPfad.c_str(), 1);
  ASSERT_TRUE(ok);
  EXPECT_EQ(Lesen(vorgabe_ / "wine.log"),
            "wine " + (vorgabe_ / "Damo32.exe").string() + " in " + vorgabe_.string() + "\n");
  auto windows = [](std::string pfad) {
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    return "Z:" + pfad;
  };
  const std::string ini = Lesen(vorgabe_ / "DAMO32.INI");
  EXPECT_NE(ini.find("Protokolldatei=" + windows((vorgabe_ / "Damo32.prt").string()) + "\r\n"),
            std::string::npos) << ini;
  EXPECT_NE(ini.find("Eingabedatei=" + windows((vorgabe_ / "BUCHUNG.TXT").string()) + "\r\n"),
            std::string::npos) << ini;
  EXPECT_NE(ini.find("Ausgabepfad=" + windows(versand_.string()) + "\\\r\n"), std::string::npos) << ini;
}

TEST_F(Postversand, ARealExportConvertsOnlyAfterItsFilesGotTheirNames) {
  KonverterInstallieren();
  exporter_.SetImportSelf(true);
  exporter_.SetDateienZurueckhalten(true);
  ASSERT_TRUE(Exportieren(Maerz()));
  EXPECT_FALSE(fs::exists(vorgabe_ / "BUCHUNG.TXT"));
  EXPECT_FALSE(fs::exists(versand_ / "EV01"));
  for (auto& datei : exporter_.ZurueckgehalteneDateien()) datei->Veroeffentlichen();
  exporter_.SetDateienZurueckhalten(false);
  exporter_.DateienAbgelegt();
  EXPECT_TRUE(fs::exists(versand_ / "ED000001"));
  EXPECT_TRUE(fs::exists(vorgabe_ / "BUCHUNG.TXT.umgewandelt"));
  exporter_.DateienAbgelegt();  // once only
  EXPECT_EQ(protokolle_.size(), 1u);
}

TEST_F(Postversand, OldDispatchFilesGoWhenAskedButNotThoseOfThisProgramRun) {
  KonverterInstallieren();
  exporter_.SetImportSelf(true);
  fs::create_directories(versand_);
  for (const char* name : {"EV01", "ED000099", "ED12", "andere.txt"}) std::ofstream(versand_ / name) << "alt";
  ASSERT_TRUE(Exportieren(Maerz()));
  EXPECT_TRUE(fs::exists(versand_ / "ED000099"));  // not asked to empty

  exporter_.SetVerzLeeren(true);
  std::ofstream(versand_ / "ED000077") << "alt";
  ASSERT_TRUE(Exportieren(Maerz(71)));
  EXPECT_TRUE(fs::exists(versand_ / "ED000001"));  // converted in this program run: kept
  EXPECT_TRUE(fs::exists(versand_ / "ED000002"));
  EXPECT_FALSE(fs::exists(versand_ / "ED000077"));
  EXPECT_FALSE(fs::exists(versand_ / "ED000099"));
  EXPECT_TRUE(fs::exists(versand_ / "ED12"));
  EXPECT_TRUE(fs::exists(versand_ / "andere.txt"));
  EXPECT_EQ(exporter_.GetDateiName2(), (versand_ / "ED000002").string());
}

TEST_F(Postversand, AMissingConverterIsMessage993AndTheInputWaitsForIt) {
  exporter_.SetImportSelf(true);
  ASSERT_TRUE(Exportieren(Maerz()));  // still reported as exported
  ASSERT_GE(suite_.Messages().Count(), 1u);
  EXPECT_EQ(suite_.Messages().LastText(),
            "Die benötigte Datei DAMO32.EXE wurde nicht gefunden.\rBitte überprüfen Sie die in "
            "den Grundeinstellungen\rangegebenen Verzeichnisse und Ihre DATEV-Installation.");
  EXPECT_TRUE(fs::exists(vorgabe_ / "BUCHUNG.TXT"));
  EXPECT_TRUE(fs::exists(vorgabe_ / "DAMO32.INI"));
  EXPECT_TRUE(protokolle_.empty());

  // Another settlement would overwrite bookings that reached no dispatch file.
  const std::string vorher = Lesen(vorgabe_ / "BUCHUNG.TXT");
  EXPECT_FALSE(exporter_.Export_Fibu_Kopf(Maerz(71)));
  EXPECT_TRUE(Registriert("einer anderen Übergabe (Vorlauf \"AB;1234567;12345;124;"));
  EXPECT_EQ(Lesen(vorgabe_ / "BUCHUNG.TXT"), vorher);
  // The same settlement again is allowed, and a test export goes to its own folder.
  EXPECT_TRUE(Exportieren(Maerz(70), 3));
  exporter_.SetTestexport(true);
  EXPECT_TRUE(Exportieren(Maerz(72)));
  EXPECT_TRUE(fs::exists(vorgabe_ / "Test" / "BUCHUNG.TXT"));
}

TEST_F(Postversand, AFailingConverterLeavesTheInputAndTheBatchLogsTheProtocolsEnd) {
  KonverterInstallieren("fehler");
  exporter_.SetImportSelf(true);
  QTXProgramm().SetSilentMode(true);
  ASSERT_TRUE(Exportieren(Maerz()));
  EXPECT_TRUE(protokolle_.empty());  // batch mode opens no window
  EXPECT_TRUE(fs::exists(vorgabe_ / "BUCHUNG.TXT"));
  EXPECT_TRUE(Registriert("endete mit dem Fehlercode 2"));
  const auto log = MenuLog_Tail(3);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].text.rfind("Warnung: Der DATEV-Import endete mit dem Fehlercode 2", 0), 0u)
      << log[0].text;
  EXPECT_EQ(log[1].text, "DATEV-Import: Vorlauf ungueltig");
  EXPECT_EQ(log[2].text, "DATEV-Import: Abbruch mit Fehler");
}

TEST_F(Postversand, AHangingConverterIsEndedAndSaidSo) {
  KonverterInstallieren("haengt");
  exporter_.SetImportSelf(true);
  exporter_.SetKonverterHoechstdauer(1);
  QTXProgramm().SetSilentMode(true);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Exportieren(Maerz()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_TRUE(Registriert("Der DATEV-Import wurde abgebrochen"));
  EXPECT_TRUE(fs::exists(vorgabe_ / "BUCHUNG.TXT"));
  EXPECT_FALSE(fs::exists(versand_ / "EV01"));
}

TEST_F(Postversand, AClientWithoutDatevNumbersIsRefused) {
  exporter_.SetMandantenDaten(kMandant2, 0, 4711, "", true);
  EXPECT_FALSE(exporter_.Export_Fibu_Kopf(Maerz(70, kMandant2)));
  EXPECT_TRUE(Registriert("Für den Mandanten 2 Nordhandel KG sind im Exportprofil keine DATEV-Berater"));
  EXPECT_FALSE(exporter_.Export_Fibu_Kopf(Maerz(70, TIntPair{999, 1})));
  EXPECT_FALSE(fs::exists(vorgabe_ / "BUCHUNG.TXT"));
  EXPECT_FALSE(exporter_.EinstellungenVorhanden());
  exporter_.SetMandantenDaten(kMandant2, 1, 4711, "", true);
  EXPECT_TRUE(exporter_.EinstellungenVorhanden());
}

TEST_F(Postversand, SettingsSurviveAProfileAndTakeTheirDefaults) {
  exporter_.SetImportSelf(false);
  exporter_.SetVerzLeeren(true);
  exporter_.SetIDNummer("4711");
  exporter_.Config_Save("POST");
  TFibuExporter_Postversand geladen;
  geladen.Init();
  ASSERT_TRUE(geladen.Lade_Config("POST"));
  EXPECT_EQ(geladen.VerzVorgabe(), vorgabe_.string());
  EXPECT_FALSE(geladen.ImportSelf());
  EXPECT_TRUE(geladen.VerzLeeren());
  EXPECT_EQ(geladen.IDNummer(), "4711");
  EXPECT_EQ(geladen.ExportFormat(), "FBOP-BW-KNE");
  ASSERT_EQ(geladen.Mandanten().Eintraege().size(), 2u);
  EXPECT_EQ(geladen.Mandanten().Eintraege()[0].Text(datevpost::mfBenutzer), "AB");
  EXPECT_TRUE(geladen.Profil_Geeignet(kMandant1));
  EXPECT_FALSE(geladen.Profil_Geeignet(kMandant2));

  // A profile without the SELF and ID keys takes the defaults.
  geladen.strConfig.Items = {"VERZ-EXPORT=/x"};
  geladen.Config2Properties();
  EXPECT_TRUE(geladen.ImportSelf());
  EXPECT_EQ(geladen.IDNummer(), "91480");
  EXPECT_EQ(geladen.Get_Steuerschluessel(CQTX_FibuExport_Ust_Normal), "3");
  EXPECT_EQ(geladen.Get_Steuerschluessel(CQTX_FibuExport_Ust_EG), "10");
  EXPECT_EQ(geladen.Get_Steuerschluessel(CQTX_FibuExport_Vst_Ohne), "");
  geladen.Done();
}

}  // namespace
