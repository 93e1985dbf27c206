// The unattended export as the program runs it: the data module, the booking list and
// the export run bound together for one batch run.
#pragma once

#include <string>
#include <vector>

// Runs the batch mode on the current suite database; returns the exit code
// (0 exported, 1 refused or failed, 2 wrong parameters, 3 nothing to export).
int SaldixBatchProgramm(const std::vector<std::string>& argumente);
