// The suite's document types: codes as bookings carry them and their designations.
#pragma once

#include <string>
#include <string_view>

// The document-type value of a code ("KB", "PN", ...); false for an unknown code.
bool Kuerzel_2_BelegArt(std::string_view kuerzel, int& belegArt);
// The designation of a document-type value; empty for an unknown value.
std::string CQTX_BelegArt_2_Bezeichnung(int belegArt);
