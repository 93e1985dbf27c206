#include "suite/db/migrations/Migrations.h"

namespace suitedb {

// Export files finished under a temporary name whose settlement is committed but whose
// final name may not have been given yet: the next start completes them.
const Migration kFileReleaseSchema{8, "Freizugebende Exportdateien", R"sql(
CREATE TABLE datei_freigabe (
  temp_pfad  TEXT PRIMARY KEY,
  ziel_pfad  TEXT NOT NULL,
  anlass     TEXT NOT NULL DEFAULT '',
  erstellt   REAL NOT NULL DEFAULT 0
);
)sql"};

}  // namespace suitedb
