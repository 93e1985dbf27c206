// The suite's partner-number file: a number text per partner and number kind.
#pragma once

#include <optional>
#include <string>

#include "suite/Types.h"

class Tgnumfile {
 public:
  virtual ~Tgnumfile() = default;
  // The stored number text of the partner for the kind (art); nullopt when none.
  virtual std::optional<std::string> Lesen(const TIntPair& partner, const TIntPair& art);
};
