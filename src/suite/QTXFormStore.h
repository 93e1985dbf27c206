// The suite's form store: string lists stored under a form name (program, mask,
// language), an index and a user name, each entry with a user text. The entry
// without a user name is the default entry. Exporter profiles are such entries.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A string container whose Items a form store persists.
class TQTXStrings {
 public:
  std::vector<std::string> Items;

  // Value of the first "KEY=VALUE" line for key (exact key), empty when missing.
  std::string Value(const std::string& key) const;
  bool HasKey(const std::string& key) const;
  void SetValue(const std::string& key, const std::string& value);
};

struct TFormName {
  std::string program;
  std::string mask;
  std::string language;
};

struct TFormStoreEntry {
  std::string userName;  // upper case; empty for the default entry
  std::string userText;
  std::string index;
};

// What the store's three dialogs ask of the person; the Qt layer implements it, tests
// script it.
class IFormStoreChooser {
 public:
  virtual ~IFormStoreChooser() = default;
  // Pick one of entries to restore; nullopt when cancelled.
  virtual std::optional<std::size_t> ChooseToRestore(const std::vector<TFormStoreEntry>& entries) = 0;
  // Pick one of entries to delete; nullopt when cancelled.
  virtual std::optional<std::size_t> ChooseToDelete(const std::vector<TFormStoreEntry>& entries) = 0;
  // Name (and describe) the entry to store; nullopt when cancelled.
  virtual std::optional<TFormStoreEntry> NameToStore(const std::vector<TFormStoreEntry>& entries) = 0;
};

class TQTXFormStore {
 public:
  // property: the stored property, e.g. "strConfig.Items".
  explicit TQTXFormStore(std::string property = "strConfig.Items");

  void SetFormName(TFormName name) { form_ = std::move(name); }
  const TFormName& FormName() const { return form_; }
  const std::string& Property() const { return property_; }

  // User names are compared upper-cased.
  bool Exists(const std::string& index, const std::string& userName) const;
  // Restores the named entry into strings; outputs its stored name and text.
  bool RestoreByName(const std::string& index, const std::string& userName, TQTXStrings& strings,
                     std::string& storedName, std::string& storedText) const;
  // Restores the default entry; false (strings unchanged) when there is none.
  bool RestoreDefault(const std::string& index, TQTXStrings& strings) const;
  void StoreByName(const std::string& index, const std::string& userName,
                   const std::string& userText, const TQTXStrings& strings);
  void StoreDefault(const std::string& index, const TQTXStrings& strings);
  // Named entries of the index (the default entry is no profile).
  int Count(const std::string& index) const;
  std::vector<TFormStoreEntry> List(const std::string& index) const;
  bool Delete(const std::string& index, const std::string& userName);

  // Dialogs through the chooser; each returns true when the person completed it.
  bool RestoreDialog(const std::string& index, TQTXStrings& strings, std::string& storedName,
                     std::string& storedText);
  bool StoreDialog(const std::string& index, const TQTXStrings& strings);
  bool DeleteDialog(const std::string& index);

 private:
  TFormName form_;
  std::string property_;
};

// The chooser the store's dialogs use (none: dialogs report cancelled).
void SetFormStoreChooser(std::shared_ptr<IFormStoreChooser> chooser);
IFormStoreChooser* FormStoreChooser();
