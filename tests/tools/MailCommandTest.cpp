// The mail settings as the administrator keeps them, and the unattended "-VERSAND" run of
// the built program, against a real SMTP server on loopback.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <regex>
#include <sstream>

#include "suite/DateTime.h"
#include "suite/MenuLog.h"
#include "suite/SuiteDatabase.h"
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

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class MailCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Run({"init"}).code, kExitOk);
    ASSERT_EQ(Run({"demo", "--bookings", "1500"}).code, kExitOk);
  }

  fs::path Db() const { return suite_.Dir() / "tool.db"; }

  Result Run(std::vector<std::string> args) {
    args.push_back("--db");
    args.push_back(Db().string());
    std::ostringstream out, err;
    suitetool::ToolContext context{out, err, false};
    const int code = suitetool::RunSuiteTool(args, context);
    return {code, out.str(), err.str()};
  }

  std::vector<std::string> Set(const LocalSmtpServer& server) const {
    return {"mail",      "set",
            "--client",  "1",
            "--host",    "127.0.0.1",
            "--port",    std::to_string(server.Port()),
            "--tls",     "none",
            "--from",    "fibu@demo.example",
            "--to",      "berater@kanzlei.example",
            "--timeout", "10"};
  }

  // The built program in a process of its own on the tool's database; its exit code.
  int Saldix(const std::string& args) {
    SuiteDatabase::Close();  // the child is the only one writing
    const std::string command = "SALDIX_DB='" + Db().string() + "' SALDIX_HOME='" +
                                suite_.Dir().string() + "' timeout 120 " + SALDIX_BINARY + " " +
                                args + " 2>'" + (suite_.Dir() / "stderr.txt").string() + "'";
    const int status = std::system(command.c_str());
    SuiteDatabase::Open(Db().string(), false);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::vector<fs::path> ExportFiles() const {
    std::vector<fs::path> files;
    if (!fs::exists(suite_.Dir() / "export")) return files;
    for (const auto& e : fs::directory_iterator(suite_.Dir() / "export")) {
      if (e.is_regular_file()) files.push_back(e.path());
    }
    return files;
  }

  std::string MenuLog() {
    std::string text;
    for (const auto& line : MenuLog_Tail(30)) text += line.text + "\n";
    return text;
  }

  TestSuite suite_;
};

TEST_F(MailCommand, WrongUseExitsWithTwoAndStoresNothing) {
  std::vector<std::vector<std::string>> wrong = {
      {"mail"},
      {"mail", "send", "--client", "1"},
      {"mail", "set", "--host", "h", "--tls", "none", "--from", "a@b.de", "--to", "c@d.de"},
      {"mail", "set", "--client", "1", "--host", "h", "--tls", "ssl", "--from", "a@b.de", "--to",
       "c@d.de"},
      {"mail", "set", "--client", "1", "--host", "h", "--tls", "none", "--from", "a@b.de", "--to",
       "c@d.de", "--password", "p"},
      {"mail", "set", "--client", "1", "--host", "h", "--tls", "none", "--from", "a@b.de", "--to",
       "c@d.de", "--user", "u"},
      {"mail", "set", "--client", "1", "--host", "h", "--tls", "none", "--from", "kein-at", "--to",
       "c@d.de"},
      {"mail", "set", "--client", "1", "--host", "h", "--tls", "none", "--from", "a@b.de", "--to",
       "c@d.de", "--subject", "x\nBcc: e@f.de"},
      {"mail", "show", "--host", "h"},
      {"mail", "test"},
  };
  // A body written in Windows-1252 would arrive garbled as UTF-8.
  const auto ansi = suite_.Dir() / "ansi.txt";
  std::ofstream(ansi, std::ios::binary) << "Gr\xfc\xdf"
                                           "e\n";
  wrong.push_back({"mail", "set", "--client", "1", "--host", "h", "--tls", "none", "--from",
                   "a@b.de", "--to", "c@d.de", "--body-file", ansi.string()});
  for (const auto& args : wrong) {
    const auto result = Run(args);
    EXPECT_EQ(result.code, kExitUsage) << args.back() << ": " << result.err;
  }
  EXPECT_TRUE(Contains(Run({"mail", "show"}).out, "für keinen Mandanten"))
      << Run({"mail", "show"}).out;
  const auto unknown = Run({"mail", "show", "--client", "99"});
  EXPECT_EQ(unknown.code, kExitFailure);
}

TEST_F(MailCommand, SettingsAreTestedAgainstARealServerAndThePasswordNeverShown) {
  LocalSmtpServer server(suite_.Dir() / "smtp", {"kunde", "geheim123", {}, ""});
  auto args = Set(server);
  args.insert(args.end(),
              {"--user", "kunde", "--password", "-", "--subject", "Buchungen #ABRNUMMER#"});
  std::istringstream input("geheim123\n");
  auto* old = std::cin.rdbuf(input.rdbuf());
  auto result = Run(args);
  std::cin.rdbuf(old);
  ASSERT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "unverschlüsselt")) << result.out;

  result = Run({"mail", "test", "--client", "1"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  ASSERT_EQ(server.Mails().size(), 1u);
  EXPECT_EQ(server.Mails()[0].envelopeTo, std::vector<std::string>{"berater@kanzlei.example"});
  EXPECT_TRUE(Contains(server.Mails()[0].subject, "Testmail")) << server.Mails()[0].subject;

  // Set again without the password: the same user keeps it, the subject stays.
  args = Set(server);
  args.insert(args.end(), {"--user", "kunde"});
  ASSERT_EQ(Run(args).code, kExitOk);
  EXPECT_EQ(Run({"mail", "test", "--client", "1"}).code, kExitOk);
  EXPECT_EQ(server.Mails().size(), 2u);

  args = Set(server);
  args.insert(args.end(), {"--user", "kunde", "--password", "falsch"});
  ASSERT_EQ(Run(args).code, kExitOk);
  result = Run({"mail", "test", "--client", "1"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "Anmeldung von \"kunde\" abgelehnt")) << result.err;

  result = Run({"mail", "show", "--client", "1"});
  EXPECT_TRUE(Contains(result.out, "Buchungen #ABRNUMMER#")) << result.out;
  EXPECT_TRUE(Contains(result.out, "***")) << result.out;
  for (const auto& text :
       {result.out, Run({"mail", "show"}).out, Run({"log", "--tail", "1000"}).out}) {
    EXPECT_FALSE(Contains(text, "geheim123")) << text;
    EXPECT_FALSE(Contains(text, "falsch\n")) << text;
  }

  server.Stop();
  result = Run({"mail", "test", "--client", "1"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "nicht erreichbar")) << result.err;
}

TEST_F(MailCommand, AnUnattendedRunExportsAndMailsTheDatevFile) {
  LocalSmtpServer server(suite_.Dir() / "smtp");
  ASSERT_EQ(Run(Set(server)).code, kExitOk);

  EXPECT_EQ(Saldix("-MAND:1 -MONAT:V -VERSAND"), 0)
      << ReadAll(suite_.Dir() / "stderr.txt") << MenuLog();
  const auto files = ExportFiles();
  ASSERT_EQ(files.size(), 1u) << MenuLog();
  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 1u) << MenuLog();
  ASSERT_EQ(mails[0].attachments.size(), 1u);
  EXPECT_EQ(mails[0].attachments[0].name, files[0].filename().string());
  EXPECT_EQ(mails[0].attachments[0].data, ReadAll(files[0]));
  // The default subject, with the settlement number and today filled in.
  EXPECT_TRUE(std::regex_match(mails[0].subject,
                               std::regex("Export [0-9]+/20[0-9]{2} vom " + DateToStr(qtx_Date()))))
      << mails[0].subject;
  EXPECT_TRUE(Contains(MenuLog(), "Die Mail wurde an berater@kanzlei.example versandt"))
      << MenuLog();
}

TEST_F(MailCommand, WithoutMailSettingsTheRunStillExportsAndLogsThatNoMailWasSent) {
  EXPECT_EQ(Saldix("-MAND:1 -MONAT:V -versand"), 4) << ReadAll(suite_.Dir() / "stderr.txt");
  EXPECT_EQ(ExportFiles().size(), 1u) << MenuLog();
  const std::string log = MenuLog();
  EXPECT_TRUE(Contains(log, "erfolgreich exportiert")) << log;
  EXPECT_TRUE(Contains(log,
                       "Die Exportdatei wurde erstellt, aber nicht per Mail versandt. Der "
                       "Mailversand ist nicht eingerichtet"))
      << log;
  // The settlement stands: the same month has nothing left to export.
  EXPECT_EQ(Saldix("-MAND:1 -MONAT:V -VERSAND"), 3);  // nothing left to export
  EXPECT_EQ(ExportFiles().size(), 1u);
}

}  // namespace
