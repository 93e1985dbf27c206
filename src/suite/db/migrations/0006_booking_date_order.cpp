#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// The booking file ordered by client and document date alone. Marking a settlement then
// changes two columns in place instead of moving every booking to another place in the
// table; a period is still one contiguous range. Bookings of a settlement are found through
// an index that leaves the open ones out, so marking only adds entries to it.
const Migration kBookingDateOrderSchema{6, "Buchungsdatei nach Belegdatum geordnet", R"sql(
CREATE TABLE fbde_nach_datum (
  rechner          INTEGER NOT NULL,
  transaktions_nr  INTEGER NOT NULL,
  lfd_nr           INTEGER NOT NULL,
  firma1           INTEGER NOT NULL,
  firma2           INTEGER NOT NULL,
  gep_nr1          INTEGER NOT NULL DEFAULT 0,
  gep_nr2          INTEGER NOT NULL DEFAULT 0,
  belegdatum       REAL NOT NULL DEFAULT 0,
  buchungsdatum    REAL NOT NULL DEFAULT 0,
  fibu_gvorfall    TEXT NOT NULL DEFAULT '',
  betrag_soll      REAL NOT NULL DEFAULT 0,
  betrag_haben     REAL NOT NULL DEFAULT 0,
  waehrung         TEXT NOT NULL DEFAULT '',
  menge            INTEGER NOT NULL DEFAULT 0,
  kto_name         TEXT NOT NULL DEFAULT '',
  kto_zusatz       TEXT NOT NULL DEFAULT '',
  gegen_kto_name   TEXT NOT NULL DEFAULT '',
  gegen_kto_zusatz TEXT NOT NULL DEFAULT '',
  beleg1           TEXT NOT NULL DEFAULT '',
  beleg2           TEXT NOT NULL DEFAULT '',
  beschreibung     TEXT NOT NULL DEFAULT '',
  ust_id           TEXT NOT NULL DEFAULT '',
  abr_jahr         INTEGER NOT NULL DEFAULT 0,
  abr_nr           INTEGER NOT NULL DEFAULT 0,
  text_rnr         INTEGER NOT NULL DEFAULT 0,
  text_lnr         INTEGER NOT NULL DEFAULT 0,
  text_snr         INTEGER NOT NULL DEFAULT 0,
  belegart         TEXT NOT NULL DEFAULT '',
  beleg_rnr        INTEGER NOT NULL DEFAULT 0,
  beleg_lnr        INTEGER NOT NULL DEFAULT 0,
  beleg_snr        INTEGER NOT NULL DEFAULT 0,
  verw1_art        TEXT NOT NULL DEFAULT '',
  verw1_rnr        INTEGER NOT NULL DEFAULT 0,
  verw1_lnr        INTEGER NOT NULL DEFAULT 0,
  verw1_snr        INTEGER NOT NULL DEFAULT 0,
  zm_zusatz        TEXT NOT NULL DEFAULT '',
  filiale          INTEGER NOT NULL DEFAULT 0,
  export_kz        TEXT NOT NULL DEFAULT 'J' CHECK (export_kz IN ('J', 'N')),
  kost1            INTEGER NOT NULL DEFAULT 0,
  kost2            INTEGER NOT NULL DEFAULT 0,
  erstellt         REAL NOT NULL DEFAULT 0,
  vorgang          INTEGER NOT NULL DEFAULT 0,
  manuell          INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (firma1, firma2, belegdatum, rechner, transaktions_nr, lfd_nr)
) WITHOUT ROWID;

INSERT INTO fbde_nach_datum SELECT * FROM fbde;
DROP TABLE fbde;
ALTER TABLE fbde_nach_datum RENAME TO fbde;
CREATE UNIQUE INDEX fbde_ident ON fbde (rechner, transaktions_nr, lfd_nr);
CREATE INDEX fbde_abrechnung ON fbde (firma1, firma2, abr_jahr, abr_nr) WHERE abr_nr <> 0;
)sql"};

}  // namespace suitedb
