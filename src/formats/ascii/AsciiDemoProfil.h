// The ASCII export's ready profile for a demo suite: every client, files into the demo's
// export folder, and a column layout so that an unattended run writes without a window.
#pragma once

#include <string>

namespace ascii {

// Stores the default profile and, when none is stored yet, the layout in force; true when
// the profile can export.
bool DemoProfilAnlegen(const std::string& exportDir);

}  // namespace ascii
