// The suite's general server as far as accounts go: the account record of a client by
// short name and suffix for a computer, branch and date, by number, and as a list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/Types.h"

// The suite's account record.
struct TQTX_Fibukonto {
  std::string Kurzbez;
  std::string Zusatz;
  std::string Bezeichnung;
  int Nummer = 0;
  char Art = ' ';            // 'A' expense, 'E' revenue, 'I' domestic revenue, 'B' balance
  char Bilanzkennzeichen = ' ';  // 'B' marks a balance account
  TDateTime GueltigAb = 0;
};

// The end of the day of datum (0: today): account validity is by day.
double KontenStichtag(TDateTime datum);

class TAlleingServer {
 public:
  virtual ~TAlleingServer() = default;

  // The account valid at datum (0: today); an entry for the given computer or branch
  // wins over one for any. nullopt when the client has no such account.
  virtual std::optional<TQTX_Fibukonto> GetFibukonto(const TIntPair& mandant,
                                                     const std::string& kurzbez,
                                                     const std::string& zusatz, int rechner,
                                                     int filiale, TDateTime datum);
  // The stretch of days around datum on which GetFibukonto gives the same answer: from the
  // latest version start at or before datum's day end (ab, -1 when none) to the first one
  // after it (bis, 0 when none).
  virtual void FibukontoGueltigkeit(const TIntPair& mandant, const std::string& kurzbez,
                                    const std::string& zusatz, int rechner, int filiale,
                                    TDateTime datum, double& ab, double& bis);
  // The account with this number valid at datum (0: today).
  virtual std::optional<TQTX_Fibukonto> GetFibukontoZuNummer(const TIntPair& mandant, int nummer,
                                                             TDateTime datum);
  // Every account of the client valid at datum (for any computer and branch), by number.
  virtual std::vector<TQTX_Fibukonto> GetFibukontenListe(const TIntPair& mandant, TDateTime datum);
};
