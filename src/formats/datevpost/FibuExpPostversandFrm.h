// Settings form of DATEV's postal-dispatch format (logic only): the two paths, the import
// through the SELF interface, format and ID number, the emptying of old dispatch files and
// the client grid with the DATEV numbers.
#pragma once

#include <string>
#include <vector>

#include "export/FibuExportFrm.h"
#include "export/MandantenRaster.h"
#include "formats/datevpost/fibuexporter_postversand.h"

class TfrmFibuExpPostversand : public TfrmFibuExport {
 public:
  std::string_view ClassName() const override { return "TfrmFibuExpPostversand"; }
  std::string_view FormatKennung() const override { return TFibuExporter_Postversand::CKennung; }
  static constexpr const char* CTitel = "DATEV (Postversandformat)";

  const std::string& ExportPfad() const { return FExportPfad; }
  void SetExportPfad(const std::string& pfad);  // at most 256 characters
  const std::string& VorgabePfad() const { return FVorgabePfad; }
  void SetVorgabePfad(const std::string& pfad);  // at most 256 characters
  // The buttons beside the paths: a directory choice whose result replaces the path.
  void btnExportPfadClick();
  void btnVorgabePfadClick();
  bool ImportSelf() const { return FImportSelf; }
  void SetImportSelf(bool value) { FImportSelf = value; }
  const std::string& Format() const { return FFormat; }
  void SetFormat(const std::string& text);  // at most 20 characters
  const std::string& IDNummer() const { return FIDNummer; }
  void SetIDNummer(const std::string& text);  // digits only, at most 5
  bool VerzLeeren() const { return FVerzLeeren; }
  void SetVerzLeeren(bool value) { FVerzLeeren = value; }

  static const char* HinweisImportSelf();

  // The client grid: "KurzNr", "Mandant", the key, "Datev-Berater", "Datev-Mandant",
  // "Datev-Benutzer".
  TMandantenRaster& Raster() { return FRaster; }
  const TMandantenRaster& Raster() const { return FRaster; }
  static constexpr const char* CRasterTitel = "Mandantennummer (DATEV)";

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override;

 private:
  TFibuExporter_Postversand& Exporter() const;
  void PfadWaehlen(std::string& pfad);

  std::string FExportPfad;
  std::string FVorgabePfad;
  bool FImportSelf = true;
  std::string FFormat;
  std::string FIDNummer;
  bool FVerzLeeren = false;
  TMandantenRaster FRaster;
};

class TFibuExpEdit_Postversand : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_PostVersand"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_Postversand();
// Leaves a ready default profile for the demo suite (converter off); true when usable.
bool PostversandDemoProfil(const std::string& exportDir);
