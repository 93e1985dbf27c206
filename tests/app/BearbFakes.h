// In-memory stand-ins for the data module as the booking list sees it.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/SaldixBearb.h"
#include "app/SaldixBearbDienste.h"
#include "suite/DateTime.h"
#include "suite/Text.h"
#include "support/FakeAbrechnungen.h"

struct TFakeSonderkonto {
  std::string Kuerzel, SteuerSchl;
  std::string KontoNr, NeuerStSchl;
};

class TFakeDatenmodul : public IBearbBuchungen,
                        public IBearbKonten,
                        public IBearbBelege,
                        public IBearbEinstellungen {
 public:
  // Bookings.
  std::vector<TBuchungsRohsatz> Saetze;
  bool Aufgeloest = false;  // the bookings carry their account and partner names
  std::map<TIntTrio, bool> ExportKz;  // missing: 'J'
  bool LesenFehlschlag = false;
  bool AenderungErfolg = true;
  std::vector<std::vector<TIntTrio>> Umkehrungen, Loeschungen;
  std::vector<std::pair<std::vector<TIntTrio>, bool>> ExportKzAenderungen;
  std::vector<TBuchungsFilter> Filter;

  // Accounts: name -> number; name -> kinds.
  std::map<std::string, std::int32_t> Nummern;
  std::map<std::string, std::vector<int>> Arten;
  std::vector<TFakeSonderkonto> Sonderkonten;
  bool SonderkontenWerfen = false;
  std::string VstOhne;
  int Idents = 0;

  // Settlements.
  TFakeAbrechnungen Abrechnungsstand;

  TListenEinstellungen Einst;
  TListenExporter Exp = [] {
    TListenExporter e;
    e.Name = "DATEV";
    return e;
  }();
  TIntPair Mandant{1, 1};

  TBearbDienste Dienste() { return {*this, *this, *this, *this}; }

  TBuchungsRohsatz& Buchung(std::int32_t lnr, std::string konto, std::string gegen,
                            long double soll, long double haben, std::int32_t filiale = 1,
                            TDateTime datum = EncodeDate(2024, 3, 5)) {
    TBuchungsRohsatz s;
    s.SetIdent({1, lnr, 1});
    s.Firma = Mandant;
    s.Belegdatum = datum;
    s.Buchungsdatum = datum;
    s.KtoName = std::move(konto);
    s.GegenKtoName = std::move(gegen);
    s.BetragSoll = soll;
    s.BetragHaben = haben;
    s.Filiale = filiale;
    s.BelegRNr = 1;
    s.FiBuGVorfall = "KASSENBERICHT";
    s.Beschreibung = "Allgemeiner Verkauf";
    Saetze.push_back(s);
    return Saetze.back();
  }

  // IBearbBuchungen
  bool BuchungenLesen(const TBuchungsFilter& filter,
                      const std::function<bool(const TBuchungsRohsatz&)>& proSatz) override {
    Filter.push_back(filter);
    if (LesenFehlschlag) throw std::runtime_error("Lesefehler");
    for (const auto& s : Saetze) {
      if (filter.Offen) {
        if (s.AbrJahr != 0 || s.AbrNr != 0) continue;
        if (filter.DatumVon != 0 && s.Belegdatum < filter.DatumVon) continue;
        if (filter.DatumBis != 0 && s.Belegdatum > filter.DatumBis) continue;
        auto kz = ExportKz.find(s.Ident());
        if ((kz == ExportKz.end() ? true : kz->second) != filter.ExportKennzeichen) continue;
        if (filter.Filiale != 0 && s.Filiale != filter.Filiale) continue;
      } else if (s.AbrJahr != filter.AbrJahr || s.AbrNr != filter.AbrNr) {
        continue;
      }
      if (!proSatz(s)) break;
    }
    return true;
  }
  bool SaetzeAufgeloest() override { return Aufgeloest; }
  bool FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& idents, bool exportieren) override {
    ExportKzAenderungen.push_back({idents, exportieren});
    if (!AenderungErfolg) return false;
    for (const auto& i : idents) ExportKz[i] = exportieren;
    return true;
  }
  bool FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& idents) override {
    Umkehrungen.push_back(idents);
    return AenderungErfolg;
  }
  bool FBDEMani_Loeschen(const std::vector<TIntTrio>& idents) override {
    Loeschungen.push_back(idents);
    return AenderungErfolg;
  }
  bool Vollstaendigkeiten_pruefen(TDateTime, TDateTime) override { return true; }
  bool Erlaubt = true;
  bool ExportErlaubt() override { return Erlaubt; }
  IAbrechnungsDienst& Abrechnungen() override { return Abrechnungsstand; }
  std::vector<std::int32_t> GetGruppenliste(TIntPair) override { return {1}; }
  std::vector<std::int32_t> GetFilialliste(TIntPair) override { return {1, 2}; }
  std::vector<std::int32_t> GetNegFiliallisteByGruppe(std::int32_t, TIntPair) override { return {0, 2}; }
  std::vector<std::int32_t> GetNegExporterListe(const std::vector<std::string>&) override { return {}; }
  std::vector<std::int32_t> Rechnerliste() override { return {1, 2}; }
  std::int32_t Kostenstelle(std::int32_t, std::int32_t) override { return 0; }

  // IBearbKonten
  std::int32_t Get_Konto_Nummer(const std::string& name, const std::string&, TDateTime, TIntPair,
                                std::int32_t, std::int16_t) override {
    auto it = Nummern.find(name);
    return it == Nummern.end() ? 0 : it->second;
  }
  std::string Get_Konto_Bezeichnung(const std::string& name, const std::string&,
                                    TDateTime) override {
    return "Konto " + name;
  }
  void Konten_Zuruecksetzen() override {}
  bool KontoHatArt(const std::string& konto, int art) override {
    auto it = Arten.find(konto);
    if (it == Arten.end()) return false;
    return std::find(it->second.begin(), it->second.end(), art) != it->second.end();
  }
  bool KontenSpezVorhanden() override { return !Sonderkonten.empty() || SonderkontenWerfen; }
  bool Konto_Gefunden(const std::string& alt, const std::string& stschl, std::int32_t,
                      std::int32_t, TDateTime, bool, std::string& nr,
                      std::string& neuerSchl) override {
    if (SonderkontenWerfen) throw std::runtime_error("Sonderkontentabelle defekt");
    for (const auto& s : Sonderkonten) {
      if (qtx_strmatch(s.Kuerzel, alt) && qtx_strmatch(s.SteuerSchl, stschl)) {
        nr = s.KontoNr;
        neuerSchl = s.NeuerStSchl;
        return true;
      }
    }
    nr.clear();
    neuerSchl.clear();
    return false;
  }
  std::string CreateIdent() override { return "{ID" + std::to_string(++Idents) + "}"; }
  bool IstNormOderReduSteuer(const std::string& konto) override {
    return konto.rfind("MWST", 0) == 0 || konto.rfind("VORST", 0) == 0;
  }
  bool KontoIstSteuerEG(const std::string& konto) override { return konto == "STEUEREG"; }
  long double GetProzentSatzAusKonto(const std::string& konto) override {
    if (konto == "MWST1900") return 0.19L;
    if (konto == "MWST0700") return 0.07L;
    return 0;
  }
  std::string AKPrefixZuKonto(const std::string& konto, TDateTime) override {
    if (konto == "MWST1900") return "3";
    if (konto == "MWST0700") return "2";
    return "";
  }
  std::string SteuerschluesselVstOhne() override { return VstOhne; }
  bool SteuerschluesselNormOderReduziert(const std::string& s) override {
    return s == "2" || s == "3";
  }
  std::string HoleExportKuerzel(const std::string& konto, bool) override {
    return konto == "ERLWARE" ? "u" : "";
  }
  bool IstKassenabstimmungsKonto(const std::string& konto) override { return konto == "KASSE"; }
  std::string GetKurzBeschreibung(const std::string& text) override {
    return text == "Allgemeiner Verkauf" ? "Verkauf" : text;
  }
  std::string TextOhneZeilenumbruch(const std::string& text) override {
    std::string ohne;
    for (char c : text) {
      if (c != '\r' && c != '\n') ohne += c;
    }
    return ohne;
  }
  long double Umrechnen(long double betrag, const std::string& waehrung) override {
    return waehrung == "USD" ? betrag * 2 : betrag;
  }
  std::string Programmwaehrung() override { return "EUR"; }

  // IBearbBelege
  std::string GEPGet_Name(TIntPair gep) override { return "Partner " + std::to_string(gep.Nr2); }
  std::string PartnerLandISO(TIntPair) override { return "DE"; }
  std::string Zahlungsreferenz(TIntTrio) override { return "REF"; }
  std::string GetLieferLand(std::int32_t, std::int32_t, long double& eu) override {
    eu = 0;
    return "";
  }
  TListenBelegDaten GetBelegDaten(std::int32_t, std::int32_t lnr, std::int32_t) override {
    TListenBelegDaten d;
    d.BelegNr = "B" + std::to_string(lnr);
    d.BelegNrExt = "X" + std::to_string(lnr);
    return d;
  }
  std::string GetVorgaengerBelegNr(std::int32_t, std::int32_t, std::int32_t,
                                   std::string&) override {
    return "ARE1";
  }
  std::string GetOrderID(std::int32_t, std::int32_t) override { return "ORDER123456789"; }
  std::string GetZMBeiGutschein(TIntPair, TIntPair) override { return "EC"; }
  std::string GetFremdGutscheinNr(const std::string&, TIntTrio) override { return ""; }
  std::string GetKBNummer(TIntTrio, std::string&) override { return "12-345"; }

  // IBearbEinstellungen
  TListenEinstellungen Einstellungen_Nach_Herkunft_Restore(const std::string&) override {
    return Einst;
  }
  TListenEinstellungen Einstellungen() override { return Einst; }
  TListenExporter Exporter() override { return Exp; }
  TIntPair AktMandant() override { return Mandant; }
  bool BGVInHerkunft(const std::string& vorfall, const std::string& herkunft) override {
    if (herkunft == "ALLE") return true;
    if (herkunft == "KASBER") return vorfall == "KASSENBERICHT" || vorfall == "KASSENDIFF";
    if (herkunft == "PRIMAN") return vorfall == "PRIMANOTA";
    return false;
  }
};

class TFakeRechte : public IUserRechte {
 public:
  bool Erlaubt = true;
  int Gefragt = 0;
  bool UserRechtePruefen(int, bool) override {
    ++Gefragt;
    return Erlaubt;
  }
};

class TFakeAbrechnungsWahl : public IAbrechnungsWahl {
 public:
  std::int32_t NeueNr = 0, NeuesJahr = 0;
  bool AbrechnungsNrEingeben(std::int32_t& nr, std::int32_t& jahr) override {
    nr = NeueNr;
    jahr = NeuesJahr;
    return true;
  }
  // The journal dialog's answer: cancelled unless Ergebnis is set.
  bool Ergebnis = false;
  std::int32_t AbrNr = 0, AbrJahr = 0;
  TDateTime Von = 0, Bis = 0;
  bool ErneutAusgeben = false;
  bool AbgeschlosseneWaehlen(TIntPair&, std::int32_t& nr, std::int32_t& jahr, TDateTime& von,
                             TDateTime& bis, bool* erneutAusgeben) override {
    if (!Ergebnis) return false;
    if (erneutAusgeben) *erneutAusgeben = ErneutAusgeben;
    nr = AbrNr;
    jahr = AbrJahr;
    von = Von;
    bis = Bis;
    return true;
  }
};
