// The captions of the twelve tax-key settings by tax kind, as the settings forms of the
// formats with free tax keys show them.
#pragma once

#include <array>

#include "export/fibuexportclass.h"

inline const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl>& SteuerSchluesselCaptions() {
  static const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> captions = {
      "reduzierte Umsatzsteuer",
      "spezielle Umsatzsteuer (Österreich)",
      "normale Umsatzsteuer",
      "ehemalige reduzierte Umsatzsteuer",
      "ehemalige normale Umsatzsteuer",
      "reduzierte Vorsteuer",
      "spezielle Vorsteuer (Österreich)",
      "normale Vorsteuer",
      "ehemalige reduzierte Vorsteuer",
      "ehemalige normale Vorsteuer",
      "Umsatzsteuer in EG-Land",
      "ohne Vorsteuer",
  };
  return captions;
}
