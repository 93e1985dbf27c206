#include "suite/DelimitedText.h"

namespace {

constexpr char kDelimiter = ',';
constexpr char kQuote = '"';

// Blanks and control characters; bytes of multi-byte UTF-8 characters are not.
bool IsSpace(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= ' ';
}

bool NeedsQuotes(std::string_view item) {
  if (item.empty()) return true;
  for (char c : item) {
    if (c == kDelimiter || c == kQuote || c == '\0' || IsSpace(c)) return true;
  }
  return false;
}

std::string Quoted(std::string_view item) {
  std::string out(1, kQuote);
  for (char c : item) {
    if (c == kQuote) out += kQuote;
    out += c;
  }
  out += kQuote;
  return out;
}

void SkipSpaces(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
}

// Reads a quoted item starting at the opening quote; pos ends after the closing quote.
std::string ReadQuoted(std::string_view text, std::size_t& pos) {
  std::string item;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == kQuote) {
      if (pos + 1 < text.size() && text[pos + 1] == kQuote) {
        item += kQuote;
        pos += 2;
        continue;
      }
      ++pos;
      return item;
    }
    item += text[pos++];
  }
  return item;
}

std::string ReadPlain(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && text[pos] != kDelimiter && !IsSpace(text[pos])) ++pos;
  return std::string(text.substr(start, pos - start));
}

}  // namespace

std::string DelimitedText_Join(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += kDelimiter;
    out += NeedsQuotes(items[i]) ? Quoted(items[i]) : items[i];
  }
  return out;
}

std::vector<std::string> DelimitedText_Split(std::string_view text) {
  std::vector<std::string> items;
  std::size_t pos = 0;
  SkipSpaces(text, pos);
  while (pos < text.size()) {
    if (text[pos] == kDelimiter) {
      // An empty place between two commas is an empty item.
      items.emplace_back();
    } else {
      items.push_back(text[pos] == kQuote ? ReadQuoted(text, pos) : ReadPlain(text, pos));
      SkipSpaces(text, pos);
      if (pos >= text.size()) break;
      if (text[pos] != kDelimiter) continue;  // a blank separated the items
    }
    // pos is at a comma: a comma at the very end leaves one empty item after it.
    ++pos;
    SkipSpaces(text, pos);
    if (pos >= text.size()) items.emplace_back();
  }
  return items;
}
