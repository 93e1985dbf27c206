#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/SerBrief.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

std::string Lesen(const fs::path& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The installed window for one test; none again afterwards.
struct TAnzeigeFuerTest {
  explicit TAnzeigeFuerTest(TSerBriefAnzeige anzeige) { SetSerBriefAnzeige(std::move(anzeige)); }
  ~TAnzeigeFuerTest() { SetSerBriefAnzeige(nullptr); }
};

// Two rows as a caller hands them: amounts already as "%9.2f" gives them, dates in the
// program's short form.
class SerBrief : public ::testing::Test {
 protected:
  void SetUp() override {
    zeilen_ = {{"   119,00", "Ware; \"gut\"", "05.03.2024", "7"},
               {"   -50,50", "Zahlung \xC3\x84\xE2\x82\xAC", "", "12"}};
    ziel_ = (suite_.Dir() / "aus" / "liste.txt").string();
  }

  void Einrichten(TfrmSerBrief& dialog) {
    dialog.Caption = "Liste exportieren";
    dialog.SetListe("SALDIX", "TESTLIST");
    dialog.SpalteHinzufuegen({"BETRAG", "Betrag", "Betrag", 1, 10, 12, 'F'});
    dialog.SpalteHinzufuegen({"TEXT", "Beschreibung", "Text", 1, 0, 10, 'S'});
    dialog.SpalteHinzufuegen({"DATUM", "Datum", "Datum", 1, 8, 10, 'D'});
    dialog.SpalteHinzufuegen({"NR", "Nummer", "Nr", 0, 1, 4, 'I'});
    dialog.SetZeilenAbruf(
        [this] {
          aktuell_ = 0;
          return !zeilen_.empty();
        },
        [this] { return ++aktuell_ < zeilen_.size(); },
        [this](const std::vector<int>& spalten, std::vector<std::string>& werte) {
          for (std::size_t i = 0; i < spalten.size(); ++i) {
            werte[i] = zeilen_[aktuell_][static_cast<std::size_t>(spalten[i])];
          }
        });
    dialog.VorgeschlageneDatei = ziel_;
    dialog.OhneNachfrage = true;
  }

  // Stores layout as the one in force and writes without a window.
  std::string OhneFenster(const TSerBriefLayout& layout) {
    TSerBriefLayoutSpeicher("SALDIX", "TESTLIST").Speichern("", layout);
    TfrmSerBrief dialog;
    Einrichten(dialog);
    EXPECT_TRUE(dialog.Ausfuehren()) << QTXInfo().LastErrorText();
    EXPECT_EQ(dialog.GeschriebeneDatei(), ziel_);
    return Lesen(ziel_);
  }

  static TSerBriefLayout Layout(std::vector<TSerBriefLayoutSpalte> spalten) {
    TSerBriefLayout layout;
    layout.Spalten = std::move(spalten);
    return layout;
  }

  TestSuite suite_;
  std::vector<std::vector<std::string>> zeilen_;
  std::size_t aktuell_ = 0;
  std::string ziel_;
};

TEST_F(SerBrief, DefaultLayoutWritesSemicolonsQuotesWhereNeededAndWindows1252) {
  const auto layout = Layout({{"BETRAG", "Betrag"}, {"TEXT", "Text"}, {"DATUM", "Datum"}});
  EXPECT_EQ(OhneFenster(layout),
            "Betrag;Text;Datum\r\n"
            "119,00;\"Ware; \"\"gut\"\"\";05.03.2024\r\n"
            "-50,50;Zahlung \xC4\x80;\r\n");
}

TEST_F(SerBrief, CommaTextQuotesDecimalPointIsoDatesLfAndUtf8) {
  auto layout = Layout({{"NR", "Lfd"}, {"BETRAG", "Betrag"}, {"TEXT", "Text"}, {"DATUM", "Tag"}});
  layout.Trenner = TSerBriefTrenner::Komma;
  layout.Anfuehrung = TSerBriefAnfuehrung::Texte;
  layout.Dezimaltrenner = '.';
  layout.Datumsformat = "yyyy-mm-dd";
  layout.Kopfzeile = false;
  layout.Zeilenende = TSerBriefZeilenende::Lf;
  layout.Kodierung = TTextEncoding::Utf8;
  EXPECT_EQ(OhneFenster(layout),
            "7,119.00,\"Ware; \"\"gut\"\"\",\"2024-03-05\"\n"
            "12,-50.50,\"Zahlung \xC3\x84\xE2\x82\xAC\",\"\"\n");
}

TEST_F(SerBrief, FixedWidthAlignsNumbersRightAndCutsTextsInCharacters) {
  auto layout = Layout({{"NR", "Nr", 3}, {"BETRAG", "Betrag", 8}, {"TEXT", "Text", 9},
                        {"DATUM", "Datum", 10}});
  layout.Trenner = TSerBriefTrenner::FesteBreite;
  EXPECT_EQ(OhneFenster(layout),
            "Nr Betrag  Text     Datum     \r\n"
            "  7  119,00Ware; \"gu05.03.2024\r\n"
            " 12  -50,50Zahlung \xC4          \r\n");
}

TEST_F(SerBrief, WithoutQuotesSeparatorsInsideAValueBecomeBlanks) {
  auto layout = Layout({{"TEXT", "Text"}, {"NR", "Nr"}});
  layout.Anfuehrung = TSerBriefAnfuehrung::Keine;
  EXPECT_EQ(OhneFenster(layout),
            "Text;Nr\r\n"
            "Ware  \"gut\";7\r\n"
            "Zahlung \xC4\x80;12\r\n");
  // Tab-separated, the semicolon may stay.
  layout.Trenner = TSerBriefTrenner::Tabulator;
  EXPECT_EQ(OhneFenster(layout),
            "Text\tNr\r\n"
            "Ware; \"gut\"\t7\r\n"
            "Zahlung \xC4\x80\t12\r\n");
}

TEST_F(SerBrief, AnAmountTooWideForItsFixedColumnWritesNothing) {
  fs::create_directories(fs::path(ziel_).parent_path());
  std::ofstream(ziel_ + ".alt") << "x";
  auto layout = Layout({{"BETRAG", "Betrag", 5}});
  layout.Trenner = TSerBriefTrenner::FesteBreite;
  TSerBriefLayoutSpeicher("SALDIX", "TESTLIST").Speichern("", layout);
  TfrmSerBrief dialog;
  Einrichten(dialog);
  EXPECT_FALSE(dialog.Ausfuehren());
  EXPECT_NE(QTXInfo().LastErrorText().find("passt nicht in die Spalte \"BETRAG\""),
            std::string::npos);
  EXPECT_FALSE(fs::exists(ziel_));
  // Only the finished file would have been there: no temporary leftovers either.
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(ziel_).parent_path()),
                          fs::directory_iterator()),
            1);
}

TEST_F(SerBrief, UnattendedWithoutAStoredLayoutSaysWhatToDoAndWritesNothing) {
  TfrmSerBrief dialog;
  Einrichten(dialog);
  EXPECT_FALSE(dialog.Ausfuehren());
  EXPECT_NE(QTXInfo().LastErrorText().find("kein Spaltenlayout gespeichert"), std::string::npos);
  EXPECT_NE(QTXInfo().LastErrorText().find("Liste exportieren"), std::string::npos);
  EXPECT_FALSE(fs::exists(ziel_));
}

TEST_F(SerBrief, AStoredColumnThatIsGoneIsSkippedWithAWarning) {
  const auto layout = Layout({{"ALTFELD", "Alt"}, {"NR", "Nr"}});
  EXPECT_EQ(OhneFenster(layout), "Nr\r\n7\r\n12\r\n");
  bool gewarnt = false;
  for (const auto& r : QTXInfo().Registrations()) {
    gewarnt = gewarnt || r.text.find("\"ALTFELD\"") != std::string::npos;
  }
  EXPECT_TRUE(gewarnt);
}

TEST_F(SerBrief, AFaultyStoredLayoutIsRefusedUnattendedAndNamed) {
  TQTXFormStore store("SerBrief.Layout");
  store.SetFormName({"SALDIX", "TESTLIST", QTXProgramm().GetSprache()});
  TQTXStrings text = Layout({{"NR", "Nr"}}).AlsText();
  text.SetValue("TRENNER", "PIPE");
  store.StoreDefault("0", text);
  TfrmSerBrief dialog;
  Einrichten(dialog);
  EXPECT_FALSE(dialog.Ausfuehren());
  EXPECT_NE(QTXInfo().LastErrorText().find("\"PIPE\" für TRENNER"), std::string::npos);
  EXPECT_FALSE(fs::exists(ziel_));
}

TEST_F(SerBrief, ALayoutMadeInTheWindowServesTheNextRunWithoutOne) {
  {
    TAnzeigeFuerTest fenster([&](TfrmSerBrief& dialog) {
      // The proposal holds the flagged columns; the person takes the number first.
      EXPECT_EQ(dialog.Layout().Spalten.size(), 3u);
      dialog.SpalteWaehlen(dialog.KatalogIndex("NR"));
      dialog.SpalteVerschieben(3, -1);
      dialog.SpalteVerschieben(2, -1);
      dialog.SpalteVerschieben(1, -1);
      dialog.SpalteEntfernen(2);  // TEXT
      dialog.SetUeberschrift(0, "Laufende Nr");
      dialog.Layout().Trenner = TSerBriefTrenner::Tabulator;
      const auto vorschau = dialog.Vorschau(1);
      EXPECT_EQ(vorschau, (std::vector<std::string>{"Laufende Nr\tBetrag\tDatum",
                                                    "7\t119,00\t05.03.2024"}));
      return dialog.btnSchreibenClick(ziel_);
    });
    TfrmSerBrief dialog;
    Einrichten(dialog);
    dialog.OhneNachfrage = false;
    ASSERT_TRUE(dialog.Ausfuehren());
  }
  const std::string erwartet =
      "Laufende Nr\tBetrag\tDatum\r\n7\t119,00\t05.03.2024\r\n12\t-50,50\t\r\n";
  EXPECT_EQ(Lesen(ziel_), erwartet);
  fs::remove(ziel_);
  TfrmSerBrief spaeter;
  Einrichten(spaeter);
  ASSERT_TRUE(spaeter.Ausfuehren());
  EXPECT_EQ(Lesen(ziel_), erwartet);
}

TEST_F(SerBrief, ACancelledWindowWritesNothingAndSaysWhy) {
  TAnzeigeFuerTest fenster([](TfrmSerBrief& dialog) {
    dialog.btnAbbrechenClick();
    return false;
  });
  TfrmSerBrief dialog;
  Einrichten(dialog);
  EXPECT_FALSE(dialog.Ausfuehren());
  EXPECT_EQ(dialog.ModalResult(), 2);
  EXPECT_NE(QTXInfo().LastErrorText().find("wurde keine Datei gespeichert"), std::string::npos);
  EXPECT_FALSE(fs::exists(ziel_));
}

TEST_F(SerBrief, NamedLayoutsAreListedLoadedAndDeleted) {
  TfrmSerBrief dialog;
  Einrichten(dialog);
  dialog.Layout() = Layout({{"NR", "Nr"}});
  suite_.Messages().Clear();
  EXPECT_FALSE(dialog.LayoutSpeichern("  "));
  EXPECT_EQ(suite_.Messages().Count(), 1u);
  dialog.Layout().Spalten.clear();
  EXPECT_FALSE(dialog.LayoutSpeichern("leer"));  // no column: refused with a message
  dialog.Layout() = Layout({{"NR", "Nr"}});
  ASSERT_TRUE(dialog.LayoutSpeichern("Kurz"));
  dialog.Layout() = Layout({{"TEXT", "Text"}});
  dialog.Layout().Trenner = TSerBriefTrenner::Komma;
  ASSERT_TRUE(dialog.LayoutSpeichern("Lang"));
  EXPECT_EQ(dialog.LayoutNamen(), (std::vector<std::string>{"KURZ", "LANG"}));
  ASSERT_TRUE(dialog.LayoutLaden("kurz"));
  ASSERT_EQ(dialog.Layout().Spalten.size(), 1u);
  EXPECT_EQ(dialog.Layout().Spalten[0].Key, "NR");
  EXPECT_EQ(dialog.Layout().Trenner, TSerBriefTrenner::Semikolon);
  EXPECT_FALSE(dialog.LayoutLaden("fehlt"));
  EXPECT_TRUE(dialog.LayoutLoeschen("Kurz"));
  EXPECT_EQ(dialog.LayoutNamen(), (std::vector<std::string>{"LANG"}));
}

TEST_F(SerBrief, LayoutChecksCatchUnreadableFiles) {
  TSerBriefLayout layout = Layout({{"NR", "Nr"}});
  EXPECT_EQ(layout.Problem(), "");
  layout.Anfuehrung = TSerBriefAnfuehrung::Keine;
  layout.Trenner = TSerBriefTrenner::Komma;
  layout.Dezimaltrenner = ',';
  EXPECT_NE(layout.Problem(), "");  // every amount would split in two
  layout.Trenner = TSerBriefTrenner::FesteBreite;
  layout.Spalten[0].Breite = 0;
  EXPECT_NE(layout.Problem().find("Breite"), std::string::npos);
  layout.Spalten[0].Breite = 4;
  EXPECT_EQ(layout.Problem(), "");
  // What is stored is read back as it was.
  layout.Kodierung = TTextEncoding::Utf8;
  layout.Zeilenende = TSerBriefZeilenende::Lf;
  const TSerBriefLayout zurueck = TSerBriefLayout::AusText(layout.AlsText());
  EXPECT_EQ(zurueck.AlsText().Items, layout.AlsText().Items);
}

TEST_F(SerBrief, TheLayoutAloneIsKeptFromASettingsFormAndServesTheNextRun) {
  TfrmSerBrief ohneFenster;
  Einrichten(ohneFenster);
  EXPECT_FALSE(ohneFenster.LayoutBearbeiten());  // nothing to show it on
  {
    TAnzeigeFuerTest fenster([](TfrmSerBrief& dialog) {
      EXPECT_TRUE(dialog.NurLayout());
      dialog.SpalteEntfernen(0);
      dialog.Layout().Trenner = TSerBriefTrenner::Komma;
      dialog.Layout().Anfuehrung = TSerBriefAnfuehrung::Keine;
      EXPECT_FALSE(dialog.btnUebernehmenClick());  // the comma would split every amount
      dialog.Layout().Anfuehrung = TSerBriefAnfuehrung::BeiBedarf;
      return dialog.btnUebernehmenClick();
    });
    TfrmSerBrief dialog;
    Einrichten(dialog);
    ASSERT_TRUE(dialog.LayoutBearbeiten());
  }
  EXPECT_FALSE(fs::exists(ziel_));  // a layout, no file
  TfrmSerBrief lauf;
  Einrichten(lauf);
  ASSERT_TRUE(lauf.Ausfuehren());
  EXPECT_EQ(Lesen(ziel_), "Text,Datum\r\n\"Ware; \"\"gut\"\"\",05.03.2024\r\nZahlung \xC4\x80,\r\n");
}

TEST_F(SerBrief, NoRowsGivesTheHeaderLineOnly) {
  zeilen_.clear();
  EXPECT_EQ(OhneFenster(Layout({{"NR", "Nr"}, {"TEXT", "Text"}})), "Nr;Text\r\n");
}

}  // namespace
