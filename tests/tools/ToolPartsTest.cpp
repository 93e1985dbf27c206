#include <gtest/gtest.h>

#include <sstream>

#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/CommandLine.h"
#include "suitetool/DemoGenerator.h"
#include "suitetool/DemoModel.h"
#include "suitetool/ProgressDisplay.h"
#include "support/TestSuite.h"

namespace {

using namespace suitetool;

TEST(CommandLine, ParsesOptionsFlagsAndArguments) {
  const CommandLine line({"fbde", "--db=/tmp/x.db", "--tail", "5", "--", "--datei.csv"},
                         {{"db", true}, {"tail", true}}, 2);
  EXPECT_EQ(line.Value("db"), "/tmp/x.db");
  EXPECT_EQ(line.IntValue("tail", 0, 0, 10), 5);
  EXPECT_EQ(line.IntValue("seed", 7, 0, 10), 7);
  ASSERT_EQ(line.Arguments().size(), 2u);
  EXPECT_EQ(line.Arguments()[1], "--datei.csv");

  EXPECT_THROW(CommandLine({"--tail"}, {{"tail", true}}, 0), UsageError);
  EXPECT_THROW(CommandLine({"--force=ja"}, {{"force", false}}, 0), UsageError);
  EXPECT_THROW(CommandLine({"-x"}, {}, 0), UsageError);
  EXPECT_THROW(CommandLine({"a", "b"}, {}, 1), UsageError);
  EXPECT_THROW(CommandLine({"--tail", "11"}, {{"tail", true}}, 0).IntValue("tail", 0, 0, 10),
               UsageError);
  EXPECT_THROW(CommandLine({"--tail", "9999999999999999999999"}, {{"tail", true}}, 0)
                   .IntValue("tail", 0, 0, 10),
               UsageError);
  // Help wins over surplus arguments, so that "--help" always answers.
  EXPECT_TRUE(CommandLine({"a", "b", "--help"}, {}, 0).HelpWanted());
}

TEST(ProgressDisplay, ShowsAFewPercentagesAndEndsTheLine) {
  std::ostringstream out;
  ProgressDisplay progress(&out, "Demo", 1000000);
  for (std::uint64_t done = 0; done <= 1000000; done += 10) progress.Update(done);
  progress.Finish();
  const std::string text = out.str();
  std::size_t shown = 0;
  for (std::size_t pos = text.find('\r'); pos != std::string::npos; pos = text.find('\r', pos + 1)) {
    ++shown;
  }
  EXPECT_LE(shown, 10u) << "a fast loop must not flood the terminal";
  EXPECT_NE(text.find("Demo: 100 %\n"), std::string::npos);

  ProgressDisplay silent(nullptr, "Demo", 10);
  silent.Update(5);
  silent.Finish();
}

TEST(DemoModel, BusinessYearsAndTaxRounding) {
  const auto& calendar = DemoClients()[0];
  const auto& fromJuly = DemoClients()[1];
  EXPECT_EQ(BusinessYear(calendar, 2024, 1), 2024);
  EXPECT_EQ(BusinessYear(fromJuly, 2024, 6), 2023);
  EXPECT_EQ(BusinessYear(fromJuly, 2024, 7), 2024);
  EXPECT_EQ(TaxCents(1050, 1900), 200);   // 199.5 cents rounds up
  EXPECT_EQ(TaxCents(-1050, 1900), -200);  // and away from zero below it
  EXPECT_EQ(TaxCents(1000, 700), 70);
}

TEST(DemoGenerator, BooksTheSecondHalfOf2020AtTheLoweredRates) {
  TestSuite suite;
  DemoOptions options;
  options.bookings = 4000;
  options.untilYear = 2021;
  options.untilMonth = 6;
  ProgressDisplay silent(nullptr, "", 0);
  DemoGenerator(SuiteDatabase::Get(), options).Run(silent);

  auto stmt = SuiteDatabase::Get().Prepare(
      "SELECT gegen_kto_name, MIN(belegdatum), MAX(belegdatum) FROM fbde "
      "WHERE gegen_kto_name LIKE 'MWST%' OR gegen_kto_name LIKE 'VORST%' GROUP BY 1");
  const TDateTime lowered = EncodeDate(2020, 7, 1);
  const TDateTime restored = EncodeDate(2021, 1, 1);
  int accounts = 0;
  while (stmt->Step()) {
    ++accounts;
    const std::string account = stmt->Text(0);
    const bool loweredRate = account.ends_with("1600") || account.ends_with("0500");
    if (loweredRate) {
      EXPECT_GE(stmt->Real(1), lowered) << account;
      EXPECT_LT(stmt->Real(2), restored) << account;
    }
  }
  EXPECT_EQ(accounts, 8) << "every VAT account is used";
  EXPECT_EQ(
      [] {
        auto count = SuiteDatabase::Get().Prepare(
            "SELECT COUNT(*) FROM fbde WHERE gegen_kto_name IN ('MWST1900', 'MWST0700', "
            "'VORST1900', 'VORST0700') "
            "AND belegdatum >= ?1 AND belegdatum < ?2");
        count->With(EncodeDate(2020, 7, 1), EncodeDate(2021, 1, 1));
        count->Step();
        return count->Int(0);
      }(),
      0);
}

}  // namespace
