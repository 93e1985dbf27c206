// Settings form of the SBS metafile (logic only): export path, the metafile's language
// version and the client grid with the SBS client numbers; its edit class and the
// format's catalogue row.
#pragma once

#include <string>

#include "export/MandantenExportFrm.h"
#include "formats/sbs/FibuExporter_SBS.h"

namespace sbs {

class TfrmFibuExpSBS : public TfrmMandantenExport {
 public:
  std::string_view ClassName() const override { return "TfrmFibuExpSBS"; }
  std::string_view FormatKennung() const override { return TFibuExporter_SBS::CKennung; }
  std::string RasterTitel() const override { return "Mandantennummer (SBS Rewe plus)"; }

  const std::string& Version() const { return FVersion; }
  void SetVersion(const std::string& text);  // at most 10 characters

 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  bool Spezial_TesteMaskenDaten() override;
  void GetExportFormatName(std::string& name) override { name = TFibuExporter_SBS::CName; }

 private:
  TFibuExporter_SBS& SbsExporter() const;

  std::string FVersion;
};

class TFibuExpEdit_SBS : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_SBS"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override {
    return std::make_unique<TfrmFibuExpSBS>();
  }
};

// A ready profile for the demo suite: version "3.00", every client active with SBS
// client number 200 + short number.
bool DemoProfilEinrichten(const std::string& exportDir);

}  // namespace sbs

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_SBS();
