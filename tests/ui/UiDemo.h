// A small demo suite for the view tests: clients, branches, bookings, settled months
// and the DATEV profiles, with DATEV 700 as the active format.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/SaldixData.h"
#include "suite/servers/MandListeServer.h"
#include "support/TestSuite.h"

class UiDemo {
 public:
  UiDemo();
  ~UiDemo();

  TestSuite& Suite() { return suite_; }
  ScriptedPresenter& Messages() { return suite_.Messages(); }
  const std::filesystem::path& ExportDir() const { return exportDir_; }
  std::vector<TMandListeEintrag> Mandanten() const;
  // The data module with the first client current, created on first use.
  TSaldixDataModule& Modul();
  // Single number from a query of the suite database.
  int Zahl(const std::string& sql) const;

 private:
  TestSuite suite_;
  std::filesystem::path exportDir_;
  std::unique_ptr<TSaldixDataModule> modul_;
};
