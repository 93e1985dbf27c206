#include "suite/servers/TRVRTab.h"

int TRVRTab::GetRNrUmfang(int rechner) {
  auto& stmt = connection_.Cached("SELECT branch FROM computers WHERE number = ?");
  stmt.With(rechner);
  const int filiale = stmt.Step() ? static_cast<int>(stmt.Int(0)) : 0;
  stmt.Reset();
  return filiale;
}
