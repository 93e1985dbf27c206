#include "suite/db/Schema.h"

#include <string>

#include "suite/db/migrations/Migrations.h"

namespace suitedb {

const std::vector<Migration>& SuiteMigrations() {
  static const std::vector<Migration> steps = {
      kFoundationSchema,
      kBookingSchema,
      kRightsSchema,
      kBookingOrderSchema,
      kDocumentDetailsSchema,
      kBookingDateOrderSchema,
      kConnectionsSchema,
      kFileReleaseSchema,
      kSettlementHistorySchema,
      kMailSettingsSchema,
  };
  return steps;
}

int LatestSchemaVersion() { return SuiteMigrations().back().version; }

void MigrateSuiteSchema(Connection& connection) {
  const int current = connection.SchemaVersion();
  if (current > LatestSchemaVersion()) {
    throw StorageError("Die Suite-Datenbank \"" + connection.Path() + "\" hat die Version " +
                       std::to_string(current) + ", dieses Programm kennt nur bis " +
                       std::to_string(LatestSchemaVersion()) + "; sie wird nicht verändert");
  }
  for (const auto& step : SuiteMigrations()) {
    if (step.version <= current) continue;
    Transaction transaction(connection);
    connection.ExecuteScript(step.script);
    connection.SetSchemaVersion(step.version);
    transaction.Commit();
  }
}

}  // namespace suitedb
