// What DVO's import refuses or reads otherwise than meant, checked before an export: a
// branch without a document series, document fields that are no numbers or longer than
// the eight digits of the document number, and a cost centre the record cannot hold.
#pragma once

#include <vector>

#include "export/ExportRegeln.h"
#include "formats/dvo/FibuExporter_DVO.h"

namespace dvo {

class TDvoRegeln final : public IExportRegeln {
 public:
  explicit TDvoRegeln(std::vector<TFilialeInfo> filialen) : filialen_(std::move(filialen)) {}

  void Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
               TExportProblemListe& probleme) override;
  void Ende(const TExportUmfang&, TExportProblemListe&) override {}

 private:
  std::vector<TFilialeInfo> filialen_;
};

}  // namespace dvo
