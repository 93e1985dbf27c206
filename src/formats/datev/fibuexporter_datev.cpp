#include "formats/datev/fibuexporter_datev.h"

#include <filesystem>
#include <stdexcept>

#include "formats/datev/DatevRegeln.h"
#include "formats/datev/DatevTabellen.h"
#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"

namespace {

// DATEV takes at most this many booking lines in one batch.
constexpr std::size_t kMaxBuchungszeilen = 99999;

std::string MandantSchluessel(const datev::TMandInfo& mandant) {
  return qtx_TIntPair2String(mandant.GepNr);
}

// The shape MandantSchluessel gives: two whole numbers joined by "/".
bool IstMandantenSchluessel(const std::string& text) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) return false;
  const auto ganzeZahl = [](std::string_view teil) {
    if (!teil.empty() && teil.front() == '-') teil.remove_prefix(1);
    return !teil.empty() && teil.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const std::string_view view(text);
  return ganzeZahl(view.substr(0, slash)) && ganzeZahl(view.substr(slash + 1));
}

}  // namespace

TFibuExporter_Datev::TFibuExporter_Datev() = default;

TFibuExporter_Datev::~TFibuExporter_Datev() {
  Teardown("Destroy", [&] { FStreamWriter.reset(); });
  Kontext().Meldungen().FehlerTerminate("TFibuExporter_Datev.Destroy");
}

bool TFibuExporter_Datev::Config_Load(const std::string& ProfilName) {
  return Guard("Config_Load", [&] { return LoadThenApply(ProfilName, true); });
}

void TFibuExporter_Datev::Config_Save(const std::string& ProfilName) {
  Guard("Config_Save", [&] { ApplyThenSave(ProfilName); });
}

bool TFibuExporter_Datev::Config_Load_Dialog() {
  return Guard("Config_Load_Dialog", [&] { return LoadDialogThenApply(); });
}

bool TFibuExporter_Datev::Config_Save_Dialog() {
  return Guard("Config_Save_Dialog", [&] { return ApplyThenSaveDialog(); });
}

void TFibuExporter_Datev::LoadSaveProps() {
  Guard("LoadSaveProps", [&] { UseProfileMask(CKennung); });
}

void TFibuExporter_Datev::Resources_Create() {
  TFibuExporter::Resources_Create();
  Teardown("Resources_Create", [&] {
    FMandantenLesbar = true;
    FZusatzFelderListe.clear();
  });
}

void TFibuExporter_Datev::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { FZusatzFelderListe.clear(); });
  Teardown("Resources_Destroy", [&] { FMandanten.clear(); });
  Teardown("Resources_Destroy", [&] { FMandantenLesbar = false; });
  TFibuExporter::Resources_Destroy();
}

const TEinstellungsTabelle<TFibuExporter_Datev>& TFibuExporter_Datev::Einstellungen() {
  using T = TFibuExporter_Datev;
  static const TEinstellungsTabelle<T> tabelle{
      // Inside the suite's folder stored relative to it, so that a copied suite writes
      // into its own folder.
      {"VERZ-EXPORT", &T::FVerzExport, "", "VERZ-EXPORT", SuitePfadGeladen,
       SuitePfadZumSpeichern},
      {"SACHKTOLNG", &T::FSachKtoLng, "4", "SACHKTOLNG"},
      {.Schluessel = CZahlungsreferenz,
       .Member = &T::FZahlungsreferenz,
       .Beschriftung = "Zahlungsreferenz bei OC-Belegen einlesen und exportieren",
       .Hinweis = "Die Transaktionsnummer von PAYPAL oder EBAY wird im Feld Auftragsnummer exportiert."},
      {.Schluessel = "EXPMONATL",
       .Member = &T::FExportMonatlich,
       .Beschriftung = "Export getrennt nach Monaten",
       .Hinweis = "Pro Monat im Datenbestand der gwählten Geschäftsvorfälle wird eine separate "
                  "Export-Datei erzeugt. "},
  };
  return tabelle;
}

void TFibuExporter_Datev::Properties2Config() {
  Guard("Properties2Config", [&] {
    TFibuExporter::Properties2Config();
    EinstellungenSchreiben(*this, strConfig, Einstellungen());
    for (const auto& mandant : FMandanten) {
      const std::string schluessel = MandantSchluessel(mandant);
      strConfig.SetValue("BERATER" + schluessel, std::to_string(mandant.Berater));
      strConfig.SetValue("MANDANT" + schluessel, std::to_string(mandant.Mandant));
      strConfig.SetValue("BENUTZER" + schluessel, mandant.Benutzer);
      strConfig.SetValue("MANDAKTV" + schluessel, BoolToJN(mandant.Aktiv));
      strConfig.SetValue("MANDFEST" + schluessel, BoolToJN(mandant.Festschreiben));
    }
    for (const auto& feld : FZusatzFelderListe) {
      if (!feld.InhaltKennung.empty()) {
        strConfig.SetValue("ZUSATZ-" + feld.FeldKennung, feld.InhaltKennung);
      }
    }
  });
}

bool TFibuExporter_Datev::EigenerConfigSchluessel(const std::string& key) const {
  // Per-client keys of any client, removed ones included: a client number given anew
  // must not inherit the DATEV numbers of the client it once named.
  for (const std::string_view prefix : {"BERATER", "MANDANT", "BENUTZER", "MANDAKTV", "MANDFEST"}) {
    if (key.starts_with(prefix) && IstMandantenSchluessel(key.substr(prefix.size()))) return true;
  }
  constexpr std::string_view kZusatz = "ZUSATZ-";
  if (!key.starts_with(kZusatz)) return false;
  const std::string_view feldKennung = std::string_view(key).substr(kZusatz.size());
  for (const auto& feld : datev::DatevFelder()) {
    if (feldKennung == feld.Kennung) return true;
  }
  return false;
}

void TFibuExporter_Datev::Config2Properties() {
  Guard("Config2Properties", [&] {
    TFibuExporter::Config2Properties();
    FAutomatikkonten = true;
    FDatevZusatz = true;
    EinstellungenLesen(*this, strConfig, Einstellungen());
    LeseMandanten(false);
    LeseZusatzFelder();
  });
}

void TFibuExporter_Datev::Lade_Einstellungen_Alt() {
  Guard("Lade_Einstellungen_Alt", [&] {
    TFibuExporter::Lade_Einstellungen_Alt();
    FAutomatikkonten = true;
    FDatevZusatz = true;
    EinstellungenAltLesen(*this, FSimplemask, Einstellungen());
    LeseMandanten(true);
    ZusatzFelderDatenClear();
    for (const auto& feld : datev::DatevFelder()) SetZusatzFelderDaten(feld.Kennung, "");
  });
}

void TFibuExporter_Datev::LeseMandanten(bool alteEinstellungen) {
  FMandanten.clear();
  if (!FMandantenLesbar) return;
  for (const auto& eintrag : Kontext().Mandanten()) {
    TMandInfo mandant;
    mandant.KurzNr = eintrag.KurzNr;
    mandant.GepNr = eintrag.GepNr;
    mandant.Name = eintrag.Name;
    mandant.BeginnWJ = eintrag.BeginnWJ;
    mandant.KurzName = eintrag.KurzName;
    const std::string schluessel = MandantSchluessel(mandant);
    if (alteEinstellungen) {
      mandant.Berater = FSimplemask.ReadGlobalDef("BERATER" + schluessel, 0);
      mandant.Mandant = FSimplemask.ReadGlobalDef("MANDANT" + schluessel, 0);
      mandant.Benutzer = FSimplemask.ReadGlobalDef("BENUTZER" + schluessel, "");
      mandant.Aktiv = true;
      mandant.Festschreiben = true;
    } else {
      mandant.Berater = StrToIntDef(strConfig.Value("BERATER" + schluessel), 0);
      mandant.Mandant = StrToIntDef(strConfig.Value("MANDANT" + schluessel), 0);
      mandant.Benutzer = strConfig.Value("BENUTZER" + schluessel);
      mandant.Aktiv = JNToBool(strConfig.Value("MANDAKTV" + schluessel));
      const std::string fest = "MANDFEST" + schluessel;
      mandant.Festschreiben = !strConfig.HasKey(fest) || JNToBool(strConfig.Value(fest));
    }
    FMandanten.push_back(std::move(mandant));
  }
}

void TFibuExporter_Datev::LeseZusatzFelder() {
  ZusatzFelderDatenClear();
  for (const auto& feld : datev::DatevFelder()) {
    SetZusatzFelderDaten(feld.Kennung, strConfig.Value("ZUSATZ-" + feld.Kennung));
  }
}

int TFibuExporter_Datev::GetMandantIndex(TIntPair AGepNr) const {
  for (std::size_t i = 0; i < FMandanten.size(); ++i) {
    if (FMandanten[i].GepNr == AGepNr) return static_cast<int>(i);
  }
  return -1;
}

void TFibuExporter_Datev::SetMandantenDaten(TIntPair AGepNr, int ABerater, bool AFestschreiben,
                                            bool AAktiv, const std::string& ABenutzer,
                                            int AMandant) {
  for (auto& mandant : FMandanten) {
    if (mandant.GepNr != AGepNr) continue;
    mandant.Berater = ABerater;
    mandant.Festschreiben = AFestschreiben;
    mandant.Aktiv = AAktiv;
    mandant.Benutzer = ABenutzer;
    mandant.Mandant = AMandant;
  }
}

void TFibuExporter_Datev::ZusatzFelderDatenClear() { FZusatzFelderListe.clear(); }

void TFibuExporter_Datev::SetZusatzFelderDaten(const std::string& AFeldKennung,
                                               const std::string& AInhaltKennung) {
  const auto& inhalt = datev::DatevInhalt(datev::DatevInhaltNummer(AInhaltKennung));
  FZusatzFelderListe.push_back({AFeldKennung, datev::DatevFeldBezeichnung(AFeldKennung),
                                AInhaltKennung, std::string(inhalt.Bezeichnung)});
}

void TFibuExporter_Datev::SetZusatzFelderDaten(const std::string& AFeldKennung,
                                               const std::string& AFeldBez,
                                               const std::string& AInhaltBez,
                                               const std::string& AInhaltKennung) {
  FZusatzFelderListe.push_back({AFeldKennung, AFeldBez, AInhaltKennung, AInhaltBez});
}

bool TFibuExporter_Datev::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] {
    if (FVerzExport.empty() || FSachKtoLng < 4 || FSachKtoLng > 8) return false;
    bool einerAktiv = false;
    for (const auto& mandant : FMandanten) {
      if (!mandant.Aktiv) continue;
      if (mandant.Berater == 0 || mandant.Mandant == 0) return false;
      einerAktiv = true;
    }
    return einerAktiv;
  });
}

bool TFibuExporter_Datev::Profil_Geeignet(TIntPair AMandant) {
  return Guard("Profil_Geeignet", [&] {
    const int index = GetMandantIndex(AMandant);
    return index >= 0 && FMandanten[static_cast<std::size_t>(index)].Aktiv;
  });
}

std::unique_ptr<IExportRegeln> TFibuExporter_Datev::Importregeln(TIntPair /*AMandant*/) const {
  return std::make_unique<datev::TDatevRegeln>(Version(), FSachKtoLng, FExportMonatlich);
}

std::string TFibuExporter_Datev::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] {
    return Version().Steuerschluessel(ASteuer);
  });
}

std::string TFibuExporter_Datev::GetDateiName() { return FExportfilename; }
std::string TFibuExporter_Datev::GetExportPfad() { return FVerzExport; }
int TFibuExporter_Datev::GetMaxLfdNr() { return FLfdNummer; }
void TFibuExporter_Datev::SetMaxLfdNr(int Value) { FLfdNummer = Value; }

TStringList TFibuExporter_Datev::GetDateiListe() {
  return Guard("GetDateiListe", [&] {
    TStringList liste = std::move(FErzeugteDateien);
    FErzeugteDateien.clear();
    FErsetzteZeichen = 0;
    return liste;
  });
}

std::string TFibuExporter_Datev::GetMeldung() {
  return Guard("GetMeldung", [&] {
    std::string meldung;
    if (FErzeugteDateien.empty()) return std::string("Es konnte keine Exortdatei erstellt werden.");
    if (FErzeugteDateien.size() == 1) {
      meldung = "Die ausgewählten Daten wurden in die folgende Datei exportiert:\r\n\r\n\"" +
                FErzeugteDateien.front() +
                "\"\r\n\r\nDie Datei kann nun bei Datev importiert werden.";
    } else {
      meldung = "Die ausgewählten Daten wurden in die folgenden Dateien exportiert:\r\n";
      for (const auto& datei : FErzeugteDateien) meldung += "\r\n" + datei;
      meldung += "\r\n\r\nDie Dateien können nun bei Datev importiert werden.";
    }
    if (FErsetzteZeichen > 0) {
      meldung += Format(
          "\r\n\r\n%d Zeichen ohne Entsprechung im Windows-Zeichensatz wurden durch \"?\" "
          "ersetzt.",
          FErsetzteZeichen);
    }
    return meldung;
  });
}

std::string TFibuExporter_Datev::ExportFileNameTMP() const {
  return FStreamWriter ? FStreamWriter->TempPath() : std::string();
}

void TFibuExporter_Datev::FilesClear() {
  Guard("FilesClear", [&] {
    // Dropping an unfinished writer removes its temporary file.
    FStreamWriter.reset();
    FFertigeTeile.clear();
    if (FExportfilename.empty()) return;
    Ensure_DeleteFile(FExportfilename);
    // Further batches of an earlier file of this name would be imported with the new one.
    std::error_code fehler;
    for (int teil = 2; std::filesystem::exists(TeilDateiname(teil), fehler); ++teil) {
      Ensure_DeleteFile(TeilDateiname(teil));
    }
  });
}

std::string TFibuExporter_Datev::TeilDateiname(int teil) const {
  if (teil <= 1) return FExportfilename;
  const std::filesystem::path pfad(FExportfilename);
  return (pfad.parent_path() /
          (pfad.stem().string() + "_" + std::to_string(teil) + pfad.extension().string()))
      .string();
}

void TFibuExporter_Datev::StapelBeginnen() {
  FStreamWriter = std::make_unique<TAnsiTextFile>(TeilDateiname(FTeil), TTextEncoding::Ansi,
                                                  Kontext().TempVerzeichnis());
  datev::BaueKopfzeile(FZeile, Version(), FKopf);
  FStreamWriter->WriteLine(FZeile.Zeile());
  FStreamWriter->WriteLine(Version().Spaltenzeile());
  FBuchungszeilen = 0;
}

TDateTime TFibuExporter_Datev::BeginnWirtschaftsjahr(const TMandInfo& mandant,
                                                     TDateTime datumVon) const {
  const int monat = mandant.BeginnWJ >= 1 && mandant.BeginnWJ <= 12 ? mandant.BeginnWJ : 1;
  const int jahr = YearOf(datumVon);
  const TDateTime beginn = EncodeDate(jahr, monat, 1);
  return beginn > datumVon ? EncodeDate(jahr - 1, monat, 1) : beginn;
}

std::string TFibuExporter_Datev::Dateiname(const TMandInfo& mandant,
                                           const TFibuExportFileInfo& AFileInfo) {
  return Format("EXTF_%s_%d_%d%.2d_%d.csv", DateinamenTeil(mandant.KurzName), mandant.Mandant,
                AFileInfo.AbrJahr, MonthOf(AFileInfo.DatumBis), AFileInfo.AbrNr);
}

std::vector<std::string> TFibuExporter_Datev::Zieldateien(const TFibuExportFileInfo& AFileInfo) {
  const int index = GetMandantIndex(AFileInfo.Firma);
  if (index < 0 || FVerzExport.empty()) return {};
  // The first batch's file; a pass of more lines than a batch holds adds "_2", "_3", ...
  return {ConcatPathNames(Ausgabeordner(FVerzExport),
                          Dateiname(FMandanten[static_cast<std::size_t>(index)], AFileInfo))};
}

bool TFibuExporter_Datev::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  const bool offen = Guard("Export_Fibu_Kopf", [&] {
    FStreamWriter.reset();  // a file started earlier and never finished is dropped
    FFertigeTeile.clear();
    FZeileFehlt = false;
    const int index = GetMandantIndex(AFileInfo.Firma);
    if (index < 0) return false;
    const TMandInfo& mandant = FMandanten[static_cast<std::size_t>(index)];
    FFestschreiben = mandant.Festschreiben ? "1" : "0";
    const std::string verzeichnis = Ausgabeordner(FVerzExport);
    FExportfilename = ConcatPathNames(verzeichnis, Dateiname(mandant, AFileInfo));
    std::error_code fehler, art;
    if (!verzeichnis.empty()) std::filesystem::create_directories(verzeichnis, fehler);
    if (verzeichnis.empty() || !std::filesystem::is_directory(verzeichnis, art)) {
      // The box vanishes in batch mode; the log keeps the folder and the system's reason.
      Kontext().Meldungen().RegisterException(
          "TFibuExporter_Datev.Export_Fibu_Kopf",
          "Das Exportverzeichnis \"" + verzeichnis + "\" konnte nicht angelegt werden: " +
              (FVerzExport.empty() ? std::string("kein Verzeichnis eingestellt")
               : fehler            ? fehler.message()
                                   : std::string("dort liegt eine Datei gleichen Namens")),
          true);
      Kontext().Meldungen().QTXWarnungBox("Exportverzeichnis\r\"" + verzeichnis +
                              "\"\rkonnte nicht gefunden/angelegt werden.\r"
                              "Bitte überprüfen Sie die Grundeinstellungen.");
      return false;
    }
    FilesClear();
    FTeil = 1;

    datev::TDatevKopfDaten& kopf = FKopf;
    kopf.Erstellt = Kontext().Jetzt();
    kopf.Berater = mandant.Berater;
    kopf.Mandant = mandant.Mandant;
    kopf.BeginnWJ = BeginnWirtschaftsjahr(mandant, AFileInfo.DatumVon);
    kopf.SachKtoLng = FSachKtoLng;
    kopf.DatumVon = AFileInfo.DatumVon;
    kopf.DatumBis = AFileInfo.DatumBis;
    kopf.Benutzer = mandant.Benutzer;
    kopf.Festschreiben = FFestschreiben;
    kopf.Waehrung = QTXProgramm().GetWaehrung();
    StapelBeginnen();
    return true;
  });
  // A file whose start failed takes no bookings and is never completed.
  if (!offen) FStreamWriter.reset();
  return offen;
}

long double TFibuExporter_Datev::Differenz(const TFibuExportBuchInfo& ABuchInfo) const {
  return ABuchInfo.BetragHaben - ABuchInfo.BetragSoll;
}

bool TFibuExporter_Datev::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  // Without additional fields the booking is still written, with those columns empty.
  return Export_Fibu_Daten(ABuchInfo, TFibuExportBuchInfoZusatz{});
}

bool TFibuExporter_Datev::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                            const TFibuExportBuchInfoZusatz& ABuchInfoZusatz) {
  const bool geschrieben = Guard("Export_Fibu_Daten", [&] {
    // Nine decimals take away the binary noise of the subtraction, so that an exact
    // half cent is written and printed as such, while 0.0049996 still is no line.
    const long double D = qtx_Round(Differenz(ABuchInfo), 9);
    if (datev::IstNullbetrag(D)) return true;
    if (!FStreamWriter) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    if (FBuchungszeilen == kMaxBuchungszeilen) {
      // A full batch is complete: the next one is a file with its own header, and all of
      // them become visible together at the end.
      FFertigeTeile.push_back(std::move(FStreamWriter));
      ++FTeil;
      StapelBeginnen();
    }
    datev::BaueBuchungszeile(FZeile, Version(), ABuchInfo, ABuchInfoZusatz, D, FFestschreiben);
    FStreamWriter->WriteLine(FZeile.Zeile());
    ++FBuchungszeilen;
    return true;
  });
  if (!geschrieben) FZeileFehlt = true;
  return geschrieben;
}

bool TFibuExporter_Datev::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    if (!FStreamWriter) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    std::vector<std::unique_ptr<TAnsiTextFile>> teile = std::move(FFertigeTeile);
    FFertigeTeile.clear();
    teile.push_back(std::move(FStreamWriter));
    if (FZeileFehlt) {
      FZeileFehlt = false;
      // Dropping the writers removes the temporary files; the bookings stay open.
      teile.clear();
      throw std::runtime_error("Mindestens eine Buchung konnte nicht geschrieben werden; die "
                               "Datei \"" + FExportfilename + "\" wurde nicht erstellt.");
    }
    // The batches of one file are imported together or not at all.
    const std::vector<std::string> fertig = DateienFertigstellen(teile);
    for (auto& teil : teile) FErsetzteZeichen += teil->ReplacedCount();
    FErzeugteDateien.insert(FErzeugteDateien.end(), fertig.begin(), fertig.end());
    return true;
  });
}

