#include "suite/Utf8.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Byte offset of the character with the given index (or the text size).
std::size_t OffsetOfChar(std::string_view text, std::size_t index) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < index && pos < text.size(); ++i) Utf8Next(text, pos);
  return pos;
}

std::string Fill(std::size_t count, char fill) { return std::string(count, fill); }

}  // namespace

char32_t Utf8Next(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kUtf8Invalid;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kUtf8Invalid;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) {
      ++pos;
      return kUtf8Invalid;
    }
    cp = (cp << 6) | (byte & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kUtf8Invalid;
  }
  pos += length;
  return cp;
}

void Utf8Append(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::u32string Utf8Decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) out += Utf8Next(text, pos);
  return out;
}

std::string Utf8Encode(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size());
  for (const char32_t cp : codePoints) Utf8Append(out, cp);
  return out;
}

bool Utf8Valid(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    if (Utf8Next(text, pos) == kUtf8Invalid) return false;
  }
  return true;
}

std::string Utf8ReplaceInvalid(std::string_view text, std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    if (Utf8Next(text, pos) == kUtf8Invalid) {
      out += replacement;
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) Utf8Next(text, pos);
  return count;
}

std::string Utf8Left(std::string_view text, std::size_t count) {
  return std::string(Utf8LeftView(text, count));
}

std::string_view Utf8LeftView(std::string_view text, std::size_t count) {
  return text.substr(0, OffsetOfChar(text, count));
}

std::string Utf8Right(std::string_view text, std::size_t count) {
  const std::size_t length = Utf8Length(text);
  if (count >= length) return std::string(text);
  return std::string(text.substr(OffsetOfChar(text, length - count)));
}

std::string Utf8Mid(std::string_view text, std::size_t start, std::size_t count) {
  const std::string_view rest = text.substr(OffsetOfChar(text, start));
  return Utf8Left(rest, count);
}

std::string Utf8PadLeft(std::string_view text, std::size_t width, char fill) {
  const std::size_t length = Utf8Length(text);
  if (length >= width) return std::string(text);
  return Fill(width - length, fill) + std::string(text);
}

std::string Utf8PadRight(std::string_view text, std::size_t width, char fill) {
  const std::size_t length = Utf8Length(text);
  if (length >= width) return std::string(text);
  return std::string(text) + Fill(width - length, fill);
}

std::string Utf8AlignLeft(std::string_view text, std::size_t width, char fill) {
  return Utf8PadRight(Utf8Left(text, width), width, fill);
}

std::string Utf8AlignRight(std::string_view text, std::size_t width, char fill) {
  return Utf8PadLeft(Utf8Left(text, width), width, fill);
}

namespace {

// Combining marks that compose with a base letter into a Windows-1252 letter.
struct TKomposition {
  char32_t Basis;
  char32_t Zeichen;
  char32_t Ergebnis;
};

constexpr TKomposition kKompositionen[] = {
    {'A', 0x300, 0xC0}, {'E', 0x300, 0xC8}, {'I', 0x300, 0xCC}, {'O', 0x300, 0xD2},
    {'U', 0x300, 0xD9}, {'a', 0x300, 0xE0}, {'e', 0x300, 0xE8}, {'i', 0x300, 0xEC},
    {'o', 0x300, 0xF2}, {'u', 0x300, 0xF9},
    {'A', 0x301, 0xC1}, {'E', 0x301, 0xC9}, {'I', 0x301, 0xCD}, {'O', 0x301, 0xD3},
    {'U', 0x301, 0xDA}, {'Y', 0x301, 0xDD}, {'a', 0x301, 0xE1}, {'e', 0x301, 0xE9},
    {'i', 0x301, 0xED}, {'o', 0x301, 0xF3}, {'u', 0x301, 0xFA}, {'y', 0x301, 0xFD},
    {'A', 0x302, 0xC2}, {'E', 0x302, 0xCA}, {'I', 0x302, 0xCE}, {'O', 0x302, 0xD4},
    {'U', 0x302, 0xDB}, {'a', 0x302, 0xE2}, {'e', 0x302, 0xEA}, {'i', 0x302, 0xEE},
    {'o', 0x302, 0xF4}, {'u', 0x302, 0xFB},
    {'A', 0x303, 0xC3}, {'N', 0x303, 0xD1}, {'O', 0x303, 0xD5}, {'a', 0x303, 0xE3},
    {'n', 0x303, 0xF1}, {'o', 0x303, 0xF5},
    {'A', 0x308, 0xC4}, {'E', 0x308, 0xCB}, {'I', 0x308, 0xCF}, {'O', 0x308, 0xD6},
    {'U', 0x308, 0xDC}, {'Y', 0x308, 0x178}, {'a', 0x308, 0xE4}, {'e', 0x308, 0xEB},
    {'i', 0x308, 0xEF}, {'o', 0x308, 0xF6}, {'u', 0x308, 0xFC}, {'y', 0x308, 0xFF},
    {'A', 0x30A, 0xC5}, {'a', 0x30A, 0xE5},
    {'C', 0x327, 0xC7}, {'c', 0x327, 0xE7},
    {'S', 0x30C, 0x160}, {'s', 0x30C, 0x161}, {'Z', 0x30C, 0x17D}, {'z', 0x30C, 0x17E},
};

char32_t Komponiert(char32_t basis, char32_t zeichen) {
  for (const auto& k : kKompositionen) {
    if (k.Basis == basis && k.Zeichen == zeichen) return k.Ergebnis;
  }
  return 0;
}

}  // namespace

std::string Utf8ComposeLatin(std::string_view text) {
  // The combining marks of the table are U+0300..U+036F: lead byte 0xCC or 0xCD.
  if (text.find_first_of("\xCC\xCD") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  char32_t vorher = kUtf8Invalid;
  std::size_t vorherStart = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const char32_t cp = Utf8Next(text, pos);
    if (vorher != kUtf8Invalid && vorher < 0x80) {
      if (const char32_t ergebnis = Komponiert(vorher, cp)) {
        out.resize(vorherStart);
        Utf8Append(out, ergebnis);
        vorher = kUtf8Invalid;  // a second accent does not compose again
        continue;
      }
    }
    vorherStart = out.size();
    out.append(text.substr(start, pos - start));
    vorher = cp;
  }
  return out;
}

std::size_t Utf8GanzeZeichen(std::string_view text) {
  std::size_t i = text.size();
  int folgeBytes = 0;
  while (i > 0 && folgeBytes < 3 && (static_cast<unsigned char>(text[i - 1]) & 0xC0) == 0x80) {
    --i;
    ++folgeBytes;
  }
  if (i == 0) return text.size();
  const auto start = static_cast<unsigned char>(text[i - 1]);
  const int laenge = start >= 0xF0 ? 4 : start >= 0xE0 ? 3 : start >= 0xC0 ? 2 : 1;
  return laenge > folgeBytes + 1 ? i - 1 : text.size();
}
