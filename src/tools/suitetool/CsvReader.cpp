#include "suitetool/CsvReader.h"

namespace suitetool {
namespace {

constexpr char kQuote = '"';

// The header decides the separator: ";" when it holds one, else ",".
char DetectSeparator(const std::string& headerLine) {
  return headerLine.find(';') != std::string::npos ? ';' : ',';
}

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in) {
  // Skip a UTF-8 byte order mark.
  if (Peek() == 0xEF) {
    char bom[3] = {};
    in_.read(bom, 3);
    if (!(static_cast<unsigned char>(bom[1]) == 0xBB && static_cast<unsigned char>(bom[2]) == 0xBF)) {
      in_.clear();
      in_.seekg(0);
    }
  }
  // Find the separator on the raw first line, then read the header with it.
  const auto start = in_.tellg();
  std::string firstLine;
  std::getline(in_, firstLine);
  separator_ = DetectSeparator(firstLine);
  in_.clear();
  in_.seekg(start);
  if (!Next(header_)) throw CsvSyntaxError(1, "Die Datei ist leer, es fehlt die Kopfzeile");
}

int CsvReader::Get() {
  const int c = in_.get();
  if (c == '\n') ++line_;
  return c;
}

int CsvReader::Peek() { return in_.peek(); }

bool CsvReader::Next(CsvRecord& record) {
  for (;;) {
    if (!ReadRecord(record)) return false;
    const bool blank = record.fields.size() == 1 && record.fields.front().empty();
    if (!blank) return true;
  }
}

bool CsvReader::ReadRecord(CsvRecord& record) {
  record.fields.clear();
  record.line = line_;
  if (Peek() == std::char_traits<char>::eof()) return false;

  std::string field;
  bool quoted = false;       // inside a quoted field
  bool wasQuoted = false;    // the current field was quoted and is closed
  for (;;) {
    const int c = Get();
    if (c == std::char_traits<char>::eof()) {
      if (quoted) throw CsvSyntaxError(record.line, "Anführungszeichen wird nicht geschlossen");
      break;
    }
    if (quoted) {
      if (c == kQuote) {
        if (Peek() == kQuote) {
          field += static_cast<char>(Get());
        } else {
          quoted = false;
          wasQuoted = true;
        }
      } else {
        field += static_cast<char>(c);
      }
      continue;
    }
    if (c == separator_) {
      record.fields.push_back(std::move(field));
      field.clear();
      wasQuoted = false;
      continue;
    }
    if (c == '\n') break;
    if (c == '\r') {
      if (Peek() == '\n') {
        Get();
      } else {
        ++line_;  // a lone CR ends a line as well
      }
      break;
    }
    if (wasQuoted) {
      throw CsvSyntaxError(record.line, "Text nach dem schließenden Anführungszeichen");
    }
    if (c == kQuote && field.empty()) {
      quoted = true;
      continue;
    }
    field += static_cast<char>(c);
  }
  record.fields.push_back(std::move(field));
  return true;
}

}  // namespace suitetool
