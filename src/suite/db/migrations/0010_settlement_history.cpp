#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// What happened to each settlement, one row per event, oldest first: the export journal
// itself keeps only the booking ranges, and loses a settlement entirely when it is deleted.
const Migration kSettlementHistorySchema{10, "Verlauf der Abrechnungen", R"sql(
CREATE TABLE abrechnung_verlauf (
  id         INTEGER PRIMARY KEY AUTOINCREMENT,
  firma1     INTEGER NOT NULL,
  firma2     INTEGER NOT NULL,
  abr_jahr   INTEGER NOT NULL,
  abr_nr     INTEGER NOT NULL,
  zustand    TEXT NOT NULL,
  zeit       REAL NOT NULL,
  rechner    INTEGER NOT NULL DEFAULT 0,
  benutzer   TEXT NOT NULL DEFAULT '',
  datum_von  REAL NOT NULL DEFAULT 0,
  datum_bis  REAL NOT NULL DEFAULT 0,
  dateien    TEXT NOT NULL DEFAULT '',
  buchungen  INTEGER NOT NULL DEFAULT 0,
  zeilen     INTEGER NOT NULL DEFAULT 0,
  soll       REAL NOT NULL DEFAULT 0,
  haben      REAL NOT NULL DEFAULT 0
);
CREATE INDEX abrechnung_verlauf_abrechnung
  ON abrechnung_verlauf (firma1, firma2, abr_jahr, abr_nr, id);
)sql"};

}  // namespace suitedb
