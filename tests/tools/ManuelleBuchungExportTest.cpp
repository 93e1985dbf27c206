// A manual booking written through the new-booking dialog is exported with the next
// settlement: both its net and its tax booking.
#include <gtest/gtest.h>

#include "app/SaldixBatchProgramm.h"
#include "data/FBDEDialogDaten.h"
#include "data/FBDEDialogVorbelegung.h"
#include "data/SaldixData.h"
#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "suite/DateTime.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"
#include "support/DemoBuchungen.h"
#include "support/TestSuite.h"

namespace {

class KeineSuche final : public IKontoSuche {
 public:
  bool Suchen(const TIntPair&, TDateTime, TGewaehltesKonto&) override { return false; }
};

TEST(ManuelleBuchungExport, NetAndTaxBookingGoOutWithTheNextSettlement) {
  TestSuite suite;
  DemoBuchungenAnlegen(suite.Dir() / "export", 600);
  QTXProgramm().Init("Saldix", 3);

  std::vector<TIntTrio> geschrieben;
  {
    TSaldixDataModule dm(TSaldixDataModuleStart{});
    dm.SetAktMandant({1, 1});
    std::string steuerschluessel;
    for (const auto& schluessel : dm.Steuerschl_Liste()) {
      double prozent = 0;
      if (dm.SteuerSchlNachKonto(schluessel, prozent) == "MWST1900") steuerschluessel = schluessel;
    }
    ASSERT_FALSE(steuerschluessel.empty());
    TFBDEDialogDaten daten(dm);
    KeineSuche suche;
    TfrmSaldixFBDENeu form(daten, suche);
    NeuVorbelegen(form, std::nullopt, {1, 1}, EncodeDate(2026, 11, 15), "EUR");
    form.FKonto = "KASSE";
    form.FGegenkonto = "ERLWARE";
    form.FRechner = 1;
    form.FormShow();
    form.edtBetrag = "119,00";
    form.cmbSollHaben = TfrmSaldixFBDENeu::CSoll;
    for (std::size_t i = 0; i < form.cmbSteuerschlEintraege.size(); ++i) {
      if (form.cmbSteuerschlEintraege[i] == steuerschluessel) form.cmbSteuerschl = static_cast<int>(i);
    }
    form.btnBuchenClick();
    ASSERT_EQ(form.ModalResult(), mrOk) << suite.Messages().LastText();
    geschrieben = form.Geschrieben();
  }
  ASSERT_EQ(geschrieben.size(), 2u);

  ASSERT_EQ(SaldixBatchProgramm({"-MAND:1", "-VDATUM:01112026", "-BDATUM:30112026"}), 0);
  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT abr_nr, abr_jahr, betrag_soll FROM fbde WHERE rechner = ? AND transaktions_nr = ? "
      "ORDER BY lfd_nr");
  stmt->With(geschrieben[0].RNr, geschrieben[0].LNr);
  std::vector<double> betraege;
  while (stmt->Step()) {
    EXPECT_GT(stmt->Int(0), 0);
    EXPECT_EQ(stmt->Int(1), 2026);
    betraege.push_back(stmt->Real(2));
  }
  EXPECT_EQ(betraege, (std::vector<double>{100.0, 19.0}));
}

}  // namespace
