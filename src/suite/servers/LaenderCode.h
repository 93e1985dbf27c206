// The suite's country codes (the international vehicle codes its addresses carry) and
// their ISO 3166 two-letter form.
#pragma once

#include <string>
#include <string_view>

// ISO code of a suite country code, compared ignoring case and blanks; empty when the code
// has none.
std::string QTX_LaenderCode_Kuerzel_2_ISO(std::string_view kuerzel);
