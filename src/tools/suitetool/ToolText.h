// Date texts of the tool's listings.
#pragma once

#include <cstddef>
#include <string>

#include "suite/Types.h"

namespace suitetool {

// "dd.mm.yyyy"; empty when the date is not set (0 or less).
std::string DateText(TDateTime value);
// "dd.mm.yyyy hh:nn:ss"; empty when not set.
std::string DateTimeText(TDateTime value);
// text padded with blanks to width characters, at least one blank after it.
std::string PadRight(const std::string& text, std::size_t width);

}  // namespace suitetool
