// "demo": fills an empty suite database with a deterministic demo suite.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class DemoCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "demo"; }
  std::string Summary() const override { return "füllt die Datenbank mit einer Demo-Suite"; }
  std::string Help() const override;
  std::vector<OptionSpec> Options() const override {
    return {{"bookings", true}, {"seed", true}, {"until", true}};
  }
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
