#include "suite/SimpleMask.h"

#include <charconv>

#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

constexpr const char* kGlobal = "G";
constexpr const char* kByIndex = "I";

bool ParseInt(const std::string& text, int& value) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return false;
  const char* first = trimmed.data();
  if (*first == '+') ++first;
  const auto result = std::from_chars(first, trimmed.data() + trimmed.size(), value);
  return result.ec == std::errc() && result.ptr == trimmed.data() + trimmed.size();
}

// Booleans are stored as "1"/"0"; "J"/"N" and "true"/"false" are read as well.
bool ParseBool(const std::string& text, bool& value) {
  const std::string t = Utf8Upper(Trim(text));
  if (t == "1" || t == "J" || t == "TRUE") {
    value = true;
    return true;
  }
  if (t == "0" || t == "N" || t == "FALSE") {
    value = false;
    return true;
  }
  return false;
}

}  // namespace

TSimpleMask::TSimpleMask(std::string programKey, std::string maskName)
    : program_(std::move(programKey)), mask_(std::move(maskName)) {}

bool TSimpleMask::Read(const std::string& scope, const std::string& index,
                       const std::string& key, std::string& value) const {
  try {
    auto& stmt = SuiteDatabase::Get().Cached(
        "SELECT value FROM settings_store WHERE program = ? AND mask = ? AND scope = ? "
        "AND idx = ? AND key = ?");
    stmt.With(program_, mask_, scope, index, key);
    const bool found = stmt.Step();
    if (found) value = stmt.Text(0);
    stmt.Reset();
    return found;
  } catch (const std::exception& e) {
    // An unreadable store reads as "not set": the caller gets its default.
    QTXInfo().RegisterException("TSimpleMask.Read", e, true);
    return false;
  }
}

void TSimpleMask::Write(const std::string& scope, const std::string& index,
                        const std::string& key, const std::string& value) {
  SuiteDatabase::Get()
      .Cached("INSERT INTO settings_store (program, mask, scope, idx, key, value) "
              "VALUES (?, ?, ?, ?, ?, ?) "
              "ON CONFLICT (program, mask, scope, idx, key) DO UPDATE SET value = excluded.value")
      .With(program_, mask_, scope, index, key, value)
      .Run();
}

std::string TSimpleMask::ReadGlobalDef(const std::string& key, const std::string& def) const {
  std::string value;
  return Read(kGlobal, "", key, value) ? value : def;
}

int TSimpleMask::ReadGlobalDef(const std::string& key, int def) const {
  std::string text;
  int value = 0;
  return Read(kGlobal, "", key, text) && ParseInt(text, value) ? value : def;
}

bool TSimpleMask::ReadGlobalDef(const std::string& key, bool def) const {
  std::string text;
  bool value = false;
  return Read(kGlobal, "", key, text) && ParseBool(text, value) ? value : def;
}

void TSimpleMask::WriteGlobal(const std::string& key, const std::string& value) {
  Write(kGlobal, "", key, value);
}

void TSimpleMask::WriteGlobal(const std::string& key, int value) {
  Write(kGlobal, "", key, std::to_string(value));
}

void TSimpleMask::WriteGlobal(const std::string& key, bool value) {
  Write(kGlobal, "", key, value ? "1" : "0");
}

std::string TSimpleMask::ReadByIndexDef(const std::string& index, const std::string& key,
                                        const std::string& def) const {
  std::string value;
  return Read(kByIndex, index, key, value) ? value : def;
}

int TSimpleMask::ReadByIndexDef(const std::string& index, const std::string& key, int def) const {
  std::string text;
  int value = 0;
  return Read(kByIndex, index, key, text) && ParseInt(text, value) ? value : def;
}

bool TSimpleMask::ReadByIndexDef(const std::string& index, const std::string& key,
                                 bool def) const {
  std::string text;
  bool value = false;
  return Read(kByIndex, index, key, text) && ParseBool(text, value) ? value : def;
}

void TSimpleMask::WriteByIndex(const std::string& index, const std::string& key,
                               const std::string& value) {
  Write(kByIndex, index, key, value);
}

void TSimpleMask::WriteByIndex(const std::string& index, const std::string& key, int value) {
  Write(kByIndex, index, key, std::to_string(value));
}

void TSimpleMask::WriteByIndex(const std::string& index, const std::string& key, bool value) {
  Write(kByIndex, index, key, value ? "1" : "0");
}

void TSimpleMask::DeleteAllKeysByIndex(const std::string& index) {
  SuiteDatabase::Get()
      .Cached("DELETE FROM settings_store WHERE program = ? AND mask = ? AND scope = ? AND idx = ?")
      .With(program_, mask_, kByIndex, index)
      .Run();
}

bool TSimpleMask::HasValue(const std::string& index, const std::string& key) const {
  std::string ignored;
  return Read(index.empty() ? kGlobal : kByIndex, index, key, ignored);
}
