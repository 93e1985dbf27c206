// The demo suite's HIS set-up: a default profile that exports every client into a folder.
#pragma once

#include <string>

namespace his {

// Stores the default configuration: files into exportDir, every client active, no rule.
// False when a step failed or the result is not usable (the failure is registered).
bool DemoProfilAnlegen(const std::string& exportDir);

}  // namespace his
