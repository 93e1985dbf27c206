// What DVO's import refuses or reads otherwise than meant, checked before an export: a
// branch without a document series, document fields with more than digits or longer than
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
  void Ende(const TExportUmfang& umfang, TExportProblemListe& probleme) override;

 private:
  std::vector<TFilialeInfo> filialen_;
  // The first booking whose document fields hold more than digits, and how many do.
  TExportProblem nurZiffern_;
  std::size_t nurZiffernAnzahl_ = 0;
};

}  // namespace dvo
