#include "formats/ascii/fibuexporter_ascii.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/MenuLog.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"

namespace ascii {

const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> CSteuerSchluessel = {
    "UMST_REDUZ", "UMST_SPEZ",  "UMST_NORMAL", "UMST_REDUZ_ALT", "UMST_NORM_ALT", "VST_REDUZ",
    "VST_SPEZ",   "VST_NORMAL", "VST_REDUZ_ALT", "VST_NORM_ALT", "UMST_EG",       "VST_OHNE"};

namespace {

constexpr const char* kMandAktiv = "MANDAKTV";
constexpr const char* kLogDatei = "fibu_ftp_log";

std::string MandantSchluessel(TIntPair gepNr) { return qtx_TIntPair2String(gepNr); }

// Appends one line of the transfer to the upload log; the log never stops an export.
void LogZeile(const std::string& datei, TDateTime zeit, const std::string& text) {
  try {
    std::ofstream log(datei, std::ios::app | std::ios::binary);
    log << FormatDateTime("dd.mm.yyyy hh:nn:ss", zeit) << ' ' << text << "\r\n";
  } catch (...) {
  }
}

}  // namespace

TFibuExporter_Ascii::TFibuExporter_Ascii() = default;

TFibuExporter_Ascii::~TFibuExporter_Ascii() {
  Teardown("Destroy", [&] { FSerB.reset(); });
  Kontext().Meldungen().FehlerTerminate("TFibuExporter_Ascii.Destroy");
}

bool TFibuExporter_Ascii::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, true); });
}

void TFibuExporter_Ascii::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TFibuExporter_Ascii::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TFibuExporter_Ascii::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TFibuExporter_Ascii::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask(CKennung); });
}

void TFibuExporter_Ascii::Resources_Create() {
  TFibuExporter::Resources_Create();
  Teardown("Resources_Create", [&] {
    FLogFile = GetDirWwsByName("LISTEN", kLogDatei);
    FMandantenLesbar = true;
    FSerB.reset();
    FDaten.Leeren();
    FAktZeile = -1;
    FEigen = {};
  });
}

void TFibuExporter_Ascii::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FDaten.Leeren(); });
  Teardown("Resources_Destroy", [&] { FSerB.reset(); });
  Teardown("Resources_Destroy", [&] { FMandanten.clear(); });
  Teardown("Resources_Destroy", [&] { FMandantenLesbar = false; });
  TFibuExporter::Resources_Destroy();
}

const TEinstellungsTabelle<TFibuExporter_Ascii>& TFibuExporter_Ascii::Einstellungen() {
  using T = TFibuExporter_Ascii;
  static const TEinstellungsTabelle<T> tabelle{
      {"AUTOMATIK", &T::FAutomatikkonten, "", "AUTOMATIK"},
      {"BUCHMONATERF", &T::FFrageBuchungsmonat, "", "BUCHMONATERF"},
      // Inside the suite's folder stored relative to it, so that a copied suite writes
      // into its own folder.
      {"EXPORTVERZ", &T::FVerzExport, "", "EXPORTVERZ", SuitePfadGeladen, SuitePfadZumSpeichern},
      {"DATEIENDUNG", &T::FDateiEndung, "", "DATEIENDUNG"},
      {"FTPFILENAME", &T::FFTPFileName},
      {"FTPFILECNCT", &T::FFTPFileCnct},
      {"VERZBACKUP", &T::FVerzBackup, "", nullptr, SuitePfadGeladen, SuitePfadZumSpeichern},
  };
  return tabelle;
}

void TFibuExporter_Ascii::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    for (int i = 0; i < CQTX_FibuExport_Steuer_Anzahl; ++i) {
      strConfig.SetValue(CSteuerSchluessel[static_cast<std::size_t>(i)],
                         FSteuerSchl[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < CEigenAnzahl; ++i) {
      const std::string n = std::to_string(i + 1);
      strConfig.SetValue("EIGENUEBER" + n, FEigen[static_cast<std::size_t>(i)].Ueberschrift);
      strConfig.SetValue("EIGENINHALT" + n, FEigen[static_cast<std::size_t>(i)].Inhalt);
    }
    strConfig.SetValue("EXPMEDIUM", FExpMedium == femFTP ? "FTP" : "DISC");
    for (const auto& mandant : FMandanten) {
      strConfig.SetValue(kMandAktiv + MandantSchluessel(mandant.GepNr), BoolToJN(mandant.Aktiv));
    }
  });
}

bool TFibuExporter_Ascii::EigenerConfigSchluessel(const std::string& key) const {
  // The flag of a client that left the list goes with the next save.
  return key.starts_with(kMandAktiv) && key.find('/') != std::string::npos;
}

void TFibuExporter_Ascii::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    FASCIIZusatz = true;
    EinstellungenLesen(*this, strConfig, Einstellungen());
    for (int i = 0; i < CQTX_FibuExport_Steuer_Anzahl; ++i) {
      FSteuerSchl[static_cast<std::size_t>(i)] =
          strConfig.Value(CSteuerSchluessel[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < CEigenAnzahl; ++i) {
      const std::string n = std::to_string(i + 1);
      FEigen[static_cast<std::size_t>(i)] = {strConfig.Value("EIGENUEBER" + n),
                                             strConfig.Value("EIGENINHALT" + n)};
    }
    FExpMedium = qtx_strmatch(Trim(strConfig.Value("EXPMEDIUM")), "FTP") ? femFTP : femDisc;
    LeseMandanten(false);
  });
}

void TFibuExporter_Ascii::Lade_Einstellungen_Alt() {
  Guard("Lade_Einstellungen_Alt", [&] {
    TFibuExporter::Lade_Einstellungen_Alt();
    FASCIIZusatz = true;
    EinstellungenAltLesen(*this, FSimplemask, Einstellungen());
    for (int i = 0; i < CQTX_FibuExport_Steuer_Anzahl; ++i) {
      FSteuerSchl[static_cast<std::size_t>(i)] =
          FSimplemask.ReadGlobalDef(CSteuerSchluessel[static_cast<std::size_t>(i)], "");
    }
    for (int i = 0; i < CEigenAnzahl; ++i) {
      const std::string n = std::to_string(i + 1);
      FEigen[static_cast<std::size_t>(i)] = {FSimplemask.ReadGlobalDef("EIGENUEBER" + n, ""),
                                             FSimplemask.ReadGlobalDef("EIGENINHALT" + n, "")};
    }
    FExpMedium = femDisc;
    LeseMandanten(true);
  });
}

void TFibuExporter_Ascii::LeseMandanten(bool alleAktiv) {
  FMandanten.clear();
  if (!FMandantenLesbar) return;
  for (const auto& eintrag : Kontext().Mandanten()) {
    TMandInfo mandant{eintrag.GepNr, eintrag.Name, eintrag.KurzName, alleAktiv};
    if (!alleAktiv) {
      mandant.Aktiv = JNToBool(strConfig.Value(kMandAktiv + MandantSchluessel(eintrag.GepNr)));
    }
    FMandanten.push_back(std::move(mandant));
  }
}

bool TFibuExporter_Ascii::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    if (FAutomatikkonten) {
      for (int i = 0; i < CQTX_FibuExport_Steuer_Anzahl; ++i) {
        const std::string& schluessel = FSteuerSchl[static_cast<std::size_t>(i)];
        if (schluessel.empty()) return false;
        // "ohne Vorsteuer" may be a single blank: that is its key.
        if (i != CQTX_FibuExport_Vst_Ohne && schluessel == " ") return false;
      }
    }
    for (const auto& mandant : FMandanten) {
      if (mandant.Aktiv) return true;
    }
    return false;
  });
}

bool TFibuExporter_Ascii::Profil_Geeignet(TIntPair AMandant) {
  return Guard("Profil_Geeignet", [&] {
    for (const auto& mandant : FMandanten) {
      if (mandant.GepNr == AMandant) return mandant.Aktiv;
    }
    return false;
  });
}

std::string TFibuExporter_Ascii::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] {
    return FSteuerSchl.at(static_cast<std::size_t>(ASteuer));
  });
}

std::string TFibuExporter_Ascii::GetDateiName() { return FDateiName; }

std::string TFibuExporter_Ascii::MandantKurzName(TIntPair firma) const {
  for (const auto& mandant : FMandanten) {
    if (mandant.GepNr == firma) return mandant.KurzName;
  }
  throw std::runtime_error("Der Mandant " + qtx_TIntPair2String(firma) +
                           " steht nicht in der Mandantenliste.");
}

void TFibuExporter_Ascii::SetExportFileAndDir() {
  if (FExpMedium == femFTP) {
    const std::filesystem::path remote(ExtractFileName(FExpFilename));
    FTmpFilename = GetDirWwsByName("statemp", remote.stem().string() + "." +
                                                  QTXProgramm().ProzessIdFormated());
  } else {
    FTmpFilename = FExpFilename;
  }
}

void TFibuExporter_Ascii::FilesClear() {
  // An earlier file of the same name is not deleted up front: the new one replaces it
  // when it is complete and the run has committed, so a failed run loses nothing.
  Guard("FilesClear", [&] { SetExportFileAndDir(); });
}

bool TFibuExporter_Ascii::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  return Guard("Export_Fibu_Kopf", [&] {
    FDaten.Leeren();
    FDateiName.clear();
    FMeldungBackUp.clear();
    FFTPUpLoadErfolgreich = false;
    Abort = false;
    bool bekannt = false;
    for (const auto& mandant : FMandanten) bekannt = bekannt || mandant.GepNr == AFileInfo.Firma;
    if (!bekannt) return false;
    const std::string stamm =
        Format("%s_%s_%s_%d_%d", "Fibu", DateinamenTeil(MandantKurzName(AFileInfo.Firma)),
               Date2JJJJMMTT(Kontext().Jetzt()), AFileInfo.AbrJahr, AFileInfo.AbrNr);
    if (FExpMedium == femFTP) {
      FExpFilename = !Trim(FFTPFileName).empty() ? Trim(FFTPFileName) : stamm + ".csv";
    } else {
      FExpFilename = stamm;
      if (!FVerzExport.empty()) {
        const std::string verzeichnis = Ausgabeordner(FVerzExport);
        if (!ForceDirectories(verzeichnis)) {
          throw std::runtime_error("Das Exportverzeichnis \"" + verzeichnis +
                                   "\" konnte nicht angelegt werden.");
        }
        FExpFilename = ConcatPathNames(verzeichnis, FExpFilename);
      }
      if (!FDateiEndung.empty()) FExpFilename += "." + FDateiEndung;
    }
    FilesClear();
    FDaten.Leeren();
    return true;
  });
}

bool TFibuExporter_Ascii::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  return Guard("Export_Fibu_Daten", [&] {
    FDaten.Hinzufuegen(ABuchInfo);
    return true;
  });
}

bool TFibuExporter_Ascii::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                            const TFibuExportBuchInfoZusatz& /*ABuchInfoZusatz*/) {
  return Export_Fibu_Daten(ABuchInfo);
}

std::unique_ptr<TfrmSerBrief> AsciiSpaltenDialog(const TEigenListe& eigen) {
  auto dialog = std::make_unique<TfrmSerBrief>();
  dialog->Caption = "FiBu-Daten exportieren";
  dialog->SetListe("SALDIX", TFibuExporter_Ascii::CListenKey);
  dialog->SpaltenLeeren();
  for (auto& spalte : AsciiSpalten(eigen)) dialog->SpalteHinzufuegen(std::move(spalte));
  return dialog;
}

void TFibuExporter_Ascii::SERBRowDataDefine() {
  FSerB = AsciiSpaltenDialog(FEigen);
  TfrmSerBrief& dialog = *FSerB;
  dialog.SetZeilenAbruf(
      [this] {
        FAktZeile = 0;
        return !FDaten.Leer();
      },
      [this] {
        ++FAktZeile;
        return FAktZeile < static_cast<std::ptrdiff_t>(FDaten.Anzahl());
      },
      [this](const std::vector<int>& spalten, std::vector<std::string>& werte) {
        AsciiWerte(FDaten, FDaten.Satz(static_cast<std::size_t>(FAktZeile)), FEigen, spalten, werte);
      });
  dialog.SpeichernTitel = "FiBu-Daten speichern ...";
  dialog.VorgeschlageneDatei = FTmpFilename;
  dialog.Verzeichnis = FVerzExport.empty() ? GetDirWwsByName("LISTEN", "") : FVerzExport;
  dialog.Endung = FDateiEndung.empty() ? "txt" : FDateiEndung;
  dialog.Filter = Format("FiBu-Exportdatei|*.%s|Alle Dateien|*.*", dialog.Endung);
  dialog.OhneNachfrage = FExpMedium == femFTP || (!FVerzExport.empty() && !FDateiEndung.empty());
  dialog.TempVerzeichnis = Kontext().TempVerzeichnis();
  dialog.SetDateiAbschluss([this](std::unique_ptr<TAnsiTextFile> datei) {
    std::vector<std::unique_ptr<TAnsiTextFile>> dateien;
    dateien.push_back(std::move(datei));
    const std::string ziel = DateienFertigstellen(dateien).front();
    // Held back for the run, the complete file still lies under its temporary name.
    std::error_code fehler;
    FGeschriebenPfad = std::filesystem::exists(ziel, fehler) && !std::filesystem::exists(
                                                                    dateien.front()->TempPath(), fehler)
                           ? ziel
                           : dateien.front()->TempPath();
    return ziel;
  });
}

bool TFibuExporter_Ascii::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    FDateiName.clear();
    FGeschriebenPfad.clear();
    // The columns carry the profile's own headings: the dialog is made for this run.
    SERBRowDataDefine();
    if (!FSerB->Ausfuehren()) return false;
    FDateiName = FSerB->GeschriebeneDatei();
    if (FExpMedium != femFTP) return true;
    FMeldungBackUp.clear();
    if (!FVerzBackup.empty()) {
      const std::string ziel = ConcatPathNames(FVerzBackup, ExtractFileName(FExpFilename));
      FMeldungBackUp = ForceDirectories(FVerzBackup) && Ensure_CopyFile(FGeschriebenPfad, ziel)
                           ? "Sicherheitskopie: " + ziel
                           : std::string("Es konnte keine Sicherheitskopie erstellt werden.");
    }
    if (Testexport()) {
      // A test file must never reach the accounting system's server.
      FFTPUpLoadErfolgreich = false;
      return true;
    }
    if (Abort) return true;
    if (DateienZurueckgehalten()) {
      // In a real export the file leaves only once the run's bookings are marked.
      AblieferungVormerken([this](std::string&) {
        FFTPUpLoadErfolgreich = FTPUpload();
        return true;  // a failed upload keeps the export: the message says so
      });
      return true;
    }
    FFTPUpLoadErfolgreich = FTPUpload();
    return true;
  });
}

bool TFibuExporter_Ascii::FTPUpload() {
  return Guard("FTPUpload", [&] {
    const TDateTime beginn = Kontext().Jetzt();
    MenuLog_Append("ASCII-Export", "Beginn FTP-Upload Fibu-Daten", beginn, beginn);
    LogZeile(FLogFile, beginn, "Upload von Datei " + FGeschriebenPfad);
    // Connecting, the attempts and the waits between them are the transfer service's.
    std::string fehler;
    const bool erfolg = Kontext().Hochladen(FGeschriebenPfad, FFTPFileCnct, FExpFilename, fehler);
    const TDateTime ende = Kontext().Jetzt();
    if (!erfolg) {
      LogZeile(FLogFile, ende, "Giving up... Konnte die Datei " + FGeschriebenPfad +
                                   " nicht hochladen! " + fehler);
      Kontext().Meldungen().RegisterException("TFibuExporter_Ascii.FTPUpload", fehler, false);
    }
    MenuLog_Append("ASCII-Export", "Ende FTP-Upload Fibu-Daten", beginn, ende);
    FilesClear();
    return erfolg;
  });
}

std::string TFibuExporter_Ascii::GetMeldung() {
  return Guard("GetMeldung", [&] {
    std::string meldung = "Die ausgewählten Sätze wurden in die Datei\r\"";
    if (FExpMedium == femFTP && FFTPUpLoadErfolgreich) {
      meldung += FExpFilename + "\"\rexportiert und hochgeladen.";
    } else if (FExpMedium == femFTP && Testexport()) {
      meldung += FDateiName + "\"\rexportiert.\rTestexport: Die Datei wurde nicht hochgeladen.";
    } else if (FExpMedium == femFTP) {
      meldung += FDateiName + "\"\rexportiert.\rAchtung: Der FTP-Upload ist fehlgeschlagen!";
    } else {
      meldung += FDateiName + "\"\rexportiert.";
    }
    if (FExpMedium == femFTP && !FMeldungBackUp.empty()) {
      meldung = Format("%s\r%s", meldung, FMeldungBackUp);
    }
    if (FSerB && FSerB->ErsetzteZeichen() > 0) {
      meldung += Format("\r%d Zeichen ohne Entsprechung im Windows-Zeichensatz wurden durch "
                        "\"?\" ersetzt.",
                        FSerB->ErsetzteZeichen());
    }
    return meldung;
  });
}

}  // namespace ascii
