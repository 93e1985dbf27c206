// The ready profile of the demo suite: every client active with an Abacus number, the
// debtor interface on, files into the demo's export directory.
#pragma once

#include <string>

namespace abacus {

bool AbacusDemoProfil(const std::string& exportDir);

}  // namespace abacus
