// Text helpers of the suite: the text match, case mapping, J/N flags, key texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "suite/Types.h"

// The suite's text match: equality ignoring case (ASCII and Latin-1 letters).
bool qtx_strmatch(std::string_view a, std::string_view b);

// Upper and lower case of UTF-8 text (ASCII and Latin-1 letters; others unchanged).
std::string Utf8Upper(std::string_view text);
std::string Utf8Lower(std::string_view text);

std::string Trim(std::string_view text);
// The same without a copy: a view into text.
std::string_view TrimView(std::string_view text);

// "J" for true, "N" for false; "J"/"j" reads as true, anything else false.
std::string BoolToJN(bool value);
bool JNToBool(std::string_view text);

// Appends value as printf's "%.<digits>d" writes it: at least that many digits, zeros in
// front, a minus sign before them. For texts written once per booking.
void AppendDigits(std::string& text, long long value, int digits);

// The suite's key text of a pair, "Nr1/Nr2".
std::string qtx_TIntPair2String(const TIntPair& pair);

// A text for one field of an export line: CR and LF removed (a field never tears its
// record apart), every other control character (U+0000..U+001F, U+007F..U+009F) a blank.
std::string OhneSteuerzeichen(std::string_view text);
// True when OhneSteuerzeichen would change the text.
bool HatSteuerzeichen(std::string_view text);

// A text as part of a file name: every character that the suite's Windows machines cannot
// store in a name (\ / : * ? " < > | and control characters) becomes "_"; letters
// such as umlauts stay.
std::string DateinamenTeil(std::string_view text);

// A whole number of at most maxStellen digits, as a settings form takes it; empty counts
// as 0. Nothing for another character or a longer text.
std::optional<int> Ziffern(const std::string& text, std::size_t maxStellen);
