#include "suite/Text.h"

#include <algorithm>
#include <cstdint>

namespace {

// Decodes one code point; invalid bytes pass through as themselves.
char32_t Next(std::string_view text, std::size_t& pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80 || pos + 1 >= text.size()) {
    ++pos;
    return byte;
  }
  if ((byte & 0xE0) == 0xC0) {
    const auto next = static_cast<unsigned char>(text[pos + 1]);
    if ((next & 0xC0) == 0x80) {
      pos += 2;
      return static_cast<char32_t>(((byte & 0x1F) << 6) | (next & 0x3F));
    }
  }
  // Longer sequences have no case mapping here; copy the byte as it is.
  ++pos;
  return 0x110000 + byte;
}

void Append(std::string& out, char32_t cp) {
  if (cp >= 0x110000) {
    out += static_cast<char>(cp - 0x110000);
  } else if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t ToUpper(char32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 32;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
  return cp;
}

char32_t ToLower(char32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 32;
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
  return cp;
}

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) Append(out, map(Next(text, pos)));
  return out;
}

}  // namespace

bool qtx_strmatch(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (ToUpper(Next(a, i)) != ToUpper(Next(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

std::string Utf8Upper(std::string_view text) { return MapCase(text, ToUpper); }
std::string Utf8Lower(std::string_view text) { return MapCase(text, ToLower); }

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

std::string_view TrimView(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string BoolToJN(bool value) { return value ? "J" : "N"; }

bool JNToBool(std::string_view text) { return text == "J" || text == "j"; }

std::string qtx_TIntPair2String(const TIntPair& pair) {
  return std::to_string(pair.Nr1) + "/" + std::to_string(pair.Nr2);
}

void AppendDigits(std::string& text, long long value, int digits) {
  if (value < 0) text += '-';
  unsigned long long rest =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  char reversed[24];
  int count = 0;
  for (; rest != 0; rest /= 10) reversed[count++] = static_cast<char>('0' + rest % 10);
  // Zero with no digits asked is written as nothing, as printf does.
  if (count == 0 && digits == 0) return;
  if (count == 0) digits = std::max(digits, 1);
  if (count < digits) text.append(static_cast<std::size_t>(digits - count), '0');
  while (count > 0) text += reversed[--count];
}

namespace {

// Length of a C1 control character (U+0080..U+009F, 0xC2 0x80..0x9F) at pos, else 0.
std::size_t C1Steuerzeichen(std::string_view text, std::size_t pos) {
  if (static_cast<unsigned char>(text[pos]) != 0xC2 || pos + 1 >= text.size()) return 0;
  const auto next = static_cast<unsigned char>(text[pos + 1]);
  return next >= 0x80 && next <= 0x9F ? 2 : 0;
}

bool IstSteuerbyte(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

bool HatSteuerzeichen(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (IstSteuerbyte(static_cast<unsigned char>(text[pos])) || C1Steuerzeichen(text, pos)) {
      return true;
    }
  }
  return false;
}

std::string OhneSteuerzeichen(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '\r' || c == '\n') continue;
    if (IstSteuerbyte(static_cast<unsigned char>(c))) {
      out += ' ';
    } else if (C1Steuerzeichen(text, pos)) {
      out += ' ';
      ++pos;
    } else {
      out += c;
    }
  }
  return out;
}

std::string DateinamenTeil(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IstSteuerbyte(static_cast<unsigned char>(c)) ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      out += '_';
    } else if (C1Steuerzeichen(text, pos)) {
      out += '_';
      ++pos;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<int> Ziffern(const std::string& text, std::size_t maxStellen) {
  if (text.size() > maxStellen) return std::nullopt;
  int wert = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    wert = wert * 10 + (c - '0');
  }
  return wert;
}
