#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "data/SaldixData.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SimpleMask.h"
#include "suite/Text.h"
#include "suite/db/SqliteStorage.h"
#include "support/BookingFixture.h"
#include "support/TestSuite.h"

namespace {

class ScriptedChooser : public IMandantChooser {
 public:
  explicit ScriptedChooser(bool waehlt) : waehlt_(waehlt) {}
  bool Ausfuehren(TIntPair& mandant, std::string& name) override {
    if (!waehlt_) return false;
    mandant = {1, 1};
    name = "Muster GmbH";
    return true;
  }

 private:
  bool waehlt_;
};

class Unvollstaendig : public Tfrmunvoselekt {
 public:
  bool Pruefung(const TIntPair&, const TKWX_VonBisDatum&, int, int) override { return false; }
};

void Exec(const std::string& sql) { SuiteDatabase::Get().ExecuteScript(sql); }

void AddClient(int exportRechner) {
  Exec("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, export_rechner, bilanz_jahr) "
       "VALUES (1, 1, 17, 'Muster GmbH', " + std::to_string(exportRechner) + ", 2023)");
}

void AddJournalLine(int nr, int rechner) {
  Exec("INSERT INTO fbex (firma1, firma2, abr_jahr, abr_nr, rnr) VALUES (1, 1, 2024, " +
       std::to_string(nr) + ", " + std::to_string(rechner) + ")");
}

void SetWorkstation(int number, int type) {
  Exec("INSERT OR REPLACE INTO computers (number, type) VALUES (" + std::to_string(number) +
       ", " + std::to_string(type) + ")");
  setenv("SALDIX_RECHNER", std::to_string(number).c_str(), 1);
  QTXProgramm().Init("Saldix", 3);
}

TSaldixDataModuleStart Batch() { return TSaldixDataModuleStart{}; }

TEST(SaldixDataModule, CreationAndDestructionRunInOrder) {
  TestSuite suite;
  AddClient(1);
  TSimpleMask("SUITE", "PARAMETER").WriteGlobal("KONTONRN", true);
  TSimpleMask("SUITE", "PARAMETER").WriteGlobal("BONUAUFW", "J");
  TSimpleMask("SUITE", "PHASEN").WriteByIndex("1/1", "ALLGPHAS", " ERLINL ");

  std::vector<std::string> steps;
  TSaldixDataModuleStart start;
  start.Interaktiv = true;
  start.MandDialog = std::make_shared<ScriptedChooser>(true);
  // The exporter is created for the client already chosen.
  start.Katalog = [&](const std::string&) -> std::optional<TFibuExpRegInfo> {
    steps.push_back("Exporter " + qtx_TIntPair2String(QTXProgramm().GetAktMandant()));
    return std::nullopt;
  };
  start.Hooks.VorManipulatorFreigeben = [&](TSaldixDataModule&) {
    steps.push_back("Vor");
    throw std::runtime_error("Liste kaputt");
  };
  start.Hooks.NachExporterFreigeben = [&](TSaldixDataModule&) { steps.push_back("Nach"); };
  {
    TSaldixDataModule dm(start);
    EXPECT_FALSE(dm.Beendet());
    EXPECT_EQ(&SaldixDataModule(), &dm);
    EXPECT_EQ(dm.AktMandant(), (TIntPair{1, 1}));
    EXPECT_EQ(dm.AktTextMandant, "Muster GmbH");
    EXPECT_EQ(dm.AktMandantKurzNr(), 17);
    EXPECT_EQ(dm.AktMandantBilanzJahr(), 2023);
    EXPECT_TRUE(dm.FMitKontoNummern);
    EXPECT_TRUE(dm.FParamBonuAufw);
    EXPECT_FALSE(dm.FUnvollStPruefen);
    EXPECT_EQ(dm.FKontoErloeseInland, "ERLINL");
    EXPECT_EQ(steps, (std::vector<std::string>{"Exporter 1/1"}));
    EXPECT_TRUE(QTXInfo().Registrations().empty());
    steps.clear();
  }
  // A failing step is registered and the next one still runs.
  EXPECT_EQ(steps, (std::vector<std::string>{"Vor", "Nach"}));
  ASSERT_EQ(QTXInfo().Registrations().size(), 1u);
  EXPECT_EQ(QTXInfo().Registrations().front().context, "TSaldixDataModule.SaldixDataModuleDestroy");
  EXPECT_FALSE(QTXInfo().Registrations().front().flag);
  EXPECT_FALSE(SaldixDataModuleExists());
}

TEST(SaldixDataModule, CancelledClientChoiceEndsTheProgramBeforeAnythingElse) {
  TestSuite suite;
  bool exporterCreated = false;
  TSaldixDataModuleStart start;
  start.Interaktiv = true;
  start.MandDialog = std::make_shared<ScriptedChooser>(false);
  start.Katalog = [&](const std::string&) -> std::optional<TFibuExpRegInfo> {
    exporterCreated = true;
    return std::nullopt;
  };
  TSaldixDataModule dm(start);
  EXPECT_TRUE(dm.Beendet());
  EXPECT_FALSE(exporterCreated);
  EXPECT_TRUE(dm.AktMandant().IsEmpty());
}

TEST(SaldixDataModule, OnlyTheExportComputerOrATypeSevenComputerMayExport) {
  TestSuite suite;
  AddClient(2);
  TSaldixDataModule dm(Batch());
  dm.SetAktMandant({1, 1});
  SetWorkstation(1, 1);
  EXPECT_FALSE(dm.ExportErlaubt());
  SetWorkstation(2, 1);
  EXPECT_TRUE(dm.ExportErlaubt());
  SetWorkstation(3, 7);
  EXPECT_TRUE(dm.ExportErlaubt());
  SetWorkstation(3, 2);
  dm.SetAktMandant({5, 5});  // unknown client
  EXPECT_FALSE(dm.ExportErlaubt());
  unsetenv("SALDIX_RECHNER");
}

class SettlementDeletion : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int rechner : {1, 2, 3}) {
      AddJournalLine(5, rechner);
      auto satz = TestBooking({rechner, 10, 1});
      satz.AbrJahr = 2024;
      satz.AbrNr = 5;
      InsertBooking(satz);
    }
    AddJournalLine(6, 1);
    auto andere = TestBooking({1, 11, 1});
    andere.AbrJahr = 2024;
    andere.AbrNr = 6;
    InsertBooking(andere);
  }

  int OpenBookings() {
    auto stmt = SuiteDatabase::Get().Prepare("SELECT COUNT(*) FROM fbde WHERE abr_nr = 0");
    return stmt->Step() ? static_cast<int>(stmt->Int(0)) : -1;
  }

  TestSuite suite;
  TSaldixDataModule dm{Batch()};
};

TEST_F(SettlementDeletion, EitherQuestionAnsweredNoChangesNothing) {
  suite.Messages().Answer(mrNo);
  EXPECT_FALSE(dm.FBEX_Loeschen(kTestFirma, 5, 2024));
  EXPECT_EQ(suite.Messages().LastText(), "Wollen Sie die Abrechnung 5 / 2024 wirklich löschen?");
  suite.Messages().Answer(mrYes);
  suite.Messages().Answer(mrCancel);
  EXPECT_FALSE(dm.FBEX_Loeschen(kTestFirma, 5, 2024));
  EXPECT_NE(suite.Messages().LastText().find("nicht in ihr Buchhaltungssystem"), std::string::npos);
  EXPECT_EQ(CountRows("fbex"), 4);
  EXPECT_EQ(OpenBookings(), 0);
}

TEST_F(SettlementDeletion, AllComputerLinesGoAndTheBookingsReopen) {
  suite.Messages().Answer(mrYes);
  suite.Messages().Answer(mrYes);
  EXPECT_TRUE(dm.FBEX_Loeschen(kTestFirma, 5, 2024));
  EXPECT_EQ(CountRows("fbex"), 1);
  EXPECT_EQ(OpenBookings(), 3);
  EXPECT_EQ(ReadBooking({1, 11, 1}).AbrNr, 6);
}

TEST_F(SettlementDeletion, ALockedBookingFileFailsCleanly) {
  suitedb::SqliteOptions options;
  options.busyTimeout = std::chrono::milliseconds(20);
  auto other = suitedb::OpenSqlite(suite.DbPath(), options);
  other->Begin();  // another workstation holds the booking lock
  suitedb::SqliteOptions quick;
  quick.busyTimeout = std::chrono::milliseconds(20);
  SuiteDatabase::Attach(suitedb::OpenSqlite(suite.DbPath(), quick));

  suite.Messages().Answer(mrYes);
  suite.Messages().Answer(mrYes);
  EXPECT_FALSE(dm.FBEX_Loeschen(kTestFirma, 5, 2024));
  EXPECT_NE(QTXInfo().LastErrorText().find("Buchungssperre"), std::string::npos)
      << QTXInfo().LastErrorText();
  other->Rollback();
  EXPECT_EQ(CountRows("fbex"), 4);
  EXPECT_EQ(OpenBookings(), 0);
}

TEST(SaldixDataModule, ManualBookingsDrawTheirIdentityAndAreMarkedAsSuch) {
  TestSuite suite;
  TSaldixDataModule dm(Batch());
  TIntTrio protNr;
  ASSERT_TRUE(dm.FBDEMani_Buchen_Insert(protNr, kTestFirma, 45000, 100, 0, "EUR", "KASSE",
                                        "BANK", "B1", "B2", "", "Einlage", 4, 1, 2, 3));
  EXPECT_EQ(protNr, (TIntTrio{1, 1, 1}));
  ASSERT_TRUE(dm.FBDEMani_Buchen_Insert(protNr, kTestFirma, 45000, 0, 100, "EUR", "BANK",
                                        "KASSE", "B1", "B2", "", "Einlage", 4, 1, 2, 3));
  EXPECT_EQ(protNr, (TIntTrio{1, 1, 2}));

  const auto satz = ReadBooking(protNr);
  EXPECT_EQ(satz.Belegart, "PN");
  EXPECT_EQ(satz.FiBuGVorfall, "PRIMANOTA");
  EXPECT_EQ(satz.Manuell, 1);
  EXPECT_EQ(satz.BelegRNr, 4);
  EXPECT_EQ(satz.Filiale, 3);
  EXPECT_EQ(satz.Kost2, 2);
  EXPECT_EQ(satz.AbrNr, 0);
  EXPECT_TRUE(satz.Export);

  TIntTrio ohneMandant;
  EXPECT_FALSE(dm.FBDEMani_Buchen_Insert(ohneMandant, {}, 45000, 1, 0, "EUR", "KASSE", "BANK",
                                         "", "", "", "", 1, 0, 0, 0));
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.FBDEMani_Buchen_Insert");
  EXPECT_EQ(CountRows("fbde"), 2);
}

TEST(SaldixDataModule, BookingOperationsReportFailureInsteadOfSuccess) {
  TestSuite suite;
  TSaldixDataModule dm(Batch());
  InsertBooking(TestBooking({1, 10, 1}));
  EXPECT_FALSE(dm.FBDEMani_Buchen_ExportKZ({{1, 10, 1}, {1, 10, 9}}, false));
  EXPECT_TRUE(ReadBooking({1, 10, 1}).Export);
  EXPECT_FALSE(dm.FBDEMani_Buchen_AbrNr({{1, 10, 9}}, 1, 2024));
  EXPECT_TRUE(dm.FBDEMani_Buchen_AbrNr({{1, 10, 1}}, 1, 2024));
  EXPECT_FALSE(dm.FBDEMani_Loeschen({{1, 10, 1}}));
  EXPECT_TRUE(dm.FBDEMani_Buchen_Umkehrung({{1, 10, 1}}));
  EXPECT_EQ(CountRows("fbde"), 2);
}

TEST(SaldixDataModule, ExpenseUpdateAddsTaxLinesAboveHalfACent) {
  TestSuite suite;
  TSaldixDataModule dm(Batch());
  InsertBooking(TestBooking({1, 20, 1}, 45000, 50, 0));
  TQTX_Aufwandsbuchung aufwand;
  aufwand.Text = "Porto";
  aufwand.Zeilen = {{"PORTO", "", 50, 0, 0}};
  aufwand.Steuerbetrag1 = 0.004L;
  aufwand.Steuersatz1 = 19;
  ASSERT_TRUE(dm.FBDEMani_Buchen_Update_Aufwand({1, 20, 1}, aufwand));
  EXPECT_EQ(CountRows("fbde"), 1);
  aufwand.Steuerbetrag1 = 0.006L;
  ASSERT_TRUE(dm.FBDEMani_Buchen_Update_Aufwand({1, 20, 1}, aufwand));
  EXPECT_EQ(CountRows("fbde"), 2);
  EXPECT_EQ(ReadBooking({1, 20, 2}).KtoName, "VORST1900");

  ASSERT_TRUE(dm.FBDEMani_Buchen_Update_Entname({1, 20, 1}, {"WAREN", 20, "Entnahme"}));
  EXPECT_EQ(CountRows("fbde"), 1);
  EXPECT_EQ(ReadBooking({1, 20, 1}).BetragSoll, 20);
}

TEST(SaldixDataModule, IncompleteDataAsksWhetherToGoOn) {
  TestSuite suite;
  TSimpleMask("SUITE", "PARAMETER").WriteGlobal("UNVOLLST", true);
  auto start = Batch();
  start.Unvollstaendig = std::make_shared<Unvollstaendig>();
  TSaldixDataModule dm(start);
  ASSERT_TRUE(dm.FUnvollStPruefen);
  suite.Messages().Answer(mrNo);
  EXPECT_FALSE(dm.Vollstaendigkeiten_pruefen({45000, 45030}));
  EXPECT_EQ(suite.Messages().LastText(),
            "Wollen Sie obwohl unvollständige Daten vorliegen fortfahren?");
  suite.Messages().Answer(mrYes);
  EXPECT_TRUE(dm.Vollstaendigkeiten_pruefen({45000, 45030}));

  dm.FUnvollStPruefen = false;
  suite.Messages().Clear();
  EXPECT_TRUE(dm.Vollstaendigkeiten_pruefen({45000, 45030}));
  EXPECT_EQ(suite.Messages().Count(), 0u);
}

TEST(SaldixDataModule, ReadBookingsShowAccountNumbersWhereTheClientHasThem) {
  TestSuite suite;
  AddClient(1);
  Exec("INSERT INTO konten (firma1, firma2, kurz_bez, zusatz, nummer, bezeichnung) "
       "VALUES (1, 1, 'KASSE', '', 1000, 'Kasse Filiale')");
  Exec("INSERT INTO konten (firma1, firma2, kurz_bez, zusatz, nummer, bezeichnung) "
       "VALUES (1, 1, 'PORTO', '', 84, 'Porto')");
  Exec("INSERT INTO partner (gep_nr1, gep_nr2, name) VALUES (5, 5, 'Meier KG')");
  auto satz = TestBooking({1, 10, 1});
  satz.Beschreibung = "Allgemeiner\r\nVerkauf";
  satz.GepNr = {5, 5};
  InsertBooking(satz);
  int ergaenzt = 0;
  auto start = Batch();
  start.Hooks.BuchungErgaenzen = [&](TSaldixDataModule&, TfbdetempSatz& s) {
    ++ergaenzt;
    s.SortString = s.GepBez + " " + s.KtoKurzBez;
  };
  TSaldixDataModule dm(start);
  dm.SetAktMandant(kTestFirma);
  std::vector<TfbdetempSatz> gelesen;
  TBuchungsAuswahl auswahl;
  auswahl.Firma = kTestFirma;
  ASSERT_TRUE(dm.Buchungen_Lesen(auswahl, [&](TfbdetempSatz& s) {
    gelesen.push_back(s);
    return true;
  }));
  ASSERT_EQ(gelesen.size(), 1u);
  EXPECT_EQ(gelesen[0].KtoKurzBez, "1000");
  EXPECT_EQ(gelesen[0].KtoBez, "Kasse Filiale");
  EXPECT_EQ(gelesen[0].GegenKtoKurzBez, "ERLWARE 19");
  EXPECT_EQ(gelesen[0].GegenKtoBez, "");
  EXPECT_EQ(gelesen[0].Beschreibung, "AllgemeinerVerkauf");
  EXPECT_EQ(gelesen[0].GepBez, "Meier KG");
  EXPECT_EQ(gelesen[0].SortString, "Meier KG 1000");
  EXPECT_EQ(ergaenzt, 1);

  // Each booking gets its own partner's name, also when partners alternate.
  Exec("INSERT INTO partner (gep_nr1, gep_nr2, name) VALUES (6, 6, 'Schulz')");
  for (std::int16_t lnr : {2, 3, 4}) {
    auto weitere = TestBooking({1, 10, lnr});
    weitere.GepNr = lnr == 3 ? TIntPair{6, 6} : lnr == 4 ? TIntPair{5, 5} : TIntPair{};
    if (lnr == 2) {
      weitere.GegenKtoName = "PORTO";
      weitere.GegenKtoZusatz = "";
    }
    InsertBooking(weitere);
  }
  gelesen.clear();
  ASSERT_TRUE(dm.Buchungen_Lesen(auswahl, [&](TfbdetempSatz& s) {
    gelesen.push_back(s);
    return true;
  }));
  ASSERT_EQ(gelesen.size(), 4u);
  std::vector<std::string> namen;
  for (const auto& g : gelesen) namen.push_back(g.GepBez);
  EXPECT_EQ(namen, (std::vector<std::string>{"Meier KG", "", "Schulz", "Meier KG"}));
  EXPECT_EQ(gelesen[1].GegenKtoKurzBez, "0084");  // at least four digits
}

}  // namespace
