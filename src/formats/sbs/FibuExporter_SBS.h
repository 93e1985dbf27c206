// The SBS Rewe plus metafile: a frame for the client, one block per booking month and
// one record per booking, filled from three templates the user may replace.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "export/MandantenExporter.h"
#include "export/RautenVorlage.h"

namespace sbs {

class TFibuExporter_SBS : public TMandantenExporter {
 public:
  static constexpr const char* CName = "SBS Rewe plus";
  static constexpr const char* CKennung = "SBS";
  static constexpr std::size_t CFeldMandant = 0;

  TFibuExporter_SBS();

  std::string_view ClassName() const override { return "TFibuExporter_SBS"; }

  std::string GetMeldung() override { return DateiMeldung(); }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;

  const std::string& LangVersion() const { return FLangVersion; }
  void SetLangVersion(const std::string& value) { FLangVersion = value; }

 protected:
  void SchalterSetzen() override;
  void EigeneEinstellungenLesen(const TQTXStrings& config) override;
  void EigeneEinstellungenSchreiben(TQTXStrings& config) const override;
  void EigeneEinstellungenAltLesen(const TSimpleMask& maske) override;
  std::string Dateiname(const TMandantenEintrag& mandant,
                        const TFibuExportFileInfo& AFileInfo) const override;
  void Buchung(const TFibuExportBuchInfo& ABuchInfo) override;
  void DateiAbschluss() override;

 private:
  static const TEinstellungsTabelle<TFibuExporter_SBS>& Einstellungen();
  void Schreiben(const TRautenVorlage& vorlage);

  std::string FLangVersion;
  TRautenDokument FDokument;
  std::vector<std::string> FWerte;
  std::string FPuffer;
  int FMonat = 0;  // year * 100 + month of the open block; 0 none
};

}  // namespace sbs
