#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "suite/transfer/KnownHosts.h"
#include "suite/transfer/QTXFtpComponent.h"
#include "suite/transfer/Sha256.h"
#include "support/LocalServers.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SftpTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    remote_ = suite_.Dir() / "remote";
    fs::create_directories(remote_);
    server_ = std::make_unique<LocalSshServer>(suite_.Dir() / "ssh");
  }

  TInetVerbindung Entry() const {
    TInetVerbindung v;
    v.Name = "stb";
    v.Protokoll = TInetProtokoll::SFTP;
    v.Host = "127.0.0.1";
    v.Port = server_->Port();
    v.Benutzer = server_->User();
    v.Schluesseldatei = server_->UserKey();
    v.Verzeichnis = remote_.string();
    v.Zeitlimit = 10;
    return v;
  }

  std::string LocalFile(const std::string& name, const std::string& content) const {
    const auto path = suite_.Dir() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  TestSuite suite_;
  fs::path remote_;
  std::unique_ptr<LocalSshServer> server_;
};

TEST_F(SftpTransfer, AnUnknownHostKeyIsRefusedUntilTrustedOnPurpose) {
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(Entry()));
  EXPECT_EQ(ftp.KnownHostsDatei(), (suite_.Dir() / "known_hosts").string());
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::HostKeyUnbekannt) << ftp.FehlerText();
  EXPECT_NE(ftp.FehlerText().find("saldix-suite connection trust stb"), std::string::npos)
      << ftp.FehlerText();
  EXPECT_NE(ftp.FehlerText().find(server_->HostKeyFingerprint()), std::string::npos)
      << ftp.FehlerText();
  EXPECT_FALSE(fs::exists(ftp.KnownHostsDatei()));

  std::string type, fingerprint;
  ASSERT_TRUE(ftp.HostKeyVertrauen(false, type, fingerprint)) << ftp.FehlerText();
  EXPECT_EQ(type, "ssh-ed25519");
  EXPECT_EQ(fingerprint, server_->HostKeyFingerprint());
  EXPECT_NE(ReadAll(ftp.KnownHostsDatei()).find("[127.0.0.1]:" + std::to_string(server_->Port())),
            std::string::npos);
  EXPECT_TRUE(ftp.Connect()) << ftp.FehlerText();
}

TEST_F(SftpTransfer, UploadListAndReplaceInAnAbsoluteDirectory) {
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(Entry()));
  std::string type, fingerprint;
  ASSERT_TRUE(ftp.HostKeyVertrauen(false, type, fingerprint)) << ftp.FehlerText();
  ASSERT_TRUE(ftp.Connect()) << ftp.FehlerText();
  ASSERT_TRUE(ftp.ChangeDirVerbindung()) << ftp.FehlerText();

  std::string big(4 << 20, 'x');
  const auto local = LocalFile("his.txt", big);
  const fs::path final = remote_ / "HIS Export.txt";
  bool finalSeenEarly = false;
  bool sawTemporary = false;
  ftp.OnFortschritt = [&](std::int64_t sent, std::int64_t total) {
    if (sent > 0 && sent < total) {
      finalSeenEarly = finalSeenEarly || fs::exists(final);
      for (const auto& e : fs::directory_iterator(remote_)) {
        sawTemporary = sawTemporary || e.path().extension() == ".part";
      }
    }
    return true;
  };
  ASSERT_TRUE(ftp.Upload(local, "HIS Export.txt")) << ftp.FehlerText();
  EXPECT_FALSE(finalSeenEarly);
  EXPECT_TRUE(sawTemporary);
  EXPECT_EQ(ReadAll(final), big);

  // SFTP does not rename onto an existing file by itself: a replacement must still work.
  ftp.OnFortschritt = nullptr;
  ASSERT_TRUE(ftp.Upload(LocalFile("klein.txt", "BUCH;1\r\n"), "HIS Export.txt"))
      << ftp.FehlerText();
  EXPECT_EQ(ReadAll(final), "BUCH;1\r\n");

  std::vector<std::string> names;
  ASSERT_TRUE(ftp.List(names)) << ftp.FehlerText();
  EXPECT_EQ(names, std::vector<std::string>{"HIS Export.txt"});
}

TEST_F(SftpTransfer, AChangedHostKeyIsRefusedAndReplacedOnlyWhenAsked) {
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(Entry()));
  // Another key on record for this host and port, as after a server was swapped.
  std::string blob;
  std::istringstream pub(ReadAll(server_->ForeignKey() + ".pub"));
  std::string kind, base64;
  pub >> kind >> base64;
  ASSERT_TRUE(Base64Decode(base64, blob));
  KnownHostsEintragen(ftp.KnownHostsDatei(), "127.0.0.1", server_->Port(), blob);

  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::HostKeyGeaendert) << ftp.FehlerText();
  std::string type, fingerprint;
  EXPECT_FALSE(ftp.HostKeyVertrauen(false, type, fingerprint));
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::HostKeyGeaendert);
  ASSERT_TRUE(ftp.HostKeyVertrauen(true, type, fingerprint)) << ftp.FehlerText();
  EXPECT_EQ(fingerprint, server_->HostKeyFingerprint());
  EXPECT_TRUE(ftp.Connect()) << ftp.FehlerText();
  // The replaced line is gone, not kept beside the new one.
  EXPECT_EQ(ReadAll(ftp.KnownHostsDatei()).find(base64), std::string::npos);
}

TEST_F(SftpTransfer, AForeignKeyIsRefusedAndAMissingDirectoryNamed) {
  auto entry = Entry();
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  std::string type, fingerprint;
  ASSERT_TRUE(ftp.HostKeyVertrauen(false, type, fingerprint)) << ftp.FehlerText();

  entry.Schluesseldatei = server_->ForeignKey();
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::AnmeldungAbgelehnt) << ftp.FehlerText();

  entry.Schluesseldatei = server_->UserKey();
  entry.Verzeichnis = (remote_ / "fehlt").string();
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  ASSERT_TRUE(ftp.Connect()) << ftp.FehlerText();
  EXPECT_FALSE(ftp.ChangeDirVerbindung());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::VerzeichnisFehlt) << ftp.FehlerText();
}

TEST(HostKeyFingerprint, MatchesTheKnownDigestOfAShortText) {
  // SHA-256("abc") from FIPS 180-2, as Base64 without padding.
  EXPECT_EQ(HostKeyFingerprint("abc"), "SHA256:ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0");
  const std::string bytes("\x01\x02\xff\x00z", 5);
  std::string decoded;
  ASSERT_TRUE(Base64Decode(Base64(bytes), decoded));
  EXPECT_EQ(decoded, bytes);
  EXPECT_EQ(Base64("ab"), "YWI=");
  EXPECT_FALSE(Base64Decode("a*b", decoded));
}

}  // namespace
