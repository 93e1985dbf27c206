// The DVO record file: a client header, per booking month and branch a batch header,
// its bookings and its total, filled from three templates.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "export/MandantenExporter.h"
#include "export/RautenVorlage.h"

namespace dvo {

// One branch with its DVO document series.
struct TFilialeInfo {
  int Nummer = 0;
  std::string Name;
  std::string Belegart;  // at most 3 characters
};

class TFibuExporter_DVO : public TMandantenExporter {
 public:
  static constexpr const char* CName = "DVO Finanzbuchhaltung";
  static constexpr const char* CKennung = "DVO";
  static constexpr std::size_t CFeldKlient = 0;

  TFibuExporter_DVO();

  std::string_view ClassName() const override { return "TFibuExporter_DVO"; }

  void Resources_Destroy() override;
  void Config2Properties() override;
  void Lade_Einstellungen_Alt() override;
  std::string GetMeldung() override { return DateiMeldung(); }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  std::unique_ptr<IExportRegeln> Importregeln(TIntPair AMandant) const override;

  int SachKtoLng() const { return FSachKtoLng; }
  void SetSachKtoLng(int value) { FSachKtoLng = value; }
  int PersKtoLng() const { return FPersKtoLng; }
  void SetPersKtoLng(int value) { FPersKtoLng = value; }
  const std::vector<TFilialeInfo>& Filialen() const { return FFilialen; }
  int GetFilialenIndex(int nummer) const;
  void SetBelegart(int filiale, const std::string& belegart);

 protected:
  void SchalterSetzen() override;
  void EigeneEinstellungenLesen(const TQTXStrings& config) override;
  void EigeneEinstellungenSchreiben(TQTXStrings& config) const override;
  void EigeneEinstellungenAltLesen(const TSimpleMask& maske) override;
  bool EigenerConfigSchluessel(const std::string& key) const override;
  std::string Dateiname(const TMandantenEintrag& mandant,
                        const TFibuExportFileInfo& AFileInfo) const override;
  void Buchung(const TFibuExportBuchInfo& ABuchInfo) override;
  void DateiAbschluss() override;

 private:
  static const TEinstellungsTabelle<TFibuExporter_DVO>& Einstellungen();
  std::vector<TFilialeInfo> Filialliste() const;
  void StapelSchliessen();
  void Schreiben(const TRautenVorlage& vorlage);

  int FSachKtoLng = 4;
  int FPersKtoLng = 5;
  std::vector<TFilialeInfo> FFilialen;
  TRautenDokument FDokument;
  std::vector<std::string> FWerte;
  std::string FPuffer;
  int FMonat = 0;  // year * 100 + month of the open batch; 0 none
  int FFiliale = 0;
  long double FSumme = 0;
};

}  // namespace dvo
