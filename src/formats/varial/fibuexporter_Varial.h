// The sequential input file of the Varial accounting system: fixed-width records, a
// booking with tax as two "DIV" records, one without as one "BUC" record, under document
// numbers that run on from settlement to settlement.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "export/MandantenExporter.h"
#include "formats/varial/VarialSatz.h"

namespace varial {

using TSteuerSchluessel = std::array<std::string, CQTX_FibuExport_Steuer_Anzahl>;

class TFibuExporter_Varial : public TMandantenExporter {
 public:
  static constexpr const char* CName = "Varial Finanzbuchhaltung";
  static constexpr const char* CKennung = "Varial";
  static constexpr const char* CDateiName = "XXSEQINP";
  static constexpr std::size_t CFeldMandant = 0;
  // The settings keys of the twelve tax keys, by tax kind.
  static const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl>& SteuerKeys();

  TFibuExporter_Varial();
  std::string_view ClassName() const override { return "TFibuExporter_Varial"; }

  void Lade_Einstellungen_Alt() override;
  std::string GetMeldung() override;
  int GetMaxLfdNr() override { return FBelegNummer; }
  void SetMaxLfdNr(int Value) override { FBelegNummer = Value; }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  std::unique_ptr<IExportRegeln> Importregeln(TIntPair AMandant) const override;

  const TSteuerSchluessel& SteuerSchl() const { return FSteuerSchl; }
  void SetSteuerSchl(std::size_t index, const std::string& wert) { FSteuerSchl.at(index) = wert; }
  // The folder of one settlement's file below the export directory: each settlement
  // keeps its own file of the name Varial reads.
  static std::string AbrechnungsOrdner(const std::string& mandant, int abrJahr, int abrNr);

 protected:
  void SchalterSetzen() override;
  void EigeneEinstellungenLesen(const TQTXStrings& config) override;
  void EigeneEinstellungenSchreiben(TQTXStrings& config) const override;
  void EigeneEinstellungenAltLesen(const TSimpleMask& maske) override;
  std::string Dateiname(const TMandantenEintrag& mandant,
                        const TFibuExportFileInfo& AFileInfo) const override;
  void Buchung(const TFibuExportBuchInfo& ABuchInfo) override;

 private:
  TSteuerSchluessel FSteuerSchl;
  int FBelegNummer = 0;
  std::string FMandantVarial;
  TVarialSatz FSatz;  // the record being filled, reused from booking to booking
};

}  // namespace varial
