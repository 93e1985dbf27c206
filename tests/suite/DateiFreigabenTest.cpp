// Export files become real together with their settlement: a process that dies between the
// commit and the rename leaves a note that the next start completes, one that dies before
// the commit leaves a temporary file that the next start removes, and a live writer's file
// is never touched.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "suite/AnsiTextFile.h"
#include "suite/DateiFreigaben.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

class DateiFreigaben : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(tempDir);
    fs::create_directories(exportDir);
  }

  // A process of its own writes the file, notes it when told to, commits when told to, and
  // dies before it publishes anything.
  void SchreibtUndStirbt(bool vormerken, bool abschliessen) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      auto db = SuiteDatabase::Get().OpenAnother();
      TAnsiTextFile datei(ziel.string(), TTextEncoding::Ansi, tempDir.string());
      datei.WriteLine("EXTF;Müller");
      TFertigeDateien fertig;
      fertig.push_back(datei.Abschliessen());
      db->Begin();
      if (vormerken) TDateiFreigaben(*db).Vormerken(fertig, "Abrechnung 1/2026");
      if (abschliessen) db->Commit();
      _exit(0);  // no destructor runs: as if the process were killed here
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
  }

  long long Notizen() {
    auto& stmt = SuiteDatabase::Get().Cached("SELECT count(*) FROM datei_freigabe");
    stmt.Reset();
    const long long n = stmt.Step() ? stmt.Int(0) : -1;
    stmt.Reset();
    return n;
  }
  std::size_t TempDateien() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(tempDir), {}));
  }
  std::string Inhalt(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream text;
    text << ein.rdbuf();
    return text.str();
  }

  TestSuite suite;
  fs::path tempDir = suite.Dir() / "27";
  fs::path exportDir = suite.Dir() / "export";
  fs::path ziel = exportDir / "EXTF_1.csv";
};

TEST_F(DateiFreigaben, AFileWhoseSettlementWasCommittedIsPublishedAtTheNextStart) {
  SchreibtUndStirbt(true, true);
  EXPECT_FALSE(fs::exists(ziel));
  EXPECT_EQ(TempDateien(), 1u);
  EXPECT_EQ(Notizen(), 1);

  const auto ergebnis = TDateiFreigaben(SuiteDatabase::Get()).Aufraeumen(tempDir.string());
  EXPECT_EQ(ergebnis.Nachgeholt, std::vector<std::string>{ziel.string()});
  EXPECT_TRUE(ergebnis.Entfernt.empty());
  EXPECT_EQ(Inhalt(ziel), "EXTF;M\xFCller\r\n");
  EXPECT_EQ(TempDateien(), 0u);
  EXPECT_EQ(Notizen(), 0);
}

TEST_F(DateiFreigaben, AFileWhoseSettlementNeverCommittedIsRemoved) {
  for (const bool vormerken : {false, true}) {
    SchreibtUndStirbt(vormerken, false);
    const auto ergebnis = TDateiFreigaben(SuiteDatabase::Get()).Aufraeumen(tempDir.string());
    EXPECT_EQ(ergebnis.Entfernt.size(), 1u);
    EXPECT_TRUE(ergebnis.Nachgeholt.empty());
    EXPECT_FALSE(fs::exists(ziel));
    EXPECT_EQ(TempDateien(), 0u);
    EXPECT_EQ(Notizen(), 0);
  }
}

TEST_F(DateiFreigaben, ALiveWritersFilesAreLeftAlone) {
  TAnsiTextFile schreibend((exportDir / "EXTF_2.csv").string(), TTextEncoding::Ansi,
                           tempDir.string());
  schreibend.WriteLine("im Werden");
  TAnsiTextFile fertig(ziel.string(), TTextEncoding::Ansi, tempDir.string());
  fertig.WriteLine("fertig");
  TFertigeDateien gehalten;
  gehalten.push_back(fertig.Abschliessen());
  TDateiFreigaben(SuiteDatabase::Get()).Vormerken(gehalten, "Abrechnung 2/2026");

  const auto ergebnis = TDateiFreigaben(SuiteDatabase::Get()).Aufraeumen(tempDir.string());
  EXPECT_TRUE(ergebnis.Entfernt.empty());
  EXPECT_TRUE(ergebnis.Nachgeholt.empty());
  EXPECT_EQ(TempDateien(), 2u);

  // Its owner publishes it; the note goes with it.
  EXPECT_TRUE(TDateiFreigaben(SuiteDatabase::Get()).Veroeffentlichen(gehalten).empty());
  EXPECT_EQ(Inhalt(ziel), "fertig\r\n");
  EXPECT_EQ(Notizen(), 0);
}

TEST_F(DateiFreigaben, AFileThatCannotBeMovedWaitsWithItsNoteForTheNextStart) {
  TAnsiTextFile datei(ziel.string(), TTextEncoding::Ansi, tempDir.string());
  datei.WriteLine("Abrechnung");
  TFertigeDateien fertig;
  fertig.push_back(datei.Abschliessen());
  const std::string temp = fertig.front()->TempPath();
  TDateiFreigaben freigaben(SuiteDatabase::Get());
  freigaben.Vormerken(fertig, "Abrechnung 3/2026");
  fs::remove_all(exportDir);
  std::ofstream(exportDir) << "kein Verzeichnis";

  const auto fehler = freigaben.Veroeffentlichen(fertig);
  ASSERT_EQ(fehler.size(), 1u);
  EXPECT_NE(fehler.front().find("EXTF_1.csv"), std::string::npos) << fehler.front();
  fertig.clear();  // the process lets go of it
  EXPECT_TRUE(fs::exists(temp));
  EXPECT_EQ(Notizen(), 1);

  fs::remove(exportDir);
  fs::create_directories(exportDir);
  const auto ergebnis = freigaben.Aufraeumen(tempDir.string());
  EXPECT_EQ(ergebnis.Nachgeholt.size(), 1u);
  EXPECT_EQ(Inhalt(ziel), "Abrechnung\r\n");
}

}  // namespace
