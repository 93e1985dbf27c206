// Fixture support: a temporary suite database and a scripted message presenter.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "suite/MessagePresenter.h"

// Creates a fresh suite database in a temporary directory, makes it current, points
// $SALDIX_HOME there and installs a scripted presenter. Undone on destruction.
class TestSuite {
 public:
  TestSuite();
  ~TestSuite();
  TestSuite(const TestSuite&) = delete;
  TestSuite& operator=(const TestSuite&) = delete;

  const std::filesystem::path& Dir() const { return dir_; }
  std::string DbPath() const { return (dir_ / "suite.db").string(); }
  ScriptedPresenter& Messages() { return *presenter_; }
  // Closes and reopens the database (persistence checks).
  void Reopen();

 private:
  std::filesystem::path dir_;
  std::shared_ptr<ScriptedPresenter> presenter_;
};
