#include "suitetool/ToolText.h"

#include <cstdio>

#include "suite/DateTime.h"

namespace suitetool {

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

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

std::string PadRight(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  }
  const std::size_t blanks = characters + 1 > width ? 1 : width - characters;
  return text + std::string(blanks, ' ');
}

}  // namespace suitetool
