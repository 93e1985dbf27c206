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

// A date as dd.mm.yyyy (day and month may have one digit) or yyyy-mm-dd.
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

}  // namespace suitetool
