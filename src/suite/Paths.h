// Where the suite keeps its files.
#pragma once

#include <string>

// $SALDIX_HOME, else $XDG_DATA_HOME/saldix, else ~/.local/share/saldix.
std::string SaldixHome();
// $XDG_DATA_HOME, else ~/.local/share.
std::string XdgDataHome();

// A directory as a profile stores it: below SaldixHome() relative to it, so that a copied
// suite writes into its own folders; elsewhere as given.
std::string SuitePfadZumSpeichern(const std::string& verzeichnis);
// A stored directory: a relative one lies below SaldixHome(), wherever the program started.
std::string SuitePfadGeladen(const std::string& gespeichert);
