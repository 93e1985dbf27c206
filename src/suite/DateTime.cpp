#include "suite/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

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
