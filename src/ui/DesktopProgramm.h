// The interactive program: the client choice, then the main menu. The entry point is plain
// C++ so that the program's main routine needs no Qt header.
#pragma once

#include <string>

// Runs the desktop program on the current suite database; returns the exit code.
int SaldixDesktopProgramm(int argc, char** argv);

// A start that fails before the program is up (no suite database): on a desktop the person
// sees why in a window, not only on a terminal nobody looks at. Does nothing without a
// display.
void SaldixStartfehlerZeigen(int argc, char** argv, const std::string& text);
