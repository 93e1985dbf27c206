// The manual-booking dialogs against a real suite database: splitting into net and tax
// booking, the checks in their order, and the booking transaction that writes both or
// neither.
#include <gtest/gtest.h>

#include "data/FBDEDialogDaten.h"
#include "data/SaldixData.h"
#include "data/SaldixFBDENeu.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "support/BookingFixture.h"
#include "support/TestSuite.h"

namespace {

void Exec(const std::string& sql) { SuiteDatabase::Get().ExecuteScript(sql); }

void Stammdaten() {
  Exec("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, export_rechner, bilanz_jahr) "
       "VALUES (1, 1, 17, 'Muster GmbH', 1, 2023)");
  Exec("INSERT INTO computers (number, type) VALUES (1, 1), (4, 1)");
  Exec("INSERT INTO kostenstellen (nummer, bezeichnung) VALUES (10, 'Verkauf'), (20, 'Lager')");
  Exec("INSERT INTO konten (firma1, firma2, kurz_bez, zusatz, nummer, bezeichnung, art) VALUES "
       "(1, 1, 'KASSE', '', 1000, 'Kasse', 'B'), "
       "(1, 1, 'ERLWARE', '19', 8400, 'Erlöse 19 %', 'E'), "
       "(1, 1, 'WAREIN', '', 3400, 'Wareneingang', 'A')");
}

// The real writes and transaction of the data module; the exporter's tax keys and the
// account kinds as a DATEV client would have them.
class Daten final : public IFBDEDialogDaten {
 public:
  explicit Daten(TSaldixDataModule& dm) : echt_(dm) {}

  std::vector<TNummerEintrag> Kostenstellen() override { return echt_.Kostenstellen(); }
  std::vector<std::int32_t> Rechnerliste() override { return echt_.Rechnerliste(); }
  std::vector<std::string> Steuerschl_Liste() override { return {" ", "2", "3", "9"}; }
  std::int32_t Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                TDateTime datum, std::int32_t rechner,
                                std::int32_t filiale) override {
    return echt_.Get_Konto_Nummer(name, zusatz, datum, rechner, filiale);
  }
  std::string GetMandKonto_Bezeichnung(const std::string& name, const std::string& zusatz) override {
    return echt_.GetMandKonto_Bezeichnung(name, zusatz);
  }
  bool Get_Konto_Zu_Nummer(std::int32_t nummer, const TIntPair& firma, TDateTime datum,
                           std::string& name, std::string& zusatz,
                           std::string& bezeichnung) override {
    return echt_.Get_Konto_Zu_Nummer(nummer, firma, datum, name, zusatz, bezeichnung);
  }
  std::string SteuerSchlNachKonto(const std::string& schluessel, double& prozent) override {
    prozent = 0;
    if (schluessel == "2") return prozent = 7, "MWST0700";
    if (schluessel == "3") return prozent = 19, "MWST1900";
    if (schluessel == "9") return prozent = 19, "VORST1900";
    return "";
  }
  char Get_Aufwand_Erloes_Bestand(const std::string& name, const std::string& zusatz,
                                  TDateTime datum) override {
    return echt_.Get_Aufwand_Erloes_Bestand(name, zusatz, datum);
  }
  bool FBDEMani_Buchen_Update(const std::vector<TIntTrio>& idents, const std::string& b,
                              const std::string& u, const std::string& z, std::int32_t k1,
                              std::int32_t k2) override {
    return echt_.FBDEMani_Buchen_Update(idents, b, u, z, k1, k2);
  }
  bool FBDEMani_Buchen_Insert(TIntTrio& protNr, const TIntPair& firma, TDateTime datum,
                              long double soll, long double haben, const std::string& waehrung,
                              const std::string& konto, const std::string& kontoZusatz,
                              const std::string& gegenkonto, const std::string& gegenkontoZusatz,
                              const std::string& beleg1, const std::string& beleg2,
                              const std::string& ustId, const std::string& beschreibung,
                              std::int32_t rechner, std::int32_t kost1, std::int32_t kost2,
                              std::int32_t filiale) override {
    return echt_.FBDEMani_Buchen_Insert(protNr, firma, datum, soll, haben, waehrung, konto,
                                        kontoZusatz, gegenkonto, gegenkontoZusatz, beleg1, beleg2,
                                        ustId, beschreibung, rechner, kost1, kost2, filiale);
  }
  std::unique_ptr<IBuchungsTransaktion> BuchungsTransaktion(int sperre) override {
    ++transaktionen;
    letzteSperre = sperre;
    return echt_.BuchungsTransaktion(sperre);
  }

  int transaktionen = 0;
  int letzteSperre = 0;

 private:
  TFBDEDialogDaten echt_;
};

class Suche final : public IKontoSuche {
 public:
  bool Suchen(const TIntPair& firma, TDateTime, TGewaehltesKonto& konto) override {
    ++aufrufe;
    gefragtFuer = firma;
    if (!antwort) return false;
    konto = *antwort;
    return true;
  }
  int aufrufe = 0;
  TIntPair gefragtFuer;
  std::optional<TGewaehltesKonto> antwort;
};

std::vector<TFBDEDaten> Geschrieben() {
  std::vector<TFBDEDaten> saetze;
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT rechner, transaktions_nr, lfd_nr FROM fbde ORDER BY rechner, transaktions_nr, lfd_nr");
  while (stmt->Step()) {
    saetze.push_back(ReadBooking({static_cast<std::int32_t>(stmt->Int(0)),
                                  static_cast<std::int32_t>(stmt->Int(1)),
                                  static_cast<std::int16_t>(stmt->Int(2))}));
  }
  return saetze;
}

class FBDENeu : public ::testing::Test {
 protected:
  FBDENeu() {
    Stammdaten();
    dm_ = std::make_unique<TSaldixDataModule>(TSaldixDataModuleStart{});
    dm_->SetAktMandant(kTestFirma);
    daten_ = std::make_unique<Daten>(*dm_);
  }

  // A cash sale of 119.00 on 15.03.2024 as the selected booking.
  std::unique_ptr<TfrmSaldixFBDENeu> Dialog(long double betrag = 119) {
    auto form = std::make_unique<TfrmSaldixFBDENeu>(*daten_, suche_);
    form->FFirma = kTestFirma;
    form->FWaehrung = "EUR";
    form->FRechner = 4;
    form->FFiliale = 2;
    form->FKonto = "KASSE";
    form->FGegenkonto = "ERLWARE";
    form->FGegenkontoZusatz = "19";
    form->FDatum = 45366;  // 15.03.2024
    form->FBetrag = betrag;
    form->FBeschreibung = "Tageskasse Filiale 2 vom Freitag";
    form->FBeleg1 = "B1234567";
    form->FKost1 = 20;
    form->FormShow();
    return form;
  }

  TestSuite suite_;
  std::unique_ptr<TSaldixDataModule> dm_;
  std::unique_ptr<Daten> daten_;
  Suche suche_;
};

TEST_F(FBDENeu, ShowsThePresetBookingWithItsAccountsAndSide) {
  auto form = Dialog(-42.5);
  EXPECT_EQ(form->edtBetrag, "42,50");
  EXPECT_EQ(form->cmbSollHaben, TfrmSaldixFBDENeu::CHaben);
  EXPECT_EQ(form->edtKonto, "1000");
  EXPECT_EQ(form->edtKontoTxt, "Kasse");
  EXPECT_EQ(form->edtGegenkonto, "8400");
  EXPECT_EQ(form->edtGegenkontoTxt, "Erlöse 19 %");
  EXPECT_EQ(form->edtDatum, "15.03.2024");
  // Inputs keep to their limits: 20 characters of description, 6 of a document field.
  EXPECT_EQ(form->edtBeschreibung, "Tageskasse Filiale 2");
  EXPECT_EQ(form->edtBeleg1, "B12345");
  EXPECT_EQ(form->cmbRechnerWerte.at(static_cast<std::size_t>(form->cmbRechner)), 4);
  EXPECT_EQ(form->cmbKost1.Nummer(), 20);
  EXPECT_EQ(form->cmbKost2.Nummer(), 0);
  EXPECT_EQ(form->FocusedInput(), "edtBetrag");
  EXPECT_EQ(Dialog(119)->cmbSollHaben, TfrmSaldixFBDENeu::CSoll);
}

TEST_F(FBDENeu, ATaxKeySplitsIntoNetAndTaxBookingOfOneTransaction) {
  auto form = Dialog(119);
  form->cmbSteuerschl = 2;  // "3": 19 % output VAT
  form->btnBuchenClick();
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(daten_->letzteSperre, 53);
  const auto saetze = Geschrieben();
  ASSERT_EQ(saetze.size(), 2u);
  EXPECT_DOUBLE_EQ(static_cast<double>(saetze[0].BetragSoll), 100.00);
  EXPECT_DOUBLE_EQ(static_cast<double>(saetze[0].BetragHaben), 0);
  EXPECT_EQ(saetze[0].GegenKtoName, "ERLWARE");
  EXPECT_EQ(saetze[0].GegenKtoZusatz, "19");
  EXPECT_DOUBLE_EQ(static_cast<double>(saetze[1].BetragSoll), 19.00);
  EXPECT_EQ(saetze[1].GegenKtoName, "MWST1900");
  EXPECT_EQ(saetze[1].GegenKtoZusatz, "");
  for (const auto& satz : saetze) {
    EXPECT_EQ(satz.KtoName, "KASSE");
    EXPECT_EQ(satz.Belegart, "PN");
    EXPECT_EQ(satz.AbrNr, 0);
    EXPECT_TRUE(satz.Export);
    EXPECT_EQ(satz.BelegRNr, 4);
    EXPECT_EQ(satz.Filiale, 2);
    EXPECT_EQ(satz.Kost1, 20);
    EXPECT_EQ(satz.Beleg1, "B12345");
  }
  // One transaction: the tax booking follows the net booking under its number.
  EXPECT_EQ(saetze[1].Rechner, saetze[0].Rechner);
  EXPECT_EQ(saetze[1].TransaktionsNr, saetze[0].TransaktionsNr);
  EXPECT_EQ(form->Geschrieben().size(), 2u);
}

TEST_F(FBDENeu, SevenPercentOfTenRoundsTheTaxToCents) {
  auto form = Dialog(-10);
  form->cmbSteuerschl = 1;  // "2": 7 %
  form->btnBuchenClick();
  ASSERT_EQ(form->ModalResult(), mrOk);
  const auto saetze = Geschrieben();
  ASSERT_EQ(saetze.size(), 2u);
  EXPECT_DOUBLE_EQ(static_cast<double>(saetze[0].BetragHaben), 9.35);
  EXPECT_DOUBLE_EQ(static_cast<double>(saetze[1].BetragHaben), 0.65);
  EXPECT_EQ(saetze[1].GegenKtoName, "MWST0700");
}

TEST_F(FBDENeu, WithoutTaxKeyOneBookingOfTheWholeAmount) {
  auto form = Dialog(50);
  form->btnBuchenClick();
  ASSERT_EQ(form->ModalResult(), mrOk);
  const auto saetze = Geschrieben();
  ASSERT_EQ(saetze.size(), 1u);
  EXPECT_DOUBLE_EQ(static_cast<double>(saetze[0].BetragSoll), 50);
}

TEST_F(FBDENeu, AFailedTaxBookingLeavesNeitherBookingWritten) {
  Exec("CREATE TRIGGER kein_steuerkonto BEFORE INSERT ON fbde "
       "WHEN NEW.gegen_kto_name = 'MWST1900' BEGIN SELECT RAISE(ABORT, 'Platte voll'); END");
  auto form = Dialog(119);
  form->cmbSteuerschl = 2;
  form->btnBuchenClick();
  EXPECT_EQ(form->ModalResult(), 0);  // stays open with its input
  EXPECT_EQ(form->edtBetrag, "119,00");
  EXPECT_EQ(CountRows("fbde"), 0);
  ASSERT_FALSE(QTXInfo().Registrations().empty());
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.FBDEMani_Buchen_Insert");
  // Once the cause is gone, the same input writes both.
  Exec("DROP TRIGGER kein_steuerkonto");
  form->btnBuchenClick();
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(CountRows("fbde"), 2);
}

TEST_F(FBDENeu, ChecksRefuseInTheirOrderAndWriteNothing) {
  struct Fall {
    std::function<void(TfrmSaldixFBDENeu&)> aendern;
    std::string text, fokus;
  };
  const std::vector<Fall> faelle = {
      {[](auto& f) { f.edtDatum = "31.02.2024"; f.edtBetrag = ""; }, "Bitte das Datum füllen.",
       "edtDatum"},
      {[](auto& f) { f.edtBetrag = "abc"; }, "Bitte den Betrag füllen.", "edtBetrag"},
      {[](auto& f) { f.cmbSollHaben = -1; f.FKonto.clear(); },
       "Bitte das Soll/Haben-Kennzeichen wählen.", "cmbSollHaben"},
      {[](auto& f) { f.FKonto.clear(); f.FGegenkonto.clear(); }, "Bitte das Konto füllen.",
       "edtKonto"},
      {[](auto& f) { f.FGegenkonto.clear(); }, "Bitte das Gegenkonto füllen.", "edtGegenkonto"},
      // Input VAT on a revenue account.
      {[](auto& f) { f.cmbSteuerschl = 3; },
       "Bei einem Erlöskonto ist kein Steuerschlüssel für Vorsteuer erlaubt.", "cmbSteuerschl"},
      // Output VAT on a balance account and on an expense account.
      {[](auto& f) { f.FGegenkonto = "KASSE"; f.FGegenkontoZusatz = ""; f.cmbSteuerschl = 2; },
       "Bei einem Bestandskonto ist kein Steuerschlüssel für Mwst erlaubt.", "cmbSteuerschl"},
      {[](auto& f) { f.FGegenkonto = "WAREIN"; f.FGegenkontoZusatz = ""; f.cmbSteuerschl = 1; },
       "Bei einem Aufwandskonto ist kein Steuerschlüssel für Mwst erlaubt.", "cmbSteuerschl"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.text);
    suite_.Messages().Clear();
    auto form = Dialog(119);
    fall.aendern(*form);
    form->btnBuchenClick();
    EXPECT_EQ(form->ModalResult(), 0);
    ASSERT_EQ(suite_.Messages().Count(), 1u);
    EXPECT_EQ(suite_.Messages().LastText(), "Fehlerhafte Eingabe:\r" + fall.text);
    EXPECT_EQ(form->FocusedInput(), fall.fokus);
  }
  EXPECT_EQ(daten_->transaktionen, 0);
  EXPECT_EQ(CountRows("fbde"), 0);
}

TEST_F(FBDENeu, InputVatOnAnExpenseAccountIsAllowed) {
  auto form = Dialog(-119);
  form->FKonto = "KASSE";
  form->FGegenkonto = "WAREIN";
  form->FGegenkontoZusatz = "";
  form->cmbSteuerschl = 3;  // VORST1900
  form->btnBuchenClick();
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(CountRows("fbde"), 2);
}

TEST_F(FBDENeu, AnAccountNumberIsLookedUpOnLeavingTheInput) {
  auto form = Dialog(119);
  form->edtGegenkonto = "3400";
  form->edtGegenkontoExit();
  EXPECT_EQ(form->FGegenkonto, "WAREIN");
  EXPECT_EQ(form->FGegenkontoZusatz, "");
  EXPECT_EQ(form->FGegenkontoNr, 3400);
  EXPECT_EQ(form->edtGegenkontoTxt, "Wareneingang");
  EXPECT_EQ(suche_.aufrufe, 0);
  // Leaving it unchanged asks nothing again.
  form->edtGegenkontoExit();
  EXPECT_EQ(suche_.aufrufe, 0);
}

TEST_F(FBDENeu, ANumberThatNamesNoAccountClearsItAndOpensTheSearch) {
  auto form = Dialog(119);
  form->edtKonto = "4711";
  form->edtKontoExit();
  EXPECT_EQ(suche_.aufrufe, 1);
  EXPECT_EQ(suche_.gefragtFuer, kTestFirma);
  EXPECT_EQ(form->FKonto, "");
  EXPECT_EQ(form->FKontoNr, 0);
  EXPECT_EQ(form->edtKontoTxt, "");
  form->btnBuchenClick();
  EXPECT_EQ(suite_.Messages().LastText(), "Fehlerhafte Eingabe:\rBitte das Konto füllen.");
  EXPECT_EQ(CountRows("fbde"), 0);

  // An account picked in the search without its number gets it resolved.
  suche_.antwort = TGewaehltesKonto{0, "ERLWARE", "19", "Erlöse 19 %"};
  form->KontoSuchen();
  EXPECT_EQ(form->FKonto, "ERLWARE");
  EXPECT_EQ(form->FKontoZusatz, "19");
  EXPECT_EQ(form->edtKonto, "8400");
  EXPECT_EQ(form->edtKontoTxt, "Erlöse 19 %");
}

class FBDEEdit : public FBDENeu {};

TEST_F(FBDEEdit, WithoutBookingsTheDialogCannotBeConfirmed) {
  TfrmSaldixFBDEEdit form(*daten_);
  form.FormShow();
  EXPECT_FALSE(form.BuchenEnabled());
  form.btnBuchenClick();
  EXPECT_EQ(form.ModalResult(), 0);
}

TEST_F(FBDEEdit, ChangesTheFreeFieldsOfAllSelectedBookings) {
  InsertBooking(TestBooking({1, 10, 1}));
  InsertBooking(TestBooking({1, 10, 2}));
  InsertBooking(TestBooking({1, 11, 1}));
  TfrmSaldixFBDEEdit form(*daten_);
  form.FIdentArray = {{1, 10, 1}, {1, 10, 2}};
  form.FBeschreibung = "Allgemeiner Verkauf";
  form.FKost1 = 10;
  form.FKost2 = 99;  // no longer a cost centre: the first entry
  form.FormShow();
  ASSERT_TRUE(form.BuchenEnabled());
  EXPECT_EQ(form.cmbKost1.Nummer(), 10);
  EXPECT_EQ(form.cmbKost2.Index, 0u);
  form.edtBeschreibung = "Korrektur März";
  form.edtUstId = "DE123456789";
  form.edtZMZusatz = "EC";
  form.cmbKost2.Waehlen(20);
  form.btnBuchenClick();
  EXPECT_EQ(form.ModalResult(), mrOk);
  for (const TIntTrio ident : {TIntTrio{1, 10, 1}, TIntTrio{1, 10, 2}}) {
    const auto satz = ReadBooking(ident);
    EXPECT_EQ(satz.Beschreibung, "Korrektur März");
    EXPECT_EQ(satz.UStID, "DE123456789");
    EXPECT_EQ(satz.ZMZusatz, "EC");
    EXPECT_EQ(satz.Kost1, 10);
    EXPECT_EQ(satz.Kost2, 20);
  }
  EXPECT_EQ(ReadBooking({1, 11, 1}).Beschreibung, "Allgemeiner Verkauf");
}

}  // namespace
