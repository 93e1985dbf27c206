// The suite's designation of a VAT account: kind ("MWST", "VORST") and the rate in
// hundredths as four digits ("VORST1900" for 19 %).
#pragma once

#include <string>

std::string GetMwstBezeichnung(const std::string& art, int satzHundertstel);
