#include <gtest/gtest.h>

#include "BearbFakes.h"
#include "app/SaldixBearbLaden.h"
#include "app/SaldixBearbZusammenfassung.h"
#include "support/TestSuite.h"
#include "suite/QTXInfo.h"

namespace {

class Zusammenfassung : public ::testing::Test {
 protected:
  void SetUp() override {
    dm.Nummern = {{"KASSE", 1000}, {"ERLWARE", 8400}, {"ERLOES", 8410}, {"MWST1900", 1776}};
    dm.Sonderkonten = {{"ERLWARE", "", "8400", "3"}};
  }

  void Aufbauen(bool summen = false) {
    TLadeAuftrag auftrag;
    auftrag.Firma = dm.Mandant;
    geladen = TBuchungsLader(dm.Dienste(), dm.Einst, dm.Exp).Laden(auftrag).Buchungen;
    TBuchungsZusammenfassung(dm, dm.Einst, dm.Einst.AutoKont && dm.Exp.Automatikkonten, summen)
        .Aufbauen(geladen, liste);
  }
  const TZeilenWerte& Oben(std::size_t i) { return liste.Zeile(liste.Oberste().at(i)).Werte(); }

  TestSuite suite;
  TFakeDatenmodul dm;
  std::vector<TGeladeneBuchung> geladen;
  TBuchungsListe liste;
};

TEST_F(Zusammenfassung, FilialeCombinesPerBranchWithSumMonthEndAndCollectorText) {
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 100, 1);
  dm.Buchung(2, "KASSE", "ERLWARE", 0, 50, 1, EncodeDate(2024, 3, 20));
  dm.Buchung(3, "KASSE", "ERLWARE", 0, 30, 2);
  dm.Einst.KontoKombination = true;
  dm.Einst.Kriterien = "filiale";
  dm.Einst.NachNummer = true;
  dm.Einst.Beschreibung = true;
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 2u);
  EXPECT_EQ(liste.Zeile(liste.Oberste()[0]).Gruppe, "Filiale");
  EXPECT_EQ(Oben(0).Betrag(TSpalte::BetragHaben), 150);
  EXPECT_EQ(Oben(1).Betrag(TSpalte::BetragHaben), 30);
  EXPECT_EQ(Oben(0).Text(TSpalte::BU), "3");
  EXPECT_EQ(Oben(0).Text(TSpalte::Gegenkonto), "8400");
  EXPECT_EQ(Oben(0).Text(TSpalte::Konto), "1000");
  EXPECT_EQ(Oben(0).Datum(TSpalte::Belegdatum), EncodeDate(2024, 3, 31));
  EXPECT_EQ(Oben(0).Text(TSpalte::ExportBeschreibung), "Sammler 3/2024 FI 1");
  EXPECT_EQ(Oben(0).Text(TSpalte::Beschreibung), "Allgemeiner Verkauf");

  // Unmarking a member lowers what the group exports.
  liste.SetMarkiert(liste.Zeile(liste.Oberste()[0]).Kinder[1], false);
  liste.Resynchronisieren();
  EXPECT_EQ(Oben(0).Betrag(TSpalte::BetragHaben), 100);
}

TEST_F(Zusammenfassung, WithoutCombinationEveryBookingIsItsOwnLine) {
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 100, 1);
  dm.Buchung(2, "KASSE", "ERLWARE", 0, 50, 1);
  dm.Buchung(3, "KASSE", "ERLWARE", 0, 30, 2);
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 3u);
  EXPECT_FALSE(liste.Zeile(liste.Oberste()[0]).IstGruppe);
  EXPECT_EQ(Oben(0).Text(TSpalte::BU), "3");  // from the special-account line
}

TEST_F(Zusammenfassung, UnresolvedAccountKeepsKeyAndSuffix) {
  dm.Buchung(1, "UNBEKANNT", "KASSE", 10, 0).KtoZusatz = "X";
  Aufbauen();
  EXPECT_EQ(Oben(0).Text(TSpalte::Konto), "UNBEKANNT X");
  EXPECT_EQ(Oben(0).Text(TSpalte::Gegenkonto), "1000");
}

TEST_F(Zusammenfassung, BrokenSpecialAccountTableLeavesTheListUsableWithoutIt) {
  dm.SonderkontenWerfen = true;
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 100, 1);
  QTXInfo().ClearRegistrations();
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 1u);
  EXPECT_EQ(Oben(0).Text(TSpalte::BU), "");
  EXPECT_EQ(Oben(0).Text(TSpalte::Gegenkonto), "8400");
  EXPECT_FALSE(QTXInfo().Registrations().empty());
}

TEST_F(Zusammenfassung, RowsShowTheLoadedValuesWhichSpecialAccountsNeverChange) {
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 100, 1);
  dm.Buchung(2, "KASSE", "ERLOES", 0, 50, 1);
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 2u);
  auto zeileVon = [&](const TBuchungsListe& l, std::int32_t lnr) {
    for (std::int32_t i : l.Oberste()) {
      if (l.Zeile(i).Ident.LNr == lnr) return i;
    }
    return -1;
  };
  // Unmarking counts nothing for the row; its own amount stays.
  const std::int32_t erloes = zeileVon(liste, 2);
  liste.SetMarkiert(erloes, false);
  liste.Resynchronisieren();
  EXPECT_EQ(liste.Zeile(erloes).Werte().Betrag(TSpalte::BetragHaben), 0);
  EXPECT_EQ(liste.Zeile(erloes).Werte().Betrag(TSpalte::BuchBetragHaben), 50);

  // The special account changed the row, not the loaded booking, so a rebuild from the
  // loaded bookings applies it once again to the original accounts.
  EXPECT_EQ(liste.Zeile(zeileVon(liste, 1)).Werte().Text(TSpalte::BU), "3");
  TBuchungsListe neu;
  TBuchungsZusammenfassung(dm, dm.Einst, false, false).Aufbauen(geladen, neu);
  const TZeilenWerte& wieder = neu.Zeile(zeileVon(neu, 1)).Werte();
  EXPECT_EQ(wieder.Text(TSpalte::BU), "3");
  EXPECT_EQ(wieder.Text(TSpalte::Gegenkonto), "8400");
  EXPECT_EQ(wieder.Text(TSpalte::GegenkontoName), "ERLWARE");
}

TEST_F(Zusammenfassung, AutomaticAccountsPairRevenueAndTaxIntoOneGrossLine) {
  dm.Sonderkonten.clear();
  dm.Einst.AutoKont = true;
  dm.Exp.Automatikkonten = true;
  dm.Buchung(1, "KASSE", "ERLOES", 100, 0).LfdNr = 1;
  dm.Buchung(1, "KASSE", "MWST1900", 19, 0).LfdNr = 2;
  dm.Buchung(2, "KASSE", "ERLOES", 50, 0);
  dm.VstOhne = "9";
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 2u);
  const TListenZeile& gruppe = liste.Zeile(liste.Oberste()[0]);
  EXPECT_EQ(gruppe.Gruppe, "Automatikkonten");
  EXPECT_EQ(gruppe.Kinder.size(), 2u);
  EXPECT_EQ(Oben(0).Betrag(TSpalte::BetragSoll), 119);
  EXPECT_EQ(Oben(0).Text(TSpalte::BU), "3");
  EXPECT_EQ(Oben(0).Text(TSpalte::Gegenkonto), "8410");
  EXPECT_EQ(Oben(0).Text(TSpalte::GegenkontoName), "ERLOES");
  // A lone booking of its transaction gets the key for input tax without rate.
  EXPECT_EQ(Oben(1).Text(TSpalte::BU), "9");
}

TEST_F(Zusammenfassung, AutomaticAccountsOrderTheBookingsByTheirKeyKeepingEqualKeysInOrder) {
  dm.Sonderkonten.clear();
  dm.Einst.AutoKont = true;
  dm.Exp.Automatikkonten = true;
  // Read in an order that takes several exchanges to sort; two bookings share a key.
  for (const auto& [lnr, betrag] : std::vector<std::pair<int, int>>{
           {5, 1}, {3, 2}, {1, 3}, {4, 4}, {2, 5}, {3, 6}, {6, 7}}) {
    dm.Buchung(lnr, "KASSE", "ERLOES", betrag, 0);
  }
  Aufbauen();
  std::vector<std::pair<int, int>> reihenfolge;
  for (const auto& b : geladen) {
    reihenfolge.emplace_back(b.Ident.LNr, static_cast<int>(b.Werte.Betrag(TSpalte::BuchBetragSoll)));
  }
  EXPECT_EQ(reihenfolge, (std::vector<std::pair<int, int>>{
                             {1, 3}, {2, 5}, {3, 2}, {3, 6}, {4, 4}, {5, 1}, {6, 7}}));
  ASSERT_EQ(liste.Oberste().size(), 7u);
}

TEST_F(Zusammenfassung, KeysOfAnotherLengthStillSortAsTexts) {
  dm.Sonderkonten.clear();
  dm.Einst.AutoKont = true;
  dm.Exp.Automatikkonten = true;
  // A computer number of five digits makes a longer key, which sorts as its text does.
  for (std::int32_t rechner : {9999, 10000, 2}) {
    dm.Buchung(7, "KASSE", "ERLOES", 1, 0).SetIdent({rechner, 7, 1});
  }
  Aufbauen();
  std::vector<std::int32_t> reihenfolge;
  for (const auto& b : geladen) reihenfolge.push_back(b.Ident.RNr);
  EXPECT_EQ(reihenfolge, (std::vector<std::int32_t>{2, 10000, 9999}));
}

TEST_F(Zusammenfassung, TaxThatDoesNotMatchTheRevenueStaysUnpaired) {
  dm.Sonderkonten.clear();
  dm.Einst.AutoKont = true;
  dm.Exp.Automatikkonten = true;
  dm.Buchung(1, "KASSE", "ERLOES", 100, 0).LfdNr = 1;
  dm.Buchung(1, "KASSE", "MWST1900", 25, 0).LfdNr = 2;
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 2u);
  EXPECT_FALSE(liste.Zeile(liste.Oberste()[0]).IstGruppe);
  EXPECT_EQ(Oben(0).Text(TSpalte::BU), "");
}

TEST_F(Zusammenfassung, CombinedAccountsGroupByTheirKeyWithLatestDate) {
  dm.Einst.KontoKombination = true;
  dm.Einst.NachNummer = true;
  dm.Einst.Beschreibung = true;
  dm.Einst.ZusaGGKtoListe = {"ERLWARE=J"};
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 10, 1, EncodeDate(2024, 3, 5));
  dm.Buchung(2, "KASSE", "ERLWARE", 0, 20, 1, EncodeDate(2024, 3, 5)).Buchungsdatum =
      EncodeDate(2024, 3, 9);
  dm.Buchung(3, "KASSE", "ERLWARE", 0, 40, 1, EncodeDate(2024, 3, 6));
  dm.Buchung(4, "KASSE", "ANDERES", 0, 5, 1);
  Aufbauen();
  ASSERT_EQ(liste.Oberste().size(), 3u);
  EXPECT_EQ(liste.Zeile(liste.Oberste()[0]).Gruppe, "Zusammengefasste Konten");
  EXPECT_EQ(Oben(0).Betrag(TSpalte::BetragHaben), 30);
  EXPECT_EQ(Oben(0).Datum(TSpalte::Buchungsdatum), EncodeDate(2024, 3, 9));
  EXPECT_EQ(Oben(0).Text(TSpalte::ExportBeschreibung), "Sammler 8400 - 1000");
  EXPECT_EQ(Oben(0).Text(TSpalte::BU), "3");
  EXPECT_EQ(Oben(1).Betrag(TSpalte::BetragHaben), 40);
  EXPECT_FALSE(liste.Zeile(liste.Oberste()[2]).IstGruppe);  // no key: on its own
}

TEST_F(Zusammenfassung, TotalsViewGroupsEverythingByAccount) {
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 10);
  dm.Buchung(2, "ERLWARE", "KASSE", 0, 20);
  dm.Buchung(3, "KASSE", "ERLWARE", 0, 40);
  Aufbauen(true);
  ASSERT_EQ(liste.Oberste().size(), 1u);
  const TListenZeile& alles = liste.Zeile(liste.Oberste()[0]);
  EXPECT_EQ(alles.Gruppe, "ALLES");
  EXPECT_EQ(alles.Werte().Betrag(TSpalte::BetragHaben), 70);
  ASSERT_EQ(alles.Kinder.size(), 2u);
  EXPECT_EQ(liste.Zeile(alles.Kinder[0]).Gruppe, "Kontensummen");
  EXPECT_EQ(liste.Zeile(alles.Kinder[0]).Werte().Betrag(TSpalte::BetragHaben), 50);
}

struct KriteriumFall {
  const char* kriterium;
  std::vector<TSpalte> spalten;
  const char* regelText;
};

class Kriterien : public ::testing::TestWithParam<KriteriumFall> {};

TEST_P(Kriterien, KeyColumnsAndDescriptionRule) {
  const auto& fall = GetParam();
  const TKriterium& k = KriteriumZu(fall.kriterium);
  std::vector<TSpalte> erwartet{TSpalte::Konto, TSpalte::Gegenkonto};
  erwartet.insert(erwartet.end(), fall.spalten.begin(), fall.spalten.end());
  EXPECT_EQ(SchluesselSpalten(k, true), erwartet);
  erwartet[0] = TSpalte::KontoName;
  erwartet[1] = TSpalte::GegenkontoName;
  EXPECT_EQ(SchluesselSpalten(k, false), erwartet);

  TZeilenWerte w;
  w.SetDatum(TSpalte::Belegdatum, EncodeDate(2024, 3, 5));
  w.SetGanzzahl(TSpalte::Filiale, 7);
  w.SetGanzzahl(TSpalte::BelegRNr, 12);
  w.SetText(TSpalte::Beleg1, "B1");
  EXPECT_EQ(RegelText(k, w, "Verkauf", ""), fall.regelText);
}

INSTANTIATE_TEST_SUITE_P(
    AlleKriterien, Kriterien,
    ::testing::Values(
        KriteriumFall{"FILIALE", {TSpalte::BU, TSpalte::Filiale}, "Sammler 3/2024 FI 7"},
        KriteriumFall{"FILIALEDATUM", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::Filiale},
                      "Verkauf FI 7 vom 05.03.2024"},
        KriteriumFall{"RECHNER", {TSpalte::BU, TSpalte::BelegRNr}, "Sammler Rechner 12"},
        KriteriumFall{"RECHNERDATUM", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::BelegRNr},
                      "Sammler Rechner 12 vom 05.03.2024"},
        KriteriumFall{"RECHNERDATUMSH", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::BelegRNr, TSpalte::SollHaben},
                      "Sammler Rechner 12 vom 05.03.2024"},
        KriteriumFall{"DATUM", {TSpalte::BU, TSpalte::Belegdatum}, "Sammler 05.03.2024"},
        KriteriumFall{"BELEGDATUM", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::Beleg1, TSpalte::Beleg2},
                      "B1 vom 05.03.2024"},
        KriteriumFall{"BELEGUSTID", {TSpalte::BU, TSpalte::Belegdatum, TSpalte::Beleg1, TSpalte::Beleg2},
                      "B1 vom 05.03.2024"},
        KriteriumFall{"RECHNEREU", {TSpalte::BU, TSpalte::BelegRNr, TSpalte::EULand, TSpalte::EUSteuer}, ""},
        KriteriumFall{"EU", {TSpalte::BU, TSpalte::EULand, TSpalte::EUSteuer}, ""},
        KriteriumFall{"KEINE", {TSpalte::BU}, ""}),
    [](const ::testing::TestParamInfo<KriteriumFall>& info) {
      return std::string(info.param.kriterium);
    });

TEST(KriterienTexte, GroupNamesCashAccountAndCutCollector) {
  EXPECT_EQ(KriteriumZu("keine").GruppenName, "Konto-Kombination");
  EXPECT_EQ(KriteriumZu("RechnerDatumSH").GruppenName, "Belegdatum-Rechner-SollHaben");
  TZeilenWerte w;
  w.SetDatum(TSpalte::Belegdatum, EncodeDate(2024, 3, 5));
  w.SetGanzzahl(TSpalte::Filiale, 7);
  EXPECT_EQ(RegelText(KriteriumZu("FILIALEDATUM"), w, "Verkauf", "Kasse"),
            "Verkauf Kasse FI 7 vom 05.03.2024");
  w.SetText(TSpalte::Gegenkonto, "Ärger-Konto-Überlang");
  w.SetText(TSpalte::Konto, "1000");
  EXPECT_EQ(RegelText(ZusammengefassteKonten(), w, "", ""), "Sammler Ärger-Konto-Überlang -");
  w.SetText(TSpalte::Beleg2, "B2");
  EXPECT_EQ(RegelText(KriteriumZu("BELEGDATUM"), w, "", ""), "B2 vom 05.03.2024");
  EXPECT_EQ(Monatsende(EncodeDate(2024, 2, 10)), EncodeDate(2024, 2, 29));
  EXPECT_EQ(Monatsende(EncodeDate(2024, 12, 10)), EncodeDate(2024, 12, 31));
}

}  // namespace

namespace {

TEST_F(Zusammenfassung, AGroupRowIsNeverDatedAfterThePeriodEnd) {
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 100, 1, EncodeDate(2024, 3, 2));
  dm.Buchung(2, "KASSE", "ERLWARE", 0, 50, 1, EncodeDate(2024, 3, 9));
  dm.Einst.KontoKombination = true;
  dm.Einst.Kriterien = "FILIALE";
  TLadeAuftrag auftrag;
  auftrag.Firma = dm.Mandant;
  geladen = TBuchungsLader(dm.Dienste(), dm.Einst, dm.Exp).Laden(auftrag).Buchungen;
  // The export ends on the 15th: the line must lie in its file's period.
  TBuchungsZusammenfassung(dm, dm.Einst, false, false, EncodeDate(2024, 3, 15))
      .Aufbauen(geladen, liste);
  ASSERT_EQ(liste.Oberste().size(), 1u);
  EXPECT_EQ(Oben(0).Datum(TSpalte::Belegdatum), EncodeDate(2024, 3, 15));

  // A period to the month's end or beyond keeps the month's end.
  TBuchungsListe bisApril;
  TBuchungsZusammenfassung(dm, dm.Einst, false, false, EncodeDate(2024, 4, 30))
      .Aufbauen(geladen, bisApril);
  EXPECT_EQ(bisApril.Zeile(bisApril.Oberste().at(0)).Werte().Datum(TSpalte::Belegdatum),
            EncodeDate(2024, 3, 31));
}

}  // namespace
