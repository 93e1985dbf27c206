#include "data/EinstellungenWerte.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "suite/DateTime.h"
#include "suite/Text.h"

namespace {

bool ParseInt(std::string_view text, int& value) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return false;
  const char* first = trimmed.data();
  const char* last = trimmed.data() + trimmed.size();
  if (*first == '+') ++first;
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

}  // namespace

int IntAusText(std::string_view text) {
  int value = 0;
  return ParseInt(text, value) ? value : 0;
}

TDateTime DatumAusText(std::string_view text) {
  const std::string trimmed = Trim(text);
  const auto firstDot = trimmed.find('.');
  if (firstDot == std::string::npos) return 0;
  const auto secondDot = trimmed.find('.', firstDot + 1);
  if (secondDot == std::string::npos) return 0;
  int day = 0, month = 0, year = 0;
  const std::string_view all(trimmed);
  const auto yearText = all.substr(secondDot + 1);
  if (!ParseInt(all.substr(0, firstDot), day) ||
      !ParseInt(all.substr(firstDot + 1, secondDot - firstDot - 1), month) ||
      !ParseInt(yearText, year)) {
    return 0;
  }
  if (yearText.size() <= 2) year += year < 50 ? 2000 : 1900;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysIn(year, month)) {
    return 0;
  }
  return EncodeDate(year, month, day);
}

std::string DatumAlsText(TDateTime date) {
  if (date == 0) return {};
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
  return text;
}

std::string PaarAlsText(const TIntPair& pair) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9d/%.9d", pair.Nr1, pair.Nr2);
  return text;
}

std::optional<TIntPair> PaarAusText(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  TIntPair pair;
  if (!ParseInt(text.substr(0, slash), pair.Nr1) || !ParseInt(text.substr(slash + 1), pair.Nr2)) {
    return std::nullopt;
  }
  return pair;
}
