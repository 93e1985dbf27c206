#include "suite/QTXFormStore.h"

#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

std::shared_ptr<IFormStoreChooser>& Chooser() {
  static std::shared_ptr<IFormStoreChooser> chooser;
  return chooser;
}

std::string NormalName(const std::string& userName) { return Utf8Upper(Trim(userName)); }

}  // namespace

// --- TQTXStrings -------------------------------------------------------------------

std::string TQTXStrings::Value(const std::string& key) const {
  const std::string prefix = key + "=";
  for (const auto& line : Items) {
    if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size());
  }
  return {};
}

bool TQTXStrings::HasKey(const std::string& key) const {
  const std::string prefix = key + "=";
  for (const auto& line : Items) {
    if (line.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return false;
}

void TQTXStrings::SetValue(const std::string& key, const std::string& value) {
  const std::string prefix = key + "=";
  for (auto& line : Items) {
    if (line.compare(0, prefix.size(), prefix) == 0) {
      line = prefix + value;
      return;
    }
  }
  Items.push_back(prefix + value);
}

// --- TQTXFormStore -----------------------------------------------------------------

TQTXFormStore::TQTXFormStore(std::string property) : property_(std::move(property)) {}

namespace {

// The row id of an entry, 0 when there is none.
std::int64_t FindEntry(const TFormName& form, const std::string& property,
                       const std::string& index, const std::string& userName) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT id FROM form_store WHERE program = ? AND mask = ? AND language = ? AND idx = ? "
      "AND user_name = ? AND property = ?");
  stmt.With(form.program, form.mask, form.language, index, userName, property);
  const std::int64_t id = stmt.Step() ? stmt.Int(0) : 0;
  stmt.Reset();
  return id;
}

void ReadItems(std::int64_t id, TQTXStrings& strings) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT line FROM form_store_items WHERE entry_id = ? ORDER BY position");
  stmt.With(id);
  strings.Items.clear();
  while (stmt.Step()) strings.Items.push_back(stmt.Text(0));
}

void Store(const TFormName& form, const std::string& property, const std::string& index,
           const std::string& userName, const std::string& userText, const TQTXStrings& strings) {
  auto& db = SuiteDatabase::Get();
  suitedb::Transaction transaction(db);
  db.Cached("INSERT INTO form_store (program, mask, language, idx, user_name, user_text, property) "
            "VALUES (?, ?, ?, ?, ?, ?, ?) "
            "ON CONFLICT (program, mask, language, idx, user_name, property) "
            "DO UPDATE SET user_text = excluded.user_text")
      .With(form.program, form.mask, form.language, index, userName, userText, property)
      .Run();
  const std::int64_t id = FindEntry(form, property, index, userName);
  db.Cached("DELETE FROM form_store_items WHERE entry_id = ?").With(id).Run();
  auto& insert = db.Cached("INSERT INTO form_store_items (entry_id, position, line) VALUES (?, ?, ?)");
  int position = 0;
  for (const auto& line : strings.Items) insert.With(id, position++, line).Run();
  transaction.Commit();
}

}  // namespace

bool TQTXFormStore::Exists(const std::string& index, const std::string& userName) const {
  return FindEntry(form_, property_, index, NormalName(userName)) != 0;
}

bool TQTXFormStore::RestoreByName(const std::string& index, const std::string& userName,
                                  TQTXStrings& strings, std::string& storedName,
                                  std::string& storedText) const {
  const std::string name = NormalName(userName);
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT id, user_name, user_text FROM form_store WHERE program = ? AND mask = ? "
      "AND language = ? AND idx = ? AND user_name = ? AND property = ?");
  stmt.With(form_.program, form_.mask, form_.language, index, name, property_);
  if (!stmt.Step()) return false;
  const std::int64_t id = stmt.Int(0);
  std::string foundName = stmt.Text(1);
  std::string foundText = stmt.Text(2);
  stmt.Reset();
  ReadItems(id, strings);
  storedName = std::move(foundName);
  storedText = std::move(foundText);
  return true;
}

bool TQTXFormStore::RestoreDefault(const std::string& index, TQTXStrings& strings) const {
  const std::int64_t id = FindEntry(form_, property_, index, "");
  if (id == 0) return false;
  ReadItems(id, strings);
  return true;
}

void TQTXFormStore::StoreByName(const std::string& index, const std::string& userName,
                                const std::string& userText, const TQTXStrings& strings) {
  Store(form_, property_, index, NormalName(userName), userText, strings);
}

void TQTXFormStore::StoreDefault(const std::string& index, const TQTXStrings& strings) {
  Store(form_, property_, index, "", "", strings);
}

int TQTXFormStore::Count(const std::string& index) const {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT COUNT(*) FROM form_store WHERE program = ? AND mask = ? AND language = ? "
      "AND idx = ? AND property = ? AND user_name <> ''");
  stmt.With(form_.program, form_.mask, form_.language, index, property_);
  const int count = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return count;
}

std::vector<TFormStoreEntry> TQTXFormStore::List(const std::string& index) const {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT user_name, user_text, idx FROM form_store WHERE program = ? AND mask = ? "
      "AND language = ? AND idx = ? AND property = ? AND user_name <> '' ORDER BY user_name");
  stmt.With(form_.program, form_.mask, form_.language, index, property_);
  std::vector<TFormStoreEntry> entries;
  while (stmt.Step()) entries.push_back({stmt.Text(0), stmt.Text(1), stmt.Text(2)});
  return entries;
}

bool TQTXFormStore::Delete(const std::string& index, const std::string& userName) {
  // Items go with their entry (foreign key cascade).
  return SuiteDatabase::Get()
             .Cached("DELETE FROM form_store WHERE program = ? AND mask = ? AND language = ? "
                     "AND idx = ? AND user_name = ? AND property = ?")
             .With(form_.program, form_.mask, form_.language, index, NormalName(userName),
                   property_)
             .Run() > 0;
}

bool TQTXFormStore::RestoreDialog(const std::string& index, TQTXStrings& strings,
                                  std::string& storedName, std::string& storedText) {
  auto* chooser = FormStoreChooser();
  if (!chooser) return false;
  const auto entries = List(index);
  const auto chosen = chooser->ChooseToRestore(entries);
  if (!chosen || *chosen >= entries.size()) return false;
  return RestoreByName(index, entries[*chosen].userName, strings, storedName, storedText);
}

bool TQTXFormStore::StoreDialog(const std::string& index, const TQTXStrings& strings) {
  auto* chooser = FormStoreChooser();
  if (!chooser) return false;
  const auto named = chooser->NameToStore(List(index));
  if (!named || Trim(named->userName).empty()) return false;
  StoreByName(index, named->userName, named->userText, strings);
  return true;
}

bool TQTXFormStore::DeleteDialog(const std::string& index) {
  auto* chooser = FormStoreChooser();
  if (!chooser) return false;
  const auto entries = List(index);
  const auto chosen = chooser->ChooseToDelete(entries);
  if (!chosen || *chosen >= entries.size()) return false;
  return Delete(index, entries[*chosen].userName);
}

void SetFormStoreChooser(std::shared_ptr<IFormStoreChooser> chooser) {
  Chooser() = std::move(chooser);
}

IFormStoreChooser* FormStoreChooser() { return Chooser().get(); }
