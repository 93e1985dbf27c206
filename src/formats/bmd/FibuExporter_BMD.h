// The BMD booking file: one ";"-separated file per run and client, named after the
// client's BMD number and the settlement.
#pragma once

#include <memory>
#include <string>

#include "export/MandantenExporter.h"
#include "export/TrennZeile.h"

namespace bmd {

class TFibuExporter_BMD : public TMandantenExporter {
 public:
  static constexpr const char* CName = "BMD Finanzbuchhaltung";
  static constexpr const char* CKennung = "BMD";
  // The client table's one field: the client's number in BMD.
  static constexpr std::size_t CFeldMandant = 0;

  TFibuExporter_BMD();

  std::string_view ClassName() const override { return "TFibuExporter_BMD"; }

  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  std::unique_ptr<IExportRegeln> Importregeln(TIntPair AMandant) const override;

 protected:
  void SchalterSetzen() override;
  std::string Dateiname(const TMandantenEintrag& mandant,
                        const TFibuExportFileInfo& AFileInfo) const override;
  void Buchung(const TFibuExportBuchInfo& ABuchInfo) override;

 private:
  TTrennZeile FZeile{';'};
  TDateTime FBuchdatum = 0;
};

}  // namespace bmd
