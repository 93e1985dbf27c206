// Settings form of the DVO file (logic only): export path, the two account lengths, the
// client grid with the DVO client numbers and the branch grid with the document series;
// its edit class and the format's catalogue row.
#pragma once

#include <string>
#include <vector>

#include "export/MandantenExportFrm.h"
#include "formats/dvo/FibuExporter_DVO.h"

namespace dvo {

class TfrmFibuExpDVO : public TfrmMandantenExport {
 public:
  std::string_view ClassName() const override { return "TfrmFibuExpDVO"; }
  std::string_view FormatKennung() const override { return TFibuExporter_DVO::CKennung; }
  std::string RasterTitel() const override { return "Klientennummer (DVO)"; }

  const std::string& SachKtoLng() const { return FSachKtoLng; }
  void SetSachKtoLng(const std::string& text);  // one digit
  const std::string& PersKtoLng() const { return FPersKtoLng; }
  void SetPersKtoLng(const std::string& text);  // one digit

  // The branch grid: number, name and the editable document series (at most 3 characters).
  const std::vector<TFilialeInfo>& FilialZeilen() const { return FFilialZeilen; }
  bool SetzeBelegart(std::size_t zeile, const std::string& text);

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override { name = TFibuExporter_DVO::CName; }

 private:
  TFibuExporter_DVO& DvoExporter() const;

  std::string FSachKtoLng;
  std::string FPersKtoLng;
  std::vector<TFilialeInfo> FFilialZeilen;
};

class TFibuExpEdit_DVO : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_DVO"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override {
    return std::make_unique<TfrmFibuExpDVO>();
  }
};

// A ready profile for the demo suite: every client active with DVO client number
// 1000 + short number, every branch with the document series "B" + its number.
bool DemoProfilEinrichten(const std::string& exportDir);

}  // namespace dvo

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_DVO();
