#include "suitetool/CsvValue.h"

#include <charconv>
#include <cstdlib>

#include "suite/DateTime.h"
#include "suite/Text.h"
#include "suitetool/CommandLine.h"
#include "suite/Utf8.h"

namespace suitetool {
namespace {

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Splits "a<sep>b<sep>c" into three parts; false for any other count.
bool SplitThree(const std::string& text, char separator, std::string parts[3]) {
  const auto first = text.find(separator);
  if (first == std::string::npos) return false;
  const auto second = text.find(separator, first + 1);
  if (second == std::string::npos || text.find(separator, second + 1) != std::string::npos) {
    return false;
  }
  parts[0] = text.substr(0, first);
  parts[1] = text.substr(first + 1, second - first - 1);
  parts[2] = text.substr(second + 1);
  return true;
}

bool LooksLikeDateColumn(const std::string& name) {
  const std::string lower = Utf8Lower(name);
  for (const char* word : {"datum", "date", "time", "zeit"}) {
    if (lower.find(word) != std::string::npos) return true;
  }
  return false;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

DateParse ParseDateText(const std::string& text, TDateTime& value) {
  std::string parts[3];
  int day = 0, month = 0, year = 0;
  if (SplitThree(text, '.', parts) && AllDigits(parts[0]) && AllDigits(parts[1]) &&
      AllDigits(parts[2]) && parts[0].size() <= 2 && parts[1].size() <= 2 &&
      parts[2].size() == 4) {
    day = std::atoi(parts[0].c_str());
    month = std::atoi(parts[1].c_str());
    year = std::atoi(parts[2].c_str());
  } else if (SplitThree(text, '-', parts) && AllDigits(parts[0]) && AllDigits(parts[1]) &&
             AllDigits(parts[2]) && parts[0].size() == 4 && parts[1].size() == 2 &&
             parts[2].size() == 2) {
    year = std::atoi(parts[0].c_str());
    month = std::atoi(parts[1].c_str());
    day = std::atoi(parts[2].c_str());
  } else {
    return DateParse::NotADate;
  }
  if (year < 1900 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return DateParse::Invalid;
  }
  value = EncodeDate(year, month, day);
  return DateParse::Valid;
}

bool ParseDecimal(const std::string& text, double& value) {
  std::string normal = text;
  std::size_t separators = 0;
  std::size_t digits = 0;
  for (std::size_t i = 0; i < normal.size(); ++i) {
    char& c = normal[i];
    if (c == ',' || c == '.') {
      c = '.';
      ++separators;
    } else if ((c == '-' || c == '+') && i == 0) {
      continue;
    } else if (c >= '0' && c <= '9') {
      ++digits;
    } else {
      return false;
    }
  }
  if (digits == 0 || separators > 1) return false;
  const char* first = normal.data();
  if (*first == '+') ++first;
  const auto result = std::from_chars(first, normal.data() + normal.size(), value);
  return result.ec == std::errc() && result.ptr == normal.data() + normal.size();
}

namespace {

ConvertedValue ConvertText(const TableColumn& column, const std::string& text) {
  switch (column.kind) {
    case ColumnKind::Integer: {
      std::int64_t number = 0;
      if (!ParseInteger(text, number)) return {{}, Quoted(text) + " ist keine ganze Zahl"};
      return {number, {}};
    }
    case ColumnKind::Real: {
      TDateTime date = 0;
      switch (ParseDateText(text, date)) {
        case DateParse::Valid:
          return {date, {}};
        case DateParse::Invalid:
          return {{}, Quoted(text) + " ist kein gültiges Datum"};
        case DateParse::NotADate:
          break;
      }
      double number = 0;
      if (ParseDecimal(text, number)) return {number, {}};
      if (LooksLikeDateColumn(column.name)) {
        return {{}, Quoted(text) + " ist kein Datum (erwartet TT.MM.JJJJ oder JJJJ-MM-TT)"};
      }
      return {{}, Quoted(text) + " ist keine Zahl"};
    }
    case ColumnKind::Text:
      break;
  }
  return {text, {}};
}

}  // namespace

ConvertedValue ConvertField(const TableColumn& column, const std::string& field) {
  if (!Utf8Valid(field)) return {{}, "der Text ist kein gültiges UTF-8"};
  if (column.kind == ColumnKind::Text && !field.empty()) return {field, {}};
  const std::string text = Trim(field);
  if (!text.empty()) return ConvertText(column, text);
  // An empty field takes the column's default, else NULL where allowed.
  if (column.defaultValue && !column.defaultValue->empty()) {
    return ConvertText(column, *column.defaultValue);
  }
  if (column.kind == ColumnKind::Text) return {std::string(), {}};
  if (!column.notNull || column.rowId) return {std::monostate{}, {}};
  return {{}, "der Wert fehlt"};
}

}  // namespace suitetool
