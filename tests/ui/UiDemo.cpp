#include "UiDemo.h"

#include <gtest/gtest.h>

#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"

UiDemo::UiDemo() {
  suitetool::DemoOptions options;
  options.bookings = 400;
  options.untilYear = 2026;
  options.untilMonth = 12;
  suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
  suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
  ExportFormateRegistrieren(TFibuExportKatalog::Global());
  exportDir_ = suite_.Dir() / "export";
  EXPECT_TRUE(SetupDemoDatevProfiles(exportDir_.string()));
  QTXProgramm().Init("Saldix", 3);  // computer 1 of the demo suite
}

UiDemo::~UiDemo() { modul_.reset(); }

std::vector<TMandListeEintrag> UiDemo::Mandanten() const {
  return TMandListeServer(SuiteDatabase::Get()).Liste();
}

TSaldixDataModule& UiDemo::Modul() {
  if (!modul_) {
    modul_ = std::make_unique<TSaldixDataModule>(TSaldixDataModuleStart{});
    const auto erster = Mandanten().front();
    modul_->AktTextMandant = erster.Name;
    modul_->SetAktMandant(erster.GepNr);
    modul_->SetAktMandKurzNr();
  }
  return *modul_;
}

int UiDemo::Zahl(const std::string& sql) const {
  auto& stmt = SuiteDatabase::Get().Cached(sql);
  const int n = stmt.Step() ? static_cast<int>(stmt.Int(0)) : -1;
  stmt.Reset();
  return n;
}
