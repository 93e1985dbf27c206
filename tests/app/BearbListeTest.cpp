#include <gtest/gtest.h>

#include <set>

#include "app/SaldixBearbListe.h"
#include "app/SaldixBearbSpalten.h"

namespace {

TZeilenWerte Betrag(long double soll, long double haben) {
  TZeilenWerte w;
  w.SetBetrag(TSpalte::BuchBetragSoll, soll);
  w.SetBetrag(TSpalte::BuchBetragHaben, haben);
  return w;
}

TEST(BuchungsListeSpalten, TableHas69ColumnsWithDistinctTagsAndKnownSlots) {
  std::set<TSpalte> tags;
  for (const auto& spalte : CQTX_Saldix_Spalten) {
    EXPECT_TRUE(tags.insert(spalte.Tag).second) << SpaltenNummer(spalte.Tag);
    EXPECT_EQ(SpaltenPlatz(spalte.Tag).Typ, spalte.ColType);
    EXPECT_EQ(SpalteZuTag(spalte.Tag), &spalte);
  }
  EXPECT_EQ(tags.size(), 69u);
  EXPECT_EQ(SpaltenPlatz(static_cast<TSpalte>(1)).Platz, -1);  // no column carries tag 1
  EXPECT_EQ(SpalteZuTag(TSpalte::BetragSoll)->ColName, "Betrag Soll");
  EXPECT_FALSE(SpalteZuTag(TSpalte::BuchBetragSoll)->Visible);
  EXPECT_EQ(SpalteZuTag(TSpalte::SollHaben)->ColName, "SOLL_HABEN");
  EXPECT_EQ(SpaltenPosition(TSpalte::BU), 2);
}

TEST(BuchungsListeZeile, TextsKeepTheirNeighboursWhenOneChanges) {
  TZeilenWerte w;
  w.SetText(TSpalte::Konto, "8400");
  w.SetText(TSpalte::Gegenkonto, "1000");
  w.SetText(TSpalte::Beschreibung, "Verkauf Ü");
  w.SetText(TSpalte::Konto, "84000000");
  w.SetText(TSpalte::Gegenkonto, "");
  EXPECT_EQ(w.Text(TSpalte::Konto), "84000000");
  EXPECT_EQ(w.Text(TSpalte::Gegenkonto), "");
  EXPECT_EQ(w.Text(TSpalte::Beschreibung), "Verkauf Ü");
  EXPECT_THROW(w.Text(TSpalte::BetragSoll), std::out_of_range);
  EXPECT_THROW(w.SetGanzzahl(TSpalte::Konto, 1), std::out_of_range);
}

TEST(BuchungsListeZeile, SeveralTextsAtOnceMayComeFromTheRowItself) {
  TZeilenWerte w;
  w.SetText(TSpalte::Konto, "8400");
  w.SetText(TSpalte::Beschreibung, "Verkauf");
  w.SetText(TSpalte::ZMZusatz, "ZM");
  w.SetTexte({{TSpalte::Gegenkonto, w.Text(TSpalte::Konto)},
              {TSpalte::Konto, "1000"},
              {TSpalte::ExportBeschreibung, w.Text(TSpalte::Beschreibung)},
              {TSpalte::Beschreibung, ""}});
  EXPECT_EQ(w.Text(TSpalte::Gegenkonto), "8400");
  EXPECT_EQ(w.Text(TSpalte::Konto), "1000");
  EXPECT_EQ(w.Text(TSpalte::ExportBeschreibung), "Verkauf");
  EXPECT_EQ(w.Text(TSpalte::Beschreibung), "");
  EXPECT_EQ(w.Text(TSpalte::ZMZusatz), "ZM");
  // A tag that is no text changes nothing.
  const TZeilenWerte vorher = w;
  EXPECT_THROW(w.SetTexte({{TSpalte::Konto, "9"}, {TSpalte::Belegdatum, "x"}}), std::out_of_range);
  EXPECT_EQ(w, vorher);
}

TEST(BuchungsListeZeile, ADraftPacksTheRowItWasGivenAndStartsTheNextEmpty) {
  TZeilenEntwurf entwurf;
  entwurf.SetText(TSpalte::Beschreibung, "Verkauf Ü");
  entwurf.SetText(TSpalte::Konto, "8400");
  entwurf.SetBetrag(TSpalte::BuchBetragSoll, 12.5L);
  TZeilenWerte erwartet;
  erwartet.SetText(TSpalte::Konto, "8400");
  erwartet.SetText(TSpalte::Beschreibung, "Verkauf Ü");
  erwartet.SetBetrag(TSpalte::BuchBetragSoll, 12.5L);
  EXPECT_EQ(entwurf.Fertig(), erwartet);
  EXPECT_EQ(entwurf.Text(TSpalte::Konto), "8400");
  EXPECT_THROW(entwurf.SetText(TSpalte::Belegdatum, "x"), std::out_of_range);

  entwurf.Leeren();
  entwurf.SetText(TSpalte::Gegenkonto, "1000");
  TZeilenWerte naechste;
  naechste.SetText(TSpalte::Gegenkonto, "1000");
  EXPECT_EQ(entwurf.Fertig(), naechste);
}

TEST(BuchungsListeZeile, DisplayFormatsAmountsAndDates) {
  EXPECT_EQ(BetragAlsAnzeige(1234567.125L, 2), "1.234.567,13");
  EXPECT_EQ(BetragAlsAnzeige(-0.005L, 2), "-0,01");
  EXPECT_EQ(BetragAlsAnzeige(0, 2), "0,00");
  EXPECT_EQ(DatumAlsAnzeige(0), "");
  TZeilenWerte w;
  w.SetDatum(TSpalte::Belegdatum, 45356);  // 05.03.2024
  EXPECT_EQ(w.Anzeige(TSpalte::Belegdatum), "05.03.2024");
  EXPECT_EQ(DatumJJMMTT(45356), "240305");
}

class BuchungsListeMarken : public ::testing::Test {
 protected:
  void SetUp() override {
    gruppe = liste.NeueGruppe("Filiale", TZeilenWerte());
    a = liste.NeueBuchung(Betrag(10, 0), {1, 1, 1}, 0, true, gruppe);
    b = liste.NeueBuchung(Betrag(20, 0), {1, 2, 1}, 1, true, gruppe);
    c = liste.NeueBuchung(Betrag(0, 5), {1, 3, 1}, 2, false, gruppe);
    einzeln = liste.NeueBuchung(Betrag(7, 0), {1, 4, 1}, 3, false);
    liste.Resynchronisieren();
  }
  long double Soll(std::int32_t z) { return liste.Zeile(z).Werte().Betrag(TSpalte::BetragSoll); }
  long double Haben(std::int32_t z) { return liste.Zeile(z).Werte().Betrag(TSpalte::BetragHaben); }

  TBuchungsListe liste;
  std::int32_t gruppe = 0, a = 0, b = 0, c = 0, einzeln = 0;
};

TEST_F(BuchungsListeMarken, UnmarkedShowsZeroAndPartlyMarkedGroupSumsItsMarkedMembers) {
  EXPECT_EQ(Soll(einzeln), 0);
  EXPECT_EQ(Soll(gruppe), 30);
  EXPECT_EQ(Haben(gruppe), 0);
  EXPECT_EQ(liste.Markierung(gruppe), TMarkierung::Teilweise);
  EXPECT_TRUE(liste.IstMarkiert(gruppe));
  EXPECT_EQ(liste.Zeile(gruppe).Werte().Betrag(TSpalte::BuchBetragSoll), 30);
  EXPECT_EQ(liste.Zeile(gruppe).Werte().Betrag(TSpalte::BuchBetragHaben), 5);

  liste.SetMarkiert(einzeln, true);
  liste.Resynchronisieren();
  EXPECT_EQ(Soll(einzeln), 7);
}

TEST_F(BuchungsListeMarken, UnmarkingAMemberLowersTheGroupByItsAmount) {
  liste.SetMarkiert(b, false);
  liste.Resynchronisieren();
  EXPECT_EQ(Soll(gruppe), 10);
  liste.SetMarkiert(a, false);
  liste.Resynchronisieren();
  EXPECT_EQ(liste.Markierung(gruppe), TMarkierung::Nein);
  EXPECT_EQ(Soll(gruppe), 0);
}

TEST_F(BuchungsListeMarken, InvertingTwiceRestoresTheMarks) {
  liste.MarkierungUmkehren();
  liste.Resynchronisieren();
  EXPECT_FALSE(liste.Zeile(a).Markiert);
  EXPECT_TRUE(liste.Zeile(c).Markiert);
  EXPECT_EQ(Haben(gruppe), 5);
  liste.MarkierungUmkehren();
  liste.Resynchronisieren();
  EXPECT_TRUE(liste.Zeile(a).Markiert);
  EXPECT_TRUE(liste.Zeile(b).Markiert);
  EXPECT_FALSE(liste.Zeile(c).Markiert);
  EXPECT_FALSE(liste.Zeile(einzeln).Markiert);
  EXPECT_EQ(Soll(gruppe), 30);
}

TEST_F(BuchungsListeMarken, TogglingAGroupMarksAllMembersThenNone) {
  liste.Umschalten(gruppe);
  EXPECT_EQ(liste.Markierung(gruppe), TMarkierung::Ja);
  liste.Umschalten(gruppe);
  EXPECT_EQ(liste.Markierung(gruppe), TMarkierung::Nein);
}

TEST_F(BuchungsListeMarken, IdentsLevelsAndOrder) {
  EXPECT_EQ(liste.Idents(gruppe, false).size(), 3u);
  const auto markierte = liste.Idents(gruppe, true);
  ASSERT_EQ(markierte.size(), 2u);
  EXPECT_EQ(markierte[1], (TIntTrio{1, 2, 1}));
  EXPECT_EQ(liste.Idents(einzeln, false).size(), 1u);
  EXPECT_EQ(liste.Zeile(gruppe).Werte().Ganzzahl(TSpalte::Level), 1);
  EXPECT_EQ(liste.Zeile(a).Werte().Ganzzahl(TSpalte::Level), 4);
  EXPECT_EQ(liste.Naechste(gruppe), a);
  EXPECT_EQ(liste.Naechste(c), einzeln);
  EXPECT_EQ(liste.Naechste(einzeln), -1);
}

TEST_F(BuchungsListeMarken, SortingTheTopLevelIsStable) {
  const std::int32_t zweite = liste.NeueBuchung(Betrag(1, 0), {1, 5, 1}, 4, true);
  liste.SortiereOberste([](const TListenZeile& x, const TListenZeile& y) {
    return x.IstGruppe < y.IstGruppe;
  });
  ASSERT_EQ(liste.Oberste().size(), 3u);
  EXPECT_EQ(liste.Oberste()[0], einzeln);
  EXPECT_EQ(liste.Oberste()[1], zweite);
  EXPECT_EQ(liste.Oberste()[2], gruppe);
}

}  // namespace
