// The demo suite's DATEV set-up: default configurations of both DATEV formats and
// DATEV 700 as the active format.
#pragma once

#include <string>

// Stores, through the exporters' own Config_Save, the default configuration of both
// DATEV formats: export into exportDir, every client of the suite active with a
// consultant and a client number, no additional fields. Then makes DATEV 700 the active
// format. False when a step failed (the failure is registered).
bool SetupDemoDatevProfiles(const std::string& exportDir);
