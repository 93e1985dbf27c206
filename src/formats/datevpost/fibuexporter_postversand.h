// DATEV's postal-dispatch format: the input file "BUCHUNG.TXT" and, for the import through
// the SELF interface, the settings file "DAMO32.INI" in the preset directory, from which
// DATEV's converter turns them into the dispatch files "EV01" and "ED......".
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/MandantenTabelle.h"
#include "export/TrennZeile.h"
#include "export/fibuexportclass.h"
#include "formats/datevpost/PostversandZeilen.h"
#include "suite/SimpleMask.h"
#include "suite/Types.h"

class TAnsiTextFile;

namespace datevpost {

// A client with its DATEV numbers: the shared client table's entry with these fields.
using TMandInfo = TMandantenEintrag;
enum TMandantenFeldNr : std::size_t { mfBerater, mfMandant, mfBenutzer };

}  // namespace datevpost

class TFibuExporter_Postversand : public TFibuExporter {
 public:
  static constexpr const char* CName = "DATEV (Postversandformat)";
  static constexpr const char* CKennung = "DATEV";
  static constexpr const char* CEingabeDatei = "BUCHUNG.TXT";
  static constexpr const char* CIniDatei = "DAMO32.INI";
  using TMandInfo = datevpost::TMandInfo;

  TFibuExporter_Postversand();
  ~TFibuExporter_Postversand() override;
  std::string_view ClassName() const override { return "TFibuExporter_PostVersand"; }

  bool Config_Load(const std::string& ProfilName) override;
  void Config_Save(const std::string& ProfilName) override;
  bool Config_Load_Dialog() override;
  bool Config_Save_Dialog() override;
  void LoadSaveProps() override;
  void Resources_Destroy() override;
  void Properties2Config() override;
  void Config2Properties() override;
  void Lade_Einstellungen_Alt() override;
  std::string GetDateiName() override { return FDateiName; }
  std::string GetDateiName2() override { return FDateiName2; }
  std::string GetExportPfad() override { return FVerzExport; }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                         const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) override;
  bool Export_Fibu_Ende() override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  bool Profil_Geeignet(TIntPair AMandant) override;
  std::vector<std::string> Zieldateien(const TFibuExportFileInfo& AFileInfo) override;
  // The converter runs once the input file has its final name.
  void DateienAbgelegt() override;

  int GetMandantIndex(TIntPair AGepNr) const { return FMandanten.GetMandantIndex(AGepNr); }
  void SetMandantenDaten(TIntPair AGepNr, int ABerater, int AMandant, const std::string& ABenutzer,
                         bool AAktiv);
  const TMandantenTabelle& Mandanten() const { return FMandanten; }
  // The per-client fields: consultant, client and user of DATEV.
  static std::vector<TMandantenFeld> MandantenFelder();

  const std::string& VerzVorgabe() const { return FVerzVorgabe; }
  void SetVerzVorgabe(const std::string& value) { FVerzVorgabe = value; }
  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& value) { FVerzExport = value; }
  const std::string& IDNummer() const { return FIDNummer; }
  void SetIDNummer(const std::string& value) { FIDNummer = value; }
  const std::string& ExportFormat() const { return FExportFormat; }
  void SetExportFormat(const std::string& value) { FExportFormat = value; }
  bool ImportSelf() const { return FImportSelf; }
  void SetImportSelf(bool value) { FImportSelf = value; }
  bool VerzLeeren() const { return FVerzLeeren; }
  void SetVerzLeeren(bool value) { FVerzLeeren = value; }
  // The longest wait for the converter when nobody can cancel it (batch mode).
  void SetKonverterHoechstdauer(int sekunden) { FHoechstdauer = sekunden; }

 protected:
  bool EigenerConfigSchluessel(const std::string& key) const override;

 private:
  static const TEinstellungsTabelle<TFibuExporter_Postversand>& Einstellungen();
  void StandardwerteErgaenzen();
  // The directory the input files go to: the preset one, or its "Test" folder.
  std::string EingabeVerzeichnis() const;
  // Refuses to replace an input file of another hand-over that was not converted.
  void VorgaengerPruefen(const std::string& datei, const std::string& kopfzeile) const;
  std::vector<std::string> IniZeilen(const TMandInfo& mandant,
                                     const TFibuExportFileInfo& datei) const;
  // Deletes old dispatch files; those converted during this program run stay.
  void ExportVerzLeeren();
  std::string Find_ED() const;
  void Umwandeln();
  void ProtokollInsMenuelog() const;

  TSimpleMask FSimplemask{"FIBUEXPO", "POSTVERS"};
  TMandantenTabelle FMandanten{MandantenFelder()};
  std::string FVerzVorgabe;
  std::string FVerzExport;
  std::string FDateiName;
  std::string FDateiName2;
  std::string FIDNummer;
  std::string FExportFormat;
  bool FImportSelf = true;
  bool FVerzLeeren = false;
  std::string FAbrNr;
  int FHoechstdauer = 30 * 60;

  datevpost::TVorlauf FVorlauf;
  TTrennZeile FZeile{';', TAnfuehrung::Immer};
  std::unique_ptr<TAnsiTextFile> FExportFile;
  std::vector<std::string> FDamoIni;  // lines of the settings file of the open run
  bool FZeileFehlt = false;
  // Published but not converted yet; the converter runs on them.
  bool FUmwandlungOffen = false;
  // Dispatch files converted during this program run: the emptying never takes them.
  std::set<std::string> FUmgewandelt;
};
