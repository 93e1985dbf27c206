// Conversions between stored setting texts and their values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "suite/Types.h"

// Decimal integer text (blanks around it allowed); 0 when it is not one or out of range.
int IntAusText(std::string_view text);
// Date text "dd.mm.yyyy" (also "d.m.yy"); 0 when it is not a valid date.
TDateTime DatumAusText(std::string_view text);
// "dd.mm.yyyy"; empty for 0.
std::string DatumAlsText(TDateTime date);

// The suite's pair text with width 9: "000009999/999999999".
std::string PaarAlsText(const TIntPair& pair);
// A pair written as "Nr1/Nr2" (any widths); nullopt when the text is not one.
std::optional<TIntPair> PaarAusText(std::string_view text);
