#include <gtest/gtest.h>

#include <cstdlib>

#include "data/SaldixAuswahlFBEX.h"
#include "data/SaldixData.h"
#include "datalayer/LookupFixture.h"
#include "suite/DateTime.h"
#include "suite/MessagePresenter.h"
#include "suite/QTXProgramm.h"

namespace {

int Anzahl(const char* sql) {
  auto stmt = SuiteDatabase::Get().Prepare(sql);
  stmt->Step();
  return static_cast<int>(stmt->Int(0));
}

class BelegAuskunftModulTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Zeile("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, export_rechner, "
          "wj_beginn_monat) VALUES (1, 1, 17, 'Muster GmbH', 1, 7), (2, 2, 18, 'Zweite AG', 1, 1)");
    Zeile("INSERT INTO computers (number, type) VALUES (1, 1)");
    setenv("SALDIX_RECHNER", "1", 1);
    QTXProgramm().Init("Saldix", 3);
    modul_ = std::make_unique<TSaldixDataModule>(TSaldixDataModuleStart{});
    modul_->AktTextMandant = "Muster GmbH";
    modul_->SetAktMandant({1, 1});
  }
  void TearDown() override { modul_.reset(); }

  TestSuite suite;
  std::unique_ptr<TSaldixDataModule> modul_;
};

TEST_F(BelegAuskunftModulTest, SettlementNumbersThroughTheModule) {
  TSaldixDataModule& dm = *modul_;
  const TIntPair firma{1, 1};
  EXPECT_EQ(dm.GetAbrJahr(firma, EncodeDate(2025, 3, 1)), 2024);
  EXPECT_EQ(dm.GetAnfangAbrJahr(firma, 2024), EncodeDate(2024, 7, 1));
  EXPECT_EQ(dm.GetNextAbrNr(firma, 2024), 1);
  EXPECT_EQ(dm.GetMaxBelegNrFBEX(firma, 2024, 0), 0);
  ASSERT_TRUE(dm.AbrNrNachFBEX(firma, 2024, 1, EncodeDate(2024, 7, 1), EncodeDate(2024, 7, 31),
                               {{1, 5, 1, 9, 2}, {4, 3, 1, 3, 1}}, 12));
  EXPECT_FALSE(dm.AbrNrFrei(firma, 2024, 1));
  EXPECT_EQ(dm.GetNextAbrNr(firma, 2024), 2);
  EXPECT_EQ(dm.GetMaxBelegNrFBEX(firma, 2024, 1), 12);
  int jahr = 0, nummer = 0;
  TDateTime bis = 0;
  ASSERT_TRUE(dm.GetLastAbr(firma, jahr, bis, nummer));
  EXPECT_EQ(nummer, 1);
  EXPECT_EQ(bis, EncodeDate(2024, 7, 31));
}

TEST_F(BelegAuskunftModulTest, DeletingASettlementFromTheJournalDialogReopensItsBookings) {
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(qtx_Date(), jahr, monat, tag);
  ASSERT_TRUE(modul_->AbrNrNachFBEX({1, 1}, jahr, 3, 0, 0, {{1, 10, 1, 10, 1}, {4, 7, 1, 7, 1}}, 0));
  for (int rnr : {1, 4}) {
    Zeile("INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, abr_jahr, abr_nr) "
          "VALUES (?, 10, 1, 1, 1, ?, 3)",
          rnr, jahr);
  }
  TAuswFBEXDatenmodul daten(*modul_);
  TSaldixAuswFBEX dialog(daten, SuiteDatabase::Get());
  ASSERT_TRUE(dialog.btnLoeschenVisible);
  dialog.FormShow();
  ASSERT_EQ(dialog.grdExports().size(), 1u);
  EXPECT_EQ(dialog.grdExports()[0][0], "Muster GmbH");

  // Answered No, nothing changes.
  suite.Messages().Answer(mrNo);
  dialog.btnLoeschenClick();
  EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM fbex"), 2);

  suite.Messages().Answer(mrYes);
  suite.Messages().Answer(mrYes);
  dialog.btnLoeschenClick();
  EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM fbex"), 0);
  EXPECT_EQ(Anzahl("SELECT COUNT(*) FROM fbde WHERE abr_nr <> 0 OR abr_jahr <> 0"), 0);
  // Its row now reads as deleted; its history stays readable.
  ASSERT_EQ(dialog.grdExports().size(), 1u);
  EXPECT_TRUE(dialog.grdExports()[0][1].ends_with(TSaldixAuswFBEX::GeloeschtVermerk));
}

TEST_F(BelegAuskunftModulTest, OkInTheJournalDialogMakesTheSettlementsClientCurrent) {
  ASSERT_TRUE(modul_->AbrNrNachFBEX({2, 2}, 2023, 5, 0, 0, {{1, 1, 1, 1, 1}}, 0));
  TAuswFBEXDatenmodul daten(*modul_);
  TSaldixAuswFBEX dialog(daten, SuiteDatabase::Get());
  dialog.FormShow();
  dialog.btnMandantLoeschenClick();
  dialog.edtJahr = "0";
  dialog.edtJahrExit();
  ASSERT_EQ(dialog.grdExports().size(), 1u);
  dialog.btnOKClick();
  EXPECT_EQ(dialog.ModalResult(), mrOk);
  EXPECT_EQ(modul_->AktMandant(), (TIntPair{2, 2}));
  EXPECT_EQ(modul_->AktTextMandant, "Zweite AG");
  EXPECT_EQ(modul_->AktMandantKurzNr(), 18);
  EXPECT_EQ(QTXProgramm().GetTextMandant(), "Zweite AG");
}

}  // namespace
