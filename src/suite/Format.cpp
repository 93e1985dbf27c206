#include "suite/Format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "suite/Utf8.h"

namespace {

constexpr int kMaxDecimals = 18;
constexpr int kDefaultDecimals = 2;
constexpr int kGeneralDigits = 15;
constexpr int kMaxWidth = 1000;  // guards against absurd widths from a faulty pattern

[[noreturn]] void ThrowFormatError(std::string_view pattern, const std::string& reason) {
  throw std::invalid_argument("Ungültiges Format \"" + std::string(pattern) + "\": " + reason);
}

long double Pow10(int exponent) {
  long double result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;  // exact for every exponent used here
  return result;
}

// |value| * 10^decimals rounded half away from zero, as an integral long double. A
// value that was meant to be an exact half but lies a few binary units below it
// (2.675 is stored as 2.67499999...) still rounds up. The tolerance covers the error
// of amounts that passed through double; it is capped so that huge values, whose
// last digits double cannot hold anyway, do not all round up.
long double RoundedMagnitude(long double value, int decimals) {
  const long double scaled = std::fabs(value) * Pow10(decimals);
  const long double whole = std::floor(scaled);
  const long double tolerance = std::fmin(scaled * 1e-14L, 1e-3L);
  return scaled - whole + tolerance >= 0.5L ? whole + 1 : whole;
}

// Decimal digits of an integral, non-negative long double.
std::string IntegerDigits(long double integral) {
  char buffer[64];
  if (integral < 1e18L) {
    // Every amount: exact as a 64-bit integer, whose digits are quickly written.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<unsigned long long>(integral));
    return std::string(buffer, result.ptr);
  }
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, integral,
                                    std::chars_format::fixed, 0);
  return std::string(buffer, result.ptr);
}

void CheckDecimals(int decimals) {
  if (decimals < 0 || decimals > kMaxDecimals) {
    throw std::invalid_argument("Ungültige Anzahl Nachkommastellen: " + std::to_string(decimals));
  }
}

void CheckFinite(long double value) {
  if (!std::isfinite(value)) throw std::invalid_argument("Ungültiger Zahlenwert (kein endlicher Wert)");
}

std::string GroupThousands(const std::string& digits, char separator) {
  if (separator == '\0') return digits;
  std::string out;
  const std::size_t length = digits.size();
  for (std::size_t i = 0; i < length; ++i) {
    if (i > 0 && (length - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

// Sign and the text of |value| rounded to the given decimals.
struct TFixedText {
  bool Negative = false;
  std::string Body;
};

TFixedText FixedText(long double value, int decimals, bool grouped,
                     char decimalSeparator = FormatSettings().DecimalSeparator) {
  CheckFinite(value);
  CheckDecimals(decimals);
  const long double magnitude = RoundedMagnitude(value, decimals);
  std::string digits = IntegerDigits(magnitude);
  if (digits.size() <= static_cast<std::size_t>(decimals)) {
    digits.insert(0, decimals + 1 - digits.size(), '0');
  }
  const TFormatSettings& settings = FormatSettings();
  std::string whole = digits.substr(0, digits.size() - decimals);
  if (grouped) whole = GroupThousands(whole, settings.ThousandSeparator);
  TFixedText text;
  text.Negative = value < 0 && magnitude > 0;  // no "-0,00"
  text.Body = whole;
  if (decimals > 0) text.Body += decimalSeparator + digits.substr(digits.size() - decimals);
  return text;
}

std::string GeneralText(long double value, int digits) {
  CheckFinite(value);
  if (value == 0) value = 0;  // no "-0"
  char buffer[128];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = FormatSettings().DecimalSeparator;
  }
  return text;
}

// One "%..." directive.
struct TDirective {
  bool LeftAlign = false;
  bool ZeroPad = false;
  int Width = 0;
  bool HasPrecision = false;
  int Precision = 0;
  char Type = 0;
};

class TFormatter {
 public:
  TFormatter(std::string_view pattern, std::span<const TFormatArg> args)
      : pattern_(pattern), args_(args) {}

  std::string Run() {
    std::string out;
    while (pos_ < pattern_.size()) {
      const char c = pattern_[pos_++];
      if (c != '%') {
        out += c;
      } else if (Peek() == '%') {
        ++pos_;
        out += '%';
      } else {
        out += Render(ParseDirective());
      }
    }
    return out;
  }

 private:
  char Peek() const { return pos_ < pattern_.size() ? pattern_[pos_] : '\0'; }

  const TFormatArg& NextArg() {
    if (argIndex_ >= args_.size()) ThrowFormatError(pattern_, "zu wenige Argumente");
    return args_[argIndex_++];
  }

  int IntArg() {
    const TFormatArg& arg = NextArg();
    if (arg.GetKind() != TFormatArg::Kind::Integer) ThrowFormatError(pattern_, "\"*\" braucht eine Zahl");
    if (arg.Integer() < -kMaxWidth || arg.Integer() > kMaxWidth) ThrowFormatError(pattern_, "Breite zu groß");
    return static_cast<int>(arg.Integer());
  }

  int Number() {
    int value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = value * 10 + (pattern_[pos_++] - '0');
      if (value > kMaxWidth) ThrowFormatError(pattern_, "Breite zu groß");
    }
    return value;
  }

  TDirective ParseDirective() {
    TDirective directive;
    for (;; ++pos_) {
      if (Peek() == '-') {
        directive.LeftAlign = true;
      } else if (Peek() == '0') {
        directive.ZeroPad = true;
      } else {
        break;
      }
    }
    if (Peek() == '*') {
      ++pos_;
      directive.Width = IntArg();
      if (directive.Width < 0) directive.LeftAlign = true, directive.Width = -directive.Width;
    } else {
      directive.Width = Number();
    }
    if (Peek() == '.') {
      ++pos_;
      directive.HasPrecision = true;
      if (Peek() == '*') {
        ++pos_;
        directive.Precision = IntArg();
        if (directive.Precision < 0) directive.HasPrecision = false, directive.Precision = 0;
      } else {
        directive.Precision = Number();
      }
    }
    if (pos_ >= pattern_.size()) ThrowFormatError(pattern_, "unvollständige Angabe");
    directive.Type = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern_[pos_++])));
    return directive;
  }

  std::string Render(const TDirective& directive) {
    const TFormatArg& arg = NextArg();
    switch (directive.Type) {
      case 'd':
      case 'u':
        return Integer(directive, arg);
      case 'f':
      case 'n':
        return Fixed(directive, arg);
      case 'g':
        return General(directive, arg);
      case 's':
        return Text(directive, arg);
      default:
        ThrowFormatError(pattern_, std::string("unbekannter Typ '") + directive.Type + "'");
    }
  }

  std::string Integer(const TDirective& directive, const TFormatArg& arg) {
    if (arg.GetKind() != TFormatArg::Kind::Integer) ThrowFormatError(pattern_, "%d braucht eine ganze Zahl");
    const long long value = arg.Integer();
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (directive.HasPrecision && digits.size() < static_cast<std::size_t>(directive.Precision)) {
      digits.insert(0, directive.Precision - digits.size(), '0');
    }
    return Number(directive, value < 0, digits, !directive.HasPrecision);
  }

  std::string Fixed(const TDirective& directive, const TFormatArg& arg) {
    RequireNumber(arg);
    const int decimals = directive.HasPrecision ? directive.Precision : kDefaultDecimals;
    const TFixedText text = FixedText(arg.Float(), decimals, directive.Type == 'n');
    return Number(directive, text.Negative, text.Body, true);
  }

  std::string General(const TDirective& directive, const TFormatArg& arg) {
    RequireNumber(arg);
    const int digits = directive.HasPrecision && directive.Precision > 0 ? directive.Precision : kGeneralDigits;
    std::string text = GeneralText(arg.Float(), digits > kMaxDecimals ? kMaxDecimals : digits);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    return Number(directive, negative, text, true);
  }

  std::string Text(const TDirective& directive, const TFormatArg& arg) {
    if (arg.GetKind() != TFormatArg::Kind::Text) ThrowFormatError(pattern_, "%s braucht einen Text");
    const std::string text = directive.HasPrecision ? Utf8Left(arg.Text(), directive.Precision) : arg.Text();
    return Pad(directive, text);
  }

  void RequireNumber(const TFormatArg& arg) const {
    if (arg.GetKind() == TFormatArg::Kind::Text) ThrowFormatError(pattern_, "Zahl erwartet, Text erhalten");
  }

  // Sign, digits and padding; zero padding goes between sign and digits.
  std::string Number(const TDirective& directive, bool negative, std::string body, bool zeroPadAllowed) {
    const std::string sign = negative ? "-" : "";
    const std::size_t length = sign.size() + body.size();
    if (directive.ZeroPad && zeroPadAllowed && !directive.LeftAlign && length < static_cast<std::size_t>(directive.Width)) {
      body.insert(0, directive.Width - length, '0');
    }
    return Pad(directive, sign + body);
  }

  static std::string Pad(const TDirective& directive, const std::string& text) {
    return directive.LeftAlign ? Utf8PadRight(text, directive.Width) : Utf8PadLeft(text, directive.Width);
  }

  std::string_view pattern_;
  std::span<const TFormatArg> args_;
  std::size_t pos_ = 0;
  std::size_t argIndex_ = 0;
};

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [sign] digits [separator digits] [e [sign] digits], with '.' for the separator;
// empty when text is no such number.
std::string NormalisedFloatText(std::string_view text, char separator) {
  std::string out;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out += '-';
    ++i;
  }
  std::size_t mantissaDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) out += text[i];
  if (i < text.size() && text[i] == separator) {
    out += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) out += text[i];
  }
  if (mantissaDigits == 0) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    std::size_t exponentDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) out += text[i];
    if (exponentDigits == 0) return {};
  }
  return i == text.size() ? out : std::string();
}

}  // namespace

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

void TFormatArg::ThrowIntegerTooLarge() {
  throw std::invalid_argument("Ganze Zahl zu groß für die Formatierung");
}

std::string FormatArgs(std::string_view pattern, std::span<const TFormatArg> args) {
  return TFormatter(pattern, args).Run();
}

long double qtx_Round(long double value, int decimals) {
  CheckDecimals(decimals);
  if (!std::isfinite(value)) return value;
  const long double magnitude = RoundedMagnitude(value, decimals) / Pow10(decimals);
  return value < 0 ? -magnitude : magnitude;
}

std::string FloatToStrF(long double value, int decimals) { return Format("%.*f", decimals, value); }

std::string FloatToStr(long double value) { return Format("%g", value); }

std::string FixedPoint(long double value, int decimals, char decimalSeparator) {
  TFixedText text = FixedText(value, decimals, false, decimalSeparator);
  return text.Negative ? "-" + text.Body : std::move(text.Body);
}

long long StrToInt64Def(std::string_view text, long long def) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !IsDigit(text[0])) return def;
  unsigned long long magnitude = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return def;
  constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
  if (negative) {
    if (magnitude > kMax + 1) return def;
    return magnitude == kMax + 1 ? std::numeric_limits<long long>::min()
                                 : -static_cast<long long>(magnitude);
  }
  return magnitude > kMax ? def : static_cast<long long>(magnitude);
}

int StrToIntDef(std::string_view text, int def) {
  const long long value = StrToInt64Def(text, static_cast<long long>(def));
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return def;
  return static_cast<int>(value);
}

long double StrToFloatDef(std::string_view text, long double def) {
  const std::string normalised = NormalisedFloatText(TrimBlanks(text), FormatSettings().DecimalSeparator);
  if (normalised.empty()) return def;
  long double value = 0;
  const auto result = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return def;
  return value;
}
