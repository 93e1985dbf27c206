// Typed column reads shared by the servers.
#pragma once

#include <cstdint>

#include "suite/Types.h"
#include "suite/db/Storage.h"

inline std::int32_t Int32Spalte(const suitedb::Statement& stmt, int column) {
  return static_cast<std::int32_t>(stmt.Int(column));
}

// A pair stored as two neighbouring columns.
inline TIntPair PaarSpalte(const suitedb::Statement& stmt, int column) {
  return {Int32Spalte(stmt, column), Int32Spalte(stmt, column + 1)};
}
