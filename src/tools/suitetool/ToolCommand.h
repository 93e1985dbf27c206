// One command of the saldix-suite administrator's tool.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "suitetool/CommandLine.h"

namespace suitetool {

struct ToolContext {
  std::ostream& out;
  std::ostream& err;
  bool showProgress = true;
};

class ToolCommand {
 public:
  virtual ~ToolCommand() = default;

  virtual std::string Name() const = 0;
  // One line for the command overview.
  virtual std::string Summary() const = 0;
  // The text of "--help" (without the common option --db, which the dispatcher adds).
  virtual std::string Help() const = 0;
  // The command's own options; "--db" and "--help" are common to all.
  virtual std::vector<OptionSpec> Options() const { return {}; }
  virtual std::size_t MaxArguments() const { return 0; }
  // Returns the exit code; throws UsageError for wrong use, anything else for failures.
  virtual int Run(const CommandLine& line, ToolContext& context) = 0;
};

// The suite database named by --db, else $SALDIX_DB, else the default location.
std::string DatabasePath(const CommandLine& line);
// Opens that database and makes it current; without create a missing file is refused.
void OpenSuiteDatabase(const CommandLine& line, bool create);

}  // namespace suitetool
