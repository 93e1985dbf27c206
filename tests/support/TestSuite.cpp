#include "support/TestSuite.h"

#include <cstdlib>
#include <random>

#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"

namespace {

std::filesystem::path FreshDirectory() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto dir = base / ("saldix-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(dir)) return dir;
  }
}

}  // namespace

TestSuite::TestSuite() : dir_(FreshDirectory()), presenter_(std::make_shared<ScriptedPresenter>()) {
  setenv("SALDIX_HOME", dir_.string().c_str(), 1);
  unsetenv("SALDIX_RECHNER");
  SuiteDatabase::Open(DbPath(), true);
  QTXInfo().SetPresenter(presenter_);
  QTXInfo().ClearRegistrations();
  QTXInfo().ResetError();
  QTXProgramm().Init("Saldix", 3);
}

TestSuite::~TestSuite() {
  SuiteDatabase::Close();
  QTXInfo().SetPresenter(std::make_shared<SilentPresenter>());
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void TestSuite::Reopen() {
  SuiteDatabase::Close();
  SuiteDatabase::Open(DbPath(), false);
}
