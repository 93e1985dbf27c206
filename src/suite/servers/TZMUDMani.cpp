#include "suite/servers/TZMUDMani.h"

#include "suite/Text.h"

std::vector<TZMUDEintrag> TZMUDMani::Liste() {
  auto stmt = connection_.Prepare(
      "SELECT kuerzel, konto, ud_art, aktiv FROM zahlungsmittel ORDER BY position, kuerzel");
  std::vector<TZMUDEintrag> liste;
  while (stmt->Step()) {
    liste.push_back({stmt->Text(0), stmt->Text(1), static_cast<int>(stmt->Int(2)),
                     JNToBool(stmt->Text(3))});
  }
  return liste;
}

int Kuerzel_2_ZM(suitedb::Connection& connection, const std::string& kuerzel) {
  auto& stmt = connection.Cached("SELECT zm_art FROM zahlungsmittel WHERE kuerzel = ?");
  stmt.With(kuerzel);
  const int art = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return art;
}
