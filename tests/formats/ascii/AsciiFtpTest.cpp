#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "formats/ascii/AsciiFixture.h"
#include "formats/ascii/fibuexporter_ascii.h"
#include "suite/MenuLog.h"
#include "suite/transfer/InetVerbindung.h"
#include "support/LocalServers.h"

namespace fs = std::filesystem;
using namespace asciitest;
using ascii::TFibuExporter_Ascii;

namespace {

constexpr const char* kPasswort = "geheim123";

// The export to a real FTP server on loopback, through the suite's transfer service.
class AsciiFtp : public ::testing::Test {
 protected:
  void SetUp() override {
    MandantenAnlegen();
    root_ = suite_.Dir() / "ftproot";
    fs::create_directories(root_ / "import");
    server_ = std::make_unique<LocalFtpServer>(suite_.Dir() / "ftp", root_, "kunde", kPasswort);
    TInetVerbindung v;
    v.Name = "steuer";
    v.Host = "127.0.0.1";
    v.Port = server_->Port();
    v.Benutzer = "kunde";
    v.Passwort = kPasswort;
    v.Verzeichnis = "import";
    v.Zeitlimit = 10;
    TInetVerbindungen::Speichern(v);

    Einrichten(exporter_, "");
    exporter_.SetExpMedium(femFTP);
    exporter_.SetFTPFileCnct("steuer");
    LayoutSpeichern(Layout({"KONTO", "BETRAG", "SOLLHABEN"}));
  }

  bool Exportieren() {
    if (!exporter_.Export_Fibu_Kopf(Maerz2024())) return false;
    for (const auto& b : Buchungen()) EXPECT_TRUE(exporter_.Export_Fibu_Daten(b));
    return exporter_.Export_Fibu_Ende();
  }

  static constexpr const char* kInhalt =
      "KONTO;BETRAG;SOLLHABEN\r\n1200;119,00;S\r\n42;-50,50;H\r\n1;-2,34;S\r\n";

  TestSuite suite_;
  fs::path root_;
  std::unique_ptr<LocalFtpServer> server_;
  TFibuExporter_Ascii exporter_;
};

TEST_F(AsciiFtp, UploadsUnderTheRemoteNameAndKeepsABackupCopy) {
  const fs::path backup = suite_.Dir() / "sicherung";
  exporter_.SetVerzBackup(backup.string());
  ASSERT_TRUE(Exportieren());
  EXPECT_TRUE(exporter_.FTPUpLoadErfolgreich());
  const std::string remote = "Fibu_FIL1_20240402_2024_7.csv";
  EXPECT_EQ(Lesen(root_ / "import" / remote), kInhalt);
  EXPECT_EQ(Lesen(backup / remote), kInhalt);
  // The local file stays where it was built.
  EXPECT_EQ(Lesen(exporter_.TmpFilename()), kInhalt);
  EXPECT_EQ(exporter_.GetMeldung(),
            "Die ausgewählten Sätze wurden in die Datei\r\"" + remote +
                "\"\rexportiert und hochgeladen.\rSicherheitskopie: " + (backup / remote).string());
  const auto log = MenuLog_Tail(2);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].title, "ASCII-Export");
  EXPECT_EQ(log[0].text, "Beginn FTP-Upload Fibu-Daten");
  EXPECT_EQ(log[1].text, "Ende FTP-Upload Fibu-Daten");
}

TEST_F(AsciiFtp, ARealExportUploadsTheCompleteFileThatWaitsForTheCommit) {
  exporter_.SetFTPFileName("fibu.csv");
  exporter_.SetDateienZurueckhalten(true);
  ASSERT_TRUE(Exportieren());
  EXPECT_EQ(Lesen(root_ / "import" / "fibu.csv"), kInhalt);
  EXPECT_FALSE(fs::exists(exporter_.TmpFilename()));
  TFertigeDateien dateien = exporter_.ZurueckgehalteneDateien();
  ASSERT_EQ(dateien.size(), 1u);
  dateien.front()->Veroeffentlichen();
  EXPECT_EQ(Lesen(exporter_.TmpFilename()), kInhalt);
}

TEST_F(AsciiFtp, AFailedUploadKeepsTheFileAndSaysSo) {
  exporter_.SetFTPFileCnct("unbekannt");
  exporter_.SetVerzBackup("/proc/keine/sicherung");
  ASSERT_TRUE(Exportieren());  // the bookings are exported: the file exists
  EXPECT_FALSE(exporter_.FTPUpLoadErfolgreich());
  EXPECT_EQ(Lesen(exporter_.TmpFilename()), kInhalt);
  EXPECT_EQ(exporter_.GetMeldung(),
            "Die ausgewählten Sätze wurden in die Datei\r\"" + exporter_.TmpFilename() +
                "\"\rexportiert.\rAchtung: Der FTP-Upload ist fehlgeschlagen!\r"
                "Es konnte keine Sicherheitskopie erstellt werden.");
  EXPECT_TRUE(fs::is_empty(root_ / "import"));
}

TEST_F(AsciiFtp, ATestExportNeverReachesTheServer) {
  exporter_.SetTestexport(true);
  ASSERT_TRUE(Exportieren());
  EXPECT_TRUE(fs::is_empty(root_ / "import"));
  EXPECT_NE(exporter_.GetMeldung().find("Testexport: Die Datei wurde nicht hochgeladen."),
            std::string::npos);
}

}  // namespace
