// The RZA booking file: tab-separated documents combined from the bookings, with
// document numbers that run on from export to export.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "export/EinstellungsTabelle.h"
#include "export/fibuexportclass.h"
#include "formats/rza/RzaBeleg.h"

class TAnsiTextFile;

class TFibuExporter_RZA : public TFibuExporter {
 public:
  static constexpr const char* CName = "RZA Finanzbuchhaltung";
  static constexpr const char* CKennung = "RZA";

  TFibuExporter_RZA();
  ~TFibuExporter_RZA() override;

  std::string_view ClassName() const override { return "TFibuExporter_RZA"; }

  bool Config_Load(const std::string& ProfilName) override;
  void Config_Save(const std::string& ProfilName) override;
  bool Config_Load_Dialog() override;
  bool Config_Save_Dialog() override;
  void LoadSaveProps() override;
  void Resources_Destroy() override;
  void Properties2Config() override;
  void Config2Properties() override;
  std::string GetMeldung() override;
  std::string GetDateiName() override;
  TStringList GetDateiListe() override;
  std::string GetExportPfad() override;
  int GetMaxLfdNr() override;
  void SetMaxLfdNr(int Value) override;
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                         const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) override;
  bool Export_Fibu_Ende() override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  bool Profil_Geeignet(TIntPair AMandant) override;
  std::vector<std::string> Zieldateien(const TFibuExportFileInfo& AFileInfo) override;

  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& value) { FVerzExport = value; }
  void SetAutomatikkonten(bool value) { FAutomatikkonten = value; }
  void SetSteuerschluessel(TQTX_FibuExport_Steuer ASteuer, const std::string& schluessel);

  // The settings key of each tax kind that has one (the former reduced rates have none).
  struct TSteuerEinstellung {
    const char* Schluessel;
    TQTX_FibuExport_Steuer Steuer;
  };
  static const std::array<TSteuerEinstellung, 10>& SteuerEinstellungen();

 private:
  static std::string Dateiname(const TFibuExportFileInfo& AFileInfo);
  static const TEinstellungsTabelle<TFibuExporter_RZA>& Einstellungen();
  void SchreibeBeleg();

  std::string FVerzExport;
  std::string FDateiName;
  int FBelegNummer = 0;
  std::array<std::string, CQTX_FibuExport_Steuer_Anzahl> FSteuerSchl;
  std::unique_ptr<TAnsiTextFile> FExportDatei;
  rza::TRzaBeleg FBeleg;
  bool FBuchungFehlt = false;
  TStringList FErzeugteDateien;
};
