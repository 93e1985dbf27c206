// The suite's account server: which accounts of a client carry which account codes
// (42 receivables, 49 creditors, 136, 159 foreign tax, the bonus partner accounts, ...).
#pragma once

#include <string>
#include <vector>

#include "suite/Types.h"

inline constexpr int CKontoCodeForderung = 42;
inline constexpr int CKontoCodeVerbindlichkeiten = 49;
inline constexpr int CKontoCode136 = 136;
inline constexpr int CKontoCodeSteuernFremd = 159;

class TKontoServer {
 public:
  virtual ~TKontoServer() = default;

  // Short name of the client's account with the code; empty when none has it.
  virtual std::string KontoZuCode(const TIntPair& mandant, int code);
  // Whether the account (short name and suffix) carries one of the codes.
  virtual bool KontoHatCode(const TIntPair& mandant, const std::string& kurzbez,
                            const std::string& zusatz, const std::vector<int>& codes);
  // The codes of bonus partner accounts.
  static const std::vector<int>& BonusPartnerKontoCodes();
};
