// Settings form of the BMD file (logic only): export path and the client grid with the
// clients' BMD numbers; its edit class and the format's catalogue row.
#pragma once

#include "export/MandantenExportFrm.h"
#include "formats/bmd/FibuExporter_BMD.h"

namespace bmd {

class TfrmFibuExpBMD : public TfrmMandantenExport {
 public:
  std::string_view ClassName() const override { return "TfrmFibuExpBMD"; }
  std::string_view FormatKennung() const override { return TFibuExporter_BMD::CKennung; }
  std::string RasterTitel() const override { return "Mandantennummer (BMD)"; }

 protected:
  bool Spezial_TesteMaskenDaten() override { return PfadPruefen() && RasterPruefen(); }
  void GetExportFormatName(std::string& name) override { name = TFibuExporter_BMD::CName; }
};

class TFibuExpEdit_BMD : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_BMD"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override {
    return std::make_unique<TfrmFibuExpBMD>();
  }
};

// A ready profile for the demo suite: every client active, BMD number 100 + short number.
bool DemoProfilEinrichten(const std::string& exportDir);

}  // namespace bmd

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_BMD();
