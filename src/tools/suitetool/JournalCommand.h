// "journal": lists the settlements of the export journal.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class JournalCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "journal"; }
  std::string Summary() const override { return "listet die Abrechnungen des Exportjournals"; }
  std::string Help() const override;
  std::vector<OptionSpec> Options() const override { return {{"client", true}, {"year", true}}; }
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
