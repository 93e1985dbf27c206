// The DATEV booking batch ("EXTF", header version 510): one file per client and
// settlement (and month), built in a temporary file and renamed when complete.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "export/fibuexportclass.h"
#include "formats/datev/DatevZeile.h"
#include "suite/DateTime.h"
#include "suite/SimpleMask.h"
#include "suite/Types.h"

class TAnsiTextFile;

// Several formats keep a client table entry of this name with their own fields: each
// format's records live in its namespace, so that no two layouts share one name.
namespace datev {

// One client of the suite's client list with its DATEV settings.
struct TMandInfo {
  int KurzNr = 0;
  TIntPair GepNr;
  std::string Name;
  int Berater = 0;
  int Mandant = 0;
  std::string Benutzer;
  int BeginnWJ = 1;
  std::string KurzName;
  bool Aktiv = false;
  bool Festschreiben = true;
};

// Which content one of the 28 additional fields carries.
struct TSX_DatevExportInfos {
  std::string FeldKennung;
  std::string FeldBezeichnung;
  std::string InhaltKennung;  // empty: no content
  std::string InhaltBezeichnung;
};

}  // namespace datev

class TFibuExporter_Datev : public TFibuExporter {
 public:
  static constexpr const char* CName = "DATEV (Datevformat 1.4 / 510)";
  static constexpr const char* CKennung = "DATEV1.4";
  using TMandInfo = datev::TMandInfo;
  using TSX_DatevExportInfos = datev::TSX_DatevExportInfos;

  TFibuExporter_Datev();
  ~TFibuExporter_Datev() override;

  std::string_view ClassName() const override { return "TFibuExporter_Datev"; }

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
  std::vector<std::string> Zieldateien(const TFibuExportFileInfo& AFileInfo) override;

  int GetMandantIndex(TIntPair AGepNr) const;
  void SetMandantenDaten(TIntPair AGepNr, int ABerater, bool AFestschreiben, bool AAktiv,
                         const std::string& ABenutzer, int AMandant);
  void ZusatzFelderDatenClear();
  void SetZusatzFelderDaten(const std::string& AFeldKennung, const std::string& AInhaltKennung);
  void SetZusatzFelderDaten(const std::string& AFeldKennung, const std::string& AFeldBez,
                            const std::string& AInhaltBez, const std::string& AInhaltKennung);
  // The temporary file of the open export file; empty while none is open.
  std::string ExportFileNameTMP() const;

  const std::vector<TMandInfo>& Mandanten() const { return FMandanten; }
  const std::vector<TSX_DatevExportInfos>& ZusatzFelderListe() const {
    return FZusatzFelderListe;
  }
  const std::string& VerzExport() const { return FVerzExport; }
  void SetVerzExport(const std::string& value) { FVerzExport = value; }
  int SachKtoLng() const { return FSachKtoLng; }
  void SetSachKtoLng(int value) { FSachKtoLng = value; }
  // The plain profile settings, each declared once; the form shows its switches.
  static const TEinstellungsTabelle<TFibuExporter_Datev>& Einstellungen();
  static constexpr const char* CZahlungsreferenz = "ZAHLREFER";
  // Where the creation time of the header comes from (the suite clock; fixed in tests).

 protected:
  bool EigenerConfigSchluessel(const std::string& key) const override;
  virtual const datev::TDatevVersion& Version() const { return datev::CDatev510; }
  // The difference whose sign names the side of the account.
  virtual long double Differenz(const TFibuExportBuchInfo& ABuchInfo) const;

 private:
  // The plain profile settings, each declared once.
  void LeseMandanten(bool alteEinstellungen);
  void LeseZusatzFelder();
  // Opens the temporary file of batch FTeil and writes its header and column line. A
  // temporary file of its own name in the suite's directory for temporary export files,
  // so that two program instances never share one.
  void StapelBeginnen();
  // The file of the n-th batch: the file name, with "_n" before ".csv" from the second on.
  std::string TeilDateiname(int teil) const;
  static std::string Dateiname(const TMandInfo& mandant, const TFibuExportFileInfo& AFileInfo);
  TDateTime BeginnWirtschaftsjahr(const TMandInfo& mandant, TDateTime datumVon) const;

  TSimpleMask FSimplemask{"FIBUEXPO", CKennung};
  int FLfdNummer = 0;
  // The client list is read only between Resources_Create and Resources_Destroy.
  bool FMandantenLesbar = false;
  std::vector<TMandInfo> FMandanten;
  std::string FVerzExport;
  int FSachKtoLng = 4;
  std::string FFestschreiben = "0";
  std::vector<TSX_DatevExportInfos> FZusatzFelderListe;
  TStringList FErzeugteDateien;
  std::string FExportfilename;
  std::unique_ptr<TAnsiTextFile> FStreamWriter;
  // Full batches of the open file, committed together with the last one.
  std::vector<std::unique_ptr<TAnsiTextFile>> FFertigeTeile;
  datev::TDatevKopfDaten FKopf;
  int FTeil = 1;
  std::size_t FBuchungszeilen = 0;  // booking lines of the open batch
  datev::TDatevZeile FZeile;
  // A booking line of the open file could not be written: the file must not count.
  bool FZeileFehlt = false;
  // Characters without a Windows-1252 form in the files since the last GetDateiListe.
  std::size_t FErsetzteZeichen = 0;
};
