#include "export/MandantenExporter.h"

#include <filesystem>
#include <stdexcept>

#include "suite/AnsiTextFile.h"
#include "suite/Files.h"
#include "suite/DateTime.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"

TMandantenExporter::TMandantenExporter(std::vector<TMandantenFeld> felder, std::string maske)
    : FSimplemask("FIBUEXPO", maske), FMandanten(std::move(felder)), FMaske(std::move(maske)) {}

TMandantenExporter::~TMandantenExporter() = default;

const TEinstellungsTabelle<TMandantenExporter>& TMandantenExporter::Einstellungen() {
  using T = TMandantenExporter;
  static const TEinstellungsTabelle<T> tabelle{
      // Inside the suite's folder stored relative to it, so that a copied suite writes
      // into its own folder.
      {"VERZ-EXPORT", &T::FVerzExport, "", "VERZ-EXPORT", SuitePfadGeladen, SuitePfadZumSpeichern},
  };
  return tabelle;
}

bool TMandantenExporter::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, true); });
}

void TMandantenExporter::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TMandantenExporter::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TMandantenExporter::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TMandantenExporter::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask(FMaske); });
}

void TMandantenExporter::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FDatei.reset(); });
  Teardown("Resources_Destroy", [&] { FMandanten.Clear(); });
  TFibuExporter::Resources_Destroy();
}

void TMandantenExporter::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    EigeneEinstellungenSchreiben(strConfig);
    FMandanten.InsProfil(strConfig);
  });
}

void TMandantenExporter::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    SchalterSetzen();
    EinstellungenLesen(*this, strConfig, Einstellungen());
    EigeneEinstellungenLesen(strConfig);
    FMandanten.AusProfil(Kontext().Mandanten(), strConfig);
  });
}

void TMandantenExporter::Lade_Einstellungen_Alt() {
  Guard("Lade_Einstellungen_Alt", [&] {
    TFibuExporter::Lade_Einstellungen_Alt();
    SchalterSetzen();
    EinstellungenAltLesen(*this, FSimplemask, Einstellungen());
    EigeneEinstellungenAltLesen(FSimplemask);
    FMandanten.AusAltenEinstellungen(Kontext().Mandanten(), FSimplemask);
  });
}

bool TMandantenExporter::EigenerConfigSchluessel(const std::string& key) const {
  return FMandanten.EigenerSchluessel(key);
}

bool TMandantenExporter::Profil_Geeignet(TIntPair AMandant) {
  return Guard("Profil_Geeignet", [&] { return FMandanten.Profil_Geeignet(AMandant); });
}

bool TMandantenExporter::GrundeinstellungenVorhanden() const {
  return !FVerzExport.empty() && FMandanten.EinstellungenVorhanden();
}

const TMandantenEintrag& TMandantenExporter::MandantDesLaufs(TIntPair AFirma) {
  const TMandantenEintrag* mandant = FMandanten.Mandant(AFirma);
  const std::string name = "Der Mandant " + qtx_TIntPair2String(AFirma);
  if (mandant == nullptr) throw std::runtime_error(name + " fehlt in der Mandantentabelle des Exportprofils.");
  // A batch run must not write what the form calls unusable.
  if (!mandant->Aktiv) throw std::runtime_error(name + " ist im Exportprofil nicht ausgewählt.");
  if (!EinstellungenVorhanden()) {
    throw std::runtime_error("Das Exportprofil ist unvollständig (Exportpfad, Mandantennummer "
                             "oder Einstellung fehlt); bitte überprüfen Sie die Einstellungen.");
  }
  return *mandant;
}

std::vector<std::string> TMandantenExporter::Zieldateien(const TFibuExportFileInfo& AFileInfo) {
  try {
    if (FVerzExport.empty()) return {};
    return {ConcatPathNames(Ausgabeordner(FVerzExport),
                            Dateiname(MandantDesLaufs(AFileInfo.Firma), AFileInfo))};
  } catch (const std::exception&) {
    return {};  // the run itself says why it cannot write for this client
  }
}

void TMandantenExporter::DateiOeffnen(const std::string& dateiname) {
  FDatei.reset();  // a file started earlier and never finished is dropped
  FBuchungFehlt = false;
  FDateiName.clear();
  if (FVerzExport.empty()) throw std::runtime_error("Es ist kein Exportverzeichnis eingestellt.");
  const std::string verzeichnis =
      Ausgabeordner(FVerzExport);
  std::error_code fehler, art;
  std::filesystem::create_directories(verzeichnis, fehler);
  if (!std::filesystem::is_directory(verzeichnis, art)) {
    throw std::runtime_error("Das Exportverzeichnis \"" + verzeichnis +
                             "\" konnte nicht angelegt werden: " +
                             (fehler ? fehler.message()
                                     : std::string("dort liegt eine Datei gleichen Namens")));
  }
  const std::string ziel = ConcatPathNames(verzeichnis, dateiname);
  FDatei = std::make_unique<TAnsiTextFile>(ziel, TTextEncoding::Ansi, Kontext().TempVerzeichnis());
  FDateiName = ziel;
}

TAnsiTextFile& TMandantenExporter::Datei() {
  if (!FDatei) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
  return *FDatei;
}

bool TMandantenExporter::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  const bool geschrieben = Guard("Export_Fibu_Daten", [&] {
    try {
      Buchung(ABuchInfo);
    } catch (const std::exception& fehler) {
      // The log must lead to the booking, not only to the reason.
      throw std::runtime_error("Buchung Beleg \"" + ABuchInfo.Beleg1 + "\" vom " +
                               DateToStr(ABuchInfo.BelegDatum) + ", Konto " +
                               std::to_string(ABuchInfo.Konto) + ": " + fehler.what());
    }
    return true;
  });
  if (!geschrieben) FBuchungFehlt = true;
  return geschrieben;
}

bool TMandantenExporter::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                           const TFibuExportBuchInfoZusatz& /*ABuchInfoZusatz*/) {
  return Export_Fibu_Daten(ABuchInfo);
}

bool TMandantenExporter::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    if (!FDatei) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    try {
      if (FBuchungFehlt) {
        throw std::runtime_error("Mindestens eine Buchung konnte nicht geschrieben werden; die "
                                 "Datei \"" + FDateiName + "\" wurde nicht erstellt.");
      }
      DateiAbschluss();
    } catch (...) {
      // Dropping the writer removes the temporary file; the bookings stay open.
      FDatei.reset();
      FBuchungFehlt = false;
      throw;
    }
    std::vector<std::unique_ptr<TAnsiTextFile>> dateien;
    dateien.push_back(std::move(FDatei));
    DateienFertigstellen(dateien);
    return true;
  });
}

std::string TMandantenExporter::DateiMeldung() const {
  return "Die ausgewählten Sätze wurden in die Datei\r\"" + FDateiName + "\"\rexportiert.";
}
