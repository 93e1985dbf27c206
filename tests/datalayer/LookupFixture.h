// Rows for the lookup tests, written straight into the temporary suite database.
#pragma once

#include "suite/SuiteDatabase.h"
#include "suite/db/Storage.h"

template <typename... Args>
void Zeile(const char* sql, const Args&... args) {
  SuiteDatabase::Get().Prepare(sql)->With(args...).Run();
}
