#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// What the accounting formats read of a document beyond its header: the origin mark and
// payment kind through the suite's code tables, the sub-origin (the shop or marketplace an
// order came from), a delivery address of the document's own, the service type of each
// position, and first name and house number of partner addresses.
const Migration kDocumentDetailsSchema{5, "Belegdetails: Kennzeichen, Lieferadressen, Leistungsarten", R"sql(
ALTER TABLE belege ADD COLUMN subherkunft TEXT NOT NULL DEFAULT '';

ALTER TABLE beleg_positionen ADD COLUMN lar_rnr INTEGER NOT NULL DEFAULT 0;
ALTER TABLE beleg_positionen ADD COLUMN lar_lnr INTEGER NOT NULL DEFAULT 0;
ALTER TABLE beleg_positionen ADD COLUMN lar_snr INTEGER NOT NULL DEFAULT 0;

ALTER TABLE partner_adressen ADD COLUMN vorname TEXT NOT NULL DEFAULT '';
ALTER TABLE partner_adressen ADD COLUMN hausnummer TEXT NOT NULL DEFAULT '';

-- beleg_lieferadressen: a delivery address given on the document itself.
CREATE TABLE beleg_lieferadressen (
  rnr         INTEGER NOT NULL,
  lnr         INTEGER NOT NULL,
  snr         INTEGER NOT NULL DEFAULT 0,
  vorname     TEXT NOT NULL DEFAULT '',
  name        TEXT NOT NULL DEFAULT '',
  strasse     TEXT NOT NULL DEFAULT '',
  hausnummer  TEXT NOT NULL DEFAULT '',
  land        TEXT NOT NULL DEFAULT '',
  plz         TEXT NOT NULL DEFAULT '',
  ort         TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (rnr, lnr, snr)
) WITHOUT ROWID;

-- herkunftskennzeichen, zahlungsarten: the suite's code tables for the origin mark and the
--   payment kind of a document header, each code with a one-letter short form and a text.
CREATE TABLE herkunftskennzeichen (
  kennzeichen  TEXT PRIMARY KEY,
  kuerzel      TEXT NOT NULL DEFAULT '',
  text         TEXT NOT NULL DEFAULT ''
) WITHOUT ROWID;

CREATE TABLE zahlungsarten (
  zahlungsart  TEXT PRIMARY KEY,
  kuerzel      TEXT NOT NULL DEFAULT '',
  bezeichnung  TEXT NOT NULL DEFAULT ''
) WITHOUT ROWID;

INSERT INTO herkunftskennzeichen (kennzeichen, kuerzel, text) VALUES
  ('FILIALE', 'F', 'Filiale'),
  ('ONLINESHOP', 'O', 'Onlineshop'),
  ('MARKTPLATZ', 'M', 'Marktplatz'),
  ('TELEFON', 'T', 'Telefonbestellung'),
  ('AUSSENDIENST', 'A', 'Außendienst'),
  ('EDI', 'E', 'EDI');

INSERT INTO zahlungsarten (zahlungsart, kuerzel, bezeichnung) VALUES
  ('BAR', 'B', 'Barzahlung'),
  ('RECHNUNG', 'R', 'Rechnung'),
  ('LASTSCHRIFT', 'L', 'Lastschrift'),
  ('KREDITKARTE', 'K', 'Kreditkarte'),
  ('PAYPAL', 'P', 'PayPal'),
  ('VORKASSE', 'V', 'Vorkasse'),
  ('NACHNAHME', 'N', 'Nachnahme');
)sql"};

}  // namespace suitedb
