// Options and arguments of one saldix-suite command.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace suitetool {

// Wrong use of the command line: reported with exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string name;  // without the leading "--"
  bool takesValue = true;
};

class CommandLine {
 public:
  // Parses "--name value", "--name=value" and flags; "--help"/"-h" is always known.
  // Throws UsageError for unknown options, missing values and surplus arguments.
  CommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& options,
              std::size_t maxArguments);

  bool HelpWanted() const { return help_; }
  bool Has(const std::string& name) const { return values_.count(name) > 0; }
  std::string Value(const std::string& name, const std::string& def = {}) const;
  // The option as a whole number within [min, max]; def when absent.
  std::int64_t IntValue(const std::string& name, std::int64_t def, std::int64_t min,
                        std::int64_t max) const;
  const std::vector<std::string>& Arguments() const { return arguments_; }

 private:
  std::map<std::string, std::string> values_;
  std::vector<std::string> arguments_;
  bool help_ = false;
};

// Parses a whole decimal number (optional sign); false on anything else or overflow.
bool ParseInteger(const std::string& text, std::int64_t& value);

}  // namespace suitetool
