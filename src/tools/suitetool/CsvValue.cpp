#include "suitetool/CsvValue.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
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

// The value as a message shows it: control characters as \xNN, long values cut.
std::string Quoted(const std::string& text) {
  constexpr std::size_t kShown = 60;
  std::string shown;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (i >= kShown && (c & 0xC0) != 0x80) break;  // cut between characters
    if (c < 0x20 || c == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", c);
      shown += code;
    } else {
      shown += text[i];
    }
  }
  if (i < text.size()) shown += "...";
  return "\"" + shown + "\"";
}

std::string Range(std::int64_t low, std::int64_t high) {
  return std::to_string(low) + " bis " + std::to_string(high);
}

// Digits after the decimal separator of a text ParseDecimal accepted.
std::size_t Decimals(const std::string& text) {
  const auto separator = text.find_first_of(".,");
  return separator == std::string::npos ? 0 : text.size() - separator - 1;
}

// Why number breaks the rule of an integer column; empty when it keeps it.
std::string IntegerRefusal(ValueRule rule, const std::string& text, std::int64_t number) {
  const auto outside = [&](std::int64_t low, std::int64_t high, const char* what) {
    return number < low || number > high
               ? Quoted(text) + " liegt außerhalb von " + Range(low, high) + " (" + what + ")"
               : std::string();
  };
  switch (rule) {
    case ValueRule::Computer:
      return outside(0, kComputerMax, "Rechnernummer, höchstens 4 Stellen");
    case ValueRule::Serial:
      return outside(0, kSerialMax, "laufende Nummer einer Identität, höchstens 9 Stellen");
    case ValueRule::SubNumber:
      return outside(kSubNumberMin, kSubNumberMax, "Unternummer einer Identität, 16 Bit");
    case ValueRule::SettlementNumber:
      return outside(0, kSettlementMax, "Abrechnungsnummer, 0 für offen");
    case ValueRule::SettlementYear:
      if (number == 0) return {};
      return outside(kYearMin, kYearMax, "Abrechnungsjahr, 0 für offen");
    case ValueRule::Integer32:
      return outside(INT32_MIN, INT32_MAX, "ganze Zahl mit 32 Bit");
    default:
      return {};
  }
}

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
  if (year < kYearMin || year > kYearMax || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
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
      if (auto refusal = IntegerRefusal(column.rule, text, number); !refusal.empty()) {
        return {{}, std::move(refusal)};
      }
      return {number, {}};
    }
    case ColumnKind::Real: {
      if (column.rule == ValueRule::Date) {
        // A day count would pass any number as a date: only date texts are dates here.
        TDateTime date = 0;
        switch (ParseDateText(text, date)) {
          case DateParse::Valid:
            return {date, {}};
          case DateParse::Invalid:
            return {{}, Quoted(text) + " ist kein gültiges Datum (Kalendertage der Jahre " +
                            Range(kYearMin, kYearMax) + ")"};
          case DateParse::NotADate:
            return {{}, Quoted(text) + " ist kein Datum (erwartet TT.MM.JJJJ oder JJJJ-MM-TT)"};
        }
      }
      double number = 0;
      if (!ParseDecimal(text, number)) return {{}, Quoted(text) + " ist keine Zahl"};
      const bool bounded = column.rule == ValueRule::Amount || column.rule == ValueRule::Decimal;
      if (bounded && !(std::fabs(number) < kAmountLimit)) {
        return {{}, Quoted(text) + " ist zu groß (Beträge und Zahlen unter 10^13)"};
      }
      if (column.rule == ValueRule::Amount && Decimals(text) > kAmountDecimals) {
        return {{}, Quoted(text) + " hat zu viele Nachkommastellen (Beträge höchstens " +
                        std::to_string(kAmountDecimals) + ")"};
      }
      return {number, {}};
    }
    case ColumnKind::Text:
      break;
  }
  if (auto refusal = ControlCharacterRefusal(text); !refusal.empty()) return {{}, std::move(refusal)};
  return {text, {}};
}

}  // namespace

std::string ControlCharacterRefusal(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    // C0 controls but tab, LF and CR; DEL; C1 controls (U+0080..U+009F, after C2 in UTF-8).
    const bool c0 = c < 0x20 && c != '\t' && c != '\n' && c != '\r';
    const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c0 || c == 0x7F || c1) {
      char code[8];
      std::snprintf(code, sizeof code, "%02X", c1 ? static_cast<unsigned char>(text[i + 1]) : c);
      std::size_t position = 0;  // in characters
      for (std::size_t j = 0; j <= i; ++j) {
        position += (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80 ? 1 : 0;
      }
      return std::string("der Text enthält das Steuerzeichen U+00") + code + " an Stelle " +
             std::to_string(position) +
             " (Steuerzeichen außer Tabulator und Zeilenumbruch sind nicht zulässig)";
    }
  }
  return {};
}

ConvertedValue ConvertField(const TableColumn& column, const std::string& field) {
  if (!Utf8Valid(field)) return {{}, "der Text ist kein gültiges UTF-8"};
  if (column.kind == ColumnKind::Text && !field.empty()) {
    if (auto refusal = ControlCharacterRefusal(field); !refusal.empty()) return {{}, std::move(refusal)};
    return {field, {}};
  }
  const std::string text = Trim(field);
  if (!text.empty()) return ConvertText(column, text);
  // An empty field takes the column's default, else NULL where allowed.
  if (column.defaultValue && !column.defaultValue->empty()) {
    // The schema's own default ("0": no date, open settlement) needs no rule.
    TableColumn plain = column;
    plain.rule = ValueRule::None;
    return ConvertText(plain, *column.defaultValue);
  }
  if (column.kind == ColumnKind::Text) return {std::string(), {}};
  if (!column.notNull || column.rowId) return {std::monostate{}, {}};
  return {{}, "der Wert fehlt"};
}

}  // namespace suitetool
