// Settings form of the DATEV 700 batch: the DATEV form plus the order-number and the
// debit/credit exchange check boxes.
#pragma once

#include "formats/datev/FibuExpDatevFrm.h"
#include "formats/datev700/FibuExporter_Datev_700.h"

class TfrmFibuExpDatev_700 : public TfrmFibuExpDatev {
 public:
  std::string_view ClassName() const override { return "TfrmFibuExpDatev_700"; }
  std::string_view FormatKennung() const override { return TFibuExporter_Datev_700::CKennung; }


 protected:
  void Spezial_DatenZuMaske() override;
  void Spezial_DatenVonMaske() override;
  void GetExportFormatName(std::string& name) override;

 private:
  TFibuExporter_Datev_700& Datev700Exporter() const;
};

class TFibuExpEdit_Datev_700 : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TFibuExpEdit_Datev_700"; }

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_Datev_700();
