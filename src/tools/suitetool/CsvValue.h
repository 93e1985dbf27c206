// Reading the text of one CSV field as a typed value of a table column.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "suite/Types.h"
#include "suitetool/TableColumns.h"

namespace suitetool {

using ColumnValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// The ranges of the value rules: what the suite's programs keep and the export formats
// can write. An identity (TIntTrio) is shown as 4 + 9 + 4 digits; its sub-number is a
// 16-bit signed number.
inline constexpr std::int64_t kComputerMax = 9999;
inline constexpr std::int64_t kSerialMax = 999'999'999;
inline constexpr std::int64_t kSubNumberMin = -32768;
inline constexpr std::int64_t kSubNumberMax = 32767;
inline constexpr int kYearMin = 1900;
inline constexpr int kYearMax = 2200;
inline constexpr double kAmountLimit = 1e13;  // |amount| below 10^13
inline constexpr int kAmountDecimals = 4;
inline constexpr std::int64_t kSettlementMax = 9999;

// A date as dd.mm.yyyy (day and month may have one digit) or yyyy-mm-dd, of the years
// kYearMin to kYearMax.
enum class DateParse { NotADate, Valid, Invalid };
DateParse ParseDateText(const std::string& text, TDateTime& value);

// A decimal number with "." or "," as decimal separator, no thousands separators.
bool ParseDecimal(const std::string& text, double& value);

// The value for column from field; on refusal the reason and no value.
struct ConvertedValue {
  ColumnValue value;
  std::string refusal;  // empty when accepted
};
ConvertedValue ConvertField(const TableColumn& column, const std::string& field);

// Why a text carries characters no export file can hold (NUL and the other control
// characters; tab and line breaks are text); empty when it has none.
std::string ControlCharacterRefusal(const std::string& text);

}  // namespace suitetool
