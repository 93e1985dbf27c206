// Hands a file or a folder to the desktop (the file manager, the text viewer).
#pragma once

#include <string>

class IDateiAnzeige {
 public:
  virtual ~IDateiAnzeige() = default;
  // False when the desktop could not open it.
  virtual bool Oeffnen(const std::string& pfad) = 0;
};
