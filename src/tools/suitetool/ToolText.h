// Date texts of the tool's listings.
#pragma once

#include <string>

#include "suite/Types.h"

namespace suitetool {

// "dd.mm.yyyy"; empty when the date is not set (0 or less).
std::string DateText(TDateTime value);
// "dd.mm.yyyy hh:nn:ss"; empty when not set.
std::string DateTimeText(TDateTime value);

}  // namespace suitetool
