#include "suitetool/ToolText.h"

#include <cstdio>

#include "suite/DateTime.h"

namespace suitetool {

std::string DateText(TDateTime value) {
  if (value <= 0) return {};
  int year = 0, month = 0, day = 0;
  DecodeDate(value, year, month, day);
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
  return text;
}

std::string DateTimeText(TDateTime value) {
  if (value <= 0) return {};
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  DecodeTime(value, hour, minute, second, millisecond);
  char text[16];
  std::snprintf(text, sizeof text, " %02d:%02d:%02d", hour, minute, second);
  return DateText(value) + text;
}

}  // namespace suitetool
