// The Abacus export: AbaConnect XML for the general ledger and, with the debtor interface,
// a documents file and a customers file for the bookings of online orders; single or
// collective bookings; saved into a directory or uploaded to a connection of the suite.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/fibuexportclass.h"
#include "formats/abacus/AbacusSammler.h"
#include "formats/abacus/AbacusXml.h"
#include "formats/abacus/SaldixData_abacus.h"
#include "suite/Types.h"

class TWHRechner;

namespace abacus {

class TAbacusDatei;

// One client of the suite's client list with its Abacus settings.
struct TMandInfo {
  int KurzNr = 0;
  TIntPair GepNr;
  std::string Name;
  std::string Land;
  int Mandant = 0;  // the Abacus client number; 0 = not set
  bool Aktiv = false;
};

class TFibuExporter_Abacus : public TFibuExporter {
 public:
  static constexpr const char* CName = "Abacus (XML 2020)";
  static constexpr const char* CKennung = "Abacus";
  static constexpr int kSteuerAnzahl = CQTX_FibuExport_Steuer_Anzahl;

  TFibuExporter_Abacus();
  ~TFibuExporter_Abacus() override;

  std::string_view ClassName() const override { return "TFibuExporter_Abacus"; }

  bool Config_Load(const std::string& ProfilName) override;
  void Config_Save(const std::string& ProfilName) override;
  bool Config_Load_Dialog() override;
  bool Config_Save_Dialog() override;
  void LoadSaveProps() override;
  void Resources_Create() override;
  void Resources_Destroy() override;
  void Properties2Config() override;
  void Config2Properties() override;
  std::string GetMeldung() override;
  std::string GetDateiName() override;
  TStringList GetDateiListe() override;
  std::string GetExportPfad() override;
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                         const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) override;
  bool Export_Fibu_Ende() override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  bool Profil_Geeignet(TIntPair AMandant) override;
  std::unique_ptr<IExportRegeln> Importregeln(TIntPair AMandant) const override;
  std::vector<std::string> Zieldateien(const TFibuExportFileInfo& AFileInfo) override;

  // The defaults of a profile never saved.
  void Einstellungen_Init();
  int GetMandantIndex(TIntPair AGepNr) const;
  void SetMandantenDaten(TIntPair AGepNr, int AMandant, bool AAktiv);
  void SetSteuerschluessel(TQTX_FibuExport_Steuer ASteuer, const std::string& code);

  // --- settings ---
  const std::vector<TMandInfo>& Mandanten() const { return FMandanten; }
  TFibuExpMedium ExportMedium() const { return FExportMedium; }
  void SetExportMedium(TFibuExpMedium m) { FExportMedium = m; }
  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& v) { FVerzExport = v; }
  const std::string& VerzExportFTP() const { return FVerzExportFTP; }
  void SetVerzExportFTP(const std::string& v) { FVerzExportFTP = v; }
  TFibuExpMedium ExportMediumDebi() const { return FExportMediumDebi; }
  void SetExportMediumDebi(TFibuExpMedium m) { FExportMediumDebi = m; }
  const std::string& VerzExportDebi() const { return FVerzExportDebi; }
  void SetVerzExportDebi(const std::string& v) { FVerzExportDebi = v; }
  const std::string& VerzExportFTPDebi() const { return FVerzExportFTPDebi; }
  void SetVerzExportFTPDebi(const std::string& v) { FVerzExportFTPDebi = v; }
  bool AbrechArtVereinnahmt() const { return FAbrechArt_vereinnahmt; }
  void SetAbrechArtVereinnahmt(bool v) { FAbrechArt_vereinnahmt = v; }
  bool MandantExport() const { return FMandantExport; }
  void SetMandantExport(bool v) { FMandantExport = v; }
  bool Sammelbuchung() const { return FSammelbuchung; }
  void SetSammelbuchung(bool v) { FSammelbuchung = v; }
  bool MitBelegnummer() const { return FMitBelegnummer; }
  void SetMitBelegnummer(bool v) { FMitBelegnummer = v; }
  int KostKtoMin() const { return FKostKtoMin; }
  int KostKtoMax() const { return FKostKtoMax; }
  void SetKostKto(int von, int bis) { FKostKtoMin = von; FKostKtoMax = bis; }
  bool MitDebitoren() const { return FMitDebitoren; }
  void SetMitDebitoren(bool v) { FMitDebitoren = v; }
  int KundenNrMin() const { return FKundenNrMin; }
  int KundenNrMax() const { return FKundenNrMax; }
  void SetKundenNr(int von, int bis) { FKundenNrMin = von; FKundenNrMax = bis; }
  void SetAutomatikkonten(bool v) { FAutomatikkonten = v; }

 protected:
  bool EigenerConfigSchluessel(const std::string& key) const override;

 private:
  static std::string DateinameFibu(int abacusMandant, const TFibuExportFileInfo& AFileInfo);
  static const TEinstellungsTabelle<TFibuExporter_Abacus>& Einstellungen();
  void LeseMandanten();
  void Zuruecksetzen();
  std::string Verzeichnis(TFibuExpMedium medium, const std::string& verz) const;
  bool VerzeichnisPruefen(const std::string& verzeichnis, const char* art);
  TAbacusDatei& FibuDatei();
  TAbacusDatei& BelegeDatei();
  TAbacusDatei& KundenDatei();
  std::unique_ptr<TAbacusDatei> NeueDatei(const std::string& name, bool debi, const char* application,
                                          const char* id);
  void EinzelnSchreiben(const TFibuExportBuchInfo& buchung);
  void SammlerSchreiben();
  void DebitorenSchreiben();
  // The customer of a debtor collective: its Abacus and suite customer numbers.
  std::pair<int, int> Kunde(const TFibuExportBuchInfo& erste);
  void Speichern();
  // Uploads one finished file; a failure is registered and the local file named instead.
  void Hochladen(const std::string& lokal, const std::string& ziel, const std::string& verbindung,
                 bool lokalLoeschen);
  TFibuOptionen FibuOptionen() const;

  // settings
  bool FMandantenLesbar = false;  // the client list is read while the resources exist
  std::unique_ptr<TSaldixData_abacus> FAbacusData;
  TFibuExpMedium FExportMedium = femDisc;
  std::string FVerzExport;
  std::string FVerzExportFTP;
  TFibuExpMedium FExportMediumDebi = femDisc;
  std::string FVerzExportDebi;
  std::string FVerzExportFTPDebi;
  std::vector<TMandInfo> FMandanten;
  bool FAbrechArt_vereinnahmt = false;
  bool FMandantExport = false;
  bool FSammelbuchung = false;
  bool FMitBelegnummer = false;
  int FKostKtoMin = 0;
  int FKostKtoMax = 0;
  bool FMitDebitoren = false;
  int FKundenNrMin = 0;
  int FKundenNrMax = 0;
  std::array<std::string, kSteuerAnzahl> FSteuerSchl;

  // one export
  TSammelListe FSammelList;
  TSammelListe FSammelList_Debi;
  std::map<int, int> FKundenList;  // Abacus number written -> suite customer number
  std::unique_ptr<TAbacusDatei> FXMLFibu, FXMLBelege, FXMLKunden;
  std::string FDateiNameFibu, FDateiNameBelege, FDateiNameKunden;
  TStringList FErzeugteDateien;
  int FAbacusMandant = 0;
  std::string FMandantLand;
  TIntPair FMandantGepNr;
  bool FOffen = false;   // a file was started and not yet completed
  bool FFehler = false;  // a booking could not be taken: the export must not count
  std::unique_ptr<TWHRechner> FRechner;
  std::unique_ptr<TAbacusFormat> FFormat;
  TFibuOptionen FOptionen;
};

// The catalogue row of this format.
TFibuExpRegInfo RegInfo_Abacus();

}  // namespace abacus
