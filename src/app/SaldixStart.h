// What both modes do before any work: the catalogue of formats, the program object, and the
// checks that this computer and user may run the program.
#pragma once

#include <string>

// Empty when the program may run; otherwise the reason, which batch mode also logs.
std::string SaldixStarten(bool batch);
