// The suite's check for incomplete data of a period (open cash reports, unbooked
// documents) before an export.
#pragma once

#include "suite/Types.h"

struct TKWX_VonBisDatum {
  TDateTime Von = 0;
  TDateTime Bis = 0;
};

// The kind of check an export asks for.
inline constexpr int CQTX_UnVollst_Fibu_moeglich = 4;

class Tfrmunvoselekt {
 public:
  virtual ~Tfrmunvoselekt() = default;
  // True when the data of the client and period are complete. This installation keeps
  // no incomplete-data records, so the default reports complete.
  virtual bool Pruefung(const TIntPair& /*mandant*/, const TKWX_VonBisDatum& /*zeitraum*/,
                        int /*filiale*/, int /*art*/) {
    return true;
  }
};
