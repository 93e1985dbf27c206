#include "export/fibuexportclass.h"

#include <algorithm>
#include <set>

#include "export/ExportRegeln.h"
#include "suite/AnsiTextFile.h"
#include "suite/Files.h"
#include "suite/DateTime.h"
#include "suite/DelimitedText.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"

namespace {

// The base's own operations register under this name, whichever format runs them.
constexpr std::string_view kBase = "TFibuExporter";

constexpr const char* kFilialWahl = "FILIALWAHL";
constexpr const char* kFiliale = "FILIALE";
constexpr const char* kSpezKonten = "SPEZKTO";
constexpr const char* kAlleFilialen = "ALLEFILS";
constexpr const char* kSelektierteFilialen = "SELFILS";
constexpr const char* kNichtGefunden = "Could not find given configuration!";

TFibuExporter::TSpezKontenQuelle& SpezKontenQuelle() {
  static TFibuExporter::TSpezKontenQuelle quelle;
  return quelle;
}

TStringList SplitValue(const std::string& value) {
  return value.empty() ? TStringList{} : DelimitedText_Split(value);
}

std::string KeyOf(const std::string& line) { return line.substr(0, line.find('=')); }

}  // namespace

void TFibuExporter::SetSpezKontenQuelle(TSpezKontenQuelle quelle) {
  SpezKontenQuelle() = std::move(quelle);
}

TFibuExporter::TFibuExporter() = default;
TFibuExporter::~TFibuExporter() = default;

void TFibuExporter::ClearFlags() {
  for (bool* flag : {&FAutomatikkonten, &FNachDatumSortieren, &FNachFilialeSortieren,
                     &FDatevZusatz, &FAbacusZusatz, &FKBInBelegnummer, &FBMDZusatz,
                     &FZahlungsreferenz, &FExportOrderID, &FASCIIZusatz, &FExportMonatlich,
                     &FExportTageweise, &FFrageBuchungsmonat}) {
    *flag = false;
  }
}

TExportFaehigkeiten TFibuExporter::Faehigkeiten() const {
  using F = TExportFaehigkeit;
  return TExportFaehigkeiten()
      .Mit(F::BuchungsZusatz, FDatevZusatz)
      .Mit(F::LieferLand, FDatevZusatz)
      .Mit(F::SteuerUndHerkunft, FBMDZusatz || FAbacusZusatz)
      .Mit(F::Zahlungsbedingungen, FASCIIZusatz)
      .Mit(F::BelegIdent, FAbacusZusatz);
}

// --- life cycle ----------------------------------------------------------------------

void TFibuExporter::Init() {
  GuardIn(kBase, "Init", [&] {
    FInitialized = true;
    ClearFlags();
    FCfgUsername.clear();
    FCfgUserText.clear();
    FGeladenerEintrag.reset();
    Resources_Create();
    Resources_InitF(FCfgUsername);
  });
}

void TFibuExporter::Done() {
  const auto writeBackTo = FInitialized ? FGeladenerEintrag : std::nullopt;
  TeardownIn(kBase, "Done", [&] {
    FInitialized = false;
    if (writeBackTo) Resources_DoneF(*writeBackTo);
  });
  TeardownIn(kBase, "Done", [&] {
    FInitialized = false;
    Resources_Destroy();
  });
  QTXInfo().FehlerTerminate(Context(kBase, "Done"));
}

bool TFibuExporter::Lade_Config(const std::string& ProfilName) {
  return GuardIn(kBase, "Lade_Config", [&] {
    LoadSaveProps();
    return Config_Load(ProfilName);
  });
}

void TFibuExporter::UseProfileMask(const std::string& mask) {
  fmsConfig.SetFormName({"SALDIX", mask, QTXProgramm().GetSprache()});
}

// --- profiles ------------------------------------------------------------------------

bool TFibuExporter::Config_Load(const std::string& ProfilName) {
  return GuardIn(kBase, "Config_Load", [&] {
    const std::string name = Trim(ProfilName);
    if (name.empty()) {
      // Read into a copy so that a failing read leaves the current settings as they are.
      TQTXStrings loaded;
      if (fmsConfig.RestoreDefault(CProfilIndex, loaded)) strConfig = std::move(loaded);
      FGeladenerEintrag = "";
      return true;
    }
    const std::string upper = Utf8Upper(name);
    if (!fmsConfig.Exists(CProfilIndex, upper)) {
      const TDateTime now = qtx_Now();
      MenuLog_Append("Saldix Export", "Abbruch: Der eingegebene Profilname wurde nicht gefunden",
                     now, now);
      QTXInfo().FehlerRaise(Context(kBase, "Config_Load"), 0, {kNichtGefunden});
    }
    TQTXStrings loaded;
    std::string storedName, storedText;
    if (!fmsConfig.RestoreByName(CProfilIndex, upper, loaded, storedName, storedText)) {
      QTXInfo().FehlerRaise(Context(kBase, "Config_Load"), 0, {kNichtGefunden});
    }
    strConfig = std::move(loaded);
    FCfgUsername = std::move(storedName);
    FCfgUserText = std::move(storedText);
    FGeladenerEintrag = FCfgUsername;
    return true;
  });
}

void TFibuExporter::Config_Save(const std::string& ProfilName) {
  GuardIn(kBase, "Config_Save", [&] {
    const std::string name = Trim(ProfilName);
    const std::string upper = Utf8Upper(name);
    if (name.empty()) {
      fmsConfig.StoreDefault(CProfilIndex, strConfig);
    } else {
      // Saving the settings of a profile keeps the description it was given when named.
      std::string userText;
      for (const auto& entry : fmsConfig.List(CProfilIndex)) {
        if (entry.userName == upper) userText = entry.userText;
      }
      fmsConfig.StoreByName(CProfilIndex, upper, userText, strConfig);
    }
    if (upper == FCfgUsername) FGeladenerEintrag = upper;
  });
}

void TFibuExporter::Resources_Create() {
  TeardownIn(kBase, "Resources_Create", [&] {
    FFilialen.clear();
    FSpezKonten.clear();
  });
}

void TFibuExporter::Resources_Destroy() {
  TeardownIn(kBase, "Resources_Destroy", [&] { TStringList().swap(FFilialen); });
  TeardownIn(kBase, "Resources_Destroy", [&] { TStringList().swap(FSpezKonten); });
  QTXInfo().FehlerTerminate(Context(kBase, "Resources_Destroy"));
}

void TFibuExporter::Resources_InitF(const std::string& ProfilName) {
  GuardIn(kBase, "Resources_InitF", [&] {
    LoadSaveProps();
    Config_Load(ProfilName);
  });
}

void TFibuExporter::Resources_DoneF(const std::string& ProfilName) {
  GuardIn(kBase, "Resources_DoneF", [&] {
    LoadSaveProps();
    Config_Save(ProfilName);
  });
}

void TFibuExporter::FilesClear() {}

bool TFibuExporter::Abliefern(std::string& fehler) {
  auto ablieferungen = std::move(FAblieferungen);
  FAblieferungen.clear();
  for (auto& ablieferung : ablieferungen) {
    if (!ablieferung(fehler)) return false;
  }
  return true;
}

void TFibuExporter::AblieferungVormerken(TAblieferung ablieferung) {
  FAblieferungen.push_back(std::move(ablieferung));
}

void TFibuExporter::SetDateienZurueckhalten(bool zurueckhalten) {
  FDateienZurueckhalten = zurueckhalten;
  FZurueckgehalten.clear();  // a run that did not take them drops them
  FAblieferungen.clear();
}

std::vector<std::string> TFibuExporter::DateienFertigstellen(
    std::vector<std::unique_ptr<TAnsiTextFile>>& dateien) {
  TFertigeDateien fertig;
  std::vector<std::string> namen;
  for (auto& datei : dateien) {
    fertig.push_back(datei->Abschliessen());
    namen.push_back(datei->TargetPath());
  }
  if (FDateienZurueckhalten) {
    for (auto& datei : fertig) FZurueckgehalten.push_back(std::move(datei));
    return namen;
  }
  std::vector<std::string> veroeffentlicht;
  try {
    for (auto& datei : fertig) {
      datei->Veroeffentlichen();
      veroeffentlicht.push_back(datei->TargetPath());
    }
  } catch (...) {
    for (const auto& name : veroeffentlicht) Ensure_DeleteFile(name);
    throw;
  }
  return namen;
}

void TFibuExporter::Properties2Config() {
  GuardIn(kBase, "Properties2Config", [&] {
    strConfig.Items.clear();
    strConfig.SetValue(kFilialWahl, FFilialenWahl == epfwSelektierteFilialen
                                        ? kSelektierteFilialen
                                        : kAlleFilialen);
    strConfig.SetValue(kFiliale, DelimitedText_Join(FFilialen));
    strConfig.SetValue(kSpezKonten, DelimitedText_Join(FSpezKonten));
  });
}

void TFibuExporter::Config2Properties() {
  GuardIn(kBase, "Config2Properties", [&] {
    FFilialenWahl = strConfig.Value(kFilialWahl) == kSelektierteFilialen
                        ? epfwSelektierteFilialen
                        : epfwAlleFilialen;
    FFilialen = SplitValue(strConfig.Value(kFiliale));
    FSpezKonten = SplitValue(strConfig.Value(kSpezKonten));
  });
}

void TFibuExporter::Lade_Einstellungen_Alt() {
  GuardIn(kBase, "Lade_Einstellungen_Alt", [&] {
    FFilialenWahl = epfwAlleFilialen;
    FFilialen.clear();
    const auto& quelle = SpezKontenQuelle();
    FSpezKonten = quelle ? quelle() : TStringList{};
  });
}

// --- results of an export ------------------------------------------------------------

std::string TFibuExporter::GetMeldung() { return "Die Exportdatei wurde erstellt."; }
std::string TFibuExporter::GetDateiName() { return {}; }
std::string TFibuExporter::GetDateiName2() { return {}; }
TStringList TFibuExporter::GetDateiListe() { return {}; }
std::string TFibuExporter::GetExportPfad() { return {}; }
std::string TFibuExporter::Ausgabeordner(const std::string& verzeichnis) const {
  return FTestexport && !verzeichnis.empty() ? ConcatPathNames(verzeichnis, TestUnterordner)
                                             : verzeichnis;
}

std::vector<std::string> TFibuExporter::Zieldateien(const TFibuExportFileInfo& /*AFileInfo*/) {
  return {};
}
int TFibuExporter::GetMaxLfdNr() { return 0; }
void TFibuExporter::SetMaxLfdNr(int /*Value*/) {}
std::string TFibuExporter::Get_Steuerschluessel(TQTX_FibuExport_Steuer /*ASteuer*/) {
  return {};
}

std::unique_ptr<IExportRegeln> TFibuExporter::Importregeln(TIntPair /*AMandant*/) const {
  return nullptr;
}

// --- dialogs and profile lists -------------------------------------------------------

bool TFibuExporter::Config_Delete_Dialog() {
  return GuardIn(kBase, "Config_Delete_Dialog", [&] {
    LoadSaveProps();
    return fmsConfig.DeleteDialog(CProfilIndex);
  });
}

bool TFibuExporter::Config_Load_Dialog() {
  return GuardIn(kBase, "Config_Load_Dialog", [&] {
    LoadSaveProps();
    TQTXStrings loaded;
    std::string storedName, storedText;
    if (!fmsConfig.RestoreDialog(CProfilIndex, loaded, storedName, storedText)) return false;
    strConfig = std::move(loaded);
    FCfgUsername = std::move(storedName);
    FCfgUserText = std::move(storedText);
    FGeladenerEintrag = FCfgUsername;
    return true;
  });
}

bool TFibuExporter::Config_Save_Dialog() {
  return GuardIn(kBase, "Config_Save_Dialog", [&] {
    LoadSaveProps();
    return fmsConfig.StoreDialog(CProfilIndex, strConfig);
  });
}

int TFibuExporter::Get_Anzahl_Profile() {
  return GuardIn(kBase, "Get_Anzahl_Profile", [&] {
    LoadSaveProps();
    return fmsConfig.Count(CProfilIndex);
  });
}

void TFibuExporter::Get_Profile(TStringList& ANamen, TStringList& ABezeichnungen,
                                TStringList& AIndizes) {
  GuardIn(kBase, "Get_Profile", [&] {
    LoadSaveProps();
    TStringList namen, bezeichnungen, indizes;
    for (const auto& entry : fmsConfig.List(CProfilIndex)) {
      namen.push_back(entry.userName);
      bezeichnungen.push_back(entry.userText);
      indizes.push_back(entry.index);
    }
    ANamen = std::move(namen);
    ABezeichnungen = std::move(bezeichnungen);
    AIndizes = std::move(indizes);
  });
}

// --- the formats' load and save pattern ----------------------------------------------

bool TFibuExporter::LoadThenApply(const std::string& ProfilName, bool legacyFallback) {
  if (!TFibuExporter::Config_Load(ProfilName)) return false;
  if (legacyFallback && strConfig.Items.empty()) {
    Lade_Einstellungen_Alt();
  } else {
    Config2Properties();
  }
  return true;
}

bool TFibuExporter::LoadDialogThenApply() {
  if (!TFibuExporter::Config_Load_Dialog()) return false;
  Config2Properties();
  return true;
}

bool TFibuExporter::EigenerConfigSchluessel(const std::string& /*key*/) const { return false; }

void TFibuExporter::FremdeZeilenBehalten(const TQTXStrings& quelle) {
  std::set<std::string> vorhanden;
  for (const auto& line : strConfig.Items) vorhanden.insert(KeyOf(line));
  for (const auto& line : quelle.Items) {
    const std::string key = KeyOf(line);
    if (EigenerConfigSchluessel(key) || !vorhanden.insert(key).second) continue;
    strConfig.Items.push_back(line);
  }
}

void TFibuExporter::ApplyThenSave(const std::string& ProfilName) {
  const TQTXStrings geladen = strConfig;
  Properties2Config();
  // The entry as stored now, not as loaded: another format sharing it may have saved its
  // part in between (a desktop session beside a batch run).
  const std::string name = Trim(ProfilName);
  TQTXStrings gespeichert;
  std::string storedName, storedText;
  const bool vorhanden =
      name.empty() ? fmsConfig.RestoreDefault(CProfilIndex, gespeichert)
                   : fmsConfig.RestoreByName(CProfilIndex, Utf8Upper(name), gespeichert,
                                             storedName, storedText);
  FremdeZeilenBehalten(vorhanden ? gespeichert : geladen);
  TFibuExporter::Config_Save(ProfilName);
}

bool TFibuExporter::ApplyThenSaveDialog() {
  const TQTXStrings geladen = strConfig;
  Properties2Config();
  FremdeZeilenBehalten(geladen);
  return TFibuExporter::Config_Save_Dialog();
}
