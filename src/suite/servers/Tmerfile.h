// The suite's attribute file: a value text per partner and attribute number.
#pragma once

#include <optional>
#include <string>

#include "suite/Types.h"

class Tmerfile {
 public:
  virtual ~Tmerfile() = default;
  // The partner's value of the attribute; nullopt when none is stored.
  virtual std::optional<std::string> Lesen(const TIntPair& partner, int merkmal);
};
