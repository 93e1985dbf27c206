#include <gtest/gtest.h>

#include <atomic>

#include "data/BookingReadAhead.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

// Numbers 1..n as rows; the row at `fehlerBei` fails inside SQLite (integer overflow).
std::string Zahlen(int n, int fehlerBei = 0) {
  return "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < " +
         std::to_string(n) + ") SELECT CASE WHEN x = " + std::to_string(fehlerBei) +
         " THEN abs(-9223372036854775807 - 1) ELSE x END FROM n";
}

class BookingReadAheadTest : public ::testing::Test {
 protected:
  std::unique_ptr<TBookingReadAhead> Leser(const std::string& sql) {
    return std::make_unique<TBookingReadAhead>(
        SuiteDatabase::Get().OpenAnother(), sql, [](suitedb::Statement&) {},
        [this](suitedb::Connection&, const suitedb::Statement& row, TfbdetempSatz& satz) {
          ++zeilen;
          satz.Rechner = static_cast<std::int32_t>(row.Int(0));
          return satz.Rechner % 7 != 0;  // every seventh row is left out
        });
  }

  TestSuite suite;
  std::atomic<int> zeilen = 0;
};

TEST_F(BookingReadAheadTest, HandsOutEveryKeptRowInOrderOverManyBatches) {
  const auto leser = Leser(Zahlen(5000));
  std::vector<int> gelesen;
  for (auto stapel = leser->Naechste(); !stapel.empty(); stapel = leser->Naechste()) {
    for (const auto& satz : stapel) gelesen.push_back(satz.Rechner);
  }
  std::vector<int> erwartet;
  for (int x = 1; x <= 5000; ++x) {
    if (x % 7 != 0) erwartet.push_back(x);
  }
  EXPECT_EQ(gelesen, erwartet);
  EXPECT_TRUE(leser->Naechste().empty());  // the end stays the end
}

TEST_F(BookingReadAheadTest, StoppingEarlyEndsTheReadingThread) {
  {
    const auto leser = Leser(Zahlen(1'000'000));
    EXPECT_FALSE(leser->Naechste().empty());
  }  // returns only once the thread has ended
  // It ran at most its few batches ahead, not through the million rows.
  EXPECT_LT(zeilen.load(), 100'000);
}

TEST_F(BookingReadAheadTest, AFailureArrivesAfterTheRowsBeforeIt) {
  const auto leser = Leser(Zahlen(3000, 2000));
  int letzte = 0;
  try {
    for (auto stapel = leser->Naechste(); !stapel.empty(); stapel = leser->Naechste()) {
      letzte = stapel.back().Rechner;
    }
    FAIL() << "the failed row was not reported";
  } catch (const suitedb::StorageError& e) {
    EXPECT_NE(std::string(e.what()).find("overflow"), std::string::npos) << e.what();
  }
  EXPECT_GT(letzte, 1000);
  EXPECT_LT(letzte, 2000);
}

TEST_F(BookingReadAheadTest, AFailingRowFunctionIsReportedToTheCaller) {
  TBookingReadAhead leser(
      SuiteDatabase::Get().OpenAnother(), Zahlen(10), [](suitedb::Statement&) {},
      [](suitedb::Connection&, const suitedb::Statement&, TfbdetempSatz&) -> bool {
        throw std::runtime_error("kaputt");
      });
  EXPECT_THROW(leser.Naechste(), std::runtime_error);
}

}  // namespace
