// A demo suite for view tests: a few thousand demo bookings up to December 2026, the
// DATEV profiles of the demo, and the program bound to it as the desktop binds it.
#pragma once

#include <memory>

#include "app/SaldixSitzung.h"
#include "support/TestSuite.h"

class UiDemoSuite {
 public:
  explicit UiDemoSuite(int buchungen = 3000);

  TestSuite& Suite() { return suite_; }
  // The program on the demo suite, client 1 current; created on first use.
  TSaldixSitzung& Sitzung(IAbrechnungsWahl& wahl);

 private:
  TestSuite suite_;
  std::unique_ptr<TSaldixSitzung> sitzung_;
};
