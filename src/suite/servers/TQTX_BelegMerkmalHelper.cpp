#include "suite/servers/TQTX_BelegMerkmalHelper.h"

std::string TQTX_BelegMerkmalHelper::Get_BelegMerkmalWert(const TIntTrio& beleg, int merkmal) {
  auto& stmt = connection_.Cached(
      "SELECT wert FROM beleg_merkmale WHERE rnr = ? AND lnr = ? AND snr = ? AND merkmal = ?");
  stmt.With(beleg.RNr, beleg.LNr, static_cast<int>(beleg.SNr), merkmal);
  std::string wert = stmt.Step() ? stmt.Text(0) : std::string();
  stmt.Reset();
  return wert;
}
