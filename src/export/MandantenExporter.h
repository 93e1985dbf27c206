// The common ground of the formats that write one file per run for the clients ticked in
// their client table (BMD, DVO, SBS): the export directory and the table in the profile,
// the client of the run, the file built under a temporary name and completed with the
// run. A booking that could not be written keeps the whole file from being completed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/MandantenTabelle.h"
#include "export/fibuexportclass.h"
#include "suite/SimpleMask.h"

class TAnsiTextFile;

class TMandantenExporter : public TFibuExporter {
 public:
  // felder: the format's per-client fields; maske: its mask in the profile store and in
  // the settings from before profiles.
  TMandantenExporter(std::vector<TMandantenFeld> felder, std::string maske);
  ~TMandantenExporter() override;

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
  std::string GetExportPfad() override { return FVerzExport; }
  bool Profil_Geeignet(TIntPair AMandant) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) final;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                         const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) final;
  bool Export_Fibu_Ende() final;
  std::vector<std::string> Zieldateien(const TFibuExportFileInfo& AFileInfo) override;

  const TMandantenTabelle& Mandanten() const { return FMandanten; }
  void SetMandantenDaten(TIntPair AGepNr, bool AAktiv, const std::vector<std::string>& AWerte) {
    FMandanten.SetMandantenDaten(AGepNr, AAktiv, AWerte);
  }
  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& value) { FVerzExport = value; }

 protected:
  // The inherited switches the format sets on every load.
  virtual void SchalterSetzen() = 0;
  // The format's own plain settings besides the export directory.
  virtual void EigeneEinstellungenLesen(const TQTXStrings& /*config*/) {}
  virtual void EigeneEinstellungenSchreiben(TQTXStrings& /*config*/) const {}
  virtual void EigeneEinstellungenAltLesen(const TSimpleMask& /*maske*/) {}
  bool EigenerConfigSchluessel(const std::string& key) const override;

  // Directory set and the client table usable.
  bool GrundeinstellungenVorhanden() const;

  // The client of the run; throws when it is not in the table, not ticked, or the
  // settings are what the form would refuse.
  const TMandantenEintrag& MandantDesLaufs(TIntPair AFirma);
  // The file of a pass for the client, relative to the export directory.
  virtual std::string Dateiname(const TMandantenEintrag& mandant,
                                const TFibuExportFileInfo& AFileInfo) const = 0;
  // Opens the file of the run: the directory created (the "Test" subfolder for a test
  // export) and a temporary file for the name the format gives. Throws naming folder
  // and reason.
  void DateiOeffnen(const std::string& dateiname);
  TAnsiTextFile& Datei();

  // "Die ausgewählten Sätze wurden in die Datei", the file in quotes, "exportiert.": three
  // lines separated by CR.
  std::string DateiMeldung() const;

  // The format's part of the three steps; a throw marks the booking unwritten.
  virtual void Buchung(const TFibuExportBuchInfo& ABuchInfo) = 0;
  // Writes what closes the file before it is completed.
  virtual void DateiAbschluss() {}

  TSimpleMask FSimplemask;
  TMandantenTabelle FMandanten;
  std::string FVerzExport;
  std::string FDateiName;

 private:
  static const TEinstellungsTabelle<TMandantenExporter>& Einstellungen();

  std::string FMaske;
  std::unique_ptr<TAnsiTextFile> FDatei;
  bool FBuchungFehlt = false;
};
