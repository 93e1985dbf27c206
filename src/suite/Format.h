// Number formatting of the suite: format settings, printf-like Format, rounding and
// text-to-number conversion. Amounts are long double and rounded half away from zero
// on their decimal value, never by the binary value printf would round.
#pragma once

#include <array>
#include <concepts>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// The process's number and date format, as on a German workstation by default.
struct TFormatSettings {
  char DecimalSeparator = ',';
  char ThousandSeparator = '.';
  std::string ShortDateFormat = "dd.mm.yyyy";
};

// The process-wide settings every number and date text follows (settable for tests).
TFormatSettings& FormatSettings();

// One argument of Format: an integer, a floating-point value or a text.
class TFormatArg {
 public:
  enum class Kind { Integer, Float, Text };

  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
  TFormatArg(T value) : kind_(Kind::Integer), integer_(CheckedInteger(value)) {}
  template <std::floating_point T>
  TFormatArg(T value) : kind_(Kind::Float), float_(value) {}
  TFormatArg(char value) : kind_(Kind::Text), text_(1, value) {}
  TFormatArg(const char* value) : kind_(Kind::Text), text_(value ? value : "") {}
  TFormatArg(std::string_view value) : kind_(Kind::Text), text_(value) {}
  TFormatArg(const std::string& value) : kind_(Kind::Text), text_(value) {}
  TFormatArg(bool) = delete;

  Kind GetKind() const { return kind_; }
  long long Integer() const { return integer_; }
  long double Float() const { return kind_ == Kind::Integer ? integer_ : float_; }
  const std::string& Text() const { return text_; }

 private:
  template <typename T>
  static long long CheckedInteger(T value) {
    if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(long long)) {
      if (value > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
        ThrowIntegerTooLarge();
      }
    }
    return static_cast<long long>(value);
  }
  [[noreturn]] static void ThrowIntegerTooLarge();

  Kind kind_;
  long long integer_ = 0;
  long double float_ = 0;
  std::string text_;
};

// Formats like the suite's Format: %d %u (with width, "-" and precision = minimum
// digits), %s (width and precision counted in characters), %f %n (default two
// decimals, %n with thousand separators), %g (15 significant digits), %% and "*" for
// width or precision taken from the arguments. Throws std::invalid_argument when the
// pattern and the arguments do not fit or a value is not finite.
std::string FormatArgs(std::string_view pattern, std::span<const TFormatArg> args);

template <typename... Args>
std::string Format(std::string_view pattern, const Args&... args) {
  const std::array<TFormatArg, sizeof...(Args)> list{TFormatArg(args)...};
  return FormatArgs(pattern, list);
}

// The suite's rounding: half away from zero on the decimal value (0.125 -> 0.13,
// -0.005 -> -0.01); decimals from 0 to 18.
long double qtx_Round(long double value, int decimals = 2);

// value with the given decimals and the decimal separator of the settings, no
// thousand separator ("%.*f").
std::string FloatToStrF(long double value, int decimals = 2);
// value with the given decimals (rounded as qtx_Round does) and the separator given, for
// files whose decimal point does not follow the settings; no "-0.00".
std::string FixedPoint(long double value, int decimals, char decimalSeparator);
// Shortest text with up to 15 significant digits ("%g"): 7 -> "7", 7.5 -> "7,5".
std::string FloatToStr(long double value);

// Whole decimal number with optional sign and surrounding blanks, else def.
int StrToIntDef(std::string_view text, int def);
long long StrToInt64Def(std::string_view text, long long def);
// Decimal number with the decimal separator of the settings (no thousand separators,
// optional exponent), else def.
long double StrToFloatDef(std::string_view text, long double def);
