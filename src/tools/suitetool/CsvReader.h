// Reads a CSV file record by record: header row first, ";" or "," as separator
// (whichever the header uses), fields optionally in double quotes ("" inside quotes is
// one quote, quoted fields may span lines), UTF-8 with or without byte order mark.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace suitetool {

struct CsvRecord {
  int line = 0;  // line of the file where the record starts, from 1
  std::vector<std::string> fields;
};

// A record the reader cannot split (an unterminated quote, text after a closing quote).
class CsvSyntaxError : public std::runtime_error {
 public:
  CsvSyntaxError(int line, const std::string& reason)
      : std::runtime_error(reason), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

class CsvReader {
 public:
  explicit CsvReader(std::istream& in);

  // The header row; throws CsvSyntaxError when the file is empty or malformed.
  const CsvRecord& Header() const { return header_; }
  char Separator() const { return separator_; }

  // The next data record; false at the end. Blank lines are skipped.
  bool Next(CsvRecord& record);

 private:
  bool ReadRecord(CsvRecord& record);
  int Get();
  int Peek();

  std::istream& in_;
  int line_ = 1;
  char separator_ = ';';
  CsvRecord header_;
};

}  // namespace suitetool
