#include <gtest/gtest.h>

#include <filesystem>

#include "suite/MessagePresenter.h"
#include "suite/transfer/INETDialog.h"
#include "support/LocalServers.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

TInetVerbindung Entry(const std::string& name, int port, const std::string& password) {
  TInetVerbindung v;
  v.Name = name;
  v.Host = "127.0.0.1";
  v.Port = port;
  v.Benutzer = "kunde";
  v.Passwort = password;
  v.Zeitlimit = 5;
  return v;
}

TEST(INETDialog, ChoosesAddsEditsAndDeletesEntriesWithoutEverShowingAPassword) {
  TestSuite suite;
  TInetVerbindungen::Speichern(Entry("Alpha", 21, "pw-alpha"));
  TInetVerbindungen::Speichern(Entry("Beta", 21, "pw-beta"));

  TINETDialog dialog("Beta");
  ASSERT_EQ(dialog.Eintraege().size(), 2u);
  EXPECT_EQ(dialog.GewaehlterName(), "Beta");
  EXPECT_TRUE(dialog.OK());

  // A new entry with a gap is refused with an input error and stays open.
  dialog.Neu();
  dialog.Formular().Name = "Gamma";
  dialog.Formular().Benutzer = "kunde";
  EXPECT_FALSE(dialog.Speichern());
  EXPECT_EQ(dialog.Modus(), TINETDialog::TModus::Neu);
  EXPECT_NE(suite.Messages().LastText().find("Server (Host)"), std::string::npos);
  dialog.Formular().Host = "ftp.example";
  dialog.Formular().Name = "Alpha";
  EXPECT_FALSE(dialog.Speichern());
  EXPECT_NE(suite.Messages().LastText().find("gibt es bereits"), std::string::npos);
  dialog.Formular().Name = "Gamma";
  ASSERT_TRUE(dialog.Speichern());
  EXPECT_EQ(dialog.GewaehlterName(), "Gamma");
  EXPECT_EQ(dialog.Eintraege().size(), 3u);

  // Editing: the stored password is not in the form; left empty, it is kept.
  dialog.SetAuswahl(0);
  ASSERT_TRUE(dialog.Bearbeiten());
  EXPECT_TRUE(dialog.PasswortGespeichert());
  EXPECT_TRUE(dialog.Formular().Passwort.empty());
  dialog.Formular().Name = "Alpha neu";
  dialog.Formular().Verzeichnis = "/export";
  ASSERT_TRUE(dialog.Speichern());
  EXPECT_EQ(dialog.GewaehlterName(), "Alpha neu");
  EXPECT_EQ(TInetVerbindungen::Lesen("Alpha neu")->Passwort, "pw-alpha");
  EXPECT_FALSE(TInetVerbindungen::Vorhanden("Alpha"));
  for (const auto& shown : suite.Messages().Messages()) {
    EXPECT_EQ(shown.text.find("pw-"), std::string::npos) << shown.text;
  }

  // Deleting asks first; No keeps the entry.
  suite.Messages().Answer(mrNo);
  EXPECT_FALSE(dialog.Loeschen());
  EXPECT_TRUE(TInetVerbindungen::Vorhanden("Alpha neu"));
  suite.Messages().Answer(mrYes);
  EXPECT_TRUE(dialog.Loeschen());
  EXPECT_FALSE(TInetVerbindungen::Vorhanden("Alpha neu"));
  EXPECT_EQ(dialog.GewaehlterName(), "");
  EXPECT_FALSE(dialog.OK());
}

TEST(INETDialog, TestingReportsTheOutcomeOfARealConnection) {
  TestSuite suite;
  const auto root = suite.Dir() / "root";
  LocalFtpServer server(suite.Dir() / "ftp", root, "kunde", "geheim123");
  TInetVerbindungen::Speichern(Entry("gut", server.Port(), "geheim123"));
  TInetVerbindungen::Speichern(Entry("schlecht", server.Port(), "falsch"));

  TINETDialog dialog("gut");
  EXPECT_TRUE(dialog.Testen());
  EXPECT_EQ(suite.Messages().Messages().back().kind, TMeldungsArt::Hinweis);
  EXPECT_NE(suite.Messages().LastText().find("in Ordnung"), std::string::npos);

  dialog.SetAuswahl(1);
  ASSERT_EQ(dialog.GewaehlterName(), "schlecht");
  EXPECT_FALSE(dialog.Testen());
  EXPECT_EQ(suite.Messages().Messages().back().kind, TMeldungsArt::Warnung);
  EXPECT_NE(suite.Messages().LastText().find("abgelehnt"), std::string::npos);

  // The form's values are tested before they are stored; the stored password fills in.
  dialog.SetAuswahl(0);
  ASSERT_TRUE(dialog.Bearbeiten());
  dialog.Formular().Verzeichnis = "fehlt";
  EXPECT_FALSE(dialog.Testen());
  EXPECT_NE(suite.Messages().LastText().find("\"fehlt\""), std::string::npos);
  fs::create_directories(root / "fehlt");
  EXPECT_TRUE(dialog.Testen()) << suite.Messages().LastText();
}

TEST(INETDialog, WithoutAnInstalledChooserTheChoiceIsCancelled) {
  TestSuite suite;
  SetInetVerbindungChooser(nullptr);
  std::string name = "vorher";
  EXPECT_FALSE(InetVerbindungWaehlen(name));
  EXPECT_EQ(name, "vorher");
}

}  // namespace
