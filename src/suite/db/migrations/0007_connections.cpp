#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// The connection entries gain explicit-TLS FTP with an optional certificate file (servers
// with their own certificate authority), a private-key file for SFTP and a time-out.
// SQLite cannot widen a CHECK in place, so the table is rebuilt; existing entries keep
// their values. port 0 means the protocol's default port, zeitlimit is in seconds.
const Migration kConnectionsSchema{7, "INET-Verbindungen mit FTPS, Schlüsseldatei, Zeitlimit",
                                   R"sql(
CREATE TABLE inet_verbindungen_neu (
  name             TEXT PRIMARY KEY,
  art              TEXT NOT NULL DEFAULT 'FTP' CHECK (art IN ('FTP', 'FTPS', 'SFTP')),
  host             TEXT NOT NULL DEFAULT '',
  port             INTEGER NOT NULL DEFAULT 0 CHECK (port BETWEEN 0 AND 65535),
  benutzer         TEXT NOT NULL DEFAULT '',
  passwort         TEXT NOT NULL DEFAULT '',
  verzeichnis      TEXT NOT NULL DEFAULT '',
  passiv           TEXT NOT NULL DEFAULT 'J' CHECK (passiv IN ('J', 'N')),
  schluesseldatei  TEXT NOT NULL DEFAULT '',
  zertifikatsdatei TEXT NOT NULL DEFAULT '',
  zeitlimit        INTEGER NOT NULL DEFAULT 60 CHECK (zeitlimit > 0)
) WITHOUT ROWID;

INSERT INTO inet_verbindungen_neu (name, art, host, port, benutzer, passwort, verzeichnis, passiv)
  SELECT name, art, host, port, benutzer, passwort, verzeichnis, passiv FROM inet_verbindungen;
DROP TABLE inet_verbindungen;
ALTER TABLE inet_verbindungen_neu RENAME TO inet_verbindungen;
)sql"};

}  // namespace suitedb
