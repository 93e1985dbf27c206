#include <gtest/gtest.h>

#include "BearbFakes.h"
#include "app/SaldixBearbInhalt.h"
#include "app/SaldixBearbZeilenAufbau.h"
#include "data/BookingTexts.h"
#include "suite/FBDEMani.h"

namespace {

class Inhalte : public ::testing::Test {
 protected:
  std::string Wert(const char* key, TInhaltFeld feld = TInhaltFeld::Beleg1,
                   bool anhaengen = false, std::int32_t abrNr = 5, std::int32_t abrJahr = 2024) {
    TInhaltQuelle quelle(satz, dm, dm, abrNr, abrJahr);
    quelle.GepName = "Meier";
    quelle.GegenKtoBez = "Erlöse";
    quelle.Beschreibung = satz.Beschreibung;
    return InhaltWert(key, feld, quelle, anhaengen);
  }

  TFakeDatenmodul dm;
  TBuchungsRohsatz satz = [] {
    TBuchungsRohsatz s;
    s.Beleg1 = " R-1 ";
    s.Beleg2 = "K7";
    s.Beschreibung = "Allgemeiner Verkauf";
    s.Filiale = 3;
    s.Belegdatum = 45356;  // 05.03.2024
    s.BelegRNr = 4;
    s.BelegLNr = 77;
    s.Belegart = "KB";
    s.GegenKtoName = "ERLWARE";
    return s;
  }();
};

TEST_F(Inhalte, SettlementNumberTakesTheYearsLastTwoDigits) {
  EXPECT_EQ(Wert("ABRNR"), "524");
  EXPECT_EQ(Wert("ABRNR", TInhaltFeld::Beleg1, false, 12, 2005), "1205");
}

TEST_F(Inhalte, ComposedValues) {
  EXPECT_EQ(Wert(""), " R-1 ");
  EXPECT_EQ(Wert("standard", TInhaltFeld::Beleg2), "K7");
  EXPECT_EQ(Wert("KEIN"), "");
  EXPECT_EQ(Wert("KOMBI"), "R-1-K7");
  EXPECT_EQ(Wert("KOMBIKUE"), "R-1-K7u");
  EXPECT_EQ(Wert("KOMBIFIK"), "#03 u");
  EXPECT_EQ(Wert("FILIALEDATUM"), "3240305");
  EXPECT_EQ(Wert("RECHNERDATUM"), "4-05.03.2024");
  EXPECT_EQ(Wert("RECHNERDATUMS"), "4240305");
  EXPECT_EQ(Wert("ORDERID7"), "3456789");
  EXPECT_EQ(Wert("BELEGNR"), "B77");
  EXPECT_EQ(Wert("BELEGNRMIT"), "KB B77");
  EXPECT_EQ(Wert("BELEGNRGEPNAME"), "KB B77 Meier");
  EXPECT_EQ(Wert("KBNRDATUM"), "Kassenabschluss 12-345 / 05.03.2024");
  EXPECT_EQ(Wert("EXTINTGUTSCHEIN"), "");  // not a voucher
  EXPECT_EQ(Wert("UNBEKANNT"), " R-1 ");   // an unknown key keeps the own value
}

TEST_F(Inhalte, OwnDescriptionIsAppendedOnceAndOnlyWhenAsked) {
  EXPECT_EQ(Wert("BELEGNR", TInhaltFeld::Text, true), "B77 Allgemeiner Verkauf");
  EXPECT_EQ(Wert("BELEGNR", TInhaltFeld::Text, false), "B77");
  EXPECT_EQ(Wert("STANDARD", TInhaltFeld::Text, true), "Allgemeiner Verkauf");
  EXPECT_EQ(Wert("", TInhaltFeld::Text, true), "Allgemeiner Verkauf");
  EXPECT_EQ(Wert("BELEGNR", TInhaltFeld::Beleg1, true), "B77");
  satz.Beschreibung = "B77";
  EXPECT_EQ(Wert("BELEGNRMIT", TInhaltFeld::Text, true), "KB B77");
}

TEST(ZeilenAufbau, AccountTextsKeyAndDebitCreditSide) {
  EXPECT_EQ(KontoKurzText(42, "KASSE", ""), "0042");
  EXPECT_EQ(KontoKurzText(12345, "KASSE", ""), "12345");
  EXPECT_EQ(KontoKurzText(0, "KASSE", "A"), "KASSE A");
  EXPECT_EQ(KontoKurzText(-1, "KASSE", ""), "KASSE");
  EXPECT_EQ(FBDEIdentText({12, 345, 6}), "00120000003450006");

  TFakeDatenmodul dm;
  dm.Nummern = {{"KASSE", 1000}};
  dm.Exp.Zahlungsreferenz = true;
  auto& s = dm.Buchung(1, "KASSE", "ERLWARE", 10, 10.004L);
  s.Waehrung = "USD";
  s.FiBuGVorfall = "ARE";
  s.Beschreibung = "Zeile 1\r\nZeile 2";
  TZeilenAufbau aufbau(dm.Dienste(), dm.Einst, dm.Exp, 1, 2024);
  const TZeilenWerte w = aufbau.Aufbauen(s);
  EXPECT_EQ(w.Betrag(TSpalte::BuchBetragSoll), 20);
  EXPECT_EQ(w.Text(TSpalte::Waehrung), "EUR");
  EXPECT_EQ(w.Text(TSpalte::SollHaben), "H");
  EXPECT_EQ(w.Betrag(TSpalte::BetragSoll), 0);
  EXPECT_EQ(w.Text(TSpalte::Konto), "1000");
  EXPECT_EQ(w.Text(TSpalte::Gegenkonto), "ERLWARE");
  EXPECT_EQ(w.Text(TSpalte::BU), "");
  EXPECT_EQ(w.Text(TSpalte::Zahlungsreferenz), "REF");
  EXPECT_EQ(w.Text(TSpalte::Beschreibung), "Zeile 1Zeile 2");
  EXPECT_EQ(w.Text(TSpalte::ExportBeschreibung), "Zeile 1Zeile 2");
  EXPECT_EQ(w.Ganzzahl(TSpalte::Level), 4);

  s.BetragSoll = 10.01L;
  s.Waehrung = "";
  s.FiBuGVorfall = "KASSENBERICHT";
  const TZeilenWerte v = aufbau.Aufbauen(s);
  EXPECT_EQ(v.Text(TSpalte::SollHaben), "S");
  EXPECT_EQ(v.Text(TSpalte::Zahlungsreferenz), "");
}

TEST(ZeilenAufbau, BookingsReadWithTheirNamesKeepThemAndSkipTheLookups) {
  TFakeDatenmodul dm;
  dm.Aufgeloest = true;
  dm.Nummern = {{"KASSE", 1000}};  // would give "1000" if the list looked it up again
  auto& s = dm.Buchung(7, "KASSE", "ERLWARE", 10, 0);
  s.GepNr = {1, 5};
  s.KtoKurzBez = "1600";
  s.GegenKtoKurzBez = "8400";
  s.KtoBez = "Kasse Filiale";
  s.GegenKtoBez = "Erlöse 19 %";
  s.GepBez = "Meier KG";
  TZeilenAufbau aufbau(dm.Dienste(), dm.Einst, dm.Exp, 1, 2024);
  const TZeilenWerte w = aufbau.Aufbauen(s);
  EXPECT_EQ(w.Text(TSpalte::Konto), "1600");
  EXPECT_EQ(w.Text(TSpalte::Gegenkonto), "8400");
  EXPECT_EQ(w.Text(TSpalte::KontoBez), "Kasse Filiale");
  EXPECT_EQ(w.Text(TSpalte::GegenkontoBez), "Erlöse 19 %");
  EXPECT_EQ(w.Text(TSpalte::GepName), "Meier KG");
  EXPECT_EQ(w.Text(TSpalte::KontoName), "KASSE");
  EXPECT_EQ(w.Text(TSpalte::Protokollnummer), "00010000000070001");
}

}  // namespace
