#include "formats/his/FibuExporter_HIS.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "formats/his/HisRegeln.h"
#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

constexpr const char* kMedienFTP = "FTP";
constexpr const char* kMedienDisc = "DISC";
constexpr const char* kMandantAktiv = "MANDAKTV";

std::string MandantSchluessel(TIntPair gepNr) { return qtx_TIntPair2String(gepNr); }

}  // namespace

TFibuExporter_HIS::TFibuExporter_HIS() = default;

TFibuExporter_HIS::~TFibuExporter_HIS() {
  Teardown("Destroy", [&] { FStreamWriter.reset(); });
  Kontext().Meldungen().FehlerTerminate("TFibuExporter_HIS.Destroy");
}

const TEinstellungsTabelle<TFibuExporter_HIS>& TFibuExporter_HIS::Einstellungen() {
  using T = TFibuExporter_HIS;
  static const TEinstellungsTabelle<T> tabelle{
      // Inside the suite's folder stored relative to it, so that a copied suite writes
      // into its own folder.
      {"VERZ-EXPORT", &T::FVerzExport, "", nullptr, SuitePfadGeladen, SuitePfadZumSpeichern},
      {"EXPMEDIUM", &T::FExportMediumText, kMedienDisc},
      {"VERZ-FTP", &T::FVerzExportFTP},
      {"SACHKTOLNG", &T::FSachKtoLng, "4"},
      {"EXPTAGEWEISE", static_cast<bool T::*>(&T::FExportTageweise)},
      {"KONTENDREHEN", &T::FKontenDrehen},
      {"KTODREHENMIN", &T::FKtoMin, "0"},
      {"KTODREHENMAX", &T::FKtoMax, "0"},
      {"SONDERLOGIKG", &T::FSonderlogikGS},
      {"GSKTOMIN", &T::FGSKtoMin, "0"},
      {"GSKTOMAX", &T::FGSKtoMax, "0"},
      {"SONDERLOGIKK", &T::FSonderlogikKD},
      {"KDKTOMIN", &T::FKDKtoMin, "0"},
      {"KDKTOMAX", &T::FKDKtoMax, "0"},
      {"SONDERKDDREH", &T::FSonderKDDreh},
  };
  return tabelle;
}

bool TFibuExporter_HIS::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] {
    if (!LoadThenApply(ProfilName, false)) return false;
    if (strConfig.Items.empty()) Einstellungen_Init();
    return true;
  });
}

void TFibuExporter_HIS::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TFibuExporter_HIS::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TFibuExporter_HIS::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TFibuExporter_HIS::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask(CKennung); });
}

void TFibuExporter_HIS::Resources_Create() {
  TFibuExporter::Resources_Create();
  Teardown("Resources_Create", [&] { FMandanten.clear(); });
}

void TFibuExporter_HIS::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FMandanten.clear(); });
  Teardown("Resources_Destroy", [&] { FStreamWriter.reset(); });
  TFibuExporter::Resources_Destroy();
}

void TFibuExporter_HIS::Einstellungen_Init() {
  Guard("Einstellungen_Init", [&] {
    FExportMedium = femDisc;
    FExportMediumText = kMedienDisc;
    FVerzExport.clear();
    FVerzExportFTP.clear();
    SetSachKtoLng(4);
    FExportTageweise = false;
    SetSonderregeln({});
    FAutomatikkonten = true;
    FBMDZusatz = true;
    LeseMandanten();
    for (auto& mandant : FMandanten) mandant.Aktiv = true;
  });
}

void TFibuExporter_HIS::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    FExportMediumText = FExportMedium == femFTP ? kMedienFTP : kMedienDisc;
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    for (const auto& mandant : FMandanten) {
      strConfig.SetValue(kMandantAktiv + MandantSchluessel(mandant.GepNr),
                         BoolToJN(mandant.Aktiv));
    }
  });
}

void TFibuExporter_HIS::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    FAutomatikkonten = true;
    FBMDZusatz = true;
    EinstellungenLesen(*this, strConfig, Einstellungen());
    FExportMedium = FExportMediumText == kMedienFTP ? femFTP : femDisc;
    SetSachKtoLng(FSachKtoLng);
    LeseMandanten();
  });
}

void TFibuExporter_HIS::LeseMandanten() {
  FMandanten.clear();
  for (const auto& eintrag : Kontext().Mandanten()) {
    TMandInfo mandant{eintrag.GepNr, eintrag.Name, false};
    mandant.Aktiv = JNToBool(strConfig.Value(kMandantAktiv + MandantSchluessel(mandant.GepNr)));
    FMandanten.push_back(std::move(mandant));
  }
}

void TFibuExporter_HIS::SetSachKtoLng(int value) {
  FSachKtoLng = value;
  FFormatString = "%." + std::to_string(value) + "d";
}

his::TSonderregeln TFibuExporter_HIS::Sonderregeln() const {
  his::TSonderregeln regeln;
  regeln.Gutscheine = FSonderlogikGS;
  regeln.GutscheinKonten = {FGSKtoMin, FGSKtoMax};
  regeln.Kassendifferenz = FSonderlogikKD;
  regeln.KassendifferenzKonten = {FKDKtoMin, FKDKtoMax};
  regeln.KassendifferenzDrehen = FSonderKDDreh;
  regeln.KontenDrehen = FKontenDrehen;
  regeln.NichtDrehen = {FKtoMin, FKtoMax};
  return regeln;
}

void TFibuExporter_HIS::SetSonderregeln(const his::TSonderregeln& value) {
  FSonderlogikGS = value.Gutscheine;
  FGSKtoMin = value.GutscheinKonten.Min;
  FGSKtoMax = value.GutscheinKonten.Max;
  FSonderlogikKD = value.Kassendifferenz;
  FKDKtoMin = value.KassendifferenzKonten.Min;
  FKDKtoMax = value.KassendifferenzKonten.Max;
  FSonderKDDreh = value.KassendifferenzDrehen;
  FKontenDrehen = value.KontenDrehen;
  FKtoMin = value.NichtDrehen.Min;
  FKtoMax = value.NichtDrehen.Max;
}

int TFibuExporter_HIS::GetMandantIndex(TIntPair AGepNr) const {
  for (std::size_t i = 0; i < FMandanten.size(); ++i) {
    if (FMandanten[i].GepNr == AGepNr) return static_cast<int>(i);
  }
  return -1;
}

void TFibuExporter_HIS::SetMandantenDaten(TIntPair AGepNr, bool AAktiv) {
  for (auto& mandant : FMandanten) {
    if (mandant.GepNr == AGepNr) mandant.Aktiv = AAktiv;
  }
}

bool TFibuExporter_HIS::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    if (FExportMedium == femDisc && FVerzExport.empty()) return false;
    if (FExportMedium == femFTP && FVerzExportFTP.empty()) return false;
    if (FSachKtoLng < CSachKtoLngMin || FSachKtoLng > CSachKtoLngMax) return false;
    for (const auto& mandant : FMandanten) {
      if (mandant.Aktiv) return true;
    }
    return false;
  });
}

bool TFibuExporter_HIS::Profil_Geeignet(TIntPair AMandant) {
  return Guard("Profil_Geeignet", [&] {
    const int index = GetMandantIndex(AMandant);
    return index >= 0 && FMandanten[static_cast<std::size_t>(index)].Aktiv;
  });
}

std::unique_ptr<IExportRegeln> TFibuExporter_HIS::Importregeln(TIntPair /*AMandant*/) const {
  return std::make_unique<his::THisRegeln>(FSachKtoLng);
}

std::string TFibuExporter_HIS::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  switch (ASteuer) {
    case CQTX_FibuExport_Ust_Reduz: return "2";
    case CQTX_FibuExport_Ust_Speziell: return "4";
    case CQTX_FibuExport_Ust_Normal: return "3";
    case CQTX_FibuExport_Ust_Reduz_Alt: return "4";
    case CQTX_FibuExport_Ust_Normal_Alt: return "5";
    case CQTX_FibuExport_Vst_Reduz: return "8";
    case CQTX_FibuExport_Vst_Speziell: return "6";
    case CQTX_FibuExport_Vst_Normal: return "9";
    case CQTX_FibuExport_Vst_Reduz_Alt: return "6";
    case CQTX_FibuExport_Vst_Normal_Alt: return "7";
    case CQTX_FibuExport_Ust_EG: return "10";
    case CQTX_FibuExport_Vst_Ohne: return "";
  }
  return {};
}

std::string TFibuExporter_HIS::GetDateiName() { return FExportfilename; }

std::string TFibuExporter_HIS::GetExportPfad() {
  return Guard("GetExportPfad", [&] {
    return FExportMedium == femFTP ? GetDirWwsByName(16, "") : FVerzExport;
  });
}

int TFibuExporter_HIS::GetMaxLfdNr() { return FLfdNummer; }
void TFibuExporter_HIS::SetMaxLfdNr(int Value) { FLfdNummer = Value; }

TStringList TFibuExporter_HIS::GetDateiListe() {
  return Guard("GetDateiListe", [&] {
    TStringList liste = std::move(FErzeugteDateien);
    FErzeugteDateien.clear();
    return liste;
  });
}

std::string TFibuExporter_HIS::GetMeldung() {
  return Guard("GetMeldung", [&] {
    if (FFehlerUmbennenen) return std::string("Es fehlen die Rechte für den Exportpfad.");
    if (FErzeugteDateien.empty()) return std::string("Es konnte keine Exportdatei erstellt werden.");
    if (FErzeugteDateien.size() == 1) {
      return "Die ausgewählten Daten wurden in die folgende Datei exportiert:\r\n\r\n\"" +
             FErzeugteDateien.front() +
             "\"\r\n\r\nDie Datei kann nun in die externe Buchhaltung importiert werden.";
    }
    std::string meldung = "Die ausgewählten Daten wurden in die folgenden Dateien exportiert:\r\n";
    for (const auto& datei : FErzeugteDateien) meldung += "\r\n" + datei;
    return meldung +
           "\r\n\r\nDie Dateien können nun in die externe Buchhaltung importiert werden.";
  });
}

void TFibuExporter_HIS::FilesClear() {
  // Dropping an unfinished writer removes its temporary file; an earlier export of the
  // same name is never deleted.
  Guard("FilesClear", [&] { FStreamWriter.reset(); });
}

std::string TFibuExporter_HIS::Zielverzeichnis() const {
  const std::string basis = FExportMedium == femFTP ? GetDirWwsByName(16, "") : FVerzExport;
  return Ausgabeordner(basis);
}

bool TFibuExporter_HIS::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  const bool offen = Guard("Export_Fibu_Kopf", [&] {
    FilesClear();
    FZeileFehlt = false;
    FFehlerUmbennenen = false;
    if (GetMandantIndex(AFileInfo.Firma) < 0) return false;
    if (FExportMedium == femDisc && FVerzExport.empty()) return false;
    const std::string verzeichnis = Zielverzeichnis();
    if (!ForceDirectories(verzeichnis)) {
      Kontext().Meldungen().RegisterException("TFibuExporter_HIS.Export_Fibu_Kopf",
                                  "Das Exportverzeichnis \"" + verzeichnis +
                                      "\" konnte nicht angelegt werden.",
                                  true);
      Kontext().Meldungen().QTXWarnungBox("Exportverzeichnis\r\"" + verzeichnis +
                              "\"\rkonnte nicht gefunden/angelegt werden.\r"
                              "Bitte überprüfen Sie die Grundeinstellungen.");
      return false;
    }
    const TDateTime jetzt = Kontext().Jetzt();
    const std::string zeit = FormatDateTime("yyyymmdd_hhnnss", jetzt);
    FExportfilename =
        ExportTageweise()
            ? Format("hisfi_%s_%s.csv", Date2JJJJMMTT(AFileInfo.DatumVon), zeit)
            : Format("hisfi_%s_%s_%s.csv", Date2JJJJMMTT(AFileInfo.DatumVon),
                     Date2JJJJMMTT(AFileInfo.DatumBis), zeit);
    FZielPfad = ConcatPathNames(verzeichnis, FExportfilename);
    // A test file may be replaced: nobody imports it.
    std::error_code fehler;
    if (!Testexport() && std::filesystem::exists(FZielPfad, fehler)) {
      throw std::runtime_error("Die Exportdatei \"" + FZielPfad +
                               "\" besteht bereits und wird nicht überschrieben.");
    }
    FStreamWriter = std::make_unique<TAnsiTextFile>(FZielPfad, TTextEncoding::Ansi,
                                                    Kontext().TempVerzeichnis());
    FStreamWriter->WriteLine(his::THisZeile::CKopfzeile);
    FZeile = std::make_unique<his::THisZeile>(FSachKtoLng, jetzt);
    return true;
  });
  // A file whose start failed takes no bookings and is never completed.
  if (!offen) FStreamWriter.reset();
  return offen;
}

bool TFibuExporter_HIS::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  const bool geschrieben = Guard("Export_Fibu_Daten", [&] {
    if (std::fabs(ABuchInfo.BetragHaben - ABuchInfo.BetragSoll) < 0.005L) return true;
    if (!FStreamWriter) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    FStreamWriter->WriteLine(FZeile->Bauen(ABuchInfo, Sonderregeln()));
    return true;
  });
  if (!geschrieben) FZeileFehlt = true;
  return geschrieben;
}

bool TFibuExporter_HIS::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                          const TFibuExportBuchInfoZusatz& /*ABuchInfoZusatz*/) {
  return Export_Fibu_Daten(ABuchInfo);
}

bool TFibuExporter_HIS::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    if (!FStreamWriter) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    if (FZeileFehlt) {
      FZeileFehlt = false;
      FStreamWriter.reset();  // removes the temporary file; the bookings stay open
      throw std::runtime_error("Mindestens eine Buchung konnte nicht geschrieben werden; die "
                               "Datei \"" + FExportfilename + "\" wurde nicht erstellt.");
    }
    // A test export never leaves the house: it stays in the local test folder.
    FFehlerUmbennenen = true;
    if (FExportMedium == femFTP && !Testexport()) {
      auto fertig = FStreamWriter->Abschliessen();
      FStreamWriter.reset();
      // In a real export the file leaves only once the run's bookings are marked.
      if (DateienZurueckgehalten()) {
        std::shared_ptr<TFertigeDatei> datei = std::move(fertig);
        AblieferungVormerken([this, datei](std::string& fehler) {
          try {
            Hochladen(*datei);
            return true;
          } catch (const std::exception& e) {
            FFehlerUmbennenen = true;
            fehler = e.what();
            Kontext().Meldungen().RegisterException("TFibuExporter_HIS.Abliefern", fehler, true);
            return false;
          }
        });
      } else {
        Hochladen(*fertig);
      }
    } else {
      Ablegen();
    }
    FFehlerUmbennenen = false;
    return true;
  });
}

bool TFibuExporter_HIS::Ablegen() {
  std::vector<std::unique_ptr<TAnsiTextFile>> dateien;
  dateien.push_back(std::move(FStreamWriter));
  const std::string verzeichnis = Zielverzeichnis();
  // A real export gets its final name only after the settlement is filed: whether the
  // directory takes the file is asked now, while the bookings can still stay open.
  try {
    Ensure_DeleteFile(CreateUniqueFile(verzeichnis, ".hisfi_probe"));
  } catch (const std::exception& e) {
    throw std::runtime_error("Die Exportdatei kann nicht nach \"" + verzeichnis +
                             "\" geschrieben werden: " + e.what());
  }
  std::error_code fehler;
  if (!Testexport() && std::filesystem::exists(FZielPfad, fehler)) {
    throw std::runtime_error("Die Exportdatei \"" + FZielPfad +
                             "\" besteht bereits und wird nicht überschrieben.");
  }
  DateienFertigstellen(dateien);
  FErzeugteDateien.push_back(FZielPfad);
  return true;
}

void TFibuExporter_HIS::Hochladen(TFertigeDatei& fertig) {
  std::string fehler;
  if (!Kontext().Hochladen(fertig.TempPath(), FVerzExportFTP, FExportfilename, fehler)) {
    throw std::runtime_error("Die Exportdatei \"" + FExportfilename +
                             "\" konnte nicht hochgeladen werden (" + FVerzExportFTP +
                             "): " + fehler);
  }
  // The uploaded file is the export; the local copy goes with `fertig`.
  FErzeugteDateien.push_back(FVerzExportFTP + " - " + FExportfilename);
}
