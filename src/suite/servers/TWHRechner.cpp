#include "suite/servers/TWHRechner.h"

#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

long double TWHRechner::Kurs(const std::string& waehrung) {
  const std::string code = Utf8Upper(Trim(waehrung));
  const std::string programm = Utf8Upper(Trim(QTXProgramm().GetWaehrung()));
  if (code.empty() || code == programm) return 1.0L;
  if (const auto it = kurse_.find(code); it != kurse_.end()) return it->second;
  auto& stmt = SuiteDatabase::Get().Cached("SELECT kurs FROM waehrungen WHERE kuerzel = ? COLLATE NOCASE");
  stmt.With(code);
  const bool found = stmt.Step();
  const long double kurs = found ? static_cast<long double>(stmt.Real(0)) : 0.0L;
  stmt.Reset();
  if (!found || !(kurs > 0)) {
    throw EUnbekannteWaehrung("Für die Währung \"" + waehrung + "\" ist kein Kurs hinterlegt.");
  }
  kurse_.emplace(code, kurs);
  return kurs;
}

long double TWHRechner::Umrechnen(long double betrag, const std::string& von,
                                  const std::string& nach) {
  const long double kursVon = Kurs(von);
  const long double kursNach = Kurs(nach);
  if (kursVon == kursNach) return betrag;
  return betrag * kursVon / kursNach;
}
