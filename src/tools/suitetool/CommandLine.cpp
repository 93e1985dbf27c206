#include "suitetool/CommandLine.h"

#include <algorithm>
#include <charconv>

namespace suitetool {

bool ParseInteger(const std::string& text, std::int64_t& value) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last;
}

CommandLine::CommandLine(const std::vector<std::string>& args,
                         const std::vector<OptionSpec>& options, std::size_t maxArguments) {
  const auto findOption = [&](const std::string& name) {
    return std::find_if(options.begin(), options.end(),
                        [&](const OptionSpec& spec) { return spec.name == name; });
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      arguments_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      help_ = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) throw UsageError("Unbekannte Option \"" + arg + "\"");
    std::string name = arg.substr(2);
    std::string value;
    bool hasValue = false;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
      hasValue = true;
    }
    const auto spec = findOption(name);
    if (spec == options.end()) throw UsageError("Unbekannte Option \"--" + name + "\"");
    if (spec->takesValue && !hasValue) {
      if (i + 1 >= args.size()) throw UsageError("Die Option \"--" + name + "\" braucht einen Wert");
      value = args[++i];
    } else if (!spec->takesValue && hasValue) {
      throw UsageError("Die Option \"--" + name + "\" nimmt keinen Wert");
    }
    values_[name] = value;
  }
  if (!help_ && arguments_.size() > maxArguments) {
    throw UsageError("Unerwartetes Argument \"" + arguments_[maxArguments] + "\"");
  }
}

std::string CommandLine::Value(const std::string& name, const std::string& def) const {
  const auto found = values_.find(name);
  return found == values_.end() ? def : found->second;
}

std::int64_t CommandLine::IntValue(const std::string& name, std::int64_t def, std::int64_t min,
                                   std::int64_t max) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return def;
  std::int64_t value = 0;
  if (!ParseInteger(found->second, value) || value < min || value > max) {
    throw UsageError("Die Option \"--" + name + "\" erwartet eine ganze Zahl von " +
                     std::to_string(min) + " bis " + std::to_string(max) + ", nicht \"" +
                     found->second + "\"");
  }
  return value;
}

}  // namespace suitetool
