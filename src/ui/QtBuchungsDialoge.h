// The booking list's windows for editing and adding bookings on the desktop.
#pragma once

#include "app/BuchungsDialoge.h"
#include "data/FBDEDialogDaten.h"
#include "ui/QtKontoSuche.h"

class TSaldixDataModule;

class TQtBuchungsDialoge final : public IBuchungsDialoge {
 public:
  explicit TQtBuchungsDialoge(TSaldixDataModule& dm);

  bool Bearbeiten(const std::vector<TIntTrio>& idents) override;
  bool NeueBuchung(const std::optional<TIntTrio>& vorlage, const TIntPair& firma,
                   TDateTime datum) override;

 private:
  TFBDEDialogDaten daten_;
  TQtKontoSuche suche_;
};
