#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "suite/QTXInfo.h"
#include "suite/transfer/FTP_SFTP_Simple_Use.h"
#include "suite/transfer/QTXFtpComponent.h"
#include "support/LocalServers.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPasswort = "geheim123";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Files in dir whose name marks an unfinished upload.
int PartFiles(const fs::path& dir) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".part") ++count;
  }
  return count;
}

class FtpTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = suite_.Dir() / "ftproot";
    fs::create_directories(root_ / "export");
    server_ = std::make_unique<LocalFtpServer>(suite_.Dir() / "ftp", root_, "kunde", kPasswort);
  }

  TInetVerbindung Entry(const std::string& name = "steuer") const {
    TInetVerbindung v;
    v.Name = name;
    v.Host = "127.0.0.1";
    v.Port = server_->Port();
    v.Benutzer = "kunde";
    v.Passwort = kPasswort;
    v.Verzeichnis = "export";
    v.Zeitlimit = 10;
    return v;
  }

  // A local file of size bytes with a recognisable pattern.
  std::string LocalFile(const std::string& name, std::size_t size, char seed = 'a') const {
    const auto path = suite_.Dir() / name;
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>(seed + i % 23);
    std::ofstream(path, std::ios::binary) << data;
    return path.string();
  }

  TestSuite suite_;
  fs::path root_;
  std::unique_ptr<LocalFtpServer> server_;
};

TEST_F(FtpTransfer, UploadShowsTheFileOnlyUnderItsFinalNameAndListsIt) {
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(Entry()));
  bool connected = false;
  ftp.OnConnected = [&] { connected = true; };
  ASSERT_TRUE(ftp.Connect()) << ftp.FehlerText();
  EXPECT_TRUE(connected);
  ASSERT_TRUE(ftp.ChangeDirVerbindung()) << ftp.FehlerText();

  const auto local = LocalFile("fibu.csv", 8 << 20);
  const fs::path final = root_ / "export" / "Fibu 2024.csv";
  bool sawTemporary = false;
  bool finalSeenEarly = false;
  ftp.OnFortschritt = [&](std::int64_t sent, std::int64_t total) {
    if (sent > 0 && sent < total) {
      finalSeenEarly = finalSeenEarly || fs::exists(final);
      sawTemporary = sawTemporary || PartFiles(root_ / "export") == 1;
    }
    return true;
  };
  ASSERT_TRUE(ftp.Upload(local, "Fibu 2024.csv")) << ftp.FehlerText();
  EXPECT_TRUE(sawTemporary);
  EXPECT_FALSE(finalSeenEarly);
  EXPECT_EQ(ReadAll(final), ReadAll(local));
  EXPECT_EQ(PartFiles(root_ / "export"), 0);

  // A second upload of the same name replaces the first.
  const auto second = LocalFile("zweite.csv", 1000, 'k');
  ftp.OnFortschritt = nullptr;
  ASSERT_TRUE(ftp.Upload(second, "Fibu 2024.csv")) << ftp.FehlerText();
  EXPECT_EQ(ReadAll(final), ReadAll(second));

  std::vector<std::string> names;
  ASSERT_TRUE(ftp.List(names)) << ftp.FehlerText();
  EXPECT_EQ(names, std::vector<std::string>{"Fibu 2024.csv"});
  ASSERT_TRUE(ftp.Delete("Fibu 2024.csv")) << ftp.FehlerText();
  EXPECT_FALSE(fs::exists(final));
  ftp.Disconnect();
  EXPECT_FALSE(ftp.Connected());
}

TEST_F(FtpTransfer, WrongPasswordIsALoginRefusalThatNeverShowsThePassword) {
  auto entry = Entry();
  entry.Passwort = "falsch-987";
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  std::string failed;
  ftp.OnConnectionFailed = [&](const std::string& text) { failed = text; };
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::AnmeldungAbgelehnt);
  EXPECT_EQ(failed, ftp.FehlerText());
  EXPECT_NE(ftp.FehlerText().find("kunde"), std::string::npos) << ftp.FehlerText();
  for (const auto& r : QTXInfo().Registrations()) {
    EXPECT_EQ(r.text.find("falsch-987"), std::string::npos) << r.text;
  }
  EXPECT_EQ(ftp.FehlerText().find("falsch-987"), std::string::npos);
}

TEST_F(FtpTransfer, MissingDirectoryIsReportedAsSuchAndKeepsTheCurrentOne) {
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(Entry()));
  std::vector<TFtpFehlerArt> kinds;
  ftp.OnFailure = [&](TFtpFehlerArt kind, const std::string&) { kinds.push_back(kind); };
  ASSERT_TRUE(ftp.Connect()) << ftp.FehlerText();
  ASSERT_TRUE(ftp.ChangeDir("export"));
  EXPECT_FALSE(ftp.ChangeDir("gibt-es-nicht"));
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::VerzeichnisFehlt);
  EXPECT_NE(ftp.FehlerText().find("gibt-es-nicht"), std::string::npos) << ftp.FehlerText();
  EXPECT_EQ(kinds, std::vector<TFtpFehlerArt>{TFtpFehlerArt::Verzeichniswechsel});
  EXPECT_EQ(FtpFehlerArtText(0), "Fehler beim Wechseln des aktuellen Verzeichnisses");
  EXPECT_EQ(ftp.AktuellesVerzeichnis(), "export");

  // An upload into a directory that vanished fails and leaves nothing behind.
  fs::remove_all(root_ / "export");
  EXPECT_FALSE(ftp.Upload(LocalFile("x.csv", 100), "x.csv"));
  EXPECT_FALSE(fs::exists(root_ / "export"));
}

TEST_F(FtpTransfer, AServerThatNeverAnswersTimesOut) {
  // Accepts connections into its backlog but never greets.
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(listen(fd, 4), 0);
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);

  auto entry = Entry();
  entry.Port = ntohs(addr.sin_port);
  entry.Zeitlimit = 1;
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ftp.Connect());
  const auto took = std::chrono::steady_clock::now() - start;
  close(fd);
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::Zeitlimit) << ftp.FehlerText();
  EXPECT_LT(took, std::chrono::seconds(5));

  // Nothing listening at all: unreachable, not a time-out.
  entry.Port = FreePort();
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::NichtErreichbar) << ftp.FehlerText();
}

TEST_F(FtpTransfer, ServerStoppedMidUploadRetriesThenFailsWithoutAFinalFile) {
  TInetVerbindungen::Speichern(Entry());
  const auto local = LocalFile("fibu.csv", 16 << 20);
  TKWX_FTP_SFTP_Simple_Use transfer;
  transfer.SetWartezeitMs(20);
  std::vector<std::string> warnings, errors, infos;
  transfer.Protokoll = [&](TKWX_FTP_SFTP_Simple_Use::TLogArt kind, const std::string& text) {
    if (kind == TKWX_FTP_SFTP_Simple_Use::TLogArt::Warnung) warnings.push_back(text);
    if (kind == TKWX_FTP_SFTP_Simple_Use::TLogArt::Fehler) errors.push_back(text);
    if (kind == TKWX_FTP_SFTP_Simple_Use::TLogArt::Info) infos.push_back(text);
  };
  transfer.OnFortschritt = [&](std::int64_t sent, std::int64_t total) {
    if (sent > 0 && sent < total) server_->Kill();
    return true;
  };
  EXPECT_FALSE(transfer.UploadDatei(local, "steuer", "fibu.csv"));
  EXPECT_EQ(transfer.Versuche(), 5);
  ASSERT_EQ(warnings.size(), 4u);
  EXPECT_EQ(warnings[0], "Problem beim Upload von Datei " + local + "! Versuche es erneut.");
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors[0], "Giving up... Konnte die Datei " + local + " nicht hochladen!");
  EXPECT_EQ(infos.back(), "FTP-Verbindung geschlossen.");
  EXPECT_FALSE(transfer.FehlerText().empty());
  EXPECT_FALSE(fs::exists(root_ / "export" / "fibu.csv"));
}

TEST_F(FtpTransfer, AnUploadBrokenOffOnceSucceedsOnTheNextAttemptAndCleansUp) {
  TInetVerbindungen::Speichern(Entry());
  const auto local = LocalFile("fibu.csv", 16 << 20);
  TKWX_FTP_SFTP_Simple_Use transfer;
  transfer.SetWartezeitMs(20);
  bool killed = false;
  transfer.OnFortschritt = [&](std::int64_t sent, std::int64_t total) {
    if (!killed && sent > 0 && sent < total) {
      killed = true;
      server_->Kill();
    }
    return true;
  };
  int warnings = 0;
  transfer.Protokoll = [&](TKWX_FTP_SFTP_Simple_Use::TLogArt kind, const std::string&) {
    if (kind == TKWX_FTP_SFTP_Simple_Use::TLogArt::Warnung && ++warnings == 1) server_->Restart();
  };
  ASSERT_TRUE(transfer.UploadDatei(local, "steuer", "fibu.csv")) << transfer.FehlerText();
  EXPECT_EQ(transfer.Versuche(), 2);
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(ReadAll(root_ / "export" / "fibu.csv"), ReadAll(local));
  EXPECT_EQ(PartFiles(root_ / "export"), 0);
}

TEST_F(FtpTransfer, UnknownEntryAndUnreadableFileFailAtOnce) {
  TKWX_FTP_SFTP_Simple_Use transfer;
  transfer.SetWartezeitMs(0);
  EXPECT_FALSE(transfer.UploadDatei(LocalFile("a.csv", 10), "gibt-es-nicht"));
  EXPECT_EQ(transfer.Diagnose(), TFtpDiagnose::Konfiguration);

  TInetVerbindungen::Speichern(Entry());
  EXPECT_FALSE(transfer.UploadDatei((suite_.Dir() / "fehlt.csv").string(), "steuer"));
  EXPECT_EQ(transfer.Diagnose(), TFtpDiagnose::Dateifehler);
  EXPECT_EQ(transfer.Versuche(), 1);
  EXPECT_TRUE(fs::is_empty(root_ / "export"));

  // A refused login is not tried five times over.
  auto wrong = Entry("falsch");
  wrong.Passwort = "nicht-geheim";
  TInetVerbindungen::Speichern(wrong);
  EXPECT_FALSE(transfer.UploadDatei(LocalFile("b.csv", 10), "falsch"));
  EXPECT_EQ(transfer.Diagnose(), TFtpDiagnose::AnmeldungAbgelehnt);
  EXPECT_EQ(transfer.Versuche(), 1);
}

TEST(FtpProbe, APassiveEntryOnAServerWithoutPassiveModeSwitchesToActive) {
  TestSuite suite;
  const auto root = suite.Dir() / "root";
  LocalFtpServer server(suite.Dir() / "ftp", root, "kunde", kPasswort, {.ohnePassiv = true});
  TInetVerbindung entry;
  entry.Name = "aktiv";
  entry.Host = "127.0.0.1";
  entry.Port = server.Port();
  entry.Benutzer = "kunde";
  entry.Passwort = kPasswort;
  entry.Zeitlimit = 10;
  TInetVerbindungen::Speichern(entry);

  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.KonfigurierenAusEintrag("aktiv"));
  std::vector<bool> changes;
  ftp.OnAktivPassivWechsel = [&](bool toPassive) { changes.push_back(toPassive); };
  ASSERT_TRUE(ftp.Connect()) << ftp.FehlerText();
  ASSERT_TRUE(ftp.AktivPassivPruefen()) << ftp.FehlerText();
  EXPECT_EQ(changes, std::vector<bool>{false});
  EXPECT_FALSE(ftp.Passiv());
  EXPECT_FALSE(TInetVerbindungen::Lesen("aktiv")->Passiv);

  const auto local = suite.Dir() / "a.csv";
  std::ofstream(local) << "Konto;Betrag\r\n";
  ASSERT_TRUE(ftp.Upload(local.string(), "a.csv")) << ftp.FehlerText();
  EXPECT_EQ(ReadAll(root / "a.csv"), "Konto;Betrag\r\n");
}

TEST(Ftps, ASelfSignedCertificateIsNotTrustedAndAServerWithoutTlsRefused) {
  TestSuite suite;
  LocalFtpServer tls(suite.Dir() / "ftps", suite.Dir() / "root", "kunde", kPasswort, {.tls = true});
  TInetVerbindung entry;
  entry.Name = "tls";
  entry.Protokoll = TInetProtokoll::FTPS;
  entry.Host = "127.0.0.1";
  entry.Port = tls.Port();
  entry.Benutzer = "kunde";
  entry.Passwort = kPasswort;
  entry.Zeitlimit = 10;
  TQTXFtpComponent ftp;
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::ZertifikatUngueltig) << ftp.FehlerText();
  EXPECT_NE(ftp.FehlerText().find("Zertifikat"), std::string::npos) << ftp.FehlerText();

  // Plain FTP to the same server: it insists on TLS before the login.
  entry.Protokoll = TInetProtokoll::FTP;
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  EXPECT_FALSE(ftp.Connect());

  LocalFtpServer plain(suite.Dir() / "ftp", suite.Dir() / "root", "kunde", kPasswort);
  entry.Protokoll = TInetProtokoll::FTPS;
  entry.Port = plain.Port();
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(ftp.Diagnose(), TFtpDiagnose::ZertifikatUngueltig) << ftp.FehlerText();
  EXPECT_NE(ftp.FehlerText().find("TLS"), std::string::npos) << ftp.FehlerText();

  // With its certificate authority named in the entry the server is trusted. (Its data
  // connections are not tried here: this test server resets TLS data channels.)
  entry.Port = tls.Port();
  entry.Zertifikatsdatei = tls.Certificate();
  ASSERT_TRUE(ftp.Konfigurieren(entry));
  EXPECT_TRUE(ftp.Connect()) << ftp.FehlerText();
}

}  // namespace
