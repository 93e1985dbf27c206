// What the unattended run tells whoever started it, through the real programs: the outcome
// on standard error naming client, settlement and file, its own exit code for a period
// with nothing to export, the help, and the journal with each settlement's file and totals.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "processes/ProzessSuite.h"

namespace {

std::string Lesen(const std::filesystem::path& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Enthaelt(const std::string& text, const std::string& teil) {
  return text.find(teil) != std::string::npos;
}

TEST(BatchAusgabe, TheRunTalksNothingFoundExitsThreeAndTheJournalNamesFileAndTotals) {
  TProzessSuite suite(1500);
  const std::vector<std::string> november{"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026"};
  ASSERT_EQ(suite.Ausfuehren(november), 0);
  const auto dateien = suite.DateienNachAbrechnung(1);
  ASSERT_EQ(dateien.size(), 1u);
  const auto& [abrechnung, pfade] = *dateien.begin();
  ASSERT_EQ(pfade.size(), 1u);
  const std::string nummer =
      std::to_string(abrechnung.second) + "/" + std::to_string(abrechnung.first);
  const long long buchungen = suite.Zahl(
      "SELECT COUNT(*) FROM fbde WHERE firma1 = 1 AND firma2 = 1 AND abr_jahr = " +
      std::to_string(abrechnung.first) + " AND abr_nr = " + std::to_string(abrechnung.second));
  ASSERT_GT(buchungen, 0);

  // Nothing goes to standard output; every menu-log line goes to standard error.
  const std::string erster = Lesen(suite.Dir() / "lauf1.txt");
  EXPECT_TRUE(Enthaelt(erster, "Saldix Export: Automatischer Fibu-Export wurde gestartet\n"))
      << erster;
  EXPECT_TRUE(Enthaelt(erster, "Fibu-Sätze wurden erfolgreich exportiert\n")) << erster;
  EXPECT_TRUE(Enthaelt(erster, "Saldix Export: Mandant 1 Nordlicht Handels GmbH, Abrechnung " +
                                   nummer + ", Zeitraum 01.11.2026 - 30.11.2026, " +
                                   std::to_string(buchungen) +
                                   " Buchungen, Datei: " + pfade[0].string() + "\n"))
      << erster;

  EXPECT_EQ(suite.Ausfuehren(november), 3);
  EXPECT_TRUE(Enthaelt(Lesen(suite.Dir() / "lauf2.txt"),
                       "Abbruch: Keine Sätze im angegebenen Zeitraum gefunden\n"));

  // A folder that cannot be made is named with the system's reason.
  suite.Ausfuehren("UPDATE fbde SET abr_nr = 0, abr_jahr = 0 WHERE abr_nr <> 0; "
                   "DELETE FROM fbex;");
  std::filesystem::remove_all(suite.ExportDir());
  std::ofstream(suite.ExportDir()) << "eine Datei, wo der Ordner sein soll";
  EXPECT_EQ(suite.Ausfuehren(november), 1);
  const std::string dritter = Lesen(suite.Dir() / "lauf3.txt");
  EXPECT_TRUE(Enthaelt(dritter, "\"" + suite.ExportDir().string() + "\" konnte nicht angelegt "
                                "werden: Not a directory"))
      << dritter;
  std::filesystem::remove(suite.ExportDir());

  for (const std::string hilfe : {"-h", "-?", "help", "--help"}) {
    EXPECT_EQ(suite.Ausfuehren(std::vector<std::string>{hilfe}), 0) << hilfe;
  }
  const std::string text = Lesen(suite.Dir() / "lauf7.txt");
  EXPECT_TRUE(Enthaelt(text, "-MAND:n")) << text;
  EXPECT_TRUE(Enthaelt(text, "3 keine Sätze im angegebenen Zeitraum gefunden")) << text;

  ASSERT_EQ(suite.SuiteTool({"journal", "--client", "1"}), 0);
  const std::string journal = Lesen(suite.Dir() / "suitetool.txt");
  EXPECT_TRUE(Enthaelt(journal, "exportiert  Rechner 1")) << journal;
  EXPECT_TRUE(Enthaelt(journal, std::to_string(buchungen) + " Buchungen, ")) << journal;
  EXPECT_TRUE(Enthaelt(journal, "Soll ")) << journal;
  EXPECT_TRUE(Enthaelt(journal, "Datei: " + pfade[0].string() + "\n")) << journal;
}

}  // namespace
