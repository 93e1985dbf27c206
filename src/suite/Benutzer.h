// Who is working: the suite's login name when the suite set one, else the operating
// system's account of this process.
#pragma once

#include <string>

// "" when neither is known.
std::string AngemeldeterBenutzer();
