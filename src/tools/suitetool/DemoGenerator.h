// Fills an empty suite database with the demo suite, all in one transaction. The same
// options give the same database content.
#pragma once

#include <cstdint>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suitetool/ProgressDisplay.h"

namespace suitetool {

inline constexpr std::uint64_t kDefaultDemoBookings = 5000;
inline constexpr int kDemoMonths = 24;
// The last months stay open for the user's own exports.
inline constexpr int kDemoOpenMonths = 2;

struct DemoOptions {
  std::uint64_t bookings = kDefaultDemoBookings;
  std::uint64_t seed = 1;
  int untilYear = 0;  // the bookings end before this month
  int untilMonth = 0;
};

struct DemoSummary {
  std::uint64_t bookings = 0;
  std::size_t documents = 0;
  std::size_t cashReports = 0;
  std::size_t settlements = 0;
  std::size_t accounts = 0;
  std::size_t partners = 0;
  TDateTime from = 0;
  TDateTime to = 0;
};

class DemoGenerator {
 public:
  DemoGenerator(suitedb::Connection& db, DemoOptions options) : db_(db), options_(options) {}

  // Throws when the database already holds suite data; writes nothing then.
  DemoSummary Run(ProgressDisplay& progress);

 private:
  void RefuseFilledDatabase();

  suitedb::Connection& db_;
  DemoOptions options_;
};

}  // namespace suitetool
