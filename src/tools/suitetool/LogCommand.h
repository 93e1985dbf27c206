// "log": prints the newest lines of the menu log and of the message log.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class LogCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "log"; }
  std::string Summary() const override { return "zeigt Menü- und Meldungsprotokoll"; }
  std::string Help() const override;
  std::vector<OptionSpec> Options() const override { return {{"tail", true}}; }
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
