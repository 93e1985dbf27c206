// SHA-256 for host-key fingerprints ("SHA256:..." as OpenSSH prints them).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

std::array<std::uint8_t, 32> Sha256(std::string_view data);
// Base64 (standard alphabet); with padding unless told otherwise.
std::string Base64(std::string_view data, bool padding = true);
// Decodes standard Base64; false on a character outside the alphabet.
bool Base64Decode(std::string_view text, std::string& out);
