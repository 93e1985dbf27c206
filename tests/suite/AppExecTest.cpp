// The launcher with real child processes: small shell scripts written here stand in for
// the programs it starts.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "suite/AppExec.h"
#include "suite/ProgrammLauf.h"

namespace fs = std::filesystem;

namespace {

class AppExec : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("appexec_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "bin");
    alterPfad_ = std::getenv("PATH") ? std::getenv("PATH") : "";
  }
  void TearDown() override {
    ::setenv("PATH", alterPfad_.c_str(), 1);
    SetProgrammLaufAnzeige(nullptr);
    fs::remove_all(dir_);
  }

  std::string Skript(const fs::path& pfad, const std::string& rumpf, bool ausfuehrbar = true) {
    std::ofstream(pfad) << "#!/bin/sh\n" << rumpf << "\n";
    ::chmod(pfad.c_str(), ausfuehrbar ? 0755 : 0644);
    return pfad.string();
  }
  // A PATH that holds the shell's tools but, unless asked, no wine.
  void PfadOhneWine() { ::setenv("PATH", (dir_ / "bin").string().append(":/usr/bin:/bin").c_str(), 1); }

  fs::path dir_;
  std::string alterPfad_;
};

TEST_F(AppExec, RunsInItsDirectoryWithArgumentsUntouchedByAnyShell) {
  fs::create_directories(dir_ / "arbeit");
  const auto programm = Skript(dir_ / "prog.sh",
                               "pwd; for a in \"$@\"; do echo \"[$a]\"; done; echo fehler >&2; "
                               "exit 3");
  TAppExec exec;
  exec.SetProgramm(programm);
  exec.SetStartVerzeichnis((dir_ / "arbeit").string());
  exec.SetParameter({"a b", "$(touch boese); `touch boese`", "x;y"});
  EXPECT_EQ(exec.Ausfuehren(), 3);
  EXPECT_EQ(exec.Ausgabe(), (dir_ / "arbeit").string() +
                                "\n[a b]\n[$(touch boese); `touch boese`]\n[x;y]\nfehler\n");
  EXPECT_FALSE(fs::exists(dir_ / "arbeit" / "boese"));
  EXPECT_FALSE(exec.Abgebrochen());
}

TEST_F(AppExec, OutputArrivesWhileTheProgramRunsAndTheExitCodeAtItsEnd) {
  const auto programm = Skript(dir_ / "prog.sh", "echo eins; sleep 0.3; echo zwei; exit 0");
  TAppExec exec;
  exec.SetProgramm(programm);
  ASSERT_TRUE(exec.Starten());
  std::string erstes;
  while (erstes.empty() && exec.Warten(20)) erstes = exec.NeueAusgabe();
  EXPECT_EQ(erstes, "eins\n");
  EXPECT_EQ(exec.Ergebnis(), -1);  // still running
  while (exec.Warten(20)) {
  }
  EXPECT_EQ(exec.NeueAusgabe(), "zwei\n");
  EXPECT_EQ(exec.Ergebnis(), 0);
}

TEST_F(AppExec, CancelEndsAHangingProgramAndWhatItStarted) {
  const auto merker = dir_ / "kind.pid";
  const auto programm =
      Skript(dir_ / "prog.sh", "sleep 60 & echo $! > '" + merker.string() + "'; echo bereit; wait");
  TAppExec exec;
  exec.SetProgramm(programm);
  ASSERT_TRUE(exec.Starten());
  while (exec.Ausgabe().empty() && exec.Warten(20)) {
  }
  const auto start = std::chrono::steady_clock::now();
  exec.Abbrechen();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(exec.Laeuft());
  EXPECT_TRUE(exec.Abgebrochen());
  EXPECT_EQ(exec.Ergebnis(), -1);
  int kind = 0;
  std::ifstream(merker) >> kind;
  ASSERT_GT(kind, 0);
  // The grandchild was in the program's process group and is gone (at most a zombie of
  // init). The kill reaches it asynchronously: give it a moment to die.
  const auto zustand = [kind] {
    std::ifstream status("/proc/" + std::to_string(kind) + "/status");
    std::string zeile, gefunden;
    while (std::getline(status, zeile)) {
      if (zeile.rfind("State:", 0) == 0) gefunden = zeile;
    }
    return gefunden;
  };
  const auto beendet = [&] {
    const std::string z = zustand();
    return z.empty() || z.find('Z') != std::string::npos;
  };
  const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!beendet() && std::chrono::steady_clock::now() < frist) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(beendet()) << zustand();
}

TEST_F(AppExec, AProgramThatIsNotExecutableStartsThroughWineOrNotAtAll) {
  PfadOhneWine();
  const auto windows = Skript(dir_ / "DAMO32.EXE", "echo direkt", false);
  std::string grund;
  EXPECT_FALSE(TAppExec::Startbefehl(windows, grund));
  EXPECT_NE(grund.find("kann auf diesem System nicht gestartet werden"), std::string::npos) << grund;
  EXPECT_NE(grund.find("wine"), std::string::npos);
  TAppExec exec;
  exec.SetProgramm(windows);
  EXPECT_EQ(exec.Ausfuehren(), -1);
  EXPECT_EQ(exec.Fehler(), grund);

  // A wine on the PATH gets the program as its argument.
  Skript(dir_ / "bin" / "wine", "echo \"wine startet $1\"; exit 7");
  EXPECT_EQ(exec.Ausfuehren(), 7);
  EXPECT_EQ(exec.Ausgabe(), "wine startet " + windows + "\n");
}

TEST_F(AppExec, AMissingProgramOrDirectoryIsAClearErrorAndNoRun) {
  TAppExec exec;
  exec.SetProgramm((dir_ / "fehlt.exe").string());
  EXPECT_FALSE(exec.Starten());
  EXPECT_NE(exec.Fehler().find("wurde nicht gefunden"), std::string::npos) << exec.Fehler();

  exec.SetProgramm(Skript(dir_ / "prog.sh", "exit 0"));
  exec.SetStartVerzeichnis((dir_ / "gibtsnicht").string());
  EXPECT_FALSE(exec.Starten());
  EXPECT_FALSE(exec.Laeuft());
  EXPECT_NE(exec.Fehler().find((dir_ / "gibtsnicht").string()), std::string::npos) << exec.Fehler();
}

// A window that shows what arrives and cancels after a number of steps.
class TAbbrechendeAnzeige final : public IProgrammLaufAnzeige {
 public:
  TAbbrechendeAnzeige(std::string& protokoll, int schritte) : protokoll_(protokoll), schritte_(schritte) {}
  void Beginnen(const std::string& titel) override { protokoll_ += "[" + titel + "]"; }
  bool Weiter(const std::string& neu) override {
    protokoll_ += neu;
    return --schritte_ > 0;
  }
  void Ende() override { protokoll_ += "[Ende]"; }

 private:
  std::string& protokoll_;
  int schritte_;
};

TEST_F(AppExec, TheWindowShowsTheOutputAndItsCancelEndsTheWait) {
  std::string protokoll;
  SetProgrammLaufAnzeige([&] { return std::make_unique<TAbbrechendeAnzeige>(protokoll, 1000000); });
  TAppExec exec;
  exec.SetProgramm(Skript(dir_ / "prog.sh", "echo hallo; exit 0"));
  EXPECT_EQ(ProgrammAbwarten(exec, "DATEV-Import ..."), 0);
  EXPECT_EQ(protokoll, "[DATEV-Import ...]hallo\n[Ende]");

  protokoll.clear();
  SetProgrammLaufAnzeige([&] { return std::make_unique<TAbbrechendeAnzeige>(protokoll, 3); });
  exec.SetProgramm(Skript(dir_ / "haengt.sh", "echo warte; sleep 60"));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ProgrammAbwarten(exec, "DATEV-Import ..."), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_TRUE(exec.Abgebrochen());
  EXPECT_EQ(protokoll, "[DATEV-Import ...]warte\n[Ende]");
}

TEST_F(AppExec, WithoutAWindowALimitEndsAProgramThatHangs) {
  TAppExec exec;
  exec.SetProgramm(Skript(dir_ / "haengt.sh", "sleep 60"));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ProgrammAbwarten(exec, "x", 1), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
  EXPECT_TRUE(exec.Abgebrochen());
}

}  // namespace
