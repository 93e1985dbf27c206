// The freely laid-out ASCII file: the exporter collects the bookings of a run and hands
// them row by row to the suite's column-export dialog, which writes the file in the
// layout the person made. The file stays in a local directory or goes to an FTP server,
// optionally with a backup copy.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/SerBrief.h"
#include "export/fibuexportclass.h"
#include "formats/ascii/AsciiBuchungen.h"
#include "formats/ascii/AsciiSpalten.h"
#include "suite/SimpleMask.h"
#include "suite/Types.h"

namespace ascii {

// One client of the suite's client list and whether the profile exports it.
struct TMandInfo {
  TIntPair GepNr;
  std::string Name;
  std::string KurzName;
  bool Aktiv = false;
};

using TFibu_Ascii_Steuer = std::array<std::string, CQTX_FibuExport_Steuer_Anzahl>;

// The settings keys of the twelve tax keys, by tax kind.
extern const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> CSteuerSchluessel;

// The column-export dialog of the ASCII list with its 36 columns, the own ones under the
// given headings; without rows until a run hands them over.
std::unique_ptr<TfrmSerBrief> AsciiSpaltenDialog(const TEigenListe& eigen);

class TFibuExporter_Ascii : public TFibuExporter {
 public:
  static constexpr const char* CName = "ASCII";
  static constexpr const char* CKennung = "ASCII";
  static constexpr const char* CListenKey = "SERBASCI";

  TFibuExporter_Ascii();
  ~TFibuExporter_Ascii() override;

  std::string_view ClassName() const override { return "TFibuExporter_Ascii"; }

  bool Config_Load(const std::string& ProfilName) override;
  void Config_Save(const std::string& ProfilName) override;
  bool Config_Load_Dialog() override;
  bool Config_Save_Dialog() override;
  void LoadSaveProps() override;
  void Resources_Create() override;
  void Resources_Destroy() override;
  void FilesClear() override;
  void Properties2Config() override;
  void Config2Properties() override;
  void Lade_Einstellungen_Alt() override;
  std::string GetMeldung() override;
  std::string GetDateiName() override;
  std::string GetExportPfad() override { return FVerzExport; }
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                         const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) override;
  bool Export_Fibu_Ende() override;
  std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) override;
  bool EinstellungenVorhanden() override;
  bool Profil_Geeignet(TIntPair AMandant) override;

  // --- the settings, as the settings form edits them ---
  std::vector<TMandInfo>& Mandanten() { return FMandanten; }
  TFibu_Ascii_Steuer& SteuerSchl() { return FSteuerSchl; }
  TEigenListe& Eigen() { return FEigen; }
  void SetAutomatikkonten(bool value) { FAutomatikkonten = value; }
  void SetFrageBuchMonat(bool value) { FFrageBuchungsmonat = value; }
  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& value) { FVerzExport = value; }
  const std::string& DateiEndung() const { return FDateiEndung; }
  void SetDateiEndung(const std::string& value) { FDateiEndung = value; }
  TFibuExpMedium ExpMedium() const { return FExpMedium; }
  void SetExpMedium(TFibuExpMedium value) { FExpMedium = value; }
  const std::string& FTPFileName() const { return FFTPFileName; }
  void SetFTPFileName(const std::string& value) { FFTPFileName = value; }
  const std::string& FTPFileCnct() const { return FFTPFileCnct; }
  void SetFTPFileCnct(const std::string& value) { FFTPFileCnct = value; }
  const std::string& VerzBackup() const { return FVerzBackup; }
  void SetVerzBackup(const std::string& value) { FVerzBackup = value; }

  // --- what a run computed ---
  const std::string& ExpFilename() const { return FExpFilename; }
  const std::string& TmpFilename() const { return FTmpFilename; }
  bool FTPUpLoadErfolgreich() const { return FFTPUpLoadErfolgreich; }
  // The dialog of the current run (none before the first Export_Fibu_Ende).
  TfrmSerBrief* SerBrief() const { return FSerB.get(); }

 protected:
  bool EigenerConfigSchluessel(const std::string& key) const override;

 private:
  static const TEinstellungsTabelle<TFibuExporter_Ascii>& Einstellungen();
  void LeseMandanten(bool alleAktiv);
  void SetExportFileAndDir();
  // Creates the dialog with the columns and callbacks of this exporter.
  void SERBRowDataDefine();
  bool FTPUpload();
  std::string MandantKurzName(TIntPair firma) const;

  TSimpleMask FSimplemask{"FIBUEXPO", CKennung};
  std::unique_ptr<TfrmSerBrief> FSerB;
  TAsciiBuchungen FDaten;
  std::ptrdiff_t FAktZeile = -1;
  std::string FDateiName;
  bool FMandantenLesbar = false;  // the client list is read between the resources' creation and release
  std::vector<TMandInfo> FMandanten;
  std::string FExpFilename;
  TFibu_Ascii_Steuer FSteuerSchl;
  TEigenListe FEigen;
  std::string FVerzExport;
  std::string FDateiEndung;
  TFibuExpMedium FExpMedium = femDisc;
  std::string FFTPFileName;
  std::string FFTPFileCnct;
  std::string FVerzBackup;
  bool Abort = false;
  std::string FTmpFilename;
  std::string FLogFile;
  bool FFTPUpLoadErfolgreich = false;
  std::string FMeldungBackUp;
  // The written file as the dialog left it (its temporary name while held back).
  std::string FGeschriebenPfad;
};

}  // namespace ascii
