#include "suite/MandKonfFibu.h"

#include "suite/SuiteDatabase.h"

int MandKonfFibu_ExportRechner(const TIntPair& mandant) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT export_rechner FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  stmt.With(mandant.Nr1, mandant.Nr2);
  const int rechner = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return rechner;
}
