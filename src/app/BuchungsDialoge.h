// The windows the booking list opens to change and add bookings by hand, and its printing.
// The desktop installs them; without them (batch mode) the actions do nothing.
#pragma once

#include <optional>
#include <vector>

#include "suite/Types.h"

class IBuchungsDialoge {
 public:
  virtual ~IBuchungsDialoge() = default;
  // The edit dialog for these bookings; true when it wrote.
  virtual bool Bearbeiten(const std::vector<TIntTrio>& idents) = 0;
  // The new-booking dialog, preset from the booking vorlage where given (else client and
  // date); true when it wrote.
  virtual bool NeueBuchung(const std::optional<TIntTrio>& vorlage, const TIntPair& firma,
                           TDateTime datum) = 0;
};

class TSaldixBearbeiten;

// The suite's report service for the booking list.
class IListenDruck {
 public:
  virtual ~IListenDruck() = default;
  // The list (anhang false) or its attachment, through a preview.
  virtual void Drucken(const TSaldixBearbeiten& liste, bool anhang) = 0;
};
