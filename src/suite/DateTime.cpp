#include "suite/DateTime.h"

#include <chrono>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <ctime>

#include "suite/Format.h"

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

// Two-digit years are placed within this many years of the current year.
constexpr int kTwoDigitYearWindow = 50;

TDateTime TimeOfDay(TDateTime value) { return value - std::floor(value); }

// Length of the run of the same letter (ignoring case) starting at pos.
std::size_t RunLength(std::string_view pattern, std::size_t pos) {
  const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  std::size_t end = pos + 1;
  while (end < pattern.size() && lower(pattern[end]) == lower(pattern[pos])) ++end;
  return end - pos;
}

std::string Padded(int value, int digits) { return Format("%.*d", digits, value); }

// Reads 1 to maxDigits digits at pos; -1 when there is none.
int ReadNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits, std::size_t& digits) {
  int value = 0;
  digits = 0;
  while (pos < text.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(text[pos]))) {
    value = value * 10 + (text[pos++] - '0');
    ++digits;
  }
  return digits == 0 ? -1 : value;
}

int FullYearOfTwoDigits(int twoDigits) {
  const int centuryBase = YearOf(qtx_Date()) - kTwoDigitYearWindow;
  int year = centuryBase / 100 * 100 + twoDigits;
  if (year < centuryBase) year += 100;
  return year;
}

}  // namespace

TDateTime EncodeDate(int y, int m, int d) {
  const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  return static_cast<TDateTime>((sys_days{ymd} - kEpoch).count());
}

TDateTime EncodeDateTime(int y, int m, int d, int hh, int mm, int ss, int ms) {
  return EncodeDate(y, m, d) + (((hh * 60.0 + mm) * 60.0 + ss) * 1000.0 + ms) / 86400000.0;
}

void DecodeDate(TDateTime value, int& y, int& m, int& d) {
  const sys_days date = kEpoch + days{static_cast<long>(std::floor(value))};
  const year_month_day ymd{date};
  y = static_cast<int>(ymd.year());
  m = static_cast<int>(static_cast<unsigned>(ymd.month()));
  d = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

void DecodeTime(TDateTime value, int& hh, int& mm, int& ss, int& ms) {
  auto total = static_cast<long long>(std::llround((value - std::floor(value)) * 86400000.0));
  if (total >= 86400000) total = 86399999;
  ms = static_cast<int>(total % 1000);
  total /= 1000;
  ss = static_cast<int>(total % 60);
  total /= 60;
  mm = static_cast<int>(total % 60);
  hh = static_cast<int>(total / 60);
}

TDateTime qtx_Now() {
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec, ms);
}

TDateTime qtx_Date() { return std::floor(qtx_Now()); }

bool IsLeapYear(int y) { return year{y}.is_leap(); }

int DaysInMonth(int y, int m) {
  if (m < 1 || m > 12) return 0;
  const year_month_day_last last{year{y} / month{static_cast<unsigned>(m)} / std::chrono::last};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

int DaysInMonth(TDateTime value) { return DaysInMonth(YearOf(value), MonthOf(value)); }

int YearOf(TDateTime value) {
  int y = 0, m = 0, d = 0;
  DecodeDate(value, y, m, d);
  return y;
}

int MonthOf(TDateTime value) {
  int y = 0, m = 0, d = 0;
  DecodeDate(value, y, m, d);
  return m;
}

int DayOf(TDateTime value) {
  int y = 0, m = 0, d = 0;
  DecodeDate(value, y, m, d);
  return d;
}

TDateTime IncMonth(TDateTime value, int months) {
  int y = 0, m = 0, d = 0;
  DecodeDate(value, y, m, d);
  const int monthIndex = y * 12 + (m - 1) + months;
  const int newYear = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
  const int newMonth = monthIndex - newYear * 12 + 1;
  const int newDay = std::min(d, DaysInMonth(newYear, newMonth));
  return EncodeDate(newYear, newMonth, newDay) + TimeOfDay(value);
}

TDateTime StartOfMonth(TDateTime value) { return EncodeDate(YearOf(value), MonthOf(value), 1); }

TDateTime EndOfMonth(TDateTime value) {
  return EncodeDate(YearOf(value), MonthOf(value), DaysInMonth(value));
}

std::string FormatDateTime(std::string_view pattern, TDateTime value) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  DecodeDate(value, y, mo, d);
  DecodeTime(value, h, mi, s, ms);
  std::string out;
  bool afterHour = false;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const char c = pattern[pos];
    if (c == '\'' || c == '"') {
      const std::size_t close = pattern.find(c, pos + 1);
      const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
      out.append(pattern.substr(pos + 1, end - pos - 1));
      pos = end == pattern.size() ? end : end + 1;
      continue;
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t run = RunLength(pattern, pos);
    std::size_t used = std::min<std::size_t>(run, 2);
    switch (letter) {
      case 'y':
        if (run >= 3) {
          used = std::min<std::size_t>(run, 4);
          out += Padded(y, 4);
        } else {
          out += Padded(y % 100, 2);
        }
        break;
      case 'm':
        out += Padded(afterHour ? mi : mo, static_cast<int>(used));
        break;
      case 'd':
        out += Padded(d, static_cast<int>(used));
        break;
      case 'h':
        out += Padded(h, static_cast<int>(used));
        break;
      case 'n':
        out += Padded(mi, static_cast<int>(used));
        break;
      case 's':
        out += Padded(s, static_cast<int>(used));
        break;
      case 'z':
        used = run >= 3 ? 3 : 1;
        out += Padded(ms, static_cast<int>(used));
        break;
      default:
        used = 1;
        out += c;
        break;
    }
    if (std::isalpha(static_cast<unsigned char>(c))) afterHour = letter == 'h';
    pos += used;
  }
  return out;
}

std::string Date2JJJJMMTT(TDateTime value) { return FormatDateTime("yyyymmdd", value); }

std::string DateToStr(TDateTime value) { return FormatDateTime(FormatSettings().ShortDateFormat, value); }

TDateTime StrToDateDef(std::string_view text, TDateTime def) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t pos = 0, digits = 0;
  const int d = ReadNumber(text, pos, 2, digits);
  if (d < 0 || pos >= text.size() || text[pos++] != '.') return def;
  const int m = ReadNumber(text, pos, 2, digits);
  if (m < 0 || pos >= text.size() || text[pos++] != '.') return def;
  int y = ReadNumber(text, pos, 4, digits);
  if (y < 0 || pos != text.size() || (digits != 2 && digits != 4)) return def;
  if (digits == 2) y = FullYearOfTwoDigits(y);
  if (y < 1 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return def;
  return EncodeDate(y, m, d);
}
