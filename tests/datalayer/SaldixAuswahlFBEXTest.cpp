#include "data/SaldixAuswahlFBEX.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datalayer/LookupFixture.h"
#include "suite/DateTime.h"
#include "suite/MessagePresenter.h"

namespace {

// The data module as the dialog sees it; deletion removes the journal lines directly.
class DatenFake final : public IAuswFBEXDaten {
 public:
  bool Erlaubt = true;
  TIntPair Mandant{1, 1};
  std::string MandantText = "Muster GmbH";
  std::vector<std::string> Geloescht;

  bool ExportErlaubt() override { return Erlaubt; }
  TIntPair AktMandant() override { return Mandant; }
  std::string AktTextMandant() override { return MandantText; }
  std::string GEPGet_Name(const TIntPair& gepNr) override {
    return gepNr == TIntPair{1, 1} ? "Muster GmbH" : "Zweite AG";
  }
  bool MandantWaehlen(TIntPair& mandant, std::string& name) override {
    mandant = {2, 2};
    name = "Zweite AG";
    return true;
  }
  void MandantSetzen(const TIntPair& mandant, const std::string& name) override {
    Mandant = mandant;
    MandantText = name;
  }
  bool FBEX_Loeschen(const TIntPair& firma, int abrNr, int abrJahr) override {
    Geloescht.push_back(std::to_string(abrNr) + "/" + std::to_string(abrJahr));
    Zeile("DELETE FROM fbex WHERE firma1 = ? AND firma2 = ? AND abr_nr = ? AND abr_jahr = ?",
          firma.Nr1, firma.Nr2, abrNr, abrJahr);
    return true;
  }
};

int DiesesJahr() {
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(qtx_Date(), jahr, monat, tag);
  return jahr;
}

class SaldixAuswFBEXTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Abrechnung(1, jahr_, 1, 1, EncodeDate(jahr_, 1, 1), EncodeDate(jahr_, 1, 31));
    Abrechnung(1, jahr_, 2, 1, EncodeDate(jahr_, 2, 1), EncodeDate(jahr_, 2, 28));
    Abrechnung(1, jahr_, 2, 4, EncodeDate(jahr_, 2, 1), EncodeDate(jahr_, 2, 28));
    Abrechnung(1, jahr_ - 1, 7, 1, 0, 0);
    Abrechnung(2, jahr_, 1, 1, 0, 0);
  }

  static void Abrechnung(int firma, int jahr, int nr, int rnr, TDateTime von, TDateTime bis) {
    Zeile("INSERT INTO fbex (firma1, firma2, abr_jahr, abr_nr, rnr, datum_von, datum_bis) "
          "VALUES (?, ?, ?, ?, ?, ?, ?)",
          firma, firma, jahr, nr, rnr, von, bis);
  }
  static int Anzahl(const char* sql) {
    auto stmt = SuiteDatabase::Get().Prepare(sql);
    stmt->Step();
    return static_cast<int>(stmt->Int(0));
  }
  std::vector<std::string> Abrechnungen(const TSaldixAuswFBEX& dialog) {
    std::vector<std::string> spalte;
    for (const auto& zeile : dialog.grdExports()) spalte.push_back(zeile[1]);
    return spalte;
  }

  TestSuite suite;
  int jahr_ = DiesesJahr();
  DatenFake daten_;
};

TEST_F(SaldixAuswFBEXTest, ShowsTheClientsSettlementsOfThisYearNewestFirst) {
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  EXPECT_TRUE(dialog.btnLoeschenVisible);
  dialog.FormShow();
  EXPECT_EQ(dialog.lblMandant, "Muster GmbH");
  EXPECT_EQ(dialog.edtJahr, std::to_string(jahr_));
  const std::string j = std::to_string(jahr_);
  ASSERT_EQ(Abrechnungen(dialog), (std::vector<std::string>{"2/" + j, "1/" + j}));
  // The settlement of two computers is one row.
  const auto& zeile = dialog.grdExports()[0];
  EXPECT_EQ(zeile[0], "Muster GmbH");
  EXPECT_EQ(zeile[2], "01.02." + j);
  EXPECT_EQ(zeile[3], "28.02." + j);
  EXPECT_EQ(zeile[4], "00010000001");
  EXPECT_EQ(zeile[5], "2");
  EXPECT_EQ(zeile[6], j);
  EXPECT_EQ(dialog.Row, 0);
}

TEST_F(SaldixAuswFBEXTest, YearZeroShowsAllYearsAndAClearedClientAllClients) {
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.FormShow();
  dialog.edtJahr = "0";
  dialog.edtJahrExit();
  const std::string j = std::to_string(jahr_), vorjahr = std::to_string(jahr_ - 1);
  EXPECT_EQ(Abrechnungen(dialog), (std::vector<std::string>{"2/" + j, "1/" + j, "7/" + vorjahr}));
  EXPECT_EQ(dialog.grdExports()[2][2], "");  // no period

  dialog.btnMandantLoeschenClick();
  EXPECT_EQ(dialog.lblMandant, "");
  EXPECT_EQ(dialog.grdExports().size(), 4u);
  EXPECT_EQ(dialog.grdExports()[0][0], "Zweite AG");

  dialog.btnMandantClick();
  EXPECT_EQ(dialog.lblMandant, "Zweite AG");
  EXPECT_EQ(Abrechnungen(dialog), (std::vector<std::string>{"1/" + j}));
}

TEST_F(SaldixAuswFBEXTest, OkTakesTheSettlementAndMakesItsClientCurrent) {
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.FormShow();
  dialog.btnMandantLoeschenClick();
  dialog.Row = 0;
  dialog.grdExportsDblClick();
  EXPECT_EQ(dialog.ModalResult(), mrOk);
  EXPECT_EQ(dialog.Firma(), (TIntPair{2, 2}));
  EXPECT_EQ(dialog.AbrNr(), 1);
  EXPECT_EQ(dialog.AbrJahr(), jahr_);
  EXPECT_EQ(daten_.Mandant, (TIntPair{2, 2}));
  EXPECT_EQ(daten_.MandantText, "Zweite AG");
}

TEST_F(SaldixAuswFBEXTest, OkWithoutASettlementStaysOpen) {
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.FormShow();
  dialog.edtJahr = "1990";
  dialog.edtJahrExit();
  ASSERT_EQ(dialog.grdExports().size(), 1u);
  dialog.btnOKClick();
  EXPECT_EQ(dialog.ModalResult(), 0);
  dialog.btnCancelClick();
  EXPECT_EQ(dialog.ModalResult(), mrCancel);
}

TEST_F(SaldixAuswFBEXTest, DeletingASettlementOfTwoComputersRemovesBothLines) {
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.FormShow();
  dialog.Row = 0;
  dialog.btnLoeschenClick();
  EXPECT_EQ(daten_.Geloescht, (std::vector<std::string>{"2/" + std::to_string(jahr_)}));
  EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM fbex WHERE abr_nr = 2"), 0);
  EXPECT_EQ(Abrechnungen(dialog), (std::vector<std::string>{"1/" + std::to_string(jahr_)}));
}

TEST_F(SaldixAuswFBEXTest, AnotherWorkstationCannotDelete) {
  daten_.Erlaubt = false;
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  EXPECT_FALSE(dialog.btnLoeschenVisible);
  EXPECT_FALSE(dialog.btnLoeschenEnabled);
  dialog.FormShow();
  dialog.btnLoeschenClick();
  EXPECT_TRUE(daten_.Geloescht.empty());
  EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM fbex"), 5);
}

}  // namespace

namespace {

class TAufgezeichneteAnzeige final : public IDateiAnzeige {
 public:
  std::vector<std::string> geoeffnet;
  bool Oeffnen(const std::string& pfad) override {
    geoeffnet.push_back(pfad);
    return true;
  }
};

TEST_F(SaldixAuswFBEXTest, TheSelectedSettlementShowsItsHistoryAndOpensItsLatestFile) {
  TAbrechnungsVerlauf verlauf(SuiteDatabase::Get());
  TAbrechnungsEreignis e;
  e.Firma = {1, 1};
  e.AbrJahr = jahr_;
  e.AbrNr = 2;
  e.Zustand = abrechnungszustand::Exportiert;
  e.Zeit = EncodeDateTime(jahr_, 3, 1, 9, 30, 0, 0);
  e.Rechner = 4;
  e.Benutzer = "anna";
  e.Dateien = {"/export/EXTF_2.csv"};
  e.Buchungen = 12;
  e.Zeilen = 10;
  e.Soll = 1234.5L;
  e.Haben = 0.25L;
  verlauf.Eintragen(e);
  e.Zustand = abrechnungszustand::ErneutAusgegeben;
  e.Zeit = EncodeDateTime(jahr_, 3, 2, 8, 0, 0, 0);
  e.Dateien = {"/neu/EXTF_2.csv", "/neu/EXTF_2_2.csv"};
  verlauf.Eintragen(e);

  TAufgezeichneteAnzeige anzeige;
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.SetDateiAnzeige(&anzeige);
  dialog.FormShow();
  dialog.Row = 0;  // 2/jahr
  const std::string j = std::to_string(jahr_);
  EXPECT_EQ(dialog.Verlauf(),
            (std::vector<std::string>{
                "01.03." + j + " 09:30:00  exportiert  Rechner 4  anna  12 Buchungen, 10 Zeilen, "
                               "Soll 1.234,50, Haben 0,25",
                "    Datei: /export/EXTF_2.csv",
                "02.03." + j + " 08:00:00  erneut ausgegeben  Rechner 4  anna  12 Buchungen, "
                               "10 Zeilen, Soll 1.234,50, Haben 0,25",
                "    Datei: /neu/EXTF_2.csv", "    Datei: /neu/EXTF_2_2.csv"}));
  // The files of the last output are the ones that count.
  dialog.btnDateiAnzeigenClick();
  dialog.btnOrdnerOeffnenClick();
  EXPECT_EQ(anzeige.geoeffnet, (std::vector<std::string>{"/neu/EXTF_2.csv", "/neu"}));

  // A settlement without a stored history says so and offers no file.
  dialog.Row = 1;
  EXPECT_EQ(dialog.Verlauf(),
            (std::vector<std::string>{"Für diese Abrechnung ist kein Verlauf gespeichert."}));
  EXPECT_TRUE(dialog.Dateien().empty());
  dialog.btnDateiAnzeigenClick();
  EXPECT_EQ(anzeige.geoeffnet.size(), 2u);
}

}  // namespace

namespace {

TEST_F(SaldixAuswFBEXTest, ADeletedSettlementStaysReadableAfterTheValidOnesButCannotBeChosen) {
  // Settlement 3 was exported and deleted; settlement 2 deleted and exported again.
  TAbrechnungsVerlauf verlauf(SuiteDatabase::Get());
  const auto ereignis = [&](int nr, const char* zustand, int stunde) {
    TAbrechnungsEreignis e;
    e.Firma = {1, 1};
    e.AbrJahr = jahr_;
    e.AbrNr = nr;
    e.Zustand = zustand;
    e.Zeit = EncodeDateTime(jahr_, 3, 1, stunde, 0, 0, 0);
    e.DatumVon = EncodeDate(jahr_, 3, 1);
    e.DatumBis = EncodeDate(jahr_, 3, 31);
    e.Dateien = {"/export/EXTF_" + std::to_string(nr) + ".csv"};
    verlauf.Eintragen(e);
  };
  ereignis(3, abrechnungszustand::Exportiert, 8);
  ereignis(2, abrechnungszustand::Geloescht, 9);
  ereignis(2, abrechnungszustand::Exportiert, 10);
  ereignis(3, abrechnungszustand::Geloescht, 11);

  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.FormShow();
  const std::string j = std::to_string(jahr_);
  ASSERT_EQ(Abrechnungen(dialog),
            (std::vector<std::string>{"2/" + j, "1/" + j, "3/" + j + " (gelöscht)"}));
  dialog.Row = 2;
  const auto zeilen = dialog.Verlauf();
  ASSERT_EQ(zeilen.size(), 4u);  // two events, each with its file
  EXPECT_NE(zeilen[2].find("gelöscht"), std::string::npos);
  EXPECT_TRUE(dialog.Dateien().empty());  // its file was renamed when it was deleted
  dialog.btnLoeschenClick();
  EXPECT_TRUE(daten_.Geloescht.empty());
  dialog.btnOKClick();
  EXPECT_EQ(dialog.ModalResult(), 0);
}

TEST_F(SaldixAuswFBEXTest, ReIssueIsOfferedOnlyWhereTheCallerAndTheWorkstationCanExport) {
  {
    TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
    dialog.FormShow();
    dialog.btnErneutAusgebenClick();  // not offered: nothing happens
    EXPECT_EQ(dialog.ModalResult(), 0);
    dialog.SetErneutAusgebenAngeboten(true);
    ASSERT_TRUE(dialog.btnErneutAusgebenVisible);
    dialog.Row = 1;
    dialog.btnErneutAusgebenClick();
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    EXPECT_TRUE(dialog.ErneutAusgeben());
    EXPECT_EQ(dialog.AbrNr(), 1);
  }
  daten_.Erlaubt = false;
  TSaldixAuswFBEX dialog(daten_, SuiteDatabase::Get());
  dialog.SetErneutAusgebenAngeboten(true);
  EXPECT_FALSE(dialog.btnErneutAusgebenVisible);
}

}  // namespace
