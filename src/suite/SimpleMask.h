// The suite's simple settings store: values of a program key and mask, either global
// for the installation or under an index text (client, client + origin, ...).
#pragma once

#include <string>

class TSimpleMask {
 public:
  TSimpleMask(std::string programKey, std::string maskName);

  const std::string& ProgramKey() const { return program_; }
  const std::string& MaskName() const { return mask_; }

  // A missing key, or a stored value of the wrong kind, yields the default.
  std::string ReadGlobalDef(const std::string& key, const std::string& def) const;
  int ReadGlobalDef(const std::string& key, int def) const;
  bool ReadGlobalDef(const std::string& key, bool def) const;
  std::string ReadGlobalDef(const std::string& key, const char* def) const {
    return ReadGlobalDef(key, std::string(def));
  }
  void WriteGlobal(const std::string& key, const std::string& value);
  void WriteGlobal(const std::string& key, int value);
  void WriteGlobal(const std::string& key, bool value);
  void WriteGlobal(const std::string& key, const char* value) {
    WriteGlobal(key, std::string(value));
  }

  std::string ReadByIndexDef(const std::string& index, const std::string& key,
                             const std::string& def) const;
  int ReadByIndexDef(const std::string& index, const std::string& key, int def) const;
  bool ReadByIndexDef(const std::string& index, const std::string& key, bool def) const;
  std::string ReadByIndexDef(const std::string& index, const std::string& key,
                             const char* def) const {
    return ReadByIndexDef(index, key, std::string(def));
  }
  void WriteByIndex(const std::string& index, const std::string& key, const std::string& value);
  void WriteByIndex(const std::string& index, const std::string& key, int value);
  void WriteByIndex(const std::string& index, const std::string& key, bool value);
  void WriteByIndex(const std::string& index, const std::string& key, const char* value) {
    WriteByIndex(index, key, std::string(value));
  }
  void DeleteAllKeysByIndex(const std::string& index);

  // Whether a value is stored (global when index is empty).
  bool HasValue(const std::string& index, const std::string& key) const;

 private:
  bool Read(const std::string& scope, const std::string& index, const std::string& key,
            std::string& value) const;
  void Write(const std::string& scope, const std::string& index, const std::string& key,
             const std::string& value);

  std::string program_;
  std::string mask_;
};
