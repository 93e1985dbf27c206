// The HIS booking file: one semicolon-separated "BUCH" line per booking, built in a
// temporary file that is moved into the export directory or uploaded to an FTP target.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/fibuexportclass.h"
#include "formats/his/HisZeile.h"
#include "suite/Types.h"

class TAnsiTextFile;

namespace his {

// One client of the suite's client list and whether the profile serves it.
struct TMandInfo {
  TIntPair GepNr;
  std::string Name;
  bool Aktiv = false;
};

}  // namespace his

class TFibuExporter_HIS : public TFibuExporter {
 public:
  static constexpr const char* CName = "HIS-Fibu-Format";
  static constexpr const char* CKennung = "HIS";
  static constexpr int CSachKtoLngMin = 4;
  static constexpr int CSachKtoLngMax = 20;
  using TMandInfo = his::TMandInfo;

  TFibuExporter_HIS();
  ~TFibuExporter_HIS() override;

  std::string_view ClassName() const override { return "TFibuExporter_HIS"; }

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
  std::unique_ptr<IExportRegeln> Importregeln(TIntPair AMandant) const override;

  // The defaults of an empty store: disc, no paths, length 4, no rule, every client active.
  void Einstellungen_Init();
  int GetMandantIndex(TIntPair AGepNr) const;
  void SetMandantenDaten(TIntPair AGepNr, bool AAktiv);
  const std::vector<TMandInfo>& Mandanten() const { return FMandanten; }

  TFibuExpMedium ExportMedium() const { return FExportMedium; }
  void SetExportMedium(TFibuExpMedium value) { FExportMedium = value; }
  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& value) { FVerzExport = value; }
  const std::string& VerzExportFTP() const { return FVerzExportFTP; }
  void SetVerzExportFTP(const std::string& value) { FVerzExportFTP = value; }
  int SachKtoLng() const { return FSachKtoLng; }
  void SetSachKtoLng(int value);
  const std::string& FormatString() const { return FFormatString; }
  his::TSonderregeln Sonderregeln() const;
  void SetSonderregeln(const his::TSonderregeln& value);
  // The last move or upload of a finished file failed.
  bool FehlerUmbenennen() const { return FFehlerUmbennenen; }

 private:
  static const TEinstellungsTabelle<TFibuExporter_HIS>& Einstellungen();
  void LeseMandanten();
  // Where a finished file goes on disc: the export directory, its test folder for a test
  // export; for FTP the local folder of uploads (directory 16).
  std::string Zielverzeichnis() const;
  // Completes the open file into the export directory; false when it cannot go there.
  bool Ablegen();
  // Uploads the open file; false when the upload failed.
  bool Hochladen();

  int FLfdNummer = 0;
  bool FFehlerUmbennenen = false;
  std::string FFormatString = "%.4d";
  bool FKontenDrehen = false;
  int FKtoMin = 0;
  int FKtoMax = 0;
  bool FSonderlogikGS = false;
  int FGSKtoMin = 0;
  int FGSKtoMax = 0;
  bool FSonderlogikKD = false;
  int FKDKtoMin = 0;
  int FKDKtoMax = 0;
  bool FSonderKDDreh = false;
  std::vector<TMandInfo> FMandanten;
  TFibuExpMedium FExportMedium = femDisc;
  std::string FExportMediumText;  // as stored: "FTP" or "DISC"
  std::string FVerzExport;
  std::string FVerzExportFTP;
  int FSachKtoLng = 4;
  TStringList FErzeugteDateien;
  std::string FExportfilename;  // without directory
  std::string FZielPfad;        // the open file's final name
  std::unique_ptr<TAnsiTextFile> FStreamWriter;
  std::unique_ptr<his::THisZeile> FZeile;
  bool FZeileFehlt = false;
};
