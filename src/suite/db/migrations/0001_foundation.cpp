#include "suite/db/migrations/Migrations.h"

namespace suitedb {

const Migration kFoundationSchema{1, "Einstellungen, Formularspeicher, Protokolle, Rechner", R"sql(
CREATE TABLE settings_store (
  program TEXT NOT NULL,
  mask    TEXT NOT NULL,
  scope   TEXT NOT NULL CHECK (scope IN ('G', 'I')),  -- global or by index
  idx     TEXT NOT NULL,
  key     TEXT NOT NULL,
  value   TEXT NOT NULL,
  PRIMARY KEY (program, mask, scope, idx, key)
) WITHOUT ROWID;

CREATE TABLE form_store (
  id        INTEGER PRIMARY KEY,
  program   TEXT NOT NULL,
  mask      TEXT NOT NULL,
  language  TEXT NOT NULL,
  idx       TEXT NOT NULL,
  user_name TEXT NOT NULL,  -- upper case; '' is the default entry
  user_text TEXT NOT NULL DEFAULT '',
  property  TEXT NOT NULL,
  UNIQUE (program, mask, language, idx, user_name, property)
);

CREATE TABLE form_store_items (
  entry_id INTEGER NOT NULL REFERENCES form_store(id) ON DELETE CASCADE,
  position INTEGER NOT NULL,
  line     TEXT NOT NULL,
  PRIMARY KEY (entry_id, position)
) WITHOUT ROWID;

CREATE TABLE menu_log (
  id         INTEGER PRIMARY KEY,
  title      TEXT NOT NULL,
  text       TEXT NOT NULL,
  start_time REAL NOT NULL,
  end_time   REAL NOT NULL,
  computer   INTEGER NOT NULL
);

CREATE TABLE message_log (
  id       INTEGER PRIMARY KEY,
  time     REAL NOT NULL,
  context  TEXT NOT NULL,
  flag     INTEGER NOT NULL,
  text     TEXT NOT NULL,
  computer INTEGER NOT NULL
);

CREATE TABLE computers (
  number INTEGER PRIMARY KEY,
  type   INTEGER NOT NULL DEFAULT 0,
  branch INTEGER NOT NULL DEFAULT 0,
  name   TEXT NOT NULL DEFAULT ''
);
)sql"};

}  // namespace suitedb
