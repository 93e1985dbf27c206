// An amount as a bookkeeper reads it in a summary: thousands points, decimal comma, two
// decimals rounded half away from zero ("1.234,56").
#pragma once

#include <string>

std::string BetragText(long double betrag);
