// The demo suite the export tests work on: demo bookings up to November 2026 (the last two
// months open) in the current suite database, and DATEV profiles writing into exportDir.
// Header only: the test binaries that use it link the demo generator themselves.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "export/FibuExportKatalog.h"
#include "formats/ExportFormate.h"
#include "formats/datev700/DatevDemoProfile.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/ProgressDisplay.h"

inline void DemoBuchungenAnlegen(const std::filesystem::path& exportDir,
                                 std::uint64_t buchungen = 3000) {
  suitetool::DemoOptions options;
  options.bookings = buchungen;
  options.untilYear = 2026;
  options.untilMonth = 12;
  suitetool::ProgressDisplay progress(nullptr, "", options.bookings);
  suitetool::DemoGenerator(SuiteDatabase::Get(), options).Run(progress);
  ExportFormateRegistrieren(TFibuExportKatalog::Global());
  ASSERT_TRUE(SetupDemoDatevProfiles(exportDir.string()));
}
