#include "suite/Rechte.h"

#include "suite/Benutzer.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"

TUserRechte::TUserRechte() : benutzer_(AngemeldeterBenutzer()) {}

bool TUserRechte::UserRechtePruefen(int recht, bool dialog) {
  bool erlaubt = false;
  try {
    // The user's own line wins over the line for every user.
    auto& abfrage = SuiteDatabase::Get().Cached(
        "SELECT erlaubt FROM benutzer_rechte WHERE recht = ?1 AND benutzer IN (?2, '*') "
        "ORDER BY benutzer = '*' LIMIT 1");
    abfrage.With(recht, benutzer_);
    erlaubt = abfrage.Step() && abfrage.Text(0) == "J";
    abfrage.Reset();
  } catch (...) {
    QTXInfo().RegisterCurrentException("TUserRechte.UserRechtePruefen", true);
    erlaubt = false;
  }
  if (!erlaubt && dialog) {
    QTXInfo().QTXWarnungBox("Sie haben keine Berechtigung für diese Aktion (Recht " +
                            std::to_string(recht) + ").");
  }
  return erlaubt;
}

void TUserRechte::RechtSetzen(const std::string& benutzer, int recht, bool erlaubt) {
  SuiteDatabase::Get()
      .Cached("INSERT INTO benutzer_rechte (benutzer, recht, erlaubt) VALUES (?1, ?2, ?3) "
              "ON CONFLICT (benutzer, recht) DO UPDATE SET erlaubt = excluded.erlaubt")
      .With(benutzer, recht, std::string(erlaubt ? "J" : "N"))
      .Run();
}

IUserRechte& UserRechte() {
  static TUserRechte rechte;
  return rechte;
}
