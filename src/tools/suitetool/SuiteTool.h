// The saldix-suite administrator's tool: command dispatch and exit codes.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "suitetool/ToolCommand.h"

namespace suitetool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

std::vector<std::unique_ptr<ToolCommand>> AllCommands();

// Runs the tool with the arguments after the program name; returns the exit code.
int RunSuiteTool(const std::vector<std::string>& args, ToolContext& context);

}  // namespace suitetool
