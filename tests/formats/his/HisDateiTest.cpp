// Where the HIS file goes: into the export directory only when complete and never over an
// earlier export, held back for a real export's settlement, uploaded to a real FTP server
// on loopback; a failed move or upload fails the export and leaves nothing behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/his/FibuExporter_HIS.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "suite/transfer/FTP_SFTP_Simple_Use.h"
#include "suite/transfer/InetVerbindung.h"
#include "support/ExportTestKontext.h"
#include "support/LocalServers.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

constexpr TIntPair kMandant{100, 1};
constexpr const char* kDatei = "hisfi_20240301_20240331_20240402_101112.csv";

// The suite's transfer without the pause between attempts, so a refused upload fails fast.
class TSchnellerKontext : public TFesteUhrKontext {
 public:
  using TFesteUhrKontext::TFesteUhrKontext;
  bool Hochladen(const std::string& datei, const std::string& verbindung,
                 const std::string& remoteName, std::string& fehler) override {
    TKWX_FTP_SFTP_Simple_Use transfer;
    transfer.SetWartezeitMs(0);
    const bool ok = transfer.UploadDatei(datei, verbindung, remoteName);
    fehler = transfer.FehlerText();
    return ok;
  }
};

std::string Inhalt(const fs::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class HisDatei : public ::testing::Test {
 protected:
  void SetUp() override {
    SuiteDatabase::Get()
        .Cached("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, "
                "wj_beginn_monat) VALUES (100, 1, 1, 'Musterhandel GmbH', 'FIL1', 1)")
        .Run();
    exporter.SetKontext(std::make_shared<TSchnellerKontext>(EncodeDateTime(2024, 4, 2, 10, 11, 12, 0)));
    exporter.Init();  // an empty store: every client active
    exporter.SetVerzExport(exportDir.string());
  }
  void TearDown() override { exporter.Done(); }

  bool Exportieren() {
    if (!exporter.Export_Fibu_Kopf({kMandant, 3, 2024, EncodeDate(2024, 3, 1),
                                    EncodeDate(2024, 3, 31)})) {
      return false;
    }
    TFibuExportBuchInfo b;
    b.Konto = 8400;
    b.GegenKonto = 1000;
    b.BetragHaben = 119;
    b.BelegDatum = EncodeDate(2024, 3, 5);
    b.Waehrung = "EUR";
    exporter.Export_Fibu_Daten(b);
    return exporter.Export_Fibu_Ende();
  }
  std::vector<std::string> Dateien(const fs::path& dir) const {
    std::vector<std::string> namen;
    if (!fs::is_directory(dir)) return namen;
    for (const auto& e : fs::directory_iterator(dir)) namen.push_back(e.path().filename().string());
    return namen;
  }

  TestSuite suite;
  fs::path exportDir = suite.Dir() / "export";
  fs::path tempDir = suite.Dir() / "27";
  TFibuExporter_HIS exporter;
};

TEST_F(HisDatei, AnEarlierExportOfTheSameNameIsNeitherOverwrittenNorDeleted) {
  fs::create_directories(exportDir);
  std::ofstream(exportDir / kDatei) << "frueher";
  EXPECT_FALSE(Exportieren());
  EXPECT_EQ(Inhalt(exportDir / kDatei), "frueher");
  EXPECT_EQ(exporter.GetMeldung(), "Es konnte keine Exportdatei erstellt werden.");
  ASSERT_FALSE(QTXInfo().Registrations().empty());
  EXPECT_NE(QTXInfo().Registrations().back().text.find("besteht bereits"), std::string::npos);
}

TEST_F(HisDatei, AFailedMoveFailsTheExportAndLeavesNoFile) {
  ASSERT_TRUE(exporter.Export_Fibu_Kopf({kMandant, 3, 2024, EncodeDate(2024, 3, 1),
                                         EncodeDate(2024, 3, 31)}));
  // The directory vanishes while the file is written, and a file takes its place.
  fs::remove_all(exportDir);
  std::ofstream(exportDir.string()) << "kein Verzeichnis";
  EXPECT_FALSE(exporter.Export_Fibu_Ende());
  EXPECT_TRUE(exporter.FehlerUmbenennen());
  EXPECT_EQ(exporter.GetMeldung(), "Es fehlen die Rechte für den Exportpfad.");
  EXPECT_TRUE(exporter.GetDateiListe().empty());
  EXPECT_TRUE(Dateien(tempDir).empty());  // the temporary file is gone as well
}

TEST_F(HisDatei, ARealExportHoldsTheFileBackUntilItsSettlementIsFiled) {
  exporter.SetDateienZurueckhalten(true);
  ASSERT_TRUE(Exportieren());
  EXPECT_FALSE(fs::exists(exportDir / kDatei));
  auto dateien = exporter.ZurueckgehalteneDateien();
  ASSERT_EQ(dateien.size(), 1u);
  EXPECT_EQ(dateien.front()->TargetPath(), (exportDir / kDatei).string());
  dateien.front()->Veroeffentlichen();
  EXPECT_EQ(Inhalt(exportDir / kDatei),
            "BUCH_DEF;BELEG_NR;BELEG_DATUM;BELEG_TEXT;KONTO;GEGENKONTO;DATUM;BETRAG;STEUER;"
            "BUCH_TEXT;KOSTENSTELLE;WAEHRUNG;FW_KURS;FW_BETRAG;MENGE;FILIALNR;\r\n"
            "BUCH;;05.03.2024;;8400;1000;02.04.2024;-119,00;0,00;;;EUR;;;;000;\r\n");
  exporter.SetDateienZurueckhalten(false);
}

TEST_F(HisDatei, ATestExportGoesIntoTheTestFolderAndMayReplaceAnEarlierTest) {
  exporter.SetTestexport(true);
  ASSERT_TRUE(Exportieren());
  ASSERT_TRUE(Exportieren());  // in the same second
  EXPECT_EQ(Dateien(exportDir / "Test"), std::vector<std::string>{kDatei});
  EXPECT_TRUE(Dateien(exportDir).size() == 1u);
  exporter.SetTestexport(false);
}

class HisUpload : public HisDatei {
 protected:
  void SetUp() override {
    HisDatei::SetUp();
    fs::create_directories(root / "import");
    server = std::make_unique<LocalFtpServer>(suite.Dir() / "ftp", root, "kunde", "geheim");
    TInetVerbindung v;
    v.Name = "steuer";
    v.Host = "127.0.0.1";
    v.Port = server->Port();
    v.Benutzer = "kunde";
    v.Passwort = "geheim";
    v.Verzeichnis = "import";
    v.Zeitlimit = 10;
    TInetVerbindungen::Speichern(v);
    exporter.SetExportMedium(femFTP);
    exporter.SetVerzExportFTP("steuer");
  }

  fs::path root = suite.Dir() / "ftproot";
  std::unique_ptr<LocalFtpServer> server;
};

TEST_F(HisUpload, TheFileArrivesOnTheServerAndNoLocalCopyStays) {
  ASSERT_TRUE(Exportieren()) << suite.Messages().LastText();
  EXPECT_EQ(Dateien(root / "import"), std::vector<std::string>{kDatei});
  EXPECT_NE(Inhalt(root / "import" / kDatei).find("BUCH;;05.03.2024;;8400;1000;"), std::string::npos);
  EXPECT_TRUE(Dateien(tempDir).empty());
  EXPECT_EQ(exporter.GetMeldung(),
            std::string("Die ausgewählten Daten wurden in die folgende Datei exportiert:\r\n\r\n\"") +
                "steuer - " + kDatei +
                "\"\r\n\r\nDie Datei kann nun in die externe Buchhaltung importiert werden.");
}

TEST_F(HisUpload, ARefusedUploadFailsTheExport) {
  TInetVerbindung falsch = *TInetVerbindungen::Lesen("steuer");
  falsch.Passwort = "falsch";
  TInetVerbindungen::Speichern(falsch);
  EXPECT_FALSE(Exportieren());
  EXPECT_TRUE(exporter.FehlerUmbenennen());
  EXPECT_EQ(exporter.GetMeldung(), "Es fehlen die Rechte für den Exportpfad.");
  EXPECT_TRUE(Dateien(root / "import").empty());
  EXPECT_TRUE(Dateien(tempDir).empty());
}

TEST_F(HisUpload, ATestExportStaysLocal) {
  exporter.SetTestexport(true);
  ASSERT_TRUE(Exportieren());
  EXPECT_TRUE(Dateien(root / "import").empty());
  EXPECT_EQ(Dateien(suite.Dir() / "16" / "Test"), std::vector<std::string>{kDatei});
  exporter.SetTestexport(false);
}

}  // namespace
