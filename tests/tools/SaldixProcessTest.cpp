// The built saldix program as the administrator runs it: real processes on a real suite
// file, with the database locked by another connection, a file system that takes no more
// bytes, and files that are no suite at all.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "suite/MenuLog.h"
#include "suite/SuiteDatabase.h"
#include "suite/db/SqliteStorage.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"
#include "support/DemoBuchungen.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  bool signaled = false;
  int signal = 0;
  int code = -1;
  std::string err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Runs saldix with args on the suite db; fileLimit > 0 caps the bytes of every file the
// child writes, as a full file system would (the signal is ignored, writes then fail).
Outcome RunSaldix(const fs::path& db, const fs::path& home, const std::vector<std::string>& args,
                  rlim_t fileLimit = 0, const std::string& wartezeit = "300") {
  const fs::path errFile = home / "stderr.txt";
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("SALDIX_DB", db.c_str(), 1);
    setenv("SALDIX_HOME", home.c_str(), 1);
    setenv("SALDIX_DB_WARTEZEIT", wartezeit.c_str(), 1);
    unsetenv("SALDIX_RECHNER");
    std::FILE* err = std::freopen(errFile.c_str(), "w", stderr);
    if (!err) _exit(120);
    if (fileLimit > 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{fileLimit, fileLimit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(121);
    }
    std::vector<char*> argv{const_cast<char*>(SALDIX_BINARY)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(SALDIX_BINARY, argv.data());
    _exit(122);
  }
  Outcome outcome;
  int status = 0;
  const auto start = std::chrono::steady_clock::now();
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60)) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      ADD_FAILURE() << "saldix did not end within a minute";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  outcome.signaled = WIFSIGNALED(status);
  outcome.signal = outcome.signaled ? WTERMSIG(status) : 0;
  outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.err = ReadAll(errFile);
  return outcome;
}

const std::vector<std::string> kNovember{"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026"};

// A demo suite with November 2026 open, set up in-process and then closed: every run is
// a process of its own on the file.
class SaldixProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    exportDir = suite.Dir() / "export";
    DemoBuchungenAnlegen(exportDir);
    SuiteDatabase::Close();  // the last connection: the file holds everything
  }

  fs::path Db() const { return suite.DbPath(); }
  fs::path Home() const { return suite.Dir(); }

  // Opens the suite in this process for a look (closed again by the caller or TestSuite).
  suitedb::Connection& Open() {
    if (!SuiteDatabase::IsOpen()) SuiteDatabase::Open(Db().string(), false);
    return SuiteDatabase::Get();
  }
  int Number(const std::string& sql) {
    auto stmt = Open().Prepare(sql);
    return stmt->Step() ? static_cast<int>(stmt->Int(0)) : -1;
  }
  int OpenNovember() {
    return Number(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND "
        "export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46357");
  }
  std::vector<fs::path> ExportFiles() const {
    std::vector<fs::path> files;
    if (!fs::exists(exportDir)) return files;
    for (const auto& entry : fs::directory_iterator(exportDir)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    return files;
  }

  TestSuite suite;
  fs::path exportDir;
};

TEST_F(SaldixProcess, ALockedDatabaseEndsWithExitOneAndAMessageNotAnAbort) {
  const int open = OpenNovember();
  ASSERT_GT(open, 0);
  auto holder = Open().OpenAnother();
  SuiteDatabase::Close();
  holder->Begin();  // another workstation holds the write lock for the whole run

  const Outcome outcome = RunSaldix(Db(), Home(), kNovember);
  holder->Rollback();
  holder.reset();

  EXPECT_FALSE(outcome.signaled) << "signal " << outcome.signal << "\n" << outcome.err;
  EXPECT_EQ(outcome.code, 1) << outcome.err;
  // The log could not take the lines: stderr has them, with the reason.
  EXPECT_TRUE(Contains(outcome.err, "Menüprotokoll nicht geschrieben")) << outcome.err;
  EXPECT_TRUE(Contains(outcome.err, "locked")) << outcome.err;
  EXPECT_TRUE(Contains(outcome.err, "Automatischer Fibu-Export wurde gestartet")) << outcome.err;
  EXPECT_EQ(OpenNovember(), open);
  EXPECT_TRUE(ExportFiles().empty());
}

TEST_F(SaldixProcess, AFullFileSystemAtAnyPointEndsWithAnAnswerNotAnAbort) {
  const fs::path original = Home() / "original.db";
  fs::copy_file(Db(), original);
  int failures = 0;
  // From "nothing can be written" to "the whole run fits", in steps of 4 KiB.
  for (rlim_t kib = 8; kib <= 160; kib += 4) {
    SCOPED_TRACE("file size limit " + std::to_string(kib) + " KiB");
    SuiteDatabase::Close();
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(Db().string() + suffix);
    fs::copy_file(original, Db());
    fs::remove_all(exportDir);

    const Outcome outcome = RunSaldix(Db(), Home(), kNovember, kib * 1024);
    EXPECT_FALSE(outcome.signaled) << "signal " << outcome.signal << "\n" << outcome.err;
    ASSERT_TRUE(outcome.code == 0 || outcome.code == 1) << outcome.code << "\n" << outcome.err;
    // A suite that cannot be read for want of space is still a suite.
    EXPECT_FALSE(Contains(outcome.err, "keine Suite-Datenbank")) << outcome.err;
    if (outcome.code == 0) continue;
    ++failures;
    // A failed run says why: in the menu log, or on stderr when the log took nothing.
    Open();
    bool logged = false;
    for (const auto& line : MenuLog_Tail(5)) logged = logged || Contains(line.text, "Abbruch");
    EXPECT_TRUE(logged || !outcome.err.empty()) << outcome.err;
  }
  EXPECT_GT(failures, 0) << "no limit was small enough to make the run fail";
}

TEST_F(SaldixProcess, AFileThatIsNoSuiteIsReportedAndLeftAsItWas) {
  const fs::path leer = Home() / "leer.db";
  std::ofstream(leer, std::ios::binary).flush();
  const fs::path muell = Home() / "muell.db";
  std::ofstream(muell, std::ios::binary) << std::string(5000, 'x');
  const fs::path fremd = Home() / "fremd.db";
  {
    suitedb::SqliteOptions options;
    options.create = true;
    auto other = suitedb::OpenSqlite(fremd.string(), options);
    other->ExecuteScript("PRAGMA journal_mode=DELETE; CREATE TABLE kunden (nr INTEGER);");
    other->SetSchemaVersion(3);
  }
  for (const auto& file : {leer, muell, fremd}) {
    SCOPED_TRACE(file.filename().string());
    const std::string before = ReadAll(file);
    const Outcome outcome = RunSaldix(file, Home(), kNovember);
    EXPECT_FALSE(outcome.signaled) << outcome.err;
    EXPECT_EQ(outcome.code, 1) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, "ist keine Suite-Datenbank")) << outcome.err;
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_FALSE(fs::exists(file.string() + "-wal"));
  }
}

// DATEV 510 and 700 share their profile: a 510 run must leave the 700's exchange of
// debit and credit in place.
TEST_F(SaldixProcess, A510RunLeavesThe700ExchangeOfDebitAndCredit) {
  const auto setze700 = [&](bool tauschen) {
    Open();
    TFibuExporter_Datev_700 v700;
    v700.Init();
    v700.SetSollHabenTauschen(tauschen);
    v700.Config_Save("");
    v700.Done();
    SuiteDatabase::Close();
  };
  // The S/H marks of the booking lines of the one file the last run wrote.
  const auto kennzeichen = [&]() {
    const auto files = ExportFiles();
    EXPECT_EQ(files.size(), 1u);
    std::string marks;
    if (files.size() != 1) return marks;
    std::istringstream in(ReadAll(files.front()));
    std::string line;
    for (int n = 0; std::getline(in, line); ++n) {
      if (n < 2) continue;  // header and column names
      const auto first = line.find(';');
      marks += line.substr(first + 1, line.find(';', first + 1) - first - 1);
    }
    fs::remove(files.front());
    return marks;
  };

  setze700(true);
  // A 510 run that finds nothing (December is empty) still saves the shared profile.
  Outcome outcome = RunSaldix(Db(), Home(), {"-MAND:1", "-VDATUM:01122026", "-BDATUM:31122026",
                                             "-EXPORTER:DATEV1.4"});
  EXPECT_FALSE(outcome.signaled) << outcome.err;
  outcome = RunSaldix(Db(), Home(), kNovember);
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  const std::string getauscht = kennzeichen();
  ASSERT_FALSE(getauscht.empty());

  // The same bookings again, open once more and exported without the exchange.
  Open().ExecuteScript(
      "DELETE FROM fbex WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = 2026 AND "
      "abr_nr = (SELECT MAX(abr_nr) FROM fbde "
      "WHERE firma1 = 1 AND abr_jahr = 2026);"
      "UPDATE fbde SET abr_jahr = 0, abr_nr = 0 WHERE firma1 = 1 AND firma2 = 1 AND "
      "abr_jahr = 2026 AND abr_nr = (SELECT MAX(abr_nr) FROM fbde WHERE firma1 = 1 AND "
      "abr_jahr = 2026);");
  SuiteDatabase::Close();
  setze700(false);
  outcome = RunSaldix(Db(), Home(), kNovember);
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  const std::string gerade = kennzeichen();

  ASSERT_EQ(getauscht.size(), gerade.size());
  for (std::size_t i = 0; i < gerade.size(); ++i) {
    if (gerade[i] == '"') continue;
    EXPECT_NE(getauscht[i], gerade[i]) << "line " << i / 3 + 1 << " was not exchanged";
  }
}

}  // namespace
