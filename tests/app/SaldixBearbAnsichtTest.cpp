#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "BearbFakes.h"
#include "app/SaldixBearb.h"
#include "app/SaldixBearbAnsicht.h"
#include "support/TestSuite.h"

namespace {

std::vector<TSpalte> Standardspalten() {
  std::vector<TSpalte> tags;
  for (const auto& spalte : CQTX_Saldix_Spalten) {
    if (spalte.Visible) tags.push_back(spalte.Tag);
  }
  return tags;
}

TEST(ListenAnsicht, ColumnsComeInTheStoredOrderAndBadEntriesAreSkipped) {
  EXPECT_EQ(TListenAnsicht().SichtbareSpalten(), Standardspalten());
  // Position 7 is "Belegdatum" (13), 0 "Betrag Soll" (6), 8 "Konto" (4).
  EXPECT_EQ(TListenAnsicht("7;0;8").SichtbareSpalten(), (std::vector<TSpalte>{TSpalte::Belegdatum, TSpalte::BetragSoll, TSpalte::Konto}));
  // Hidden table columns (16: booking amount), unknown positions, duplicates and junk.
  EXPECT_EQ(TListenAnsicht(" 7 ;16;69;-1;x;7;;0").SichtbareSpalten(), (std::vector<TSpalte>{TSpalte::Belegdatum, TSpalte::BetragSoll}));
  // Nothing usable: the table's own choice rather than an empty list.
  EXPECT_EQ(TListenAnsicht("16;abc").SichtbareSpalten(), Standardspalten());
}

TEST(ListenAnsicht, SortEntriesNeedAColumnAndADirection) {
  const TListenAnsicht ansicht({}, "7=U;0=B;8;3=X;99=U;7=B;16=u");
  EXPECT_EQ(ansicht.Sortierung(),
            (std::vector<TSortierSpalte>{{TSpalte::Belegdatum, true},
                                          {TSpalte::BetragSoll, false},
                                          {TSpalte::BuchBetragSoll, true}}));
}

class AnsichtListe : public ::testing::Test {
 protected:
  void Laden(std::string spalten, std::string sortierung) {
    dm.Einst.SpaltenConfig = std::move(spalten);
    dm.Einst.SortierungConfig = std::move(sortierung);
    form.FormShow();
    form.FormActivate();
  }
  std::vector<std::string> Spalte(TSpalte tag) {
    std::vector<std::string> texte;
    for (std::int32_t zeile : form.Liste().Oberste()) {
      texte.emplace_back(form.Liste().Zeile(zeile).Werte().Anzeige(tag));
    }
    return texte;
  }

  TestSuite suite;
  TFakeDatenmodul dm;
  TFakeRechte rechte;
  TFakeAbrechnungsWahl wahl;
  TSaldixBearbeiten form{dm.Dienste(), rechte, wahl};
};

TEST_F(AnsichtListe, RowsFollowTheSortOrderAndMarkingNeverMovesThem) {
  dm.Nummern = {{"A", 10000}, {"B", 1200}, {"C", 900}, {"D", 1200}};
  dm.Buchung(1, "A", "X", 5, 0, 1, EncodeDate(2024, 3, 2));
  dm.Buchung(2, "B", "X", 7, 0, 1, EncodeDate(2024, 3, 1));
  dm.Buchung(3, "C", "X", 9, 0, 1, EncodeDate(2024, 3, 3));
  dm.Buchung(4, "D", "X", 3, 0, 1, EncodeDate(2024, 3, 4));
  // Konto (position 8) ascending as numbers, then Betrag Soll (0) descending.
  Laden("", "8=U;0=B");
  EXPECT_EQ(Spalte(TSpalte::Konto), (std::vector<std::string>{"0900", "1200", "1200", "10000"}));
  EXPECT_EQ(Spalte(TSpalte::BuchBetragSoll),
            (std::vector<std::string>{"9,00", "7,00", "3,00", "5,00"}));

  form.acUmkehrenExecute();
  form.acAktualisierenExecute();
  form.SetMarkierung(form.Liste().Oberste()[1], false);
  form.acChangeViewExecute();
  form.acChangeViewExecute();
  EXPECT_EQ(Spalte(TSpalte::BuchBetragSoll),
            (std::vector<std::string>{"9,00", "7,00", "3,00", "5,00"}));
}

TEST_F(AnsichtListe, CheckBoxMarksRowsAndSearchLooksOnlyAtShownColumns) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0).Beleg1 = "ALPHA";
  dm.Buchung(2, "KASSE", "ERLWARE", 20, 0).Beleg1 = "BETA";
  Laden("0;1", "");  // only the two amounts
  const std::int32_t zweite = form.Liste().Oberste()[1];
  form.SetMarkierung(zweite, false);
  EXPECT_EQ(form.Liste().Zeile(zweite).Werte().Betrag(TSpalte::BetragSoll), 0);
  form.SetMarkierung(zweite, true);
  EXPECT_EQ(form.Liste().Zeile(zweite).Werte().Betrag(TSpalte::BetragSoll), 20);
  form.SetMarkierung(99, true);  // no such row: nothing happens

  EXPECT_FALSE(form.Suchen("BETA"));
  EXPECT_EQ(suite.Messages().LastText(), "Der Suchbegriff \"BETA\" wurde nicht gefunden.");
  EXPECT_TRUE(form.Suchen("20,00"));
  EXPECT_EQ(form.Auswahl(), zweite);
}

// The windows the desktop installs, scripted: what they were asked and what they answer.
class Dialoge final : public IBuchungsDialoge, public IListenDruck {
 public:
  bool Bearbeiten(const std::vector<TIntTrio>& idents) override {
    bearbeitet.push_back(idents);
    return schreibt;
  }
  bool NeueBuchung(const std::optional<TIntTrio>& v, const TIntPair& firma, TDateTime) override {
    vorlagen.push_back(v);
    mandant = firma;
    return schreibt;
  }
  void Drucken(const TSaldixBearbeiten&, bool anhang) override { drucke.push_back(anhang); }

  bool schreibt = false;
  std::vector<std::vector<TIntTrio>> bearbeitet;
  std::vector<std::optional<TIntTrio>> vorlagen;
  TIntPair mandant;
  std::vector<bool> drucke;
};

TEST_F(AnsichtListe, EditingAddingAndPrintingOpenTheInstalledWindows) {
  dm.Buchung(1, "KASSE", "ERLWARE", 10, 0);
  dm.Buchung(2, "KASSE", "ERLWARE", 20, 0);
  Laden("", "");
  // Without windows (batch mode) nothing is shown and nothing happens.
  form.acBearbeitenExecute();
  form.acNeueBuchungExecute();
  form.acDruckenExecute();
  EXPECT_EQ(suite.Messages().Count(), 0u);

  Dialoge dialoge;
  form.SetBuchungsDialoge(&dialoge);
  form.SetListenDruck(&dialoge);
  const std::int32_t zweite = form.Liste().Oberste()[1];
  form.SetAuswahl(zweite);
  const std::size_t lesen = dm.Filter.size();
  form.acBearbeitenExecute();
  ASSERT_EQ(dialoge.bearbeitet.size(), 1u);
  EXPECT_EQ(dialoge.bearbeitet[0], (std::vector<TIntTrio>{{1, 2, 1}}));
  EXPECT_EQ(dm.Filter.size(), lesen);  // cancelled: no reload
  // Group editing takes the marked rows.
  form.SetMarkierung(form.Liste().Oberste()[0], false);
  form.acMultiBearbExecute();
  EXPECT_EQ(dialoge.bearbeitet[1], (std::vector<TIntTrio>{{1, 2, 1}}));
  // A new booking starts from the selected one; a written one reloads the list.
  dialoge.schreibt = true;
  dm.Buchung(3, "KASSE", "MWST1900", 1.9, 0);
  form.acNeueBuchungExecute();
  ASSERT_EQ(dialoge.vorlagen.size(), 1u);
  EXPECT_EQ(dialoge.vorlagen[0], (TIntTrio{1, 2, 1}));
  EXPECT_EQ(dialoge.mandant, (TIntPair{1, 1}));
  EXPECT_EQ(form.Liste().Oberste().size(), 3u);
  form.acDruckenExecute();
  form.acDruckenAnhangExecute();
  EXPECT_EQ(dialoge.drucke, (std::vector<bool>{false, true}));
  EXPECT_EQ(suite.Messages().Count(), 0u);

  // Where export is not allowed, bookings cannot be changed.
  dm.Erlaubt = false;
  form.FormShow();
  form.acBearbeitenExecute();
  form.acNeueBuchungExecute();
  EXPECT_EQ(dialoge.bearbeitet.size(), 2u);
  EXPECT_EQ(dialoge.vorlagen.size(), 1u);
}

TEST(ListenAnsichtLaden, SlowRowsStillLetTheWindowReportProgress) {
  TestSuite suite;
  // Each row takes a millisecond: the reading pauses for the window by time, not by count.
  struct LangsamesModul : TFakeDatenmodul {
    std::int32_t Kostenstelle(std::int32_t, std::int32_t) override {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return 0;
    }
  } dm;
  for (int i = 1; i <= 200; ++i) dm.Buchung(i, "KASSE", "ERLWARE", 1, 0);
  TFakeRechte rechte;
  TFakeAbrechnungsWahl wahl;
  TSaldixBearbeiten form{dm.Dienste(), rechte, wahl};
  std::vector<std::size_t> gemeldet;
  form.LadeFortschritt = [&](std::size_t n) { gemeldet.push_back(n); };
  form.FormShow();
  form.FormActivate();
  EXPECT_EQ(form.Liste().Oberste().size(), 200u);
  ASSERT_GE(gemeldet.size(), 2u);
  EXPECT_TRUE(std::is_sorted(gemeldet.begin(), gemeldet.end()));
  EXPECT_LE(gemeldet.back(), 200u);
}

}  // namespace
