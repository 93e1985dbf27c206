// What the HIS import reads otherwise than meant, checked before an export: accounts
// longer than the account length, and texts whose separators or line breaks are replaced.
#pragma once

#include "export/ExportRegeln.h"

namespace his {

class THisRegeln : public IExportRegeln {
 public:
  explicit THisRegeln(int sachKtoLng) : sachKtoLng_(sachKtoLng) {}

  void Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
               TExportProblemListe& probleme) override;
  void Ende(const TExportUmfang&, TExportProblemListe&) override {}

 private:
  int sachKtoLng_;
};

}  // namespace his
