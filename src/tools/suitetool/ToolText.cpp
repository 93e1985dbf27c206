#include "suitetool/ToolText.h"

#include "suite/DateTime.h"
#include "suite/Utf8.h"

namespace suitetool {

std::string DateText(TDateTime value) { return value > 0 ? DateToStr(value) : std::string(); }

std::string DateTimeText(TDateTime value) {
  return value > 0 ? FormatDateTime("dd.mm.yyyy hh:nn:ss", value) : std::string();
}

std::string PadRight(const std::string& text, std::size_t width) {
  const std::size_t length = Utf8Length(text);
  return Utf8PadRight(text, length + 1 > width ? length + 1 : width);
}

}  // namespace suitetool
