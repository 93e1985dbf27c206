// The suite's client choice: the desktop shows its dialog, tests script it.
#pragma once

#include <string>

#include "suite/Types.h"

class IMandantChooser {
 public:
  virtual ~IMandantChooser() = default;
  // Lets the person choose a client; false when cancelled.
  virtual bool Ausfuehren(TIntPair& mandant, std::string& name) = 0;
};
