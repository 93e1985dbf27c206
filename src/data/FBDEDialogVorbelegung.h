// Presets of the manual-booking dialogs from the bookings the list has selected.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/SaldixFBDEEdit.h"
#include "data/SaldixFBDENeu.h"
#include "suite/records/FBDEDaten.h"

// The edit dialog for idents, its fields from the first of them (erste).
void EditVorbelegen(TfrmSaldixFBDEEdit& form, IFBDEDialogDaten& daten,
                    const std::vector<TIntTrio>& idents, const std::optional<TFBDEDaten>& erste);

// The new-booking dialog as a copy of vorlage; without one, an empty booking of the client
// at datum in the currency given.
void NeuVorbelegen(TfrmSaldixFBDENeu& form, const std::optional<TFBDEDaten>& vorlage,
                   const TIntPair& firma, TDateTime datum, const std::string& waehrung);
