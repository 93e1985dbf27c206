// The account-amount lines that replace an expense or a stock-withdrawal booking.
#pragma once

#include <vector>

#include "suite/records/FBDEKontoBetrag.h"

std::vector<TFBDEKontoBetrag> AufwandEintraege(const TQTX_Aufwandsbuchung& aufwand);
std::vector<TFBDEKontoBetrag> EntnahmeEintraege(const TQTX_EntnahmeBestand& entnahme);
