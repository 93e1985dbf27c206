#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// The mail dispatch of export files, one entry per client: SMTP server, TLS mode, login,
// sender, recipients (comma-separated) and the subject and body templates. port 0 means
// the TLS mode's default port; zeitlimit is in seconds. Empty templates use the built-in
// ones.
const Migration kMailSettingsSchema{11, "Mailversand je Mandant", R"sql(
CREATE TABLE mail_einstellungen (
  firma1      INTEGER NOT NULL,
  firma2      INTEGER NOT NULL,
  host        TEXT NOT NULL DEFAULT '',
  port        INTEGER NOT NULL DEFAULT 0 CHECK (port BETWEEN 0 AND 65535),
  tls         TEXT NOT NULL DEFAULT 'STARTTLS' CHECK (tls IN ('NONE', 'STARTTLS', 'TLS')),
  benutzer    TEXT NOT NULL DEFAULT '',
  passwort    TEXT NOT NULL DEFAULT '',
  absender    TEXT NOT NULL DEFAULT '',
  empfaenger  TEXT NOT NULL DEFAULT '',
  betreff     TEXT NOT NULL DEFAULT '',
  text        TEXT NOT NULL DEFAULT '',
  zeitlimit   INTEGER NOT NULL DEFAULT 60 CHECK (zeitlimit > 0),
  PRIMARY KEY (firma1, firma2)
) WITHOUT ROWID;
)sql"};

}  // namespace suitedb
