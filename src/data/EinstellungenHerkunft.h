// Whether a business event belongs to an origin of the settings.
#pragma once

#include <string_view>

// True for origin "ALLE"; otherwise whether the origin's events hold the event.
bool BGVInHerkunft(std::string_view ABGV, std::string_view AHerkunft);
