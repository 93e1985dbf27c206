// The demo's master data: clients, branch groups and branches, computers, cost
// centres, VAT table, currencies, payment means, service types, connection entries and
// the settings that make the export work out of the box.
#pragma once

#include "suite/db/Storage.h"

namespace suitetool {

void WriteDemoOrganisation(suitedb::Connection& db);
void WriteDemoTables(suitedb::Connection& db);
void WriteDemoSettings();
// The program's rights for every user of the demo.
void GrantDemoProgramRights();

}  // namespace suitetool
