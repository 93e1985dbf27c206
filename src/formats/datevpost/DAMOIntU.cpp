#include "formats/datevpost/DAMOIntU.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "suite/AnsiTextFile.h"
#include "suite/AppExec.h"
#include "suite/Files.h"
#include "suite/MessagePresenter.h"
#include "suite/ProgrammLauf.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace datevpost {

namespace {

TDAMOProtAnzeige& Anzeige() {
  static TDAMOProtAnzeige anzeige;
  return anzeige;
}

std::string DateiLesen(const std::string& datei, bool& gefunden) {
  std::ifstream in(datei, std::ios::binary);
  gefunden = static_cast<bool>(in);
  std::ostringstream inhalt;
  inhalt << in.rdbuf();
  const std::string roh = inhalt.str();
  return Utf8Valid(roh) ? roh : AnsiToUtf8(roh);
}

}  // namespace

std::string DateiImVerzeichnis(const std::string& verzeichnis, const std::string& name) {
  std::error_code fehler;
  for (const auto& eintrag : std::filesystem::directory_iterator(verzeichnis, fehler)) {
    const std::string gefunden = eintrag.path().filename().string();
    if (Utf8Upper(gefunden) == Utf8Upper(name)) return eintrag.path().string();
  }
  return ConcatPathNames(verzeichnis, name);
}

void SetDAMOProtAnzeige(TDAMOProtAnzeige anzeige) { Anzeige() = std::move(anzeige); }

void TDAMOProt::FormShow() {
  Guard("FormShow", [&] {
    bool gefunden = false;
    FText = DateiLesen(FProtokollDatei, gefunden);
    if (!gefunden) FText = "Das Protokoll \"" + FProtokollDatei + "\" wurde nicht gefunden.";
  });
}

void TDAMOProt::EscapeLosgelassen() { FModalResult = mrCancel; }

std::vector<std::string> ProtokollZeilen(const std::string& datei) {
  bool gefunden = false;
  std::istringstream text(DateiLesen(datei, gefunden));
  std::vector<std::string> zeilen;
  for (std::string zeile; std::getline(text, zeile);) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    zeilen.push_back(zeile);
  }
  return zeilen;
}

std::string DamoProgramm(const std::string& verzeichnis) {
  return DateiImVerzeichnis(verzeichnis, "DAMO32.EXE");
}

std::string DamoProtokoll(const std::string& verzeichnis) {
  return DateiImVerzeichnis(verzeichnis, "DAMO32.PRT");
}

bool DamoUeberWine(const std::string& verzeichnis) {
  const std::string programm = DamoProgramm(verzeichnis);
  return Ensure_FileExists(programm) && ::access(programm.c_str(), X_OK) != 0;
}

TDamoErgebnis DAMO_Execute(TQTXInfo& meldungen, const std::string& verzeichnis,
                           bool protokollZeigen, int hoechstSekunden) {
  TDamoErgebnis ergebnis;
  try {
    const std::string programm = DamoProgramm(verzeichnis);
    if (!Ensure_FileExists(programm)) {
      ergebnis.Fehler = "Die benötigte Datei DAMO32.EXE wurde nicht gefunden.";
      meldungen.ShowMeldung(TMeldungsArt::Fehler,
                            {"Die benötigte Datei DAMO32.EXE wurde nicht gefunden.",
                             "Bitte überprüfen Sie die in den Grundeinstellungen",
                             "angegebenen Verzeichnisse und Ihre DATEV-Installation."},
                            "STANDARD", 993);
      return ergebnis;
    }
    TAppExec launcher;
    launcher.Clear();
    launcher.SetProgramm(programm);
    launcher.SetStartVerzeichnis(verzeichnis);
    ergebnis.Exitcode = ProgrammAbwarten(launcher, "DATEV-Import ...", hoechstSekunden);
    ergebnis.Gestartet = launcher.Fehler().empty();
    ergebnis.Abgebrochen = launcher.Abgebrochen();
    meldungen.QTXInfoProcessMessages(0);
    if (!ergebnis.Gestartet) {
      ergebnis.Fehler = launcher.Fehler();
      meldungen.RegisterException("DAMO_Execute", ergebnis.Fehler, true);
      meldungen.QTXWarnungBox(ergebnis.Fehler);
      return ergebnis;
    }
    if (protokollZeigen && Anzeige()) {
      TDAMOProt protokoll(DamoProtokoll(verzeichnis));
      Anzeige()(protokoll);
    }
  } catch (...) {
    meldungen.RegisterCurrentException("DAMO_Execute", true);
  }
  return ergebnis;
}

}  // namespace datevpost
