// Where the suite keeps its files.
#pragma once

#include <string>

// $SALDIX_HOME, else $XDG_DATA_HOME/saldix, else ~/.local/share/saldix.
std::string SaldixHome();
// $XDG_DATA_HOME, else ~/.local/share.
std::string XdgDataHome();
