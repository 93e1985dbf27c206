// An export directory inside the suite's folder is stored relative to it, so that a copied
// suite writes into its own folder; one elsewhere stays as it was entered.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "suite/Paths.h"

using namespace datevtest;

namespace {

TEST(DatevPfad, ADirectoryBelowTheSuiteTravelsWithACopiedSuite) {
  TestSuite suite;
  MandantenAnlegen();
  const std::string home = SaldixHome();
  TFibuExporter_Datev exporter;
  exporter.Init();
  exporter.SetVerzExport(home + "/export/datev");
  exporter.Properties2Config();
  EXPECT_EQ(exporter.strConfig.Value("VERZ-EXPORT"), "export/datev");

  // The same profile read by a copy of the suite somewhere else, started from anywhere.
  const std::string kopie = (suite.Dir() / "kopie").string();
  setenv("SALDIX_HOME", kopie.c_str(), 1);
  const auto vorher = std::filesystem::current_path();
  std::filesystem::current_path("/");
  exporter.Config2Properties();
  std::filesystem::current_path(vorher);
  EXPECT_EQ(exporter.VerzExport(), kopie + "/export/datev");
  setenv("SALDIX_HOME", home.c_str(), 1);

  // Outside the suite, and the suite's sibling with a common prefix, stay absolute.
  exporter.SetVerzExport("/srv/datev");
  exporter.Properties2Config();
  EXPECT_EQ(exporter.strConfig.Value("VERZ-EXPORT"), "/srv/datev");
  exporter.SetVerzExport(home + "-anders/export");
  exporter.Properties2Config();
  EXPECT_EQ(exporter.strConfig.Value("VERZ-EXPORT"), home + "-anders/export");
  exporter.Config2Properties();
  EXPECT_EQ(exporter.VerzExport(), home + "-anders/export");
}

}  // namespace
