#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "suite/db/Schema.h"
#include "suite/db/SqliteStorage.h"
#include "suite/transfer/InetVerbindung.h"
#include "suitetool/SuiteTool.h"
#include "support/LocalServers.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

using suitetool::kExitFailure;
using suitetool::kExitOk;
using suitetool::kExitUsage;

struct Result {
  int code;
  std::string out;
  std::string err;
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int Lines(const std::string& text) {
  int n = 0;
  for (const char c : text) n += c == '\n';
  return n;
}

class ConnectionCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Run({"init"}).code, kExitOk); }

  Result Run(std::vector<std::string> args) {
    args.push_back("--db");
    args.push_back((suite_.Dir() / "tool.db").string());
    std::ostringstream out, err;
    suitetool::ToolContext context{out, err, false};
    const int code = suitetool::RunSuiteTool(args, context);
    return {code, out.str(), err.str()};
  }

  // Everything the tool's database keeps as text in its logs.
  std::string LogText() {
    const auto result = Run({"log", "--tail", "1000"});
    return result.out;
  }

  TestSuite suite_;
};

TEST_F(ConnectionCommand, WrongUseExitsWithTwoAndStoresNothing) {
  const std::vector<std::vector<std::string>> wrong = {
      {"connection"},
      {"connection", "rename", "x"},
      {"connection", "add", "x", "--protocol", "gopher", "--host", "h", "--user", "u", "--password",
       "p"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--user", "u"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--user", "u", "--password",
       "p", "--key", "k"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--user", "u", "--key", "k"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h/evil", "--user", "u",
       "--password", "p"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--port", "70000", "--user",
       "u", "--password", "p"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--user", "u", "--password",
       "p", "--passive", "--active"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--user", "u", "--password",
       "p", "--timeout", "0"},
      {"connection", "add", "x", "--protocol", "ftp", "--host", "h", "--user", "u", "--password",
       "p", "--ca", "ca.pem"},
      {"connection", "list", "--host", "h"},
      {"connection", "test"},
      {"connection", "trust", "x", "--fingerprint", "MD5:aa"},
  };
  for (const auto& args : wrong) {
    const auto result = Run(args);
    EXPECT_EQ(result.code, kExitUsage) << args.back() << ": " << result.err;
  }
  EXPECT_TRUE(Contains(Run({"connection", "list"}).out, "(keine Verbindungen)"));
}

TEST_F(ConnectionCommand, FtpEntryIsTestedAgainstARealServerAndItsPasswordNeverShown) {
  const auto root = suite_.Dir() / "ftproot";
  LocalFtpServer server(suite_.Dir() / "ftp", root, "kunde", "geheim123");
  fs::create_directories(root / "import");
  std::ofstream(root / "import" / "alt.csv") << "x";
  const std::string port = std::to_string(server.Port());

  auto result = Run({"connection", "add", "steuer", "--protocol", "ftp", "--host", "127.0.0.1",
                     "--port", port, "--user", "kunde", "--password", "geheim123", "--dir",
                     "import", "--timeout", "5"});
  ASSERT_EQ(result.code, kExitOk) << result.err;
  result = Run({"connection", "test", "steuer"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "in Ordnung")) << result.out;
  EXPECT_TRUE(Contains(result.out, "1 Einträgen")) << result.out;

  result = Run({"connection", "add", "steuer", "--protocol", "ftp", "--host", "127.0.0.1", "--user",
                "kunde", "--password", "anders"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "gibt es bereits")) << result.err;

  ASSERT_EQ(Run({"connection", "add", "falsch", "--protocol", "ftp", "--host", "127.0.0.1",
                 "--port", port, "--user", "kunde", "--password", "nicht-geheim"})
                .code,
            kExitOk);
  result = Run({"connection", "test", "falsch"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_EQ(Lines(result.err), 1) << result.err;
  EXPECT_TRUE(Contains(result.err, "Anmeldung von \"kunde\" abgelehnt")) << result.err;

  ASSERT_EQ(Run({"connection", "add", "ohne-dir", "--protocol", "ftp", "--host", "127.0.0.1",
                 "--port", port, "--user", "kunde", "--password", "geheim123", "--dir", "fehlt"})
                .code,
            kExitOk);
  result = Run({"connection", "test", "ohne-dir"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "Verzeichnis \"fehlt\"")) << result.err;

  result = Run({"connection", "trust", "steuer"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "nur bei SFTP")) << result.err;

  result = Run({"connection", "list"});
  EXPECT_EQ(result.code, kExitOk);
  EXPECT_TRUE(Contains(result.out, "***"));
  for (const auto& text : {result.out, LogText()}) {
    EXPECT_FALSE(Contains(text, "geheim123")) << text;
    EXPECT_FALSE(Contains(text, "nicht-geheim")) << text;
  }

  // A password from standard input never appears on the command line.
  std::istringstream input("geheim123\n");
  auto* old = std::cin.rdbuf(input.rdbuf());
  result = Run({"connection", "add", "stdin", "--protocol", "ftp", "--host", "127.0.0.1",
                "--port", port, "--user", "kunde", "--password", "-"});
  std::cin.rdbuf(old);
  ASSERT_EQ(result.code, kExitOk) << result.err;
  EXPECT_EQ(Run({"connection", "test", "stdin"}).code, kExitOk);

  EXPECT_EQ(Run({"connection", "remove", "falsch"}).code, kExitOk);
  EXPECT_EQ(Run({"connection", "remove", "falsch"}).code, kExitFailure);
  EXPECT_FALSE(Contains(Run({"connection", "list"}).out, "falsch"));
}

TEST_F(ConnectionCommand, SftpEntryNeedsTrustBeforeItsTestSucceeds) {
  LocalSshServer server(suite_.Dir() / "ssh");
  const auto remote = suite_.Dir() / "remote";
  fs::create_directories(remote);
  const std::string port = std::to_string(server.Port());
  auto result =
      Run({"connection", "add", "stb", "--protocol", "sftp", "--host", "127.0.0.1", "--port", port,
           "--user", server.User(), "--key", server.UserKey(), "--dir", remote.string()});
  ASSERT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "connection trust stb"));

  result = Run({"connection", "test", "stb"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_EQ(Lines(result.err), 1) << result.err;
  EXPECT_TRUE(Contains(result.err, "saldix-suite connection trust stb")) << result.err;

  result = Run({"connection", "trust", "stb", "--fingerprint", "SHA256:nicht-dieser"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_FALSE(fs::exists(suite_.Dir() / "known_hosts"));

  result = Run({"connection", "trust", "stb", "--fingerprint", server.HostKeyFingerprint()});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, server.HostKeyFingerprint())) << result.out;
  result = Run({"connection", "test", "stb"});
  EXPECT_EQ(result.code, kExitOk) << result.err;

  ASSERT_EQ(Run({"connection", "add", "fremd", "--protocol", "sftp", "--host", "127.0.0.1",
                 "--port", port, "--user", server.User(), "--key", server.ForeignKey()})
                .code,
            kExitOk);
  result = Run({"connection", "test", "fremd"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "abgelehnt")) << result.err;
  EXPECT_TRUE(Contains(Run({"connection", "list"}).out, "Schlüssel " + server.UserKey()));
}

TEST(ConnectionEntries, AnOlderDatabaseKeepsItsEntriesThroughTheMigration) {
  TestSuite suite;
  SuiteDatabase::Close();
  const auto path = (suite.Dir() / "alt.db").string();
  {
    // A database as the schema before connection entries had key files and time-outs.
    auto old = suitedb::OpenSqlite(path, {.create = true});
    for (const auto& step : suitedb::SuiteMigrations()) {
      if (step.version >= 7) break;
      old->ExecuteScript(step.script);
      old->SetSchemaVersion(step.version);
    }
    old->Prepare(
           "INSERT INTO inet_verbindungen (name, art, host, port, benutzer, passwort, "
           "verzeichnis, passiv) VALUES ('Steuerberater', 'SFTP', 'sftp.example', 0, 'u', 'p', "
           "'/in', 'N')")
        ->Run();
  }
  SuiteDatabase::Open(path);
  const auto read = TInetVerbindungen::Lesen("Steuerberater");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Protokoll, TInetProtokoll::SFTP);
  EXPECT_EQ(read->Host, "sftp.example");
  EXPECT_EQ(read->WirksamerPort(), 22);
  EXPECT_EQ(read->Passwort, "p");
  EXPECT_EQ(read->Verzeichnis, "/in");
  EXPECT_FALSE(read->Passiv);
  EXPECT_EQ(read->Zeitlimit, 60);

  // Renaming onto a taken name is refused; renaming otherwise moves the entry.
  auto v = *read;
  v.Name = "Zweiter";
  v.Protokoll = TInetProtokoll::FTPS;
  TInetVerbindungen::Speichern(v);
  v.Name = "Steuerberater";
  EXPECT_THROW(TInetVerbindungen::Aendern("Zweiter", v), std::invalid_argument);
  v.Name = "Dritter";
  EXPECT_TRUE(TInetVerbindungen::Aendern("Zweiter", v));
  EXPECT_FALSE(TInetVerbindungen::Vorhanden("Zweiter"));
  EXPECT_EQ(TInetVerbindungen::Lesen("Dritter")->Protokoll, TInetProtokoll::FTPS);
  v.Name = " vorne";
  EXPECT_THROW(TInetVerbindungen::Speichern(v), std::invalid_argument);
}

}  // namespace
