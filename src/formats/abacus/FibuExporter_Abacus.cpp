#include "formats/abacus/FibuExporter_Abacus.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "data/BelegVorgaenge.h"
#include "formats/abacus/AbacusDatei.h"
#include "formats/abacus/AbacusRegeln.h"
#include "formats/abacus/FibuExpAbacusFrm.h"
#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Format.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/QTXProgramm.h"
#include "suite/QrReferenz.h"
#include "suite/Text.h"
#include "suite/db/Storage.h"
#include "suite/servers/TWHRechner.h"

namespace abacus {
namespace {

constexpr long double kHalberCent = 0.005L;
// The suite's directory that stands for the export path of an upload.
constexpr int kDirFtpExport = 16;

// How a message names a booking: its document, account and date.
std::string BuchungsName(const TFibuExportBuchInfo& b) {
  return Format("Buchung %d/%d/%d (Beleg \"%s\", Konto %d, %s)", b.Ident.RNr, b.Ident.LNr,
                static_cast<int>(b.Ident.SNr), b.Belegnr, b.Konto, DateToStr(b.BelegDatum));
}

template <typename F>
void FuerBuchung(const TFibuExportBuchInfo& b, F&& tun) {
  try {
    tun();
  } catch (const std::exception& e) {
    throw std::runtime_error(BuchungsName(b) + ": " + e.what());
  }
}

}  // namespace

TFibuExporter_Abacus::TFibuExporter_Abacus()
    : FSammelList(true,
                  [this](const TIntTrio& ident) {
                    // The cash-report number through the data module's lookup.
                    TBelegVorgaenge vorgaenge(Kontext().Datenbank(), nullptr);
                    std::string sort;
                    return vorgaenge.GetKBNummer({ident.RNr, ident.LNr}, sort);
                  }),
      FSammelList_Debi(false, nullptr) {}

TFibuExporter_Abacus::~TFibuExporter_Abacus() {
  Teardown("Destroy", [&] { Zuruecksetzen(); });
  Kontext().Meldungen().FehlerTerminate("TFibuExporter_Abacus.Destroy");
}

void TFibuExporter_Abacus::Resources_Create() {
  TFibuExporter::Resources_Create();
  Teardown("Resources_Create", [&] {
    FMandantenLesbar = true;
    if (!FAbacusData) FAbacusData = std::make_unique<TSaldixData_abacus>(Kontext().Datenbank());
  });
}

void TFibuExporter_Abacus::Resources_Destroy() {
  Teardown("Resources_Destroy", [&] { Zuruecksetzen(); });
  Teardown("Resources_Destroy", [&] { FAbacusData.reset(); });
  Teardown("Resources_Destroy", [&] { FMandanten.clear(); });
  Teardown("Resources_Destroy", [&] { FMandantenLesbar = false; });
  TFibuExporter::Resources_Destroy();
}

std::unique_ptr<IExportRegeln> TFibuExporter_Abacus::Importregeln(TIntPair AMandant) const {
  const int index = GetMandantIndex(AMandant);
  const int nummer = index >= 0 ? FMandanten[static_cast<std::size_t>(index)].Mandant : 0;
  return std::make_unique<TAbacusRegeln>(nummer, FMitDebitoren, FKundenNrMin, FKundenNrMax);
}

std::string TFibuExporter_Abacus::GetDateiName() { return FDateiNameFibu; }

std::string TFibuExporter_Abacus::GetExportPfad() {
  return Guard("GetExportPfad", [&] {
    return FExportMedium == femDisc ? FVerzExport : GetDirWwsByName(kDirFtpExport, "");
  });
}

TStringList TFibuExporter_Abacus::GetDateiListe() {
  return Guard("GetDateiListe", [&] {
    TStringList liste = std::move(FErzeugteDateien);
    FErzeugteDateien.clear();
    return liste;
  });
}

std::string TFibuExporter_Abacus::GetMeldung() {
  return Guard("GetMeldung", [&] {
    if (FErzeugteDateien.empty()) return std::string("Es konnte keine Exortdatei erstellt werden.");
    if (FErzeugteDateien.size() == 1) {
      return "Die ausgewählten Daten wurden in die folgende Datei exportiert:\r\n\r\n\"" +
             FErzeugteDateien.front() +
             "\"\r\n\r\nDie Datei kann nun bei Abacus importiert werden.";
    }
    std::string meldung = "Die ausgewählten Daten wurden in die folgenden Dateien exportiert:\r\n";
    for (const auto& datei : FErzeugteDateien) meldung += "\r\n" + datei;
    return meldung + "\r\n\r\nDie Dateien können nun bei Abacus importiert werden.";
  });
}

void TFibuExporter_Abacus::Zuruecksetzen() {
  // Dropping an unfinished file removes its temporary file.
  FXMLFibu.reset();
  FXMLBelege.reset();
  FXMLKunden.reset();
  FSammelList.Leeren();
  FSammelList_Debi.Leeren();
  FKundenList.clear();
  FOffen = false;
  FFehler = false;
}

std::string TFibuExporter_Abacus::Verzeichnis(TFibuExpMedium medium, const std::string& verz) const {
  const std::string basis = medium == femDisc ? verz : Kontext().TempVerzeichnis();
  // A test export stays apart, and is never uploaded.
  return Ausgabeordner(basis);
}

bool TFibuExporter_Abacus::VerzeichnisPruefen(const std::string& verzeichnis, const char* art) {
  std::error_code fehler, typ;
  if (!verzeichnis.empty()) std::filesystem::create_directories(verzeichnis, fehler);
  if (!verzeichnis.empty() && std::filesystem::is_directory(verzeichnis, typ)) return true;
  Kontext().Meldungen().RegisterException(
      "TFibuExporter_Abacus.Export_Fibu_Kopf",
      std::string(art) + " \"" + verzeichnis + "\" konnte nicht angelegt werden: " +
          (verzeichnis.empty() ? std::string("kein Verzeichnis eingestellt")
           : fehler            ? fehler.message()
                               : std::string("dort liegt eine Datei gleichen Namens")),
      true);
  Kontext().Meldungen().QTXWarnungBox(std::string(art) + "\r\"" + verzeichnis +
                          "\"\rkonnte nicht gefunden/angelegt werden.\r"
                          "Bitte überprüfen Sie die Grundeinstellungen.");
  return false;
}

TFibuOptionen TFibuExporter_Abacus::FibuOptionen() const {
  TFibuOptionen o;
  o.Sammelbuchung = FSammelbuchung;
  o.AbacusMandant = FAbacusMandant;
  o.MitBelegnummer = FMitBelegnummer;
  o.KostKtoMin = FKostKtoMin;
  o.KostKtoMax = FKostKtoMax;
  o.Vereinnahmt = FAbrechArt_vereinnahmt;
  o.MandantLand = FMandantLand;
  return o;
}

std::string TFibuExporter_Abacus::DateinameFibu(int abacusMandant,
                                               const TFibuExportFileInfo& AFileInfo) {
  return Format("Data_%d_%d_%d.xml", abacusMandant, AFileInfo.AbrJahr, AFileInfo.AbrNr);
}

std::vector<std::string> TFibuExporter_Abacus::Zieldateien(const TFibuExportFileInfo& AFileInfo) {
  const int index = GetMandantIndex(AFileInfo.Firma);
  // With the debtor interface the files depend on which bookings are online orders.
  if (index < 0 || FExportMedium != femDisc || FMitDebitoren || FVerzExport.empty()) return {};
  const int abacusMandant = FMandanten[static_cast<std::size_t>(index)].Mandant;
  if (abacusMandant == 0) return {};
  return {ConcatPathNames(Verzeichnis(femDisc, FVerzExport), DateinameFibu(abacusMandant, AFileInfo))};
}

bool TFibuExporter_Abacus::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  return Guard("Export_Fibu_Kopf", [&] {
    Zuruecksetzen();
    const int index = GetMandantIndex(AFileInfo.Firma);
    if (index < 0) return false;
    const TMandInfo& mandant = FMandanten[static_cast<std::size_t>(index)];
    if (mandant.Mandant == 0) {
      // Client 0 does not exist in Abacus: refused here as in the settings form.
      Kontext().Meldungen().RegisterException("TFibuExporter_Abacus.Export_Fibu_Kopf",
                                  Format("Für den Mandanten %d \"%s\" ist keine Abacus-"
                                         "Mandantennummer eingestellt.",
                                         mandant.KurzNr, mandant.Name),
                                  true);
      return false;
    }
    FAbacusMandant = mandant.Mandant;
    FMandantLand = mandant.Land;
    FMandantGepNr = mandant.GepNr;
    FDateiNameFibu = DateinameFibu(FAbacusMandant, AFileInfo);
    if (FExportMedium == femDisc &&
        !VerzeichnisPruefen(Verzeichnis(femDisc, FVerzExport), "Exportverzeichnis")) {
      return false;
    }
    if (FMitDebitoren) {
      FDateiNameBelege =
          Format("%d_Belege_%d_%d.xml", FAbacusMandant, AFileInfo.AbrJahr, AFileInfo.AbrNr);
      FDateiNameKunden =
          Format("%d_Kunden_%d_%d.xml", FAbacusMandant, AFileInfo.AbrJahr, AFileInfo.AbrNr);
      if (FExportMediumDebi == femDisc &&
          !VerzeichnisPruefen(Verzeichnis(femDisc, FVerzExportDebi), "Debitoren-Exportverzeichnis")) {
        return false;
      }
    }
    FRechner = std::make_unique<TWHRechner>();
    FFormat = std::make_unique<TAbacusFormat>(QTXProgramm().GetWaehrung(), *FRechner);
    FOptionen = FibuOptionen();
    FAbacusData = std::make_unique<TSaldixData_abacus>(Kontext().Datenbank());  // no stale header
    FOffen = true;
    return true;
  });
}

std::unique_ptr<TAbacusDatei> TFibuExporter_Abacus::NeueDatei(const std::string& name, bool debi,
                                                              const char* application,
                                                              const char* id) {
  const std::string verzeichnis = debi ? Verzeichnis(FExportMediumDebi, FVerzExportDebi)
                                       : Verzeichnis(FExportMedium, FVerzExport);
  std::error_code fehler;
  std::filesystem::create_directories(verzeichnis, fehler);
  std::optional<int> mandant;
  if (FMandantExport) mandant = FAbacusMandant;
  return std::make_unique<TAbacusDatei>(ConcatPathNames(verzeichnis, name),
                                        Kontext().TempVerzeichnis(), application, id, mandant);
}

TAbacusDatei& TFibuExporter_Abacus::FibuDatei() {
  if (!FXMLFibu) FXMLFibu = NeueDatei(FDateiNameFibu, false, "FIBU", "XML Buchungen");
  return *FXMLFibu;
}

TAbacusDatei& TFibuExporter_Abacus::BelegeDatei() {
  if (!FXMLBelege) FXMLBelege = NeueDatei(FDateiNameBelege, true, "DEBI", "Belege");
  return *FXMLBelege;
}

TAbacusDatei& TFibuExporter_Abacus::KundenDatei() {
  if (!FXMLKunden) {
    FXMLKunden = NeueDatei(FDateiNameKunden, true, "DEBI", "Kunden");
    FKundenList.clear();
    FAbacusData->MerkmalAbacusAnlegen();
  }
  return *FXMLKunden;
}

bool TFibuExporter_Abacus::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo) {
  const bool ok = Guard("Export_Fibu_Daten", [&] {
    if (!FOffen) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    FuerBuchung(ABuchInfo, [&] {
      const bool nichtNull = std::fabs(ABuchInfo.BetragHaben - ABuchInfo.BetragSoll) >= kHalberCent;
      if (FMitDebitoren && ABuchInfo.Herkunft == "ORDER") {
        if (nichtNull) FSammelList_Debi.Merken(ABuchInfo);
      } else if (FSammelbuchung) {
        FSammelList.Merken(ABuchInfo);
      } else if (nichtNull) {
        // The file starts with its first transaction: a zero booking before it starts nothing.
        EinzelnSchreiben(ABuchInfo);
      }
    });
    return true;
  });
  if (!ok) FFehler = true;
  return ok;
}

bool TFibuExporter_Abacus::Export_Fibu_Daten(const TFibuExportBuchInfo& ABuchInfo,
                                             const TFibuExportBuchInfoZusatz&) {
  return Export_Fibu_Daten(ABuchInfo);
}

void TFibuExporter_Abacus::EinzelnSchreiben(const TFibuExportBuchInfo& b) {
  TAbacusDatei& datei = FibuDatei();
  const TFibuTransaktion transaktion(*FFormat, FOptionen);
  transaktion.Beginnen(datei.Xml(), datei.NaechsteTransaktion(),
                       {b.BetragHaben - b.BetragSoll, 0, {}}, b);
  transaktion.Einzelteil(datei.Xml(), b);
  TFibuTransaktion::Beenden(datei.Xml());
}

void TFibuExporter_Abacus::SammlerSchreiben() {
  const TFibuTransaktion transaktion(*FFormat, FOptionen);
  FSammelList.FuerAlle([&](const TKWX_SammelInfo& info,
                           const std::vector<const TFibuExportBuchInfo*>& buchungen) {
    if (buchungen.empty()) return;
    FuerBuchung(*buchungen.front(), [&] {
      TAbacusDatei& datei = FibuDatei();
      transaktion.Beginnen(datei.Xml(), datei.NaechsteTransaktion(),
                           {info.Haben - info.Soll, info.Anzahl, info.Text}, *buchungen.front());
      for (const auto* buchung : buchungen) transaktion.Einzelteil(datei.Xml(), *buchung);
      TFibuTransaktion::Beenden(datei.Xml());
    });
  });
}

std::pair<int, int> TFibuExporter_Abacus::Kunde(const TFibuExportBuchInfo& erste) {
  const long long nummer =
      FAbacusData->GetAbacusKundennr(erste.Ident, erste.GepNr, FKundenNrMax, FKundenNrMin);
  if (nummer < 0) {
    throw std::runtime_error(
        Format("Keine freie Abacus-Kundennummer im gewünschten Bereich verfügbar (%d bis %d)",
               FKundenNrMin, FKundenNrMax));
  }
  if (nummer == 0) {
    throw std::runtime_error("Der Beleg oder sein Geschäftspartner wurde nicht gefunden.");
  }
  const int abacusNr = static_cast<int>(nummer);
  if (const auto it = FKundenList.find(abacusNr); it != FKundenList.end()) {
    return {abacusNr, it->second};
  }
  const auto adresse = FAbacusData->GetAdresse(erste.Ident, erste.GepNr);
  if (!adresse) throw std::runtime_error("Der Geschäftspartner des Belegs wurde nicht gefunden.");
  TKundenDaten kunde;
  kunde.AbacusNr = abacusNr;
  kunde.SuiteKundenNr = FAbacusData->GetVEXAKundennr(erste.Ident, FMandantGepNr, erste.GepNr);
  kunde.Anrede = FAbacusData->GetAnrede(erste.Ident, erste.GepNr);
  kunde.Name = adresse->Name;
  kunde.Vorname = adresse->Vorname;
  kunde.Strasse = adresse->Strasse;
  kunde.Hausnummer = adresse->Hausnummer;
  kunde.Land = IsoLand(adresse->Land);
  kunde.Plz = adresse->Plz;
  kunde.Ort = adresse->Ort;
  if (const auto kontakt = FAbacusData->GetKontakt(erste.Ident, erste.GepNr)) {
    kunde.Email = kontakt->Email;
    kunde.Telefon = kontakt->Telefon;
  }
  TAbacusDatei& datei = KundenDatei();
  SchreibeKunde(datei.Xml(), datei.NaechsteTransaktion(), kunde, FFormat->ProgrammWaehrung());
  // Later documents of the customer carry its suite number in their payment reference too.
  FKundenList[abacusNr] = kunde.SuiteKundenNr;
  return {abacusNr, kunde.SuiteKundenNr};
}

void TFibuExporter_Abacus::DebitorenSchreiben() {
  if (FSammelList_Debi.Leer()) return;
  KundenDatei();  // registers the number kind: a write, so before the snapshot
  // One snapshot for the document and partner lookups of every document: SQLite would
  // otherwise take and drop its read lock for each statement. The customer numbers handed
  // out meanwhile are stored when it ends.
  const suitedb::ReadTransaction schnappschuss(Kontext().Datenbank());
  FSammelList_Debi.FuerAlle([&](const TKWX_SammelInfo& info,
                                const std::vector<const TFibuExportBuchInfo*>& buchungen) {
    if (buchungen.empty()) return;
    const TFibuExportBuchInfo& erste = *buchungen.front();
    FuerBuchung(erste, [&] {
      const auto [abacusNr, suiteNr] = Kunde(erste);
      TAbacusDatei& belege = BelegeDatei();
      TBelegDaten beleg;
      beleg.DocumentCode = FAbacusData->GetRechnungGutschrift(erste.Ident);
      beleg.AbacusNr = abacusNr;
      beleg.Referenz = erste.Belegnr;
      beleg.Datum = erste.BelegDatum;
      beleg.Waehrung = erste.Waehrung;
      beleg.Soll = info.Soll;
      beleg.Haben = info.Haben;
      beleg.Zahlungsreferenz = Formatiere_QR_Referenz(FAbacusData->GetVEXABelegnr(erste.Ident),
                                                      suiteNr > 0 ? std::to_string(suiteNr) : "");
      BeginneBeleg(belege.Xml(), belege.NaechsteTransaktion(), beleg, *FFormat);
      int lfd = 0;
      for (const auto* buchung : buchungen) SchreibePosition(belege.Xml(), ++lfd, *buchung, *FFormat);
      BeendeBeleg(belege.Xml());
    });
  });
}

void TFibuExporter_Abacus::Speichern() {
  struct TTeil {
    std::unique_ptr<TAbacusDatei>* Datei;
    bool Debi;
  };
  std::vector<std::unique_ptr<TAnsiTextFile>> dateien;
  std::vector<bool> debi;
  for (const TTeil& teil : {TTeil{&FXMLFibu, false}, TTeil{&FXMLBelege, true},
                            TTeil{&FXMLKunden, true}}) {
    if (!*teil.Datei || (*teil.Datei)->TransNr() == 0) continue;
    dateien.push_back((*teil.Datei)->Abschliessen());
    debi.push_back(teil.Debi);
  }
  FXMLFibu.reset();
  FXMLBelege.reset();
  FXMLKunden.reset();
  if (dateien.empty()) return;
  // The files of one export become real together or not at all.
  const std::vector<std::string> namen = DateienFertigstellen(dateien);
  for (std::size_t i = 0; i < dateien.size(); ++i) {
    const TFibuExpMedium medium = debi[i] ? FExportMediumDebi : FExportMedium;
    const std::string& verbindung = debi[i] ? FVerzExportFTPDebi : FVerzExportFTP;
    if (medium != femFTP || Testexport()) {
      FErzeugteDateien.push_back(namen[i]);
      continue;
    }
    // A file held back for the run is complete under its temporary name already; it goes
    // up once the run has its bookings marked, before the settlement is filed.
    const bool veroeffentlicht = std::filesystem::exists(namen[i]);
    const std::string lokal = veroeffentlicht ? namen[i] : dateien[i]->TempPath();
    if (DateienZurueckgehalten()) {
      AblieferungVormerken([this, lokal, ziel = namen[i], verbindung](std::string&) {
        Hochladen(lokal, ziel, verbindung, false);
        return true;  // a failed upload keeps the local file: the message says so
      });
    } else {
      Hochladen(lokal, namen[i], verbindung, veroeffentlicht);
    }
  }
}

void TFibuExporter_Abacus::Hochladen(const std::string& lokal, const std::string& ziel,
                                     const std::string& verbindung, bool lokalLoeschen) {
  const std::string name = ExtractFileName(ziel);
  std::string fehler;
  if (Kontext().Hochladen(lokal, verbindung, name, fehler)) {
    if (lokalLoeschen) Ensure_DeleteFile(ziel);
    FErzeugteDateien.push_back(verbindung + " - " + name);
  } else {
    Kontext().Meldungen().RegisterException("TFibuExporter_Abacus.Export_Fibu_Ende",
                                            "Die Datei \"" + name + "\" konnte nicht nach \"" +
                                                verbindung + "\" übertragen werden: " + fehler,
                                            true);
    FErzeugteDateien.push_back(ziel);
  }
}

bool TFibuExporter_Abacus::Export_Fibu_Ende() {
  return Guard("Export_Fibu_Ende", [&] {
    if (!FOffen) throw std::runtime_error("Es ist keine Exportdatei geöffnet.");
    try {
      if (FFehler) {
        throw std::runtime_error(
            "Mindestens eine Buchung konnte nicht übernommen werden; es wurde keine Datei erstellt.");
      }
      if (FSammelbuchung) SammlerSchreiben();
      DebitorenSchreiben();
      Speichern();
    } catch (...) {
      Zuruecksetzen();
      throw;
    }
    Zuruecksetzen();
    return true;
  });
}

}  // namespace abacus
