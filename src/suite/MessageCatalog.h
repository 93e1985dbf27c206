// The texts of the suite's numbered messages, by message set and number.
#pragma once

#include <string>
#include <vector>

// The catalogue text with "%s" placeholders filled from args in order; a message that
// is not in the catalogue shows its set, number and arguments.
std::string CatalogMessage(const std::string& set, int number,
                           const std::vector<std::string>& args);
