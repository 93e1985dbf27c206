// What BMD's import cuts off, checked before an export: the document number beyond 20
// characters and the booking text beyond 255 are written shortened.
#pragma once

#include "export/ExportRegeln.h"

namespace bmd {

class TBmdRegeln final : public IExportRegeln {
 public:
  void Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
               TExportProblemListe& probleme) override;
  void Ende(const TExportUmfang&, TExportProblemListe&) override {}
};

}  // namespace bmd
