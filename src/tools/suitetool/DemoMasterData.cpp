#include "suitetool/DemoMasterData.h"

#include "suite/DateTime.h"
#include "suite/Rechte.h"
#include "suite/SimpleMask.h"
#include "suite/Text.h"
#include "suitetool/DemoModel.h"

namespace suitetool {
namespace {

// The demo's general settings: current rates 19 % and 7 %, former rates 16 % and 5 %
// until the change on 01.01.2021, and automatic accounts summarised.
constexpr const char* kRateNormal = "1900";
constexpr const char* kRateReduced = "0700";
constexpr const char* kRateFormerNormal = "1600";
constexpr const char* kRateFormerReduced = "0500";
constexpr const char* kRateChangeDate = "01.01.2021";
// The rights table's name for every user.
constexpr const char* kEveryUser = "*";
// The format the demo starts with.
constexpr const char* kDemoFormat = "DATEV1.4";

struct CostCentre {
  int nummer;
  const char* bezeichnung;
  int rechner;
  int filiale;
};

constexpr CostCentre kCostCentres[] = {
    {100, "Verwaltung Hamburg", 1, 0}, {110, "Verwaltung Köln", 3, 0},
    {200, "Verkauf Hamburg", 0, 1},    {210, "Verkauf Bremen", 0, 2},
    {220, "Verkauf München", 0, 3},    {300, "Service Köln", 0, 4},
    {310, "Service Bonn", 0, 5},
};

struct VatRate {
  const char* land;
  const char* art;
  int year, month, day;
  int satz;
  const char* bezeichnung;
};

constexpr VatRate kVatRates[] = {
    {"D", "N", 2007, 1, 1, 1900, "voll"},     {"D", "R", 2007, 1, 1, 700, "ermäßigt"},
    {"D", "N", 2020, 7, 1, 1600, "voll"},     {"D", "R", 2020, 7, 1, 500, "ermäßigt"},
    {"D", "N", 2021, 1, 1, 1900, "voll"},     {"D", "R", 2021, 1, 1, 700, "ermäßigt"},
    {"D", "S", 2007, 1, 1, 0, "steuerfrei"},  {"A", "N", 2000, 1, 1, 2000, "voll"},
    {"A", "R", 2000, 1, 1, 1000, "ermäßigt"}, {"NL", "N", 2019, 1, 1, 2100, "voll"},
    {"F", "N", 2014, 1, 1, 2000, "voll"},
};

struct PaymentMeans {
  const char* kuerzel;
  const char* bezeichnung;
  int zmArt;
  int udArt;
  const char* konto;
  int position;
};

constexpr PaymentMeans kPaymentMeans[] = {
    {"BAR", "Bargeld", 1, 0, "", 1},
    {"EC", "EC-Karte", 21, 0, "", 2},
    {"VISA", "Kreditkarte Visa", 7, 0, "", 3},
    {"MASTER", "Kreditkarte Mastercard", 8, 0, "", 4},
    {"GUTSCH", "Eigener Gutschein", 0, 1, "GUTSCHEIN", 5},
    {"FREMDGS", "Fremdgutschein Einkaufsgemeinschaft", 0, 2, "SONSTVERB", 6},
};

struct ServiceType {
  int lnr;
  const char* kuerzel;
  const char* suchgruppe;
  const char* bezeichnung;
};

constexpr ServiceType kServiceTypes[] = {
    {1, "VERSAND", "VERSANDKOS", "Versandkosten"},
    {2, "FRACHT", "FRACHTKOST", "Frachtkosten Spedition"},
    {3, "GSEINL", "EINLGUTSCH", "Gutscheineinlösung"},
    {4, "RABATT", "RABATTE", "Rabatt"},
    {5, "MONTAGE", "DIENSTLEIST", "Montage"},
};

}  // namespace

void WriteDemoOrganisation(suitedb::Connection& db) {
  auto& client = db.Cached(
      "INSERT INTO mandanten (firma1, firma2, kurz_nr, name, kurz_name, land, wj_beginn_monat, "
      "wj_regel, export_rechner, bilanz_jahr) VALUES (?, ?, ?, ?, ?, 'D', ?, 0, ?, 0)");
  // A client is a business partner of the suite as well (its name is looked up so).
  auto& partner = db.Cached(
      "INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr, land, anrede) "
      "VALUES (?, ?, ?, 0, 'D', 'F')");
  for (const auto& entry : DemoClients()) {
    client.With(entry.firma.Nr1, entry.firma.Nr2, entry.kurzNr, entry.name, entry.kurzName,
                entry.fiscalStartMonth, entry.exportComputer)
        .Run();
    partner.With(entry.firma.Nr1, entry.firma.Nr2, entry.name).Run();
  }

  auto& group = db.Cached(
      "INSERT INTO filialgruppen (nummer, firma1, firma2, name) VALUES (?, ?, ?, ?)");
  const struct {
    int nummer;
    int client;
    const char* name;
  } groups[] = {{1, 0, "Region Nord"}, {2, 0, "Region Süd"}, {3, 1, "Rheinland"}};
  for (const auto& entry : groups) {
    const auto& firma = DemoClients()[entry.client].firma;
    group.With(entry.nummer, firma.Nr1, firma.Nr2, entry.name).Run();
  }

  auto& branch = db.Cached(
      "INSERT INTO filialen (nummer, firma1, firma2, orge, gruppe, name) VALUES (?, ?, ?, ?, ?, ?)");
  for (const auto& entry : DemoBranches()) {
    const auto& firma = DemoClients()[entry.client].firma;
    branch.With(entry.number, firma.Nr1, firma.Nr2, entry.orge, entry.group, entry.name).Run();
  }

  auto& computer = db.Cached("INSERT INTO computers (number, type, branch, name) VALUES (?, ?, ?, ?)");
  for (const auto& entry : DemoComputers()) {
    computer.With(entry.number, entry.type, entry.branch, entry.name).Run();
  }

  auto& costCentre = db.Cached(
      "INSERT INTO kostenstellen (nummer, bezeichnung, rechner, filiale) VALUES (?, ?, ?, ?)");
  for (const auto& entry : kCostCentres) {
    costCentre.With(entry.nummer, entry.bezeichnung, entry.rechner, entry.filiale).Run();
  }
}

void WriteDemoTables(suitedb::Connection& db) {
  auto& vat = db.Cached(
      "INSERT INTO mwst_saetze (land, art, gueltig_ab, satz, bezeichnung) VALUES (?, ?, ?, ?, ?)");
  for (const auto& entry : kVatRates) {
    vat.With(entry.land, entry.art, EncodeDate(entry.year, entry.month, entry.day), entry.satz,
             entry.bezeichnung)
        .Run();
  }

  auto& currency = db.Cached("INSERT INTO waehrungen (kuerzel, kurs) VALUES (?, ?)");
  currency.With("EUR", 1.0).Run();
  currency.With("CHF", 1.04).Run();
  currency.With("USD", 0.92).Run();

  auto& means = db.Cached(
      "INSERT INTO zahlungsmittel (kuerzel, bezeichnung, zm_art, ud_art, konto, aktiv, position) "
      "VALUES (?, ?, ?, ?, ?, 'J', ?)");
  for (const auto& entry : kPaymentMeans) {
    means.With(entry.kuerzel, entry.bezeichnung, entry.zmArt, entry.udArt, entry.konto,
               entry.position)
        .Run();
  }

  auto& service = db.Cached(
      "INSERT INTO leistungsarten (rnr, lnr, snr, kuerzel, suchgruppe, bezeichnung) "
      "VALUES (1, ?, 0, ?, ?, ?)");
  for (const auto& entry : kServiceTypes) {
    service.With(entry.lnr, entry.kuerzel, entry.suchgruppe, entry.bezeichnung).Run();
  }

  // An entry to choose, without credentials: the administrator fills them in.
  db.Cached(
        "INSERT INTO inet_verbindungen (name, art, host, port, benutzer, passwort, verzeichnis, "
        "passiv) VALUES (?, 'SFTP', ?, 22, '', '', ?, 'J')")
      .With("Steuerberater Upload", "sftp.steuerberater.example", "/import/saldix")
      .Run();
}

void WriteDemoSettings() {
  TSimpleMask system("SUITE", "SYSTEM");
  system.WriteGlobal("LAND", "D");
  system.WriteGlobal("WAEHRUNG", "EUR");
  system.WriteGlobal("SPRACHE", "D");

  TSimpleMask settings("SALDIX", "WEITEINS");
  TSimpleMask phases("SUITE", "PHASEN");
  for (const auto& client : DemoClients()) {
    const std::string index = qtx_TIntPair2String(client.firma);
    settings.WriteByIndex(index, "ZUSAAUTOK", true);
    settings.WriteByIndex(index, "AUKTOVOLL", kRateNormal);
    settings.WriteByIndex(index, "AUKTOREDU", kRateReduced);
    settings.WriteByIndex(index, "AUKTOALT_", kRateFormerNormal);
    settings.WriteByIndex(index, "AUKTOALTR", kRateFormerReduced);
    settings.WriteByIndex(index, "AUKTOADAT", kRateChangeDate);
    // The domestic revenue account of the client's system phase.
    phases.WriteByIndex(index, "ALLGPHAS", "ERLWARE");
  }
  TSimpleMask("SALDIX", "FIBUEXPO").WriteGlobal("FIBUAKTEXP", kDemoFormat);
}

void GrantDemoProgramRights() {
  // Every user of the demo may do everything the program protects. The right to run
  // the program joins this list once the program defines its constant.
  for (const int right :
       {CRecht_Saldix_Programm, CRecht_Saldix_Umkehrbuchung, CRecht_Saldix_Loeschen}) {
    TUserRechte::RechtSetzen(kEveryUser, right, true);
  }
}

}  // namespace suitetool
