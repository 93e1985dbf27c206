// The cash-report reconciliation on a real suite database: balances of a day, the lists of
// bookings that do not move the cash and of manual bookings, and the selection's checks.
#include <gtest/gtest.h>

#include "data/AbstimmungDaten.h"
#include "data/SaldixAbstimmung.h"
#include "data/SaldixData.h"
#include "suite/SuiteDatabase.h"
#include "support/BookingFixture.h"
#include "support/TestSuite.h"

namespace {

void Exec(const std::string& sql) { SuiteDatabase::Get().ExecuteScript(sql); }

constexpr TDateTime kTag = 45366;  // 15.03.2024

// Computer 4 in branch 2: its cash report of the day opens with 500.00 and is counted at
// closing under its second number.
void Kassenbericht(double endbestand) {
  Exec("INSERT INTO kv (rnr, lnr, firma1, firma2, filiale, datum, nr2) VALUES "
       "(4, 10, 1, 1, 2, 45366, 11)");
  Exec("INSERT INTO kvzm (kv_rnr, kv_lnr, pos, zm_kuerzel, waehrung, betrag) VALUES "
       "(4, 10, 1, 'BAR', 'EUR', 500.00), (4, 11, 1, 'BAR', 'EUR', 400.00), "
       "(4, 11, 2, 'EC', 'EUR', " + std::to_string(endbestand - 400.00) + ")");
}

TFBDEDaten Buchung(TIntTrio ident, const char* konto, long double soll, long double haben) {
  auto satz = TestBooking(ident, kTag + 0.5, soll, haben);
  satz.KtoName = konto;
  satz.BelegRNr = 4;
  satz.Filiale = 2;
  return satz;
}

class Abstimmung : public ::testing::Test {
 protected:
  Abstimmung() {
    Exec("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, export_rechner, bilanz_jahr) "
         "VALUES (1, 1, 17, 'Muster GmbH', 1, 2023)");
    Exec("INSERT INTO computers (number, type, branch) VALUES (1, 1, 1), (4, 1, 2)");
    Exec("INSERT INTO konten_codes (firma1, firma2, code, kurz_bez) VALUES (1, 1, 134, 'KASSE')");
    Exec("INSERT INTO konten (firma1, firma2, kurz_bez, zusatz, nummer, bezeichnung) VALUES "
         "(1, 1, 'KASSE', '', 1000, 'Kasse'), (1, 1, 'ERLWARE', '19', 8400, 'Erlöse 19 %'), "
         "(1, 1, 'GELDTR', '', 1360, 'Geldtransit')");
    InsertBooking(Buchung({4, 1, 1}, "KASSE", 300, 0));
    InsertBooking(Buchung({4, 2, 1}, "KASSE", 0, 120));
    dm_ = std::make_unique<TSaldixDataModule>(TSaldixDataModuleStart{});
    dm_->SetAktMandant(kTestFirma);
    dm_->AktTextMandant = "Muster GmbH";
    daten_ = std::make_unique<TAbstimmungDaten>(*dm_);
    form_ = std::make_unique<TSaldixAbstimmung>(*daten_);
    form_->FormActivate();
    form_->edtDatumVon = "15.03.2024";
  }

  const TAbstimmungsZeile& Tag() const {
    return form_->Kasse().Zeilen.at(0).Kinder.at(0).Kinder.at(0);
  }

  TestSuite suite_;
  std::unique_ptr<TSaldixDataModule> dm_;
  std::unique_ptr<TAbstimmungDaten> daten_;
  std::unique_ptr<TSaldixAbstimmung> form_;
};

TEST_F(Abstimmung, ADayThatReconcilesShowsNoDifference) {
  Kassenbericht(680.00);
  ASSERT_TRUE(form_->acAktualisierenExecute());
  // An empty "bis" takes "Datum von".
  EXPECT_EQ(form_->edtDatumBis, "15.03.2024");
  ASSERT_EQ(form_->Kasse().Zeilen.size(), 1u);
  const auto& tag = Tag();
  EXPECT_EQ(tag.Ebene, 3);
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::Filiale), "2");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::Rechner), "4");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::Belegdatum), "15.03.2024");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::AnfangsbestandKV), "500,00");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::Zugang), "300,00");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::Abgang), "120,00");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::EndbestandErm), "680,00");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::EndbestandKV), "680,00");
  EXPECT_EQ(tag.Anzeige(TAbstSpalte::Differenz), "");
  ASSERT_EQ(tag.Kinder.size(), 2u);
  EXPECT_EQ(tag.Kinder[0].Anzeige(TAbstSpalte::Konto), "Kasse");
  EXPECT_EQ(tag.Kinder[0].Anzeige(TAbstSpalte::Gegenkonto), "Erlöse 19 %");
  EXPECT_EQ(form_->Kasse().Zeilen[0].Anzeige(TAbstSpalte::Differenz), "");
  EXPECT_TRUE(form_->OhneKasse().Zeilen.empty());
  EXPECT_TRUE(form_->Manuell().Zeilen.empty());
  EXPECT_EQ(form_->Seite(), TSaldixAbstimmung::CSeiteKasse);
}

TEST_F(Abstimmung, ACentMissingAtClosingShowsOnTheDayAndItsGroups) {
  Kassenbericht(679.99);
  ASSERT_TRUE(form_->acAktualisierenExecute());
  EXPECT_EQ(Tag().Anzeige(TAbstSpalte::EndbestandErm), "680,00");
  EXPECT_EQ(Tag().Anzeige(TAbstSpalte::EndbestandKV), "679,99");
  EXPECT_EQ(Tag().Anzeige(TAbstSpalte::Differenz), "-0,01");
  const auto& filiale = form_->Kasse().Zeilen[0];
  EXPECT_EQ(filiale.Anzeige(TAbstSpalte::Differenz), "-0,01");
  EXPECT_EQ(filiale.Kinder[0].Anzeige(TAbstSpalte::Differenz), "-0,01");
  // Group rows carry no balances of their own.
  EXPECT_EQ(filiale.Anzeige(TAbstSpalte::AnfangsbestandKV), "");
}

TEST_F(Abstimmung, NonCashAndManualBookingsGoToTheirOwnListsAndCountNowhereElse) {
  Kassenbericht(680.00);
  InsertBooking(Buchung({4, 3, 1}, "GELDTR", 50, 0));  // a cash report booking off the till
  auto manuell = Buchung({1, 7, 1}, "KASSE", 999, 0);
  manuell.Belegart = "PN";
  manuell.FiBuGVorfall = "PRIMANOTA";
  manuell.Beschreibung = "Korrektur";
  InsertBooking(manuell);
  ASSERT_TRUE(form_->acAktualisierenExecute());
  EXPECT_EQ(Tag().Anzeige(TAbstSpalte::Differenz), "");  // neither moved the balances
  ASSERT_EQ(form_->OhneKasse().Zeilen.size(), 1u);
  EXPECT_EQ(form_->OhneKasse().Zeilen[0].Anzeige(TAbstSpalte::Zugang), "50,00");
  EXPECT_EQ(form_->OhneKasse().Spaltentitel[4], std::string("Betrag Soll"));
  ASSERT_EQ(form_->Manuell().Zeilen.size(), 1u);
  const auto& buchung = form_->Manuell().Zeilen[0].Kinder[0].Kinder[0].Kinder.at(0);
  EXPECT_EQ(buchung.Anzeige(TAbstSpalte::Beschreibung), "Korrektur");
  EXPECT_TRUE(form_->Manuell().SpalteSichtbar[14]);
  EXPECT_FALSE(form_->Kasse().SpalteSichtbar[14]);
  // The non-cash page wins over the manual one.
  EXPECT_EQ(form_->Seite(), TSaldixAbstimmung::CSeiteOhneKasse);
}

TEST_F(Abstimmung, TheSelectionNarrowsAndSurvivesTheNextOpening) {
  Kassenbericht(680.00);
  form_->cmbRechner = 1;  // computer 1: no cash bookings
  ASSERT_TRUE(form_->acAktualisierenExecute());
  EXPECT_TRUE(form_->Kasse().Zeilen.empty());
  form_->FormActivate();
  EXPECT_EQ(form_->cmbRechnerEintraege.at(static_cast<std::size_t>(form_->cmbRechner)), "1");
  // A computer no longer in the table selects "Alle".
  Exec("DELETE FROM computers WHERE number = 1");
  form_->FormActivate();
  EXPECT_EQ(form_->cmbRechner, 0);
  ASSERT_TRUE(form_->acAktualisierenExecute());
  EXPECT_EQ(form_->Kasse().Zeilen.size(), 1u);
  // A day outside the period.
  form_->edtDatumVon = "16.03.2024";
  form_->edtDatumBis = "";
  ASSERT_TRUE(form_->acAktualisierenExecute());
  EXPECT_TRUE(form_->Kasse().Zeilen.empty());
}

TEST_F(Abstimmung, DatesThatAreNotDatesAreRefused) {
  form_->edtDatumVon = "32.03.2024";
  EXPECT_FALSE(form_->acAktualisierenExecute());
  EXPECT_EQ(suite_.Messages().LastText(),
            "Fehlerhafte Eingabe:\rDas Von-Datum ist falsch gefüllt.");
  EXPECT_EQ(form_->FocusedInput(), "edtDatumVon");
  form_->edtDatumVon = "15.03.2024";
  form_->edtDatumBis = "morgen";
  EXPECT_FALSE(form_->acAktualisierenExecute());
  EXPECT_EQ(form_->FocusedInput(), "edtDatumBis");
}

}  // namespace
