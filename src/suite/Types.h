// The suite's identifier and value types shared by every layer.
#pragma once

#include <cstdint>
#include <tuple>

// Day count since 30 Dec 1899, time of day as fraction; 0 means "not set".
using TDateTime = double;

// Two integers identifying a client, a business partner or a document kind.
struct TIntPair {
  std::int32_t Nr1 = 0;
  std::int32_t Nr2 = 0;

  bool IsEmpty() const { return Nr1 == 0 && Nr2 == 0; }
  friend bool operator==(const TIntPair&, const TIntPair&) = default;
  friend auto operator<=>(const TIntPair&, const TIntPair&) = default;
};

// Identity of a booking or document: computer, serial number, sub-number.
struct TIntTrio {
  std::int32_t RNr = 0;
  std::int32_t LNr = 0;
  std::int16_t SNr = 0;

  bool IsEmpty() const { return RNr == 0 && LNr == 0 && SNr == 0; }
  friend bool operator==(const TIntTrio&, const TIntTrio&) = default;
  friend auto operator<=>(const TIntTrio&, const TIntTrio&) = default;
};

inline constexpr TIntTrio CLeeresIntTrio{};
