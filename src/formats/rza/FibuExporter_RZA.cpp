#include "formats/rza/FibuExporter_RZA.h"

#include <cmath>
#include <stdexcept>

#include "suite/AnsiTextFile.h"
#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

TFibuExporter_RZA::TFibuExporter_RZA() = default;

TFibuExporter_RZA::~TFibuExporter_RZA() {
  Teardown("Destroy", [&] { FExportDatei.reset(); });
  Kontext().Meldungen().FehlerTerminate("TFibuExporter_RZA.Destroy");
}

const TEinstellungsTabelle<TFibuExporter_RZA>& TFibuExporter_RZA::Einstellungen() {
  using T = TFibuExporter_RZA;
  static const TEinstellungsTabelle<T> tabelle{
      // Inside the suite's folder stored relative to it, so that a copied suite writes
      // into its own folder.
      {"VERZ-EXPORT", &T::FVerzExport, "", nullptr, SuitePfadGeladen, SuitePfadZumSpeichern},
      {"AUTOMATIK", static_cast<bool T::*>(&T::FAutomatikkonten)},
  };
  return tabelle;
}

const std::array<TFibuExporter_RZA::TSteuerEinstellung, 10>&
TFibuExporter_RZA::SteuerEinstellungen() {
  static const std::array<TSteuerEinstellung, 10> tabelle{{
      {"UMST_REDUZ", CQTX_FibuExport_Ust_Reduz},
      {"UMST_SPEZ", CQTX_FibuExport_Ust_Speziell},
      {"UMST_NORMAL", CQTX_FibuExport_Ust_Normal},
      {"UMST_NORM_ALT", CQTX_FibuExport_Ust_Normal_Alt},
      {"UMST_EG", CQTX_FibuExport_Ust_EG},
      {"VST_REDUZ", CQTX_FibuExport_Vst_Reduz},
      {"VST_SPEZ", CQTX_FibuExport_Vst_Speziell},
      {"VST_NORMAL", CQTX_FibuExport_Vst_Normal},
      {"VST_NORM_ALT", CQTX_FibuExport_Vst_Normal_Alt},
      {"VST_OHNE", CQTX_FibuExport_Vst_Ohne},
  }};
  return tabelle;
}

bool TFibuExporter_RZA::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, false); });
}

void TFibuExporter_RZA::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TFibuExporter_RZA::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TFibuExporter_RZA::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TFibuExporter_RZA::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask(CKennung); });
}

void TFibuExporter_RZA::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FExportDatei.reset(); });
  TFibuExporter::Resources_Destroy();
}

void TFibuExporter_RZA::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    for (const auto& e : SteuerEinstellungen()) {
      strConfig.SetValue(e.Schluessel, FSteuerSchl[static_cast<std::size_t>(e.Steuer)]);
    }
  });
}

void TFibuExporter_RZA::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    FNachDatumSortieren = true;
    FNachFilialeSortieren = true;
    FBMDZusatz = true;
    EinstellungenLesen(*this, strConfig, Einstellungen());
    FSteuerSchl = {};
    for (const auto& e : SteuerEinstellungen()) {
      FSteuerSchl[static_cast<std::size_t>(e.Steuer)] = Trim(strConfig.Value(e.Schluessel));
    }
  });
}

void TFibuExporter_RZA::SetSteuerschluessel(TQTX_FibuExport_Steuer ASteuer,
                                            const std::string& schluessel) {
  FSteuerSchl.at(static_cast<std::size_t>(ASteuer)) = schluessel;
}

std::string TFibuExporter_RZA::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel",
               [&] { return FSteuerSchl.at(static_cast<std::size_t>(ASteuer)); });
}

bool TFibuExporter_RZA::EinstellungenVorhanden() { return !FVerzExport.empty(); }
bool TFibuExporter_RZA::Profil_Geeignet(TIntPair /*AMandant*/) { return true; }

std::string TFibuExporter_RZA::GetDateiName() { return FDateiName; }
std::string TFibuExporter_RZA::GetExportPfad() { return FVerzExport; }
int TFibuExporter_RZA::GetMaxLfdNr() { return FBelegNummer; }
void TFibuExporter_RZA::SetMaxLfdNr(int Value) { FBelegNummer = Value; }

TStringList TFibuExporter_RZA::GetDateiListe() {
  return Guard("GetDateiListe", [&] {
    TStringList liste = std::move(FErzeugteDateien);
    FErzeugteDateien.clear();
    return liste;
  });
}

std::string TFibuExporter_RZA::GetMeldung() {
  return Guard("GetMeldung", [&] {
    return "Die ausgewählten Sätze wurden in die Datei\r\"" + FDateiName + "\"\rexportiert.";
  });
}

std::string TFibuExporter_RZA::Dateiname(const TFibuExportFileInfo& AFileInfo) {
  // The client in the name: two clients' settlements of one number keep their own files.
  return Format("FIBU_EXPORT_%d_%d_%d-%d.txt", AFileInfo.AbrJahr, AFileInfo.AbrNr,
                AFileInfo.Firma.Nr1, AFileInfo.Firma.Nr2);
}

std::vector<std::string> TFibuExporter_RZA::Zieldateien(const TFibuExportFileInfo& AFileInfo) {
  if (FVerzExport.empty()) return {};
  return {ConcatPathNames(Ausgabeordner(FVerzExport), Dateiname(AFileInfo))};
}

bool TFibuExporter_RZA::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  const bool offen = Guard("Export_Fibu_Kopf", [&] {
    FExportDatei.reset();  // a file started earlier and never finished is dropped
    FBeleg = {};
    FBuchungFehlt = false;
    if (FVerzExport.empty()) return false;
    const std::string verzeichnis =
        Ausgabeordner(FVerzExport);
    FDateiName = ConcatPathNames(verzeichnis, Dateiname(AFileInfo));
    if (!ForceDirectories(verzeichnis)) {
      throw std::runtime_error("Das Exportverzeichnis \"" + verzeichnis +
                               "\" konnte nicht angelegt werden.");
    }
    FExportDatei = std::make_unique<TAnsiTextFile>(FDateiName, TTextEncoding::Ansi,
                                                   Kontext().TempVerzeichnis());
    FExportDatei->WriteLine(rza::CKopfzeile);
    return true;
  });
  if (!offen) FExportDatei.reset();
  return offen;
}

void TFibuExporter_RZA::SchreibeBeleg() {
  const std::string text = FBeleg.Schliessen();
  if (!text.empty()) FExportDatei->Write(text);
}

bool TFibuExporter_RZA::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  const bool geschrieben = Guard("Export_Fibu_Daten", [&] {
    if (std::fabs(ABuchInfo.BetragHaben - ABuchInfo.BetragSoll) < 0.005L) return true;
    if (!FExportDatei) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    if (!FBeleg.Passt(ABuchInfo)) {
      SchreibeBeleg();
      FBeleg.Beginnen(++FBelegNummer, ABuchInfo);
    }
    FBeleg.Hinzufuegen(ABuchInfo);
    return true;
  });
  if (!geschrieben) FBuchungFehlt = true;
  return geschrieben;
}

bool TFibuExporter_RZA::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                          const TFibuExportBuchInfoZusatz& /*ABuchInfoZusatz*/) {
  return Export_Fibu_Daten(ABuchInfo);
}

bool TFibuExporter_RZA::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    if (!FExportDatei) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    if (FBuchungFehlt) {
      FBuchungFehlt = false;
      FExportDatei.reset();  // removes the temporary file; the bookings stay open
      throw std::runtime_error("Mindestens eine Buchung konnte nicht geschrieben werden; die "
                               "Datei \"" + FDateiName + "\" wurde nicht erstellt.");
    }
    SchreibeBeleg();
    std::vector<std::unique_ptr<TAnsiTextFile>> dateien;
    dateien.push_back(std::move(FExportDatei));
    for (const auto& name : DateienFertigstellen(dateien)) FErzeugteDateien.push_back(name);
    return true;
  });
}
