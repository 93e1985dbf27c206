// What DATEV's import refuses or reads otherwise than meant, checked before an export:
// account lengths, Belegfeld 1, amounts, the VAT id, empty batches and earlier open months.
#pragma once

#include <cstddef>
#include <map>

#include "export/ExportRegeln.h"
#include "formats/datev/DatevZeile.h"

namespace datev {

class TDatevRegeln : public IExportRegeln {
 public:
  // sachKtoLng: the general-ledger account length; personal accounts have one digit more.
  // monatlich: one batch per month.
  TDatevRegeln(const TDatevVersion& version, int sachKtoLng, bool monatlich)
      : version_(version), sachKtoLng_(sachKtoLng), monatlich_(monatlich) {}

  void Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
               TExportProblemListe& probleme) override;
  void Ende(const TExportUmfang& umfang, TExportProblemListe& probleme) override;

 private:
  void Konto(const TExportProblem& ort, const char* feld, int konto,
             TExportProblemListe& probleme) const;
  void Belegfeld1(const TExportProblem& ort, const std::string& beleg1,
                  TExportProblemListe& probleme) const;

  const TDatevVersion& version_;
  int sachKtoLng_;
  bool monatlich_;
  // Lines each batch will hold, by year * 100 + month (0 when not monthly).
  std::map<int, std::size_t> zeilen_;
};

// Belegfeld 1 as DATEV's import reads it: the written value without the characters it
// does not accept (it takes a-z A-Z 0-9 $ & % * + - /).
std::string Belegfeld1WieImport(std::string_view geschrieben);

}  // namespace datev
