#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// The suite's record files and its servers' data. Table and column names are the
// suite's German names in snake_case; they are also the headers of the admin tool's
// CSV import. Conventions: a TIntPair key is two columns <name>1/<name>2, a TIntTrio
// identity is <prefix>rnr/<prefix>lnr/<prefix>snr, amounts and dates are REAL (dates as
// day counts since 30.12.1899, 0 = not set), flags are 'J'/'N'.
// Suite parameters ("KONTONRN", "BONUAUFW", "UNVOLLST") are not tables: they live in the
// settings store under program "SUITE", mask "PARAMETER" (global); a client's system
// phases ("ALLGPHAS") under mask "PHASEN", indexed by the client key text "Nr1/Nr2".
const Migration kBookingSchema{2, "Buchungsdatei, Exportjournal, Kassen- und Stammdaten", R"sql(
-- fbde: the booking file. Identity (rechner, transaktions_nr, lfd_nr).
--   firma1/2 client, gep_nr1/2 partner, belegdatum, buchungsdatum, fibu_gvorfall
--   business-event code, betrag_soll/betrag_haben, waehrung, menge, kto_name/kto_zusatz
--   account short name and suffix, gegen_kto_name/gegen_kto_zusatz counter-account,
--   beleg1, beleg2, beschreibung, ust_id, abr_jahr/abr_nr settlement (0/0 = open),
--   text_rnr/lnr/snr text identity, belegart document type ("PN", "KB", ...),
--   beleg_rnr/lnr/snr source document, verw1_art + verw1_rnr/lnr/snr first reference,
--   zm_zusatz payment-means addition, filiale branch, export_kz J = offered for export,
--   kost1/kost2 cost centres, erstellt creation time, vorgang booking process that wrote
--   the record, manuell 1 for a booking entered by hand.
CREATE TABLE fbde (
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
  PRIMARY KEY (rechner, transaktions_nr, lfd_nr)
);
CREATE INDEX fbde_abrechnung ON fbde (firma1, firma2, abr_jahr, abr_nr, belegdatum);

-- The last transaction number issued per computer, for new booking identities.
CREATE TABLE fbde_transaktionen (
  rechner    INTEGER PRIMARY KEY,
  letzte_nr  INTEGER NOT NULL
);

-- fbex: the export journal, one line per settlement and computer. lnr_von/snr_von and
--   lnr_bis/snr_bis bound the exported booking identities of computer rnr;
--   datum_von/datum_bis the selection period; max_beleg_nr the highest running document
--   number issued in the settlement.
CREATE TABLE fbex (
  firma1        INTEGER NOT NULL,
  firma2        INTEGER NOT NULL,
  abr_jahr      INTEGER NOT NULL,
  abr_nr        INTEGER NOT NULL,
  rnr           INTEGER NOT NULL,
  lnr_von       INTEGER NOT NULL DEFAULT 0,
  snr_von       INTEGER NOT NULL DEFAULT 0,
  datum_von     REAL NOT NULL DEFAULT 0,
  datum_bis     REAL NOT NULL DEFAULT 0,
  lnr_bis       INTEGER NOT NULL DEFAULT 0,
  snr_bis       INTEGER NOT NULL DEFAULT 0,
  max_beleg_nr  INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (firma1, firma2, abr_jahr, abr_nr, rnr)
) WITHOUT ROWID;

-- kv: cash-report headers. Identity (rnr, lnr) = computer and number; datum report date;
--   nr2 the report's second number field.
CREATE TABLE kv (
  rnr      INTEGER NOT NULL,
  lnr      INTEGER NOT NULL,
  firma1   INTEGER NOT NULL DEFAULT 0,
  firma2   INTEGER NOT NULL DEFAULT 0,
  filiale  INTEGER NOT NULL DEFAULT 0,
  datum    REAL NOT NULL DEFAULT 0,
  nr2      INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (rnr, lnr)
) WITHOUT ROWID;
CREATE INDEX kv_datum ON kv (rnr, datum);

-- kvzm: payment-means amounts of a cash report (kv_rnr, kv_lnr), one line per pos.
CREATE TABLE kvzm (
  kv_rnr      INTEGER NOT NULL,
  kv_lnr      INTEGER NOT NULL,
  pos         INTEGER NOT NULL,
  zm_kuerzel  TEXT NOT NULL DEFAULT '',
  waehrung    TEXT NOT NULL DEFAULT '',
  betrag      REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (kv_rnr, kv_lnr, pos)
) WITHOUT ROWID;

-- lst: sales transactions, key (client, computer rnr, number lnr, sub-number snr).
CREATE TABLE lst (
  firma1   INTEGER NOT NULL,
  firma2   INTEGER NOT NULL,
  rnr      INTEGER NOT NULL,
  lnr      INTEGER NOT NULL,
  snr      INTEGER NOT NULL DEFAULT 0,
  filiale  INTEGER NOT NULL DEFAULT 0,
  datum    REAL NOT NULL DEFAULT 0,
  betrag   REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (firma1, firma2, rnr, lnr, snr)
) WITHOUT ROWID;

-- zm: payment-means lines of a transaction (rnr, lnr), in the order of pos.
CREATE TABLE zm (
  rnr         INTEGER NOT NULL,
  lnr         INTEGER NOT NULL,
  pos         INTEGER NOT NULL,
  zm_kuerzel  TEXT NOT NULL DEFAULT '',
  waehrung    TEXT NOT NULL DEFAULT '',
  betrag      REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (rnr, lnr, pos)
) WITHOUT ROWID;

-- lfnr: running numbers of transactions. A transaction (rnr, lnr) of kind art ("KB",
--   "GS", ...) has the number parts nummer1/nummer2; trans_rnr/trans_lnr name the
--   transaction whose payment-means lines belong to it.
CREATE TABLE lfnr (
  firma1     INTEGER NOT NULL,
  firma2     INTEGER NOT NULL,
  art        TEXT NOT NULL,
  rnr        INTEGER NOT NULL,
  lnr        INTEGER NOT NULL,
  nummer1    INTEGER NOT NULL DEFAULT 0,
  nummer2    INTEGER NOT NULL DEFAULT 0,
  trans_rnr  INTEGER NOT NULL DEFAULT 0,
  trans_lnr  INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (firma1, firma2, art, rnr, lnr)
) WITHOUT ROWID;
CREATE INDEX lfnr_transaktion ON lfnr (rnr, lnr);

-- zo: foreign voucher numbers by payment-means code and voucher key text.
CREATE TABLE zo (
  zm_kuerzel    TEXT NOT NULL,
  ident         TEXT NOT NULL,
  gutschein_nr  TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (zm_kuerzel, ident)
) WITHOUT ROWID;

-- mandanten: clients. kurz_nr short number, wj_beginn_monat first month of the business
--   year (1-12), wj_regel 0 = the business year is named after the calendar year it
--   starts in, 1 = after the year it ends in; export_rechner the computer that exports;
--   bilanz_jahr the balance year.
CREATE TABLE mandanten (
  firma1           INTEGER NOT NULL,
  firma2           INTEGER NOT NULL,
  kurz_nr          INTEGER NOT NULL UNIQUE,
  name             TEXT NOT NULL DEFAULT '',
  kurz_name        TEXT NOT NULL DEFAULT '',
  land             TEXT NOT NULL DEFAULT '',
  wj_beginn_monat  INTEGER NOT NULL DEFAULT 1 CHECK (wj_beginn_monat BETWEEN 1 AND 12),
  wj_regel         INTEGER NOT NULL DEFAULT 0 CHECK (wj_regel IN (0, 1)),
  export_rechner   INTEGER NOT NULL DEFAULT 0,
  bilanz_jahr      INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (firma1, firma2)
) WITHOUT ROWID;

-- filialgruppen: branch groups with their owning client.
CREATE TABLE filialgruppen (
  nummer  INTEGER PRIMARY KEY,
  firma1  INTEGER NOT NULL DEFAULT 0,
  firma2  INTEGER NOT NULL DEFAULT 0,
  name    TEXT NOT NULL DEFAULT ''
);

-- filialen: branches with client, organisation number and group (0 = none).
CREATE TABLE filialen (
  nummer  INTEGER PRIMARY KEY,
  firma1  INTEGER NOT NULL DEFAULT 0,
  firma2  INTEGER NOT NULL DEFAULT 0,
  orge    INTEGER NOT NULL DEFAULT 0,
  gruppe  INTEGER NOT NULL DEFAULT 0,
  name    TEXT NOT NULL DEFAULT ''
);

-- kostenstellen: cost centres; rechner/filiale assign one as default of a computer and
--   branch (0 = any).
CREATE TABLE kostenstellen (
  nummer       INTEGER PRIMARY KEY,
  bezeichnung  TEXT NOT NULL DEFAULT '',
  rechner      INTEGER NOT NULL DEFAULT 0,
  filiale      INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX kostenstellen_zuordnung ON kostenstellen (rechner, filiale);

-- konten: accounts of a client by short name and suffix, valid from gueltig_ab, possibly
--   for one computer or branch only (0 = any). art A expense, E revenue, I domestic
--   revenue, B balance, '' none; bilanz_kz 'B' marks a balance account.
CREATE TABLE konten (
  id           INTEGER PRIMARY KEY,
  firma1       INTEGER NOT NULL,
  firma2       INTEGER NOT NULL,
  kurz_bez     TEXT NOT NULL COLLATE NOCASE,
  zusatz       TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  gueltig_ab   REAL NOT NULL DEFAULT 0,
  rechner      INTEGER NOT NULL DEFAULT 0,
  filiale      INTEGER NOT NULL DEFAULT 0,
  nummer       INTEGER NOT NULL DEFAULT 0,
  bezeichnung  TEXT NOT NULL DEFAULT '',
  art          TEXT NOT NULL DEFAULT '' CHECK (art IN ('A', 'E', 'I', 'B', ' ', '')),
  bilanz_kz    TEXT NOT NULL DEFAULT '',
  UNIQUE (firma1, firma2, kurz_bez, zusatz, rechner, filiale, gueltig_ab)
);
CREATE INDEX konten_nummer ON konten (firma1, firma2, nummer);

-- konten_codes: account codes of the account server (2 advice, 42 receivables,
--   49 creditors, 133, 134 cash, 136, 159 foreign tax, 37/38/40/41/47 bonus accounts).
CREATE TABLE konten_codes (
  firma1    INTEGER NOT NULL,
  firma2    INTEGER NOT NULL,
  code      INTEGER NOT NULL,
  kurz_bez  TEXT NOT NULL COLLATE NOCASE,
  zusatz    TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
  PRIMARY KEY (firma1, firma2, code, kurz_bez, zusatz)
) WITHOUT ROWID;

-- partner: business partners. kunden_nr customer number, anrede salutation.
CREATE TABLE partner (
  gep_nr1    INTEGER NOT NULL,
  gep_nr2    INTEGER NOT NULL,
  name       TEXT NOT NULL DEFAULT '',
  kunden_nr  INTEGER NOT NULL DEFAULT 0,
  land       TEXT NOT NULL DEFAULT '',
  anrede     TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (gep_nr1, gep_nr2)
) WITHOUT ROWID;

-- partner_adressen: addresses (organisations) of a partner by number.
CREATE TABLE partner_adressen (
  gep_nr1  INTEGER NOT NULL,
  gep_nr2  INTEGER NOT NULL,
  adr_nr   INTEGER NOT NULL,
  name     TEXT NOT NULL DEFAULT '',
  strasse  TEXT NOT NULL DEFAULT '',
  plz      TEXT NOT NULL DEFAULT '',
  ort      TEXT NOT NULL DEFAULT '',
  land     TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (gep_nr1, gep_nr2, adr_nr)
) WITHOUT ROWID;

-- partner_kontakte: contact persons of a partner.
CREATE TABLE partner_kontakte (
  gep_nr1     INTEGER NOT NULL,
  gep_nr2     INTEGER NOT NULL,
  kontakt_nr  INTEGER NOT NULL,
  name        TEXT NOT NULL DEFAULT '',
  telefon     TEXT NOT NULL DEFAULT '',
  email       TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (gep_nr1, gep_nr2, kontakt_nr)
) WITHOUT ROWID;

-- partner_nummern: the partner-number file, a number text per partner and number kind
--   (art1/art2, for example a creditor or debtor numbering).
CREATE TABLE partner_nummern (
  gep_nr1  INTEGER NOT NULL,
  gep_nr2  INTEGER NOT NULL,
  art1     INTEGER NOT NULL,
  art2     INTEGER NOT NULL,
  nummer   TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (gep_nr1, gep_nr2, art1, art2)
) WITHOUT ROWID;

-- partner_merkmale: the attribute file, a value text per partner and attribute number.
CREATE TABLE partner_merkmale (
  gep_nr1  INTEGER NOT NULL,
  gep_nr2  INTEGER NOT NULL,
  merkmal  INTEGER NOT NULL,
  wert     TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (gep_nr1, gep_nr2, merkmal)
) WITHOUT ROWID;

-- belege: document headers, identity (rnr, lnr, snr). nr_praefix and nr_teil1..3 are the
--   number parts, format_kz the formatting flag, nr_extern the external number,
--   dokumenten_nr the barcode number, liefer_land/liefer_gep_nr1/2/liefer_adr_nr the
--   delivery country and partner, steuer_land the tax country, orge the organisation,
--   herkunft_kz origin mark, zahlungsart payment kind, phase, vorg_rnr/lnr/snr the
--   predecessor document.
CREATE TABLE belege (
  rnr             INTEGER NOT NULL,
  lnr             INTEGER NOT NULL,
  snr             INTEGER NOT NULL DEFAULT 0,
  firma1          INTEGER NOT NULL DEFAULT 0,
  firma2          INTEGER NOT NULL DEFAULT 0,
  gep_nr1         INTEGER NOT NULL DEFAULT 0,
  gep_nr2         INTEGER NOT NULL DEFAULT 0,
  orge            INTEGER NOT NULL DEFAULT 0,
  belegart        TEXT NOT NULL DEFAULT '',
  datum           REAL NOT NULL DEFAULT 0,
  nr_praefix      TEXT NOT NULL DEFAULT '',
  nr_teil1        INTEGER NOT NULL DEFAULT 0,
  nr_teil2        INTEGER NOT NULL DEFAULT 0,
  nr_teil3        INTEGER NOT NULL DEFAULT 0,
  format_kz       INTEGER NOT NULL DEFAULT 0,
  nr_extern       TEXT NOT NULL DEFAULT '',
  dokumenten_nr   TEXT NOT NULL DEFAULT '',
  order_id        TEXT NOT NULL DEFAULT '',
  liefer_land     TEXT NOT NULL DEFAULT '',
  liefer_gep_nr1  INTEGER NOT NULL DEFAULT 0,
  liefer_gep_nr2  INTEGER NOT NULL DEFAULT 0,
  liefer_adr_nr   INTEGER NOT NULL DEFAULT 0,
  steuer_land     TEXT NOT NULL DEFAULT '',
  herkunft_kz     TEXT NOT NULL DEFAULT '',
  zahlungsart     TEXT NOT NULL DEFAULT '',
  phase           TEXT NOT NULL DEFAULT '',
  vorg_rnr        INTEGER NOT NULL DEFAULT 0,
  vorg_lnr        INTEGER NOT NULL DEFAULT 0,
  vorg_snr        INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (rnr, lnr, snr)
) WITHOUT ROWID;

-- beleg_positionen: document positions with article and amount.
CREATE TABLE beleg_positionen (
  rnr      INTEGER NOT NULL,
  lnr      INTEGER NOT NULL,
  snr      INTEGER NOT NULL DEFAULT 0,
  pos      INTEGER NOT NULL,
  artikel  TEXT NOT NULL DEFAULT '',
  menge    REAL NOT NULL DEFAULT 0,
  betrag   REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (rnr, lnr, snr, pos)
) WITHOUT ROWID;

-- beleg_zahlungsbedingungen: payment conditions in order: art 1/4 net days, 2 discount,
--   3 value date; tage days, prozent percentage, datum date.
CREATE TABLE beleg_zahlungsbedingungen (
  rnr      INTEGER NOT NULL,
  lnr      INTEGER NOT NULL,
  snr      INTEGER NOT NULL DEFAULT 0,
  pos      INTEGER NOT NULL,
  art      INTEGER NOT NULL DEFAULT 0,
  tage     INTEGER NOT NULL DEFAULT 0,
  prozent  REAL NOT NULL DEFAULT 0,
  datum    REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (rnr, lnr, snr, pos)
) WITHOUT ROWID;

-- beleg_steuern: tax lines; satz is the rate in hundredths (1900 = 19 %).
CREATE TABLE beleg_steuern (
  rnr     INTEGER NOT NULL,
  lnr     INTEGER NOT NULL,
  snr     INTEGER NOT NULL DEFAULT 0,
  pos     INTEGER NOT NULL,
  satz    INTEGER NOT NULL DEFAULT 0,
  betrag  REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (rnr, lnr, snr, pos)
) WITHOUT ROWID;

-- beleg_merkmale: document attributes by number (7 = payment reference).
CREATE TABLE beleg_merkmale (
  rnr      INTEGER NOT NULL,
  lnr      INTEGER NOT NULL,
  snr      INTEGER NOT NULL DEFAULT 0,
  merkmal  INTEGER NOT NULL,
  wert     TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (rnr, lnr, snr, merkmal)
) WITHOUT ROWID;

-- leistungsarten: service types with the search group they are found by
--   ("VERSANDKOS", "FRACHTKOST", "EINLGUTSCH", "RABATTE", ...).
CREATE TABLE leistungsarten (
  rnr          INTEGER NOT NULL,
  lnr          INTEGER NOT NULL,
  snr          INTEGER NOT NULL DEFAULT 0,
  kuerzel      TEXT NOT NULL DEFAULT '',
  suchgruppe   TEXT NOT NULL DEFAULT '',
  bezeichnung  TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (rnr, lnr, snr)
) WITHOUT ROWID;

-- zahlungsmittel: payment means by code. zm_art the suite's payment-means kind
--   (21 = EC, 7-18 cards and the like); ud_art the user-defined kind (1, 2), konto its
--   account, aktiv J when enabled, position the list order.
CREATE TABLE zahlungsmittel (
  kuerzel      TEXT PRIMARY KEY,
  bezeichnung  TEXT NOT NULL DEFAULT '',
  zm_art       INTEGER NOT NULL DEFAULT 0,
  ud_art       INTEGER NOT NULL DEFAULT 0,
  konto        TEXT NOT NULL DEFAULT '',
  aktiv        TEXT NOT NULL DEFAULT 'J' CHECK (aktiv IN ('J', 'N')),
  position     INTEGER NOT NULL DEFAULT 0
) WITHOUT ROWID;

-- waehrungen: currencies with the rate into the program currency (1 unit = kurs).
CREATE TABLE waehrungen (
  kuerzel  TEXT PRIMARY KEY,
  kurs     REAL NOT NULL DEFAULT 1
) WITHOUT ROWID;

-- mwst_saetze: the VAT table; satz in hundredths, art 'N' normal, 'R' reduced,
--   'S' special, valid from gueltig_ab in the country land.
CREATE TABLE mwst_saetze (
  land         TEXT NOT NULL DEFAULT '',
  art          TEXT NOT NULL,
  gueltig_ab   REAL NOT NULL DEFAULT 0,
  satz         INTEGER NOT NULL,
  bezeichnung  TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (land, art, gueltig_ab)
) WITHOUT ROWID;

-- inet_verbindungen: FTP/SFTP connection entries offered by the connection choice.
CREATE TABLE inet_verbindungen (
  name         TEXT PRIMARY KEY,
  art          TEXT NOT NULL DEFAULT 'FTP' CHECK (art IN ('FTP', 'SFTP')),
  host         TEXT NOT NULL DEFAULT '',
  port         INTEGER NOT NULL DEFAULT 0,
  benutzer     TEXT NOT NULL DEFAULT '',
  passwort     TEXT NOT NULL DEFAULT '',
  verzeichnis  TEXT NOT NULL DEFAULT '',
  passiv       TEXT NOT NULL DEFAULT 'J' CHECK (passiv IN ('J', 'N'))
) WITHOUT ROWID;
)sql"};

}  // namespace suitedb
