#include <gtest/gtest.h>

#include <sstream>

#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "suitetool/CsvReader.h"
#include "suitetool/CsvValue.h"
#include "suitetool/TableColumns.h"
#include "support/TestSuite.h"

namespace {

using namespace suitetool;

std::vector<CsvRecord> ReadAll(const std::string& content, char* separator = nullptr) {
  std::istringstream in(content);
  CsvReader reader(in);
  if (separator) *separator = reader.Separator();
  std::vector<CsvRecord> records{reader.Header()};
  CsvRecord record;
  while (reader.Next(record)) records.push_back(record);
  return records;
}

TEST(CsvReader, CountsPhysicalLinesWhateverTheLineEnds) {
  char separator = 0;
  auto records = ReadAll("a,b\r1,\"x\r\ny\"\r\n\n2,z\n", &separator);
  EXPECT_EQ(separator, ',');
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[1].fields[1], "x\r\ny");
  EXPECT_EQ(records[2].line, 5) << "a quoted line break and a blank line count as lines";
  EXPECT_EQ(records[2].fields[0], "2");

  // The header decides: a semicolon there makes commas plain text.
  records = ReadAll("a;b\n1,5;2\n", &separator);
  EXPECT_EQ(separator, ';');
  EXPECT_EQ(records[1].fields[0], "1,5");

  // Last line without line end, empty trailing field.
  records = ReadAll("a;b\n1;");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].fields.size(), 2u);
  EXPECT_EQ(records[1].fields[1], "");
}

TEST(CsvReader, RefusesTextAfterAClosingQuote) {
  std::istringstream in("a;b\n\"x\"y;1\n");
  CsvReader reader(in);
  CsvRecord record;
  try {
    reader.Next(record);
    FAIL() << "accepted";
  } catch (const CsvSyntaxError& e) {
    EXPECT_EQ(e.Line(), 2);
  }
}

TEST(CsvValue, DatesMustBeRealCalendarDaysInOneOfTwoForms) {
  TDateTime value = 0;
  EXPECT_EQ(ParseDateText("1.2.2024", value), DateParse::Valid);
  EXPECT_DOUBLE_EQ(value, EncodeDate(2024, 2, 1));
  EXPECT_EQ(ParseDateText("2024-02-29", value), DateParse::Valid);
  EXPECT_EQ(ParseDateText("29.02.2023", value), DateParse::Invalid);
  EXPECT_EQ(ParseDateText("00.01.2024", value), DateParse::Invalid);
  EXPECT_EQ(ParseDateText("2024-13-01", value), DateParse::Invalid);
  EXPECT_EQ(ParseDateText("2024-2-01", value), DateParse::NotADate);
  EXPECT_EQ(ParseDateText("01.02.24", value), DateParse::NotADate);
  EXPECT_EQ(ParseDateText("12.50", value), DateParse::NotADate);
}

TEST(CsvValue, DecimalsTakeCommaOrPointButNoThousands) {
  double value = 0;
  EXPECT_TRUE(ParseDecimal("1,5", value));
  EXPECT_DOUBLE_EQ(value, 1.5);
  EXPECT_TRUE(ParseDecimal("-0.25", value));
  EXPECT_DOUBLE_EQ(value, -0.25);
  EXPECT_TRUE(ParseDecimal("+3", value));
  EXPECT_DOUBLE_EQ(value, 3.0);
  EXPECT_FALSE(ParseDecimal("1.000,50", value));
  EXPECT_FALSE(ParseDecimal("-", value));
  EXPECT_FALSE(ParseDecimal("1e5", value));
  EXPECT_FALSE(ParseDecimal("1 000", value));
}

TEST(TableColumns, ReadsKindsDefaultsAndTheRowId) {
  TestSuite suite;
  SuiteDatabase::Get().ExecuteScript(
      "CREATE TABLE t (id INTEGER PRIMARY KEY, n INT NOT NULL, r REAL, kz TEXT NOT NULL "
      "DEFAULT 'J', leer TEXT NOT NULL DEFAULT '', z INTEGER NOT NULL DEFAULT (0), "
      "q TEXT DEFAULT 'it''s');"
      "CREATE TABLE k (a INTEGER, b INTEGER, PRIMARY KEY (a, b)) WITHOUT ROWID;");
  const auto columns = ReadTableColumns(SuiteDatabase::Get(), "t");
  ASSERT_EQ(columns.size(), 7u);
  EXPECT_TRUE(columns[0].rowId);
  EXPECT_FALSE(columns[0].Required());
  EXPECT_EQ(columns[1].kind, ColumnKind::Integer);
  EXPECT_TRUE(columns[1].Required());
  EXPECT_EQ(columns[2].kind, ColumnKind::Real);
  EXPECT_FALSE(columns[2].Required());
  EXPECT_EQ(columns[3].defaultValue.value_or("?"), "J");
  EXPECT_EQ(columns[4].defaultValue.value_or("?"), "");
  EXPECT_EQ(columns[5].defaultValue.value_or("?"), "0");
  EXPECT_EQ(columns[6].defaultValue.value_or("?"), "it's");

  const auto key = ReadTableColumns(SuiteDatabase::Get(), "k");
  ASSERT_EQ(key.size(), 2u);
  EXPECT_FALSE(key[0].rowId) << "a composite key is given by the file";
  EXPECT_TRUE(ReadTableColumns(SuiteDatabase::Get(), "sqlite_schema").empty());

  // Empty fields: the default where there is one, NULL where allowed, else refused.
  EXPECT_EQ(std::get<std::string>(ConvertField(columns[3], "").value), "J");
  EXPECT_EQ(std::get<std::int64_t>(ConvertField(columns[5], " ").value), 0);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(ConvertField(columns[0], "").value));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(ConvertField(columns[2], "").value));
  EXPECT_EQ(ConvertField(columns[1], "").refusal, "der Wert fehlt");
  // Text keeps its blanks; numbers are trimmed.
  EXPECT_EQ(std::get<std::string>(ConvertField(columns[3], " N ").value), " N ");
  EXPECT_EQ(std::get<std::int64_t>(ConvertField(columns[1], " 42 ").value), 42);
}

}  // namespace
