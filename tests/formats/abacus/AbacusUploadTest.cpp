// Files uploaded to a connection of the suite: the real local FTP server receives them,
// the local copy goes only after a confirmed upload, a test export is never uploaded.
#include <gtest/gtest.h>

#include "formats/abacus/AbacusFixture.h"
#include "suite/Files.h"
#include "suite/transfer/FTP_SFTP_Simple_Use.h"
#include "suite/transfer/InetVerbindung.h"
#include "support/LocalServers.h"

namespace abacustest {
namespace {

namespace fs = std::filesystem;
constexpr const char* kPasswort = "geheim-42";

class AbacusUpload : public AbacusFixture {
 protected:
  void SetUp() override {
    AbacusFixture::SetUp();
    root = suite.Dir() / "ftproot";
    fs::create_directories(root / "abacus");
    server = std::make_unique<LocalFtpServer>(suite.Dir() / "ftp", root, "kunde", kPasswort);
    TInetVerbindung v;
    v.Name = "steuer";
    v.Host = "127.0.0.1";
    v.Port = server->Port();
    v.Benutzer = "kunde";
    v.Passwort = kPasswort;
    v.Verzeichnis = "abacus";
    v.Zeitlimit = 10;
    TInetVerbindungen::Speichern(v);
    exporter.SetExportMedium(femFTP);
    exporter.SetVerzExportFTP("steuer");
  }
  fs::path Lokal() const { return GetDirWwsByName(27, ""); }

  fs::path root;
  std::unique_ptr<LocalFtpServer> server;
};

TEST_F(AbacusUpload, TheFileArrivesOnTheServerAndTheLocalCopyIsRemoved) {
  EXPECT_EQ(exporter.GetExportPfad(), GetDirWwsByName(16, ""));
  ASSERT_TRUE(Exportieren({Buchung(10, 0, 1200, 8400)}));
  ASSERT_TRUE(fs::exists(root / "abacus" / "Data_4711_2024_7.xml"));
  EXPECT_NE(Normalform(Lesen(root / "abacus" / "Data_4711_2024_7.xml")).find("KeyAmount('10.00')"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(Lokal() / "Data_4711_2024_7.xml"));
  EXPECT_EQ(exporter.GetDateiListe(), std::vector<std::string>{"steuer - Data_4711_2024_7.xml"});
}

TEST_F(AbacusUpload, AFileHeldBackForTheRunGoesUpFromItsCompletedTemporaryFile) {
  exporter.SetDateienZurueckhalten(true);
  ASSERT_TRUE(Exportieren({Buchung(10, 0, 1200, 8400)}));
  auto gehalten = exporter.ZurueckgehalteneDateien();
  exporter.SetDateienZurueckhalten(false);
  EXPECT_TRUE(fs::exists(root / "abacus" / "Data_4711_2024_7.xml"));
  ASSERT_EQ(gehalten.size(), 1u);
  EXPECT_EQ(gehalten.front()->TargetPath(), (Lokal() / "Data_4711_2024_7.xml").string());
}

TEST_F(AbacusUpload, AFailedUploadKeepsTheLocalFileAndListsItsPath) {
  server->Stop();
  // The suite's transfer without its waits between the attempts.
  struct TOhneWarten final : TSuiteExportKontext {
    bool Hochladen(const std::string& datei, const std::string& verbindung,
                   const std::string& name, std::string& fehler) override {
      TKWX_FTP_SFTP_Simple_Use transfer;
      transfer.SetWartezeitMs(0);
      const bool ok = transfer.UploadDatei(datei, verbindung, name);
      fehler = transfer.FehlerText();
      return ok;
    }
  };
  exporter.SetKontext(std::make_shared<TOhneWarten>());
  ASSERT_TRUE(Exportieren({Buchung(10, 0, 1200, 8400)}));
  const std::string lokal = (Lokal() / "Data_4711_2024_7.xml").string();
  EXPECT_TRUE(fs::exists(lokal));
  EXPECT_EQ(exporter.GetDateiListe(), std::vector<std::string>{lokal});
}

TEST_F(AbacusUpload, ATestExportIsNeverUploaded) {
  exporter.SetTestexport(true);
  ASSERT_TRUE(Exportieren({Buchung(10, 0, 1200, 8400)}));
  exporter.SetTestexport(false);
  EXPECT_FALSE(fs::exists(root / "abacus" / "Data_4711_2024_7.xml"));
  EXPECT_TRUE(fs::exists(Lokal() / "Test" / "Data_4711_2024_7.xml"));
}

}  // namespace
}  // namespace abacustest
