// The abstract base of every export format: the protocol through which the export run
// drives a format, the flags through which a format tells the run what it needs, and
// the format's settings kept as named profiles in the suite's form store.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/BuchungsAnreicherung.h"
#include "export/ExportFaehigkeiten.h"
#include "export/ExportKontext.h"
#include "export/ExportRecords.h"
#include "export/FibuExporterEdit.h"
#include "export/GuardedObject.h"
#include "suite/DateiFreigaben.h"
#include "suite/QTXFormStore.h"
#include "suite/Types.h"

class TAnsiTextFile;

using TStringList = std::vector<std::string>;

class IExportRegeln;

enum TVEXA_ExportProfil_FilialenWahl : int {
  epfwAlleFilialen = 0,
  epfwSelektierteFilialen = 1,
};

// The kind of tax whose key Get_Steuerschluessel returns.
enum TQTX_FibuExport_Steuer : int {
  CQTX_FibuExport_Ust_Reduz,
  CQTX_FibuExport_Ust_Speziell,
  CQTX_FibuExport_Ust_Normal,
  CQTX_FibuExport_Ust_Reduz_Alt,
  CQTX_FibuExport_Ust_Normal_Alt,
  CQTX_FibuExport_Vst_Reduz,
  CQTX_FibuExport_Vst_Speziell,
  CQTX_FibuExport_Vst_Normal,
  CQTX_FibuExport_Vst_Reduz_Alt,
  CQTX_FibuExport_Vst_Normal_Alt,
  CQTX_FibuExport_Ust_EG,
  CQTX_FibuExport_Vst_Ohne,
};
inline constexpr int CQTX_FibuExport_Steuer_Anzahl = 12;

// Delivery medium of the formats that can also send their file by FTP.
enum TFibuExpMedium : int { femDisc, femFTP };

class TFibuExporter : public TGuardedObject {
 public:
  // Index of the profile entries in the form store.
  static constexpr const char* CProfilIndex = "0";

  // Lines of the special-account assignment list of the settings from before profiles.
  using TSpezKontenQuelle = std::function<TStringList()>;
  // The data module installs its list here; without one the fallback list is empty.
  static void SetSpezKontenQuelle(TSpezKontenQuelle quelle);

  TFibuExporter();
  ~TFibuExporter() override;
  TFibuExporter(const TFibuExporter&) = delete;
  TFibuExporter& operator=(const TFibuExporter&) = delete;

  std::string_view ClassName() const override { return "TFibuExporter"; }

  // Clears the flags, creates the resources and loads the default configuration.
  void Init();
  // Writes the configuration back under the current profile name and frees the
  // resources.
  void Done();
  // Switches to the named profile; false when it could not be loaded.
  bool Lade_Config(const std::string& ProfilName);

  // Settings of the current profile as KEY=VALUE lines, and their store.
  TQTXStrings strConfig;
  TQTXFormStore fmsConfig{"strConfig.Items"};

  // --- properties ---
  bool Initialized() const { return FInitialized; }
  std::string Meldung() { return GetMeldung(); }
  std::string DateiName() { return GetDateiName(); }
  std::string DateiName2() { return GetDateiName2(); }
  TStringList DateiListe() { return GetDateiListe(); }
  std::string ExportPfad() { return GetExportPfad(); }
  bool Automatikkonten() const { return FAutomatikkonten; }
  bool NachDatumSort() const { return FNachDatumSortieren; }
  bool NachFilialeSort() const { return FNachFilialeSortieren; }
  bool DatevZusatz() const { return FDatevZusatz; }
  bool BMDZusatz() const { return FBMDZusatz; }
  bool ASCIIZusatz() const { return FASCIIZusatz; }
  bool AbacusZusatz() const { return FAbacusZusatz; }
  bool FrageBuchMonat() const { return FFrageBuchungsmonat; }
  bool KBInBelegnummer() const { return FKBInBelegnummer; }
  bool Zahlungsreferenz() const { return FZahlungsreferenz; }
  void SetZahlungsreferenz(bool value) { FZahlungsreferenz = value; }
  bool ExportOrderID() const { return FExportOrderID; }
  void SetExportOrderID(bool value) { FExportOrderID = value; }
  bool ExportMonatlich() const { return FExportMonatlich; }
  void SetExportMonatlich(bool value) { FExportMonatlich = value; }
  bool ExportTageweise() const { return FExportTageweise; }
  void SetExportTageweise(bool value) { FExportTageweise = value; }
  TVEXA_ExportProfil_FilialenWahl FilialenWahl() const { return FFilialenWahl; }
  void SetFilialenWahl(TVEXA_ExportProfil_FilialenWahl value) { FFilialenWahl = value; }
  const TStringList& Filialen() const { return FFilialen; }
  void SetFilialen(const TStringList& value) { FFilialen = value; }
  const TStringList& SpezKonten() const { return FSpezKonten; }
  void SetSpezKonten(const TStringList& value) { FSpezKonten = value; }
  const std::string& CfgUsername() const { return FCfgUsername; }
  const std::string& CfgUserText() const { return FCfgUserText; }
  int MaxLfdNr() { return GetMaxLfdNr(); }
  // What the run gathers for this format; by default derived from the flags above.
  virtual TExportFaehigkeiten Faehigkeiten() const;

  // --- virtual operations, in their fixed order ---
  // Loads the named profile (blank: the default entry) into strConfig; false when a
  // named profile does not exist.
  virtual bool Config_Load(const std::string& ProfilName);
  // Stores strConfig under the profile name (blank: the default entry).
  virtual void Config_Save(const std::string& ProfilName);
  // Sets the store's form name; formats call UseProfileMask with their mask.
  virtual void LoadSaveProps() = 0;
  virtual void Resources_Create();
  virtual void Resources_Destroy();
  virtual void Resources_InitF(const std::string& ProfilName);
  virtual void Resources_DoneF(const std::string& ProfilName);
  virtual void FilesClear();
  virtual void Properties2Config();
  virtual void Config2Properties();
  virtual void Lade_Einstellungen_Alt();
  virtual std::string GetMeldung();
  virtual std::string GetDateiName();
  virtual std::string GetDateiName2();
  virtual TStringList GetDateiListe();
  virtual std::string GetExportPfad();
  virtual int GetMaxLfdNr();
  virtual void SetMaxLfdNr(int Value);
  // The dialogs return true when the person completed them.
  virtual bool Config_Delete_Dialog();
  virtual bool Config_Load_Dialog();
  virtual bool Config_Save_Dialog();
  virtual bool Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) = 0;
  virtual bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) = 0;
  virtual bool Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                 const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) = 0;
  virtual bool Export_Fibu_Ende() = 0;
  virtual std::string Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer);
  virtual bool EinstellungenVorhanden() = 0;
  virtual int Get_Anzahl_Profile();
  // Fills the three lists in parallel (names, descriptions, store indices); on a
  // failure they stay as they were.
  virtual void Get_Profile(TStringList& ANamen, TStringList& ABezeichnungen,
                           TStringList& AIndizes);
  virtual bool Profil_Geeignet(TIntPair AMandant) = 0;
  // The target system's import rules for the check before an export (export/ExportRegeln.h);
  // null when the format knows none. Made for one check of one client's export.
  virtual std::unique_ptr<IExportRegeln> Importregeln(TIntPair AMandant) const;
  // The files a real export of this pass will leave, with their folders, so that the
  // person confirming it sees them; empty when the names are only known while writing
  // (a time in the name, a file chosen in a dialog, an upload). Never throws.
  virtual std::vector<std::string> Zieldateien(const TFibuExportFileInfo& AFileInfo);

  // A real export holds its finished files back under their temporary names: they get
  // their final names only once the bookings are marked and the journal is written.
  void SetDateienZurueckhalten(bool zurueckhalten);
  // The files held back since the last SetDateienZurueckhalten, handed to the caller.
  TFertigeDateien ZurueckgehalteneDateien() { return std::move(FZurueckgehalten); }
  bool DateienZurueckgehalten() const { return FDateienZurueckhalten; }

  // Hands the files of a real export to a destination beyond this machine (an upload):
  // runs what the format noted with AblieferungVormerken, in order. The run calls it once
  // the bookings are marked, before the settlement is committed, so that a file leaves
  // only when no other run can take its bookings any more. False (with the reason in
  // fehler) undoes the settlement.
  bool Abliefern(std::string& fehler);
  using TAblieferung = std::function<bool(std::string& fehler)>;

  // The run calls this once the files it held back have their final names, after the
  // settlement is committed. A format that hands its file on to another program does it
  // here, so that nothing leaves the program before its bookings are filed.
  virtual void DateienAbgelegt() {}

  // A test export writes into the subfolder "Test" of the export directory, so that its
  // files are never imported by mistake nor met by a later real export of the same name.
  void SetTestexport(bool test) { FTestexport = test; }
  bool Testexport() const { return FTestexport; }
  static constexpr const char* TestUnterordner = "Test";
  // The folder this export writes into below verzeichnis: itself, or its "Test"
  // subfolder for a test export; empty stays empty.
  std::string Ausgabeordner(const std::string& verzeichnis) const;

  // What the format asks of the suite; the running suite's unless a caller gave another.
  IExportKontext& Kontext() const { return *FKontext; }
  void SetKontext(std::shared_ptr<IExportKontext> kontext) { FKontext = std::move(kontext); }

 protected:
  // Completes the written parts of one export file: publishes them at once (all or none),
  // or holds them back for the run. Returns their final names; throws as
  // TAnsiTextFile::Commit does.
  std::vector<std::string> DateienFertigstellen(std::vector<std::unique_ptr<TAnsiTextFile>>& dateien);
  // A delivery of a real export for Abliefern; dropped unrun when the next run begins.
  void AblieferungVormerken(TAblieferung ablieferung);

  // For LoadSaveProps: program "SALDIX", the format's mask, the program's language.
  void UseProfileMask(const std::string& mask);

  // The load and save pattern of the formats: base load, then either the settings from
  // before profiles (when the loaded configuration is empty and the format has them)
  // or Config2Properties; nothing is taken over when the load failed.
  bool LoadThenApply(const std::string& ProfilName, bool legacyFallback);
  bool LoadDialogThenApply();
  // Saving writes the format's own keys fresh and keeps every other line of the entry:
  // formats that share a profile (DATEV 510 and 700) each own only their part of it.
  void ApplyThenSave(const std::string& ProfilName);
  bool ApplyThenSaveDialog();

  // Keys of the format that Properties2Config writes only for some items (per client,
  // per additional field); a save drops the ones it did not write. Keys it writes on
  // every save need not be named here.
  virtual bool EigenerConfigSchluessel(const std::string& key) const;

  bool FInitialized = false;
  std::string FCfgUsername;
  std::string FCfgUserText;
  TVEXA_ExportProfil_FilialenWahl FFilialenWahl = epfwAlleFilialen;
  TStringList FFilialen;
  TStringList FSpezKonten;
  bool FAutomatikkonten = false;
  bool FNachDatumSortieren = false;
  bool FNachFilialeSortieren = false;
  bool FDatevZusatz = false;
  bool FAbacusZusatz = false;
  bool FKBInBelegnummer = false;
  bool FBMDZusatz = false;
  bool FZahlungsreferenz = false;
  bool FExportOrderID = false;
  bool FASCIIZusatz = false;
  bool FExportMonatlich = false;
  bool FExportTageweise = false;
  bool FFrageBuchungsmonat = false;

 private:
  void ClearFlags();
  // Appends the lines of quelle whose key this save did not write and does not own.
  void FremdeZeilenBehalten(const TQTXStrings& quelle);

  // The entry strConfig was loaded from ("" the default entry); none while nothing
  // could be loaded. Done writes back there only, so that neither a failed load nor
  // loading the default under a profile's name overwrites a stored profile.
  std::optional<std::string> FGeladenerEintrag;
  bool FDateienZurueckhalten = false;
  bool FTestexport = false;
  TFertigeDateien FZurueckgehalten;
  std::vector<TAblieferung> FAblieferungen;
  std::shared_ptr<IExportKontext> FKontext = SuiteExportKontext();
};

// Creates an exporter of one format (the catalogue's class reference).
using TFibuExporterclass = std::function<std::unique_ptr<TFibuExporter>()>;

template <typename TExporter>
TFibuExporterclass ExporterClassOf() {
  return [] { return std::make_unique<TExporter>(); };
}

// One row of the exporter catalogue.
struct TFibuExpRegInfo {
  TFibuExporterclass TypKlasse;
  std::string Name;
  std::string Kennung;
  TFibuExporterEditClass EditKlasse;
  // Fills the additional items of each booking; empty when the format has none.
  TBuchungsAnreicherungKlasse Anreicherung = {};
  // Leaves a ready profile writing into the given directory (the demo suite); false
  // when it could not be stored. Empty when the format has no demo profile.
  std::function<bool(const std::string& exportDir)> DemoProfil = {};
};
