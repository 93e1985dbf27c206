#include "formats/datevpost/fibuexporter_postversand.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "formats/datevpost/DAMOIntU.h"
#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/MenuLog.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

constexpr const char* kStandardIDNummer = "91480";
constexpr const char* kStandardFormat = "FBOP-BW-KNE";
constexpr const char* kSelf = "SELF";
constexpr const char* kUmgewandeltEndung = ".umgewandelt";
// The protocol's last lines that a batch run writes to the menu log.
constexpr std::size_t kProtokollZeilenImLog = 5;

const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> kSteuerschluessel = {
    "2", "4", "3", "4", "5", "8", "6", "9", "6", "7", "10", ""};

std::string MandantSchluessel(const TIntPair& gepNr) { return qtx_TIntPair2String(gepNr); }

// "EV01" and "ED" with six more characters: what the converter writes.
bool IstVersanddatei(const std::string& name) {
  const std::string gross = Utf8Upper(name);
  return gross == "EV01" || (gross.size() == 8 && gross.starts_with("ED"));
}

std::vector<std::filesystem::path> Versanddateien(const std::string& verzeichnis) {
  std::vector<std::filesystem::path> dateien;
  std::error_code fehler;
  for (const auto& eintrag : std::filesystem::directory_iterator(verzeichnis, fehler)) {
    if (eintrag.is_regular_file(fehler) && IstVersanddatei(eintrag.path().filename().string())) {
      dateien.push_back(eintrag.path());
    }
  }
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

std::string ErsteZeile(const std::string& datei) {
  std::ifstream in(datei, std::ios::binary);
  std::string zeile;
  std::getline(in, zeile);
  if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
  return zeile;
}

// A path as the converter reads it: a Windows program under wine sees this system's
// root as drive Z.
std::string KonverterPfad(const std::string& pfad, bool ueberWine) {
  if (!ueberWine) return pfad;
  std::string windows = "Z:" + pfad;
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return windows;
}

void Menuelog(const std::string& text) {
  const TDateTime jetzt = qtx_Now();  // the log's own time, not the file's
  MenuLog_Append("Saldix Export", text, jetzt, jetzt);
}

}  // namespace

TFibuExporter_Postversand::TFibuExporter_Postversand() = default;

TFibuExporter_Postversand::~TFibuExporter_Postversand() {
  Teardown("Destroy", [&] { FExportFile.reset(); });
  Kontext().Meldungen().FehlerTerminate("TFibuExporter_PostVersand.Destroy");
}

bool TFibuExporter_Postversand::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, true); });
}

void TFibuExporter_Postversand::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TFibuExporter_Postversand::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TFibuExporter_Postversand::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TFibuExporter_Postversand::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask("POSTVERS"); });
}

std::vector<TMandantenFeld> TFibuExporter_Postversand::MandantenFelder() {
  using A = TMandantenFeld::TArt;
  return {
      {"BERATER", A::Zahl, true, 7, "Datev-Berater", "Die Beraternummer ist nicht gefüllt."},
      {"MANDANT", A::Zahl, true, 5, "Datev-Mandant", "Die Mandantennummer ist nicht gefüllt."},
      {"BENUTZER", A::Text, false, 2, "Datev-Benutzer", ""},
  };
}

void TFibuExporter_Postversand::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FMandanten.Clear(); });
  TFibuExporter::Resources_Destroy();
}

const TEinstellungsTabelle<TFibuExporter_Postversand>& TFibuExporter_Postversand::Einstellungen() {
  using T = TFibuExporter_Postversand;
  static const TEinstellungsTabelle<T> tabelle{
      {"VERZ-VORGABE", &T::FVerzVorgabe, "", "VERZ-VORGABE", SuitePfadGeladen,
       SuitePfadZumSpeichern},
      {"VERZ-EXPORT", &T::FVerzExport, "", "VERZ-EXPORT", SuitePfadGeladen, SuitePfadZumSpeichern},
      {"ID-NUMMER", &T::FIDNummer, kStandardIDNummer, "ID-NUMMER"},
      {"FORMAT", &T::FExportFormat, kStandardFormat, "FORMAT"},
      {kSelf, &T::FImportSelf, "J", kSelf},
      {"VERZLEER", &T::FVerzLeeren},
  };
  return tabelle;
}

void TFibuExporter_Postversand::StandardwerteErgaenzen() {
  if (FIDNummer.empty()) FIDNummer = kStandardIDNummer;
  if (FExportFormat.empty()) FExportFormat = kStandardFormat;
}

void TFibuExporter_Postversand::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    FMandanten.InsProfil(strConfig);
  });
}

bool TFibuExporter_Postversand::EigenerConfigSchluessel(const std::string& key) const {
  return FMandanten.EigenerSchluessel(key);
}

void TFibuExporter_Postversand::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    FAutomatikkonten = true;
    EinstellungenLesen(*this, strConfig, Einstellungen());
    // Import through SELF is the rule unless a profile switched it off.
    if (!strConfig.HasKey(kSelf)) FImportSelf = true;
    StandardwerteErgaenzen();
    FMandanten.AusProfil(Kontext().Mandanten(), strConfig);
  });
}

void TFibuExporter_Postversand::Lade_Einstellungen_Alt() {
  Guard("Lade_Einstellungen_Alt", [&] {
    TFibuExporter::Lade_Einstellungen_Alt();
    FAutomatikkonten = true;
    EinstellungenAltLesen(*this, FSimplemask, Einstellungen());
    StandardwerteErgaenzen();
    FMandanten.AusAltenEinstellungen(Kontext().Mandanten(), FSimplemask);
  });
}

void TFibuExporter_Postversand::SetMandantenDaten(TIntPair AGepNr, int ABerater, int AMandant,
                                                  const std::string& ABenutzer, bool AAktiv) {
  FMandanten.SetMandantenDaten(AGepNr, AAktiv,
                               {std::to_string(ABerater), std::to_string(AMandant), ABenutzer});
}

std::string TFibuExporter_Postversand::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] {
    return std::string(kSteuerschluessel.at(static_cast<std::size_t>(ASteuer)));
  });
}

bool TFibuExporter_Postversand::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    if (FVerzVorgabe.empty() || FVerzExport.empty() || FIDNummer.empty() || FExportFormat.empty()) {
      return false;
    }
    return FMandanten.EinstellungenVorhanden();
  });
}

bool TFibuExporter_Postversand::Profil_Geeignet(TIntPair AMandant) {
  return Guard("Profil_Geeignet", [&] {
    return FMandanten.Profil_Geeignet(AMandant);
  });
}

std::string TFibuExporter_Postversand::EingabeVerzeichnis() const {
  return Ausgabeordner(FVerzVorgabe);
}

void TFibuExporter_Postversand::VorgaengerPruefen(const std::string& datei,
                                                  const std::string& kopfzeile) const {
  if (!Ensure_FileExists(datei)) return;
  const std::string vorhanden = ErsteZeile(datei);
  // The same header again is this settlement written once more.
  if (vorhanden == Utf8ToAnsi(kopfzeile)) return;
  throw std::runtime_error(
      "Im Verzeichnis \"" + std::filesystem::path(datei).parent_path().string() +
      "\" liegt noch die Datei " + CEingabeDatei + " einer anderen Übergabe (Vorlauf \"" +
      AnsiToUtf8(vorhanden) + "\"), die nicht umgewandelt wurde. Sie wird nicht "
      "überschrieben: bitte lesen Sie sie erst ein und entfernen Sie sie.");
}

std::vector<std::string> TFibuExporter_Postversand::IniZeilen(const TMandInfo& mandant,
                                                              const TFibuExportFileInfo& datei) const {
  const bool wine = datevpost::DamoUeberWine(FVerzVorgabe);
  const std::string vorgabe = Trim(FVerzVorgabe);
  std::string ausgabe = KonverterPfad(Trim(FVerzExport), wine);
  ausgabe += wine ? '\\' : '/';
  return {
      "[Einstellungen]",
      "Protokoll=Ja",
      "Protokolldatei=" + KonverterPfad(ConcatPathNames(vorgabe, "Damo32.prt"), wine),
      "Eingabeformat=Input32.ini",
      "Eingabedatei=" + KonverterPfad(ConcatPathNames(FVerzVorgabe, CEingabeDatei), wine),
      "Ausgabeformat=Output32.ini",
      "Ausgabepfad=" + ausgabe,
      "ID-Nummer=" + FIDNummer,
      "Formatname=" + FExportFormat,
      "",
      "[Datev-Vorlauf]",
      "Berater=" + std::to_string(mandant.Zahl(datevpost::mfBerater)),
      "Mandant=" + std::to_string(mandant.Zahl(datevpost::mfMandant)),
      "Wirtschaftsjahr=" + std::to_string(datei.AbrJahr),
      "Datum-von=" + FormatDateTime("ddmmyy", datei.DatumVon),
      "Datum-bis=" + FormatDateTime("ddmmyy", datei.DatumBis),
  };
}

std::vector<std::string> TFibuExporter_Postversand::Zieldateien(
    const TFibuExportFileInfo& /*AFileInfo*/) {
  const std::string verzeichnis = EingabeVerzeichnis();
  if (verzeichnis.empty()) return {};
  std::vector<std::string> dateien{ConcatPathNames(verzeichnis, CEingabeDatei)};
  if (FImportSelf && !Testexport()) dateien.push_back(ConcatPathNames(FVerzVorgabe, CIniDatei));
  return dateien;
}

bool TFibuExporter_Postversand::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  const bool offen = Guard("Export_Fibu_Kopf", [&] {
    FExportFile.reset();  // a file started earlier and never finished is dropped
    FDamoIni.clear();
    FZeileFehlt = false;
    FUmwandlungOffen = false;
    FDateiName2.clear();
    const TMandInfo* gefunden = FMandanten.Mandant(AFileInfo.Firma);
    if (gefunden == nullptr) {
      throw std::runtime_error("Der Mandant " + MandantSchluessel(AFileInfo.Firma) +
                               " fehlt in der Mandantentabelle des Exportprofils.");
    }
    const TMandInfo& mandant = *gefunden;
    // DATEV files a batch without consultant and client number nowhere.
    if (!mandant.Aktiv || mandant.Zahl(datevpost::mfBerater) <= 0 ||
        mandant.Zahl(datevpost::mfMandant) <= 0) {
      throw std::runtime_error("Für den Mandanten " + std::to_string(mandant.KurzNr) + " " +
                               mandant.Name + " sind im Exportprofil keine DATEV-Berater- und "
                               "Mandantennummer eingestellt.");
    }
    const std::string verzeichnis = EingabeVerzeichnis();
    if (verzeichnis.empty()) throw std::runtime_error("Es ist kein Vorgabepfad eingestellt.");
    if (!ForceDirectories(verzeichnis)) {
      throw std::runtime_error("Das Verzeichnis \"" + verzeichnis +
                               "\" konnte nicht angelegt werden.");
    }
    FVorlauf = {mandant.Zahl(datevpost::mfBerater), mandant.Zahl(datevpost::mfMandant),
                mandant.Text(datevpost::mfBenutzer)};
    datevpost::BaueKopfzeile(FZeile, FVorlauf, AFileInfo);
    FAbrNr = AFileInfo.AbrNr > 0 ? std::to_string(AFileInfo.AbrNr) +
                                       Utf8Mid(std::to_string(AFileInfo.AbrJahr), 2, 2)
                                 : std::string();
    const std::string datei = ConcatPathNames(verzeichnis, CEingabeDatei);
    if (!Testexport()) VorgaengerPruefen(datei, FZeile.Zeile());
    FExportFile = std::make_unique<TAnsiTextFile>(datei, TTextEncoding::Ansi, Kontext().TempVerzeichnis());
    FExportFile->WriteLine(FZeile.Zeile());
    // A test export is never converted: its dispatch files could be sent.
    if (FImportSelf && !Testexport()) FDamoIni = IniZeilen(mandant, AFileInfo);
    FDateiName = datei;
    return true;
  });
  if (!offen) FExportFile.reset();
  return offen;
}

bool TFibuExporter_Postversand::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  const bool geschrieben = Guard("Export_Fibu_Daten", [&] {
    if (!FExportFile) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    datevpost::BaueBuchungszeile(FZeile, ABuchInfo);
    FExportFile->WriteLine(FZeile.Zeile());
    return true;
  });
  if (!geschrieben) FZeileFehlt = true;
  return geschrieben;
}

bool TFibuExporter_Postversand::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                                  const TFibuExportBuchInfoZusatz&) {
  return Export_Fibu_Daten(ABuchInfo);
}

bool TFibuExporter_Postversand::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    FDateiName2.clear();
    if (!FExportFile) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    std::vector<std::unique_ptr<TAnsiTextFile>> dateien;
    dateien.push_back(std::move(FExportFile));
    if (FZeileFehlt) {
      FZeileFehlt = false;
      dateien.clear();  // the bookings stay open
      throw std::runtime_error("Mindestens eine Buchung konnte nicht geschrieben werden; die "
                               "Datei \"" + FDateiName + "\" wurde nicht erstellt.");
    }
    if (!FDamoIni.empty()) {
      auto ini = std::make_unique<TAnsiTextFile>(ConcatPathNames(FVerzVorgabe, CIniDatei),
                                                 TTextEncoding::Ansi, Kontext().TempVerzeichnis());
      for (const auto& zeile : FDamoIni) ini->WriteLine(zeile);
      dateien.push_back(std::move(ini));
      FDamoIni.clear();
    }
    DateienFertigstellen(dateien);
    FUmwandlungOffen = FImportSelf && !Testexport();
    if (FUmwandlungOffen) FDateiName = ConcatPathNames(FVerzExport, "EV01");
    // Published at once: the converter may run now; otherwise after the commit.
    if (!DateienZurueckgehalten()) DateienAbgelegt();
    return true;
  });
}

void TFibuExporter_Postversand::DateienAbgelegt() {
  Guard("DateienAbgelegt", [&] {
    if (!FUmwandlungOffen) return;
    FUmwandlungOffen = false;
    Umwandeln();
  });
}

void TFibuExporter_Postversand::ExportVerzLeeren() {
  for (const auto& datei : Versanddateien(FVerzExport)) {
    if (FUmgewandelt.count(datei.string()) > 0) continue;
    if (!Ensure_DeleteFile(datei.string())) {
      Kontext().Meldungen().RegisterException("TFibuExporter_PostVersand.ExportVerzLeeren",
                                  "Die alte Versanddatei \"" + datei.string() +
                                      "\" konnte nicht gelöscht werden.",
                                  true);
    }
  }
}

std::string TFibuExporter_Postversand::Find_ED() const {
  std::string letzte;
  for (const auto& datei : Versanddateien(FVerzExport)) {
    if (Utf8Upper(datei.filename().string()) != "EV01") letzte = datei.string();
  }
  return letzte;
}

void TFibuExporter_Postversand::Umwandeln() {
  const bool batch = QTXProgramm().SilentMode();
  if (!ForceDirectories(FVerzExport)) {
    Kontext().Meldungen().RegisterException("TFibuExporter_PostVersand.Umwandeln",
                                "Das Exportverzeichnis \"" + FVerzExport +
                                    "\" konnte nicht angelegt werden.",
                                true);
  }
  if (FVerzLeeren) ExportVerzLeeren();
  // What the converter writes anew, by name and time, belongs to this program run.
  std::map<std::string, std::filesystem::file_time_type> vorher;
  std::error_code zeitFehler;
  for (const auto& datei : Versanddateien(FVerzExport)) {
    vorher[datei.string()] = std::filesystem::last_write_time(datei, zeitFehler);
  }
  const datevpost::TDamoErgebnis ergebnis =
      datevpost::DAMO_Execute(Kontext().Meldungen(), FVerzVorgabe, !batch, batch ? FHoechstdauer : 0);
  FDateiName = ConcatPathNames(FVerzExport, "EV01");
  FDateiName2 = Find_ED();
  const std::string eingabe = ConcatPathNames(FVerzVorgabe, CEingabeDatei);
  std::string fehler;
  if (ergebnis.Ok()) {
    for (const auto& datei : Versanddateien(FVerzExport)) {
      const auto alt = vorher.find(datei.string());
      if (alt == vorher.end() || alt->second != std::filesystem::last_write_time(datei, zeitFehler)) {
        FUmgewandelt.insert(datei.string());
      }
    }
    // Converted, the input no longer blocks the next hand-over; it stays for reference.
    if (!Ensure_RenameFile(eingabe, eingabe + kUmgewandeltEndung)) {
      fehler = "Die umgewandelte Datei \"" + eingabe + "\" konnte nicht umbenannt werden.";
    }
  } else if (!ergebnis.Gestartet) {
    fehler = ergebnis.Fehler + " Die Datei \"" + eingabe + "\" wurde nicht umgewandelt.";
  } else if (ergebnis.Abgebrochen) {
    fehler = "Der DATEV-Import wurde abgebrochen; die Datei \"" + eingabe +
             "\" wurde nicht vollständig umgewandelt.";
  } else {
    fehler = "Der DATEV-Import endete mit dem Fehlercode " + std::to_string(ergebnis.Exitcode) +
             "; die Datei \"" + eingabe + "\" wurde nicht umgewandelt.";
  }
  if (!fehler.empty()) {
    Kontext().Meldungen().RegisterException("TFibuExporter_PostVersand.Umwandeln", fehler, true);
  }
  if (!batch) return;
  if (!fehler.empty()) Menuelog("Warnung: " + fehler);
  if (ergebnis.Gestartet) ProtokollInsMenuelog();
}

void TFibuExporter_Postversand::ProtokollInsMenuelog() const {
  std::vector<std::string> zeilen;
  for (auto& zeile : datevpost::ProtokollZeilen(datevpost::DamoProtokoll(FVerzVorgabe))) {
    if (!Trim(zeile).empty()) zeilen.push_back(Trim(zeile));
  }
  if (zeilen.empty()) {
    Menuelog("DATEV-Import: kein Protokoll in \"" + datevpost::DamoProtokoll(FVerzVorgabe) + "\"");
    return;
  }
  const std::size_t ab = zeilen.size() > kProtokollZeilenImLog ? zeilen.size() - kProtokollZeilenImLog : 0;
  for (std::size_t i = ab; i < zeilen.size(); ++i) Menuelog("DATEV-Import: " + zeilen[i]);
}
