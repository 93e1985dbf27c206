// A recording exporter, an in-memory booking list and recording data services for
// driving the export run without a real format or database.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/ExportDienste.h"
#include "app/ExportZeilen.h"
#include "export/fibuexportclass.h"
#include "support/FakeAbrechnungen.h"

class TRecordingExporter : public TFibuExporter {
 public:
  std::string_view ClassName() const override { return "TRecordingExporter"; }

  std::vector<std::string> protokoll;  // "Kopf d.m.-d.m.", "Daten <Konto>", "Ende"
  std::vector<TFibuExportFileInfo> dateien;
  std::vector<TFibuExportBuchInfo> buchungen;
  bool kopfErfolg = true;
  bool endeErfolg = true;
  int kopfFehlerBeiAufruf = 0;  // 1-based call number of Export_Fibu_Kopf that fails
  int maxLfdNrGesetzt = -1;
  // When set, each file is also written there for real (its protocol lines), as a format
  // writes it: held back in a real export until the run publishes it.
  std::string zielDatei;
  std::function<void()> beimKopf;  // runs inside each Export_Fibu_Kopf
  // When set, a real export notes it as its delivery (an upload) at each file's end.
  TAblieferung ablieferung;

  void Flags(bool monatlich, bool tageweise, bool nachFiliale, bool nachDatum = false) {
    SetExportMonatlich(monatlich);
    SetExportTageweise(tageweise);
    FNachFilialeSortieren = nachFiliale;
    FNachDatumSortieren = nachDatum;
  }
  void ZusatzFlags(bool bmd, bool ascii, bool frageMonat) {
    FBMDZusatz = bmd;
    FASCIIZusatz = ascii;
    FFrageBuchungsmonat = frageMonat;
  }

  void LoadSaveProps() override;
  bool Export_Fibu_Kopf(const TFibuExportFileInfo& info) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& info) override;
  bool Export_Fibu_Daten(const TFibuExportBuchInfo& info,
                         const TFibuExportBuchInfoZusatz& zusatz) override;
  bool Export_Fibu_Ende() override;
  bool EinstellungenVorhanden() override { return true; }
  bool Profil_Geeignet(TIntPair) override { return true; }
  std::string GetDateiName() override { return "/tmp/recording.csv"; }
  void SetMaxLfdNr(int value) override { maxLfdNrGesetzt = value; }

 private:
  int kopfAufrufe_ = 0;
};

// A booking or group row with column values by tag.
class TTestZeile : public IExportZeile {
 public:
  bool markiert = true;
  std::map<TSpalte, std::string> texte;
  std::map<TSpalte, long double> betraege;
  std::map<TSpalte, TDateTime> daten;
  std::vector<std::unique_ptr<TTestZeile>> kinder;
  bool gruppe = false;
  TIntTrio ident;

  bool Markiert() const override { return markiert; }
  TIntTrio Ident() const override { return ident; }
  bool IstGruppe() const override { return gruppe; }
  std::size_t KinderAnzahl() const override { return kinder.size(); }
  const IExportZeile& Kind(std::size_t i) const override { return *kinder[i]; }
  std::string Text(TSpalte tag) const override;
  long double Betrag(TSpalte tag) const override;
  TDateTime Datum(TSpalte tag) const override;
};

class TTestListe : public IExportListe {
 public:
  std::vector<std::unique_ptr<TTestZeile>> zeilen;
  const IExportZeile* ausgewaehlt = nullptr;

  // A booking row: account numbers, document date, branch, identity (computer, number).
  TTestZeile& Buchung(int konto, int gegenkonto, TDateTime datum, int filiale, int rnr, int lnr,
                      long double soll = 10, long double haben = 0);

  std::size_t Anzahl() const override { return zeilen.size(); }
  const IExportZeile& Zeile(std::size_t i) const override { return *zeilen[i]; }
  void StabilSortieren(const Vorher& vorher) override;
  void ZeileAuswaehlen(const IExportZeile& zeile) override { ausgewaehlt = &zeile; }
};

// Publishes finished files without a database to note them in.
std::vector<std::string> TDateiFreigabenOhneNotiz(TFertigeDateien& dateien);

// Records the marking and journal calls; each step can be made to fail.
class TTestDienste : public IExportDienste {
 public:
  TFakeAbrechnungen abrechnungen;     // the settlements already filed
  std::vector<TIntTrio> markierteIdents;
  TSelektTab journal;
  int journalAbrNr = 0;
  bool markierenScheitert = false;
  std::string inzwischenVergeben;     // the answer after a failed marking
  TAbrechnungsStand markiertErwartet; // what the marking expected the bookings to carry
  std::size_t vorgemerkteDateien = 0;
  bool journalScheitert = false;
  bool klammerOffen = false;
  int klammern = 0;                 // brackets opened
  bool klammerDoppelt = false;      // one opened while another was still open
  bool klammerScheitert = false;    // another workstation holds the lock
  bool transaktionAbgeschlossen = false;
  std::map<std::string, char> klassen;          // account key -> 'A', 'E', 'I', 'B'
  std::map<std::string, std::string> steuerkonten;  // account key -> tax account name
  std::map<std::string, int> kontoArten;        // account key -> kind
  int kontoArtFragen = 0;                       // questions to the account service
  std::vector<TAbrechnungsEreignis> verlauf;    // settlement history written
  bool verlaufScheitert = false;
  bool verlaufInTransaktion = false;  // the last event came while the transaction was open

  IAbrechnungsDienst& Abrechnungen() override { return abrechnungen; }
  int GetMaxBelegNrFBEX(TIntPair, int, int) override { return 41; }
  bool FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int, int,
                             const TFbdeBereich&, const TAbrechnungsStand& erwartet) override;
  std::string InzwischenVergeben(const std::vector<TIntTrio>&,
                                 const TAbrechnungsStand&) override {
    return inzwischenVergeben;
  }
  void DateienVormerken(const TFertigeDateien& dateien, const std::string&) override {
    vorgemerkteDateien += dateien.size();
  }
  std::vector<std::string> DateienVeroeffentlichen(TFertigeDateien& dateien) override {
    return TDateiFreigabenOhneNotiz(dateien);
  }
  bool AbrNrNachFBEX(TIntPair, int, int abrNr, TDateTime, TDateTime, const TSelektTab& tab,
                     int) override;
  char Get_Aufwand_Erloes_Bestand(const std::string& name, const std::string&,
                                  TDateTime) override;
  bool IstSteuerkonto(const std::string& name, const std::string&, TDateTime,
                      std::string& steuerName) override;
  bool HatKontoArt(const std::string& name, const std::string&, TDateTime, int art) override;
  std::string SteuerSchlNachKonto(const std::string&, long double& prozent) override {
    prozent = 19;
    return "";
  }
  long double SteuerProzentAusKonto(const std::string& steuerName) override {
    const auto found = steuerProzente.find(steuerName);
    return found == steuerProzente.end() ? 0 : found->second;
  }
  std::map<std::string, long double> steuerProzente;  // tax account name to its rate
  bool AbrechnungProtokollieren(const TAbrechnungsEreignis& ereignis) override {
    if (verlaufScheitert) return false;
    verlauf.push_back(ereignis);
    verlaufInTransaktion = transaktionOffen && !transaktionAbgeschlossen;
    return true;
  }
  std::unique_ptr<Klammer> BuchungsklammerOeffnen(int art) override;
  std::unique_ptr<Klammer> TransaktionOeffnen() override;
  bool transaktionOffen = false;
};
