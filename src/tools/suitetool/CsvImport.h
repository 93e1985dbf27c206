// Loads one suite table from a CSV file: every row is checked against the table's
// columns, and the file goes in as a whole in one transaction or not at all.
#pragma once

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>

#include "suite/db/Storage.h"

namespace suitetool {

// The column of a refusal that concerns no single column.
inline constexpr const char* kNoColumn = "-";

// Why a file was refused: where (file, line, column) and what.
class ImportRefused : public std::runtime_error {
 public:
  ImportRefused(std::string file, int line, std::string column, std::string reason);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }
  const std::string& Column() const { return column_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_;
  int line_;
  std::string column_;
  std::string reason_;
};

class CsvImport {
 public:
  explicit CsvImport(suitedb::Connection& connection) : connection_(connection) {}

  // Returns the number of rows imported; throws ImportRefused and leaves the table
  // as it was when any row is refused.
  std::size_t ImportFile(const std::string& table, const std::string& path);
  std::size_t Import(const std::string& table, std::istream& in, const std::string& fileName);

 private:
  suitedb::Connection& connection_;
};

}  // namespace suitetool
