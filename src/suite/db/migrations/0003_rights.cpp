#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// benutzer_rechte: the suite's user rights. benutzer is the login name ("*" = every
// user), recht the right's constant, erlaubt 'J' grants it, 'N' withholds it.
// A user without a line for a right does not have it.
const Migration kRightsSchema{3, "Benutzerrechte", R"sql(
CREATE TABLE benutzer_rechte (
  benutzer TEXT NOT NULL,
  recht    INTEGER NOT NULL,
  erlaubt  TEXT NOT NULL DEFAULT 'J' CHECK (erlaubt IN ('J', 'N')),
  PRIMARY KEY (benutzer, recht)
) WITHOUT ROWID;
)sql"};

}  // namespace suitedb
