// The built saldix program exporting to the free ASCII file on a demo suite, without a
// window: the demo layout serves the run; without a layout nothing is marked.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "export/FibuExportKatalog.h"
#include "suite/SuiteDatabase.h"
#include "support/DemoBuchungen.h"
#include "support/TestSuite.h"

namespace {

namespace fs = std::filesystem;

std::string Lesen(const fs::path& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class AsciiBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    exportDir_ = suite_.Dir() / "export";
    DemoBuchungenAnlegen(exportDir_);
    // As the demo command does: every format leaves its demo profile.
    for (int i = 0; i < TFibuExportKatalog::Global().Count(); ++i) {
      const auto& row = TFibuExportKatalog::Global().Row(i);
      if (row.DemoProfil) {
        ASSERT_TRUE(row.DemoProfil(exportDir_.string())) << row.Kennung;
      }
    }
  }

  // November 2026 of client 1 into the ASCII file; the exit code.
  int Exportieren() {
    SuiteDatabase::Close();
    const std::string befehl = "SALDIX_DB='" + suite_.DbPath() + "' SALDIX_HOME='" +
                               suite_.Dir().string() + "' '" SALDIX_BINARY
                               "' -MAND:1 -VDATUM:01112026 -BDATUM:30112026 -EXPORTER:ASCII 2>'" +
                               (suite_.Dir() / "stderr.txt").string() + "'";
    const int status = std::system(befehl.c_str());
    fehler_ = Lesen(suite_.Dir() / "stderr.txt");
    SuiteDatabase::Open(suite_.DbPath(), false);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  int OffeneNovemberBuchungen() {
    auto stmt = SuiteDatabase::Get().Prepare(
        "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_nr = 0 AND "
        "export_kz = 'J' AND belegdatum >= 46327 AND belegdatum < 46357");
    return stmt->Step() ? static_cast<int>(stmt->Int(0)) : -1;
  }

  std::vector<fs::path> AsciiDateien() const {
    std::vector<fs::path> dateien;
    if (!fs::exists(exportDir_ / "ascii")) return dateien;
    for (const auto& e : fs::directory_iterator(exportDir_ / "ascii")) dateien.push_back(e.path());
    return dateien;
  }

  TestSuite suite_;
  fs::path exportDir_;
  std::string fehler_;
};

TEST_F(AsciiBatch, ADemoSuiteWritesTheFileWithTheDemoLayoutAndMarksTheBookings) {
  ASSERT_GT(OffeneNovemberBuchungen(), 0);
  ASSERT_EQ(Exportieren(), 0) << fehler_;
  EXPECT_NE(fehler_.find("erfolgreich exportiert"), std::string::npos) << fehler_;
  EXPECT_EQ(OffeneNovemberBuchungen(), 0);
  const auto dateien = AsciiDateien();
  ASSERT_EQ(dateien.size(), 1u);
  EXPECT_NE(fehler_.find(dateien.front().string()), std::string::npos) << fehler_;
  const std::string inhalt = Lesen(dateien.front());
  EXPECT_EQ(inhalt.substr(0, inhalt.find("\r\n")),
            "Belegdatum;Konto;Gegenkonto;Umsatz;Soll/Haben;Steuerschl\xFC\xDF" "el Text;Beleg 1;"
            "Beleg 2;Beschreibung;Kost 1;Filiale;W\xE4hrung");
  EXPECT_NE(inhalt.find(";EUR\r\n"), std::string::npos);
}

TEST_F(AsciiBatch, WithoutALayoutTheRunSaysWhatToDoAndMarksNothing) {
  SuiteDatabase::Get().ExecuteScript("DELETE FROM form_store WHERE mask = 'SERBASCI';");
  const int offen = OffeneNovemberBuchungen();
  EXPECT_EQ(Exportieren(), 1) << fehler_;
  EXPECT_NE(fehler_.find("Abbruch: "), std::string::npos) << fehler_;
  EXPECT_NE(fehler_.find("kein Spaltenlayout gespeichert"), std::string::npos) << fehler_;
  EXPECT_EQ(OffeneNovemberBuchungen(), offen);
  EXPECT_TRUE(AsciiDateien().empty());
}

}  // namespace
