// The suite's client configuration for financial accounting.
#pragma once

#include "suite/Types.h"

// The computer that exports the client's bookings; 0 when the client is unknown or has
// none.
int MandKonfFibu_ExportRechner(const TIntPair& mandant);
