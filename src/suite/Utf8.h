// UTF-8 text helpers: every cut, pad and width counts characters, not bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Returned by Utf8Next for a byte that does not start a valid sequence.
inline constexpr char32_t kUtf8Invalid = 0xFFFFFFFF;

// Decodes the character at pos and moves pos past it. An invalid, overlong, truncated
// or surrogate sequence yields kUtf8Invalid and moves pos by one byte only, so every
// stray byte counts as one character.
char32_t Utf8Next(std::string_view text, std::size_t& pos);

// Appends the encoding of cp; values outside Unicode append U+FFFD.
void Utf8Append(std::string& out, char32_t cp);

std::u32string Utf8Decode(std::string_view text);
std::string Utf8Encode(std::u32string_view codePoints);

bool Utf8Valid(std::string_view text);
// Replaces every invalid byte with the replacement text.
std::string Utf8ReplaceInvalid(std::string_view text, std::string_view replacement = "?");

// The length of text without a multi-byte sequence begun at its end but not complete
// yet: a piece of a stream that may be converted now, the rest waiting for the next piece.
std::size_t Utf8GanzeZeichen(std::string_view text);

// Number of characters.
std::size_t Utf8Length(std::string_view text);

// The first count characters; never splits a character.
std::string Utf8Left(std::string_view text, std::size_t count);
// The same without a copy: a view into text.
std::string_view Utf8LeftView(std::string_view text, std::size_t count);
// The last count characters.
std::string Utf8Right(std::string_view text, std::size_t count);
// count characters from the zero-based character index start.
std::string Utf8Mid(std::string_view text, std::size_t start, std::size_t count);

// Fill characters before (PadLeft, right-aligned) or after (PadRight, left-aligned) the
// text up to width characters; a longer text is returned unchanged.
std::string Utf8PadLeft(std::string_view text, std::size_t width, char fill = ' ');
std::string Utf8PadRight(std::string_view text, std::size_t width, char fill = ' ');

// Exactly width characters: cut to width, then padded (fixed-width record fields).
std::string Utf8AlignLeft(std::string_view text, std::size_t width, char fill = ' ');
std::string Utf8AlignRight(std::string_view text, std::size_t width, char fill = ' ');

// Canonical composition (NFC) of a letter followed by a combining accent, for the
// letters Windows-1252 holds (e + U+0301 becomes é, Y + U+0308 Ÿ, S + U+030C Š).
// glibc has no normaliser and export files are Windows-1252: a wider table would only
// compose characters that end as "?" anyway. Other sequences stay as they are.
std::string Utf8ComposeLatin(std::string_view text);
