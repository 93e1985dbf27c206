#include "suite/servers/TMandantServer.h"

#include "suite/SuiteDatabase.h"

int TMandantServer::GetKurzNr(const TIntPair& mandant) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT kurz_nr FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  stmt.With(mandant.Nr1, mandant.Nr2);
  const int nr = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return nr;
}

int TMandantServer::GetBilanzJahr(const TIntPair& mandant) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT bilanz_jahr FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  stmt.With(mandant.Nr1, mandant.Nr2);
  const int jahr = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return jahr;
}

std::string TMandantServer::GetName(const TIntPair& mandant) {
  auto& stmt = SuiteDatabase::Get().Cached(
      "SELECT name FROM mandanten WHERE firma1 = ? AND firma2 = ?");
  stmt.With(mandant.Nr1, mandant.Nr2);
  std::string name;
  if (stmt.Step()) name = stmt.Text(0);
  stmt.Reset();
  return name;
}
