// Settings form of the RZA booking file (logic only): export path, automatic accounts
// and the ten tax keys, which are edited only while automatic accounts are on.
#pragma once

#include <array>
#include <string>

#include "export/FibuExportFrm.h"
#include "formats/rza/FibuExporter_RZA.h"

class TfrmFibuExpRZA : public TfrmFibuExport {
 public:
  static constexpr std::size_t CPfadLaenge = 256;
  static constexpr std::size_t CSchluesselLaenge = 4;
  static constexpr std::size_t CAnzahlSchluessel = 10;

  std::string_view ClassName() const override { return "TfrmFibuExpRZA"; }
  std::string_view FormatKennung() const override { return TFibuExporter_RZA::CKennung; }

  const std::string& ExportPfad() const { return FExportPfad; }
  void SetExportPfad(const std::string& pfad);
  void btnExportPfadClick();
  // "Sollen Automatikkonten verwendet werden?"
  bool Automatik() const { return FAutomatik; }
  void SetAutomatik(bool value) { FAutomatik = value; }
  bool SteuerschluesselAktiv() const { return FAutomatik; }

  // The tax keys in the order of the form, each with its caption and its tax kind.
  static const char* SteuerBeschriftung(std::size_t index);
  static TQTX_FibuExport_Steuer SteuerArt(std::size_t index);
  const std::string& Steuerschluessel(std::size_t index) const { return FSchluessel.at(index); }
  // Takes at most four characters.
  void SetSteuerschluessel(std::size_t index, const std::string& text);

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override;

 private:
  TFibuExporter_RZA& RzaExporter() const;

  std::string FExportPfad;
  bool FAutomatik = false;
  std::array<std::string, CAnzahlSchluessel> FSchluessel;
};

class TFibuExpEdit_RZA : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_RZA"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_RZA();
