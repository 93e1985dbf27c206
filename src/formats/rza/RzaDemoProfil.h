// The demo suite's RZA set-up: a default profile that exports into a folder.
#pragma once

#include <string>

namespace rza {

// Stores the default configuration: files into exportDir, automatic accounts with a key
// for each normal, reduced and former normal rate. False when a step failed (the failure
// is registered).
bool DemoProfilAnlegen(const std::string& exportDir);

}  // namespace rza
