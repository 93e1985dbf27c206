#include "UiDemoSuite.h"

#include <gtest/gtest.h>

#include "app/SaldixStart.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"

UiDemoSuite::UiDemoSuite(int buchungen) {
  suitetool::DemoOptions options;
  options.bookings = buchungen;
  options.untilYear = 2026;
  options.untilMonth = 12;
  suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
  suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
  EXPECT_EQ(SaldixStarten(false), "");
  EXPECT_TRUE(SetupDemoDatevProfiles((suite_.Dir() / "export").string()));
}

TSaldixSitzung& UiDemoSuite::Sitzung(IAbrechnungsWahl& wahl) {
  if (!sitzung_) {
    sitzung_ = std::make_unique<TSaldixSitzung>(TSaldixDataModuleStart{}, wahl);
    TBatchAnbindung mandanten(sitzung_->Daten());
    TIntPair mandant;
    std::string name;
    EXPECT_TRUE(mandanten.MandantZuKurzNr(1, mandant, name));
    mandanten.SetAktMandant(mandant, 1, name);
  }
  return *sitzung_;
}
