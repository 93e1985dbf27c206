// The suite's global account table: a client's accounts addressed by its short number.
#pragma once

#include <string>

#include "suite/Types.h"

class TGlobKonten {
 public:
  virtual ~TGlobKonten() = default;

  // Account number valid at datum (0: today); -1 when the client has no such account.
  virtual int GetMandKonto_Nummer(int mandKurzNr, const std::string& kurzbez, TDateTime datum,
                                  const std::string& zusatz);
  // Designation of the currently valid account; empty when there is none.
  virtual std::string GetMandKonto_Bezeichung(int mandKurzNr, const std::string& kurzbez,
                                              const std::string& zusatz);
};
