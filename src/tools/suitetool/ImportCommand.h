// "import TABLE FILE.csv": loads one table from a CSV file, all or nothing.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class ImportCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "import"; }
  std::string Summary() const override { return "lädt eine Tabelle aus einer CSV-Datei"; }
  std::string Help() const override;
  std::size_t MaxArguments() const override { return 2; }
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
