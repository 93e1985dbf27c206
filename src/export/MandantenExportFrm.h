// The settings form (logic only) of the formats built on TMandantenExporter: the export
// path with its directory choice and the client grid; a format adds its own fields and
// orders the checks.
#pragma once

#include <string>

#include "export/FibuExportFrm.h"
#include "export/MandantenExporter.h"
#include "export/MandantenRaster.h"

class TfrmMandantenExport : public TfrmFibuExport {
 public:
  static constexpr const char* CPfadFehlt = "Bitte geben Sie die den Export-Pfad an.";

  const std::string& ExportPfad() const { return FExportPfad; }
  void SetExportPfad(const std::string& pfad);  // at most 256 characters
  // The button beside the path: a directory choice whose result replaces the path.
  void btnExportPfadClick();

  TMandantenRaster& Raster() { return FRaster; }
  const TMandantenRaster& Raster() const { return FRaster; }
  // The grid's headline ("Mandantennummer (BMD)").
  virtual std::string RasterTitel() const = 0;

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  // The checks of path and grid, each false after showing its message.
  bool PfadPruefen();
  bool RasterPruefen();
  TMandantenExporter& MandantenExporter() const;

 private:
  std::string FExportPfad;
  TMandantenRaster FRaster;
};
