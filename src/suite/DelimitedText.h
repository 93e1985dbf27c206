// A list of items as one line of text, the way the suite's string lists write it:
// items separated by commas, an item that needs it enclosed in double quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Joins items with ",". An item that is empty or contains a comma, a quote, a blank
// or a control character is quoted, inner quotes doubled, so that reading it back
// gives the same list.
std::string DelimitedText_Join(const std::vector<std::string>& items);

// The inverse: commas and blanks (and control characters) separate items outside
// quotes, double quotes group, "" inside quotes is one quote. An unterminated quote
// runs to the end of the text. Empty text gives no items.
std::vector<std::string> DelimitedText_Split(std::string_view text);
