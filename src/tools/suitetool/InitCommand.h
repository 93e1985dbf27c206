// "init": creates an empty suite database.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class InitCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "init"; }
  std::string Summary() const override { return "legt eine leere Suite-Datenbank an"; }
  std::string Help() const override;
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
