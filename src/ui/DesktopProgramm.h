// The interactive program: the client choice, then the main menu. The entry point is plain
// C++ so that the program's main routine needs no Qt header.
#pragma once

// Runs the desktop program on the current suite database; returns the exit code.
int SaldixDesktopProgramm(int argc, char** argv);
