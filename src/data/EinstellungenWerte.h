// The suite's pair text as the settings store it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "suite/Types.h"

// The suite's pair text with width 9: "000009999/999999999".
std::string PaarAlsText(const TIntPair& pair);
// A pair written as "Nr1/Nr2" (any widths); nullopt when the text is not one.
std::optional<TIntPair> PaarAusText(std::string_view text);
