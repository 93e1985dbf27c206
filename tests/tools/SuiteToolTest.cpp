#include "suitetool/SuiteTool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/TestSuite.h"

namespace {

using suitetool::kExitFailure;
using suitetool::kExitOk;
using suitetool::kExitUsage;

struct Result {
  int code;
  std::string out;
  std::string err;
};

Result RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  suitetool::ToolContext context{out, err, false};
  const int code = suitetool::RunSuiteTool(args, context);
  return {code, out.str(), err.str()};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A temporary directory for the tool's own database; the fixture's stays unused.
class SuiteToolTest : public ::testing::Test {
 protected:
  std::string Db() const { return (suite_.Dir() / "tool.db").string(); }
  std::string File(const std::string& name, const std::string& content) const {
    const auto path = (suite_.Dir() / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  TestSuite suite_;
};

TEST_F(SuiteToolTest, EveryCommandHasHelpAndWrongUseExitsWithTwo) {
  for (const auto& command : suitetool::AllCommands()) {
    const auto result = RunTool({command->Name(), "--help"});
    EXPECT_EQ(result.code, kExitOk) << command->Name();
    EXPECT_TRUE(Contains(result.out, "Aufruf: saldix-suite " + command->Name())) << result.out;
    EXPECT_TRUE(Contains(result.out, "--db")) << command->Name();
  }
  EXPECT_EQ(RunTool({"--help"}).code, kExitOk);
  EXPECT_EQ(RunTool({}).code, kExitUsage);

  auto result = RunTool({"exportiere"});
  EXPECT_EQ(result.code, kExitUsage);
  EXPECT_TRUE(Contains(result.err, "unbekannter Befehl \"exportiere\""));

  result = RunTool({"journal", "--jahr", "2024"});
  EXPECT_EQ(result.code, kExitUsage);
  EXPECT_TRUE(Contains(result.err, "Unbekannte Option \"--jahr\""));

  EXPECT_EQ(RunTool({"log", "--tail"}).code, kExitUsage);
  EXPECT_EQ(RunTool({"log", "--tail", "viele"}).code, kExitUsage);
  EXPECT_EQ(RunTool({"demo", "--until", "2024-13", "--db", Db()}).code, kExitUsage);
  EXPECT_EQ(RunTool({"demo", "--bookings", "0", "--db", Db()}).code, kExitUsage);
  EXPECT_EQ(RunTool({"import", "fbde"}).code, kExitUsage);
  EXPECT_EQ(RunTool({"init", "überzählig", "--db", Db()}).code, kExitUsage);
}

TEST_F(SuiteToolTest, InitDemoJournalAndLogWorkThroughTheEnvironment) {
  setenv("SALDIX_DB", Db().c_str(), 1);
  auto result = RunTool({"init"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, Db()));

  result = RunTool({"demo", "--bookings", "800", "--until", "2025-03"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "800 Buchungen vom 01.03.2023 bis 28.02.2025")) << result.out;

  result = RunTool({"journal", "--client", "2", "--year", "2023"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "2 Südwind Service GmbH"));
  EXPECT_TRUE(Contains(result.out, "1/2023      01.07.2023 - 31.07.2023"));
  EXPECT_FALSE(Contains(result.out, "Nordlicht"));
  EXPECT_TRUE(Contains(result.out, "12 Abrechnungen")) << result.out;

  result = RunTool({"journal", "--year", "1999"});
  EXPECT_EQ(result.code, kExitOk);
  EXPECT_TRUE(Contains(result.out, "Keine Abrechnungen gefunden."));

  result = RunTool({"journal", "--client", "9"});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "Kurznummer 9"));

  // No lines asked for, none printed: not even the headings.
  result = RunTool({"log", "--tail", "0"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_EQ(result.out, "");

  result = RunTool({"log", "--tail", "2"});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "Automatischer Fibu-Export beendet"));
  // The refused journal call above is in the message log.
  EXPECT_TRUE(Contains(result.out, "saldix-suite.journal"));
  unsetenv("SALDIX_DB");
}

TEST_F(SuiteToolTest, ImportHelpListsTheTablesWithTheColumnsAFileMustGive) {
  const auto result = RunTool({"import", "--help"});
  EXPECT_EQ(result.code, kExitOk);
  EXPECT_TRUE(Contains(result.out, "Tabellen und ihre Pflichtspalten:\n")) << result.out;
  // A column with a default or assigned by the database is no duty.
  EXPECT_TRUE(Contains(result.out, "\n  menu_log: title, text, start_time, end_time, computer\n"))
      << result.out;
  EXPECT_TRUE(Contains(result.out, "\n  abrechnung_verlauf: firma1, firma2, abr_jahr, abr_nr, "
                                   "zustand, zeit\n"))
      << result.out;
}

TEST_F(SuiteToolTest, InitNeverTouchesAnExistingFileAndOtherCommandsNeedOne) {
  const std::string path = File("vorhanden.db", "wichtige Daten");
  auto result = RunTool({"init", "--db", path});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "existiert bereits"));
  std::ifstream in(path);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "wichtige Daten");

  result = RunTool({"journal", "--db", Db()});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "existiert nicht"));

  result = RunTool({"demo", "--db", path});
  EXPECT_EQ(result.code, kExitFailure);
}

TEST_F(SuiteToolTest, ImportReportsWhereAFileIsRefused) {
  ASSERT_EQ(RunTool({"init", "--db", Db()}).code, kExitOk);
  const std::string good = File("waehrungen.csv", "kuerzel,kurs\nGBP,1.17\nSEK,0.088\n");
  auto result = RunTool({"import", "waehrungen", good, "--db", Db()});
  EXPECT_EQ(result.code, kExitOk) << result.err;
  EXPECT_TRUE(Contains(result.out, "2 Datensätze"));

  const std::string bad = File("doppelt.csv", "kuerzel;kurs\nNOK;0,087\nGBP;1,18\n");
  result = RunTool({"import", "waehrungen", bad, "--db", Db()});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "Datei \"" + bad + "\", Zeile 3, Spalte \"kuerzel\""))
      << result.err;
  EXPECT_TRUE(Contains(result.err, "nichts importiert"));

  result = RunTool({"import", "waehrungen", File("fehlt.csv", ""), "--db", Db()});
  EXPECT_EQ(result.code, kExitFailure);
  result = RunTool({"import", "waehrungen", (suite_.Dir() / "gibtsnicht.csv").string(), "--db", Db()});
  EXPECT_EQ(result.code, kExitFailure);
  EXPECT_TRUE(Contains(result.err, "kann nicht gelesen werden"));
}

}  // namespace
