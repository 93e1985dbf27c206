// Settings form of the Varial file (logic only): export path, the client grid with the
// clients' Varial numbers and the twelve tax keys; its edit class and catalogue row.
#pragma once

#include "export/MandantenExportFrm.h"
#include "formats/varial/fibuexporter_Varial.h"

namespace varial {

class TfrmFibuExpVarial : public TfrmMandantenExport {
 public:
  // Varial's tax-key field has three characters.
  static constexpr std::size_t CSteuerLaenge = 3;

  std::string_view ClassName() const override { return "TfrmFibuExpVarial"; }
  std::string_view FormatKennung() const override { return TFibuExporter_Varial::CKennung; }
  std::string RasterTitel() const override { return "Mandantennummer (Varial)"; }

  const TSteuerSchluessel& SteuerSchl() const { return FSteuerSchl; }
  // Takes at most three characters.
  void SetSteuerSchl(std::size_t index, const std::string& text);

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override { name = TFibuExporter_Varial::CName; }

 private:
  TFibuExporter_Varial& Varial() const;
  TSteuerSchluessel FSteuerSchl;
};

class TFibuExpEdit_Varial : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_Varial"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override { return std::make_unique<TfrmFibuExpVarial>(); }
};

// A ready profile for the demo suite: every client active with Varial number "0" + short
// number, tax keys for the normal, reduced and former rates.
bool DemoProfilEinrichten(const std::string& exportDir);

}  // namespace varial

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_Varial();
