// Binds the booking list's interfaces to the program's data module, its accounts and
// settings, and the document and settlement lookups.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/SaldixBearbDienste.h"
#include "data/AbrechnungsDienst.h"
#include "data/BelegLookups.h"
#include "data/BelegQuellen.h"
#include "data/BelegVorgaenge.h"
#include "data/SaldixData.h"
#include "suite/servers/TKontoServer.h"
#include "suite/servers/TWHRechner.h"

class TBearbDatenmodulAnbindung final : public IBearbBuchungen,
                                        public IBearbKonten,
                                        public IBearbBelege,
                                        public IBearbEinstellungen {
 public:
  explicit TBearbDatenmodulAnbindung(TSaldixDataModule& dm);

  TBearbDienste Dienste() { return {*this, *this, *this, *this}; }

  // IBearbBuchungen
  bool BuchungenLesen(const TBuchungsFilter& filter,
                      const std::function<bool(const TBuchungsRohsatz&)>& proSatz) override;
  // The data module resolves accounts and partner while it reads.
  bool SaetzeAufgeloest() override { return true; }
  bool FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& idents, bool exportieren) override;
  bool FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& idents) override;
  bool FBDEMani_Loeschen(const std::vector<TIntTrio>& idents) override;
  bool Vollstaendigkeiten_pruefen(TDateTime von, TDateTime bis) override;
  bool ExportErlaubt() override;
  IAbrechnungsDienst& Abrechnungen() override { return abrechnungen_; }
  std::vector<std::int32_t> GetGruppenliste(TIntPair firma) override;
  std::vector<std::int32_t> GetFilialliste(TIntPair firma) override;
  std::vector<std::int32_t> GetNegFiliallisteByGruppe(std::int32_t gruppe, TIntPair firma) override;
  std::vector<std::int32_t> GetNegExporterListe(const std::vector<std::string>& filialen) override;
  std::vector<std::int32_t> Rechnerliste() override;
  std::int32_t Kostenstelle(std::int32_t rechner, std::int32_t filiale) override;

  // IBearbKonten
  std::int32_t Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                TDateTime datum, TIntPair gepNr, std::int32_t rechner,
                                std::int16_t filiale) override;
  std::string Get_Konto_Bezeichnung(const std::string& name, const std::string& zusatz,
                                    TDateTime datum) override;
  void Konten_Zuruecksetzen() override;
  bool KontoHatArt(const std::string& konto, int art) override;
  bool KontenSpezVorhanden() override;
  bool Konto_Gefunden(const std::string& altesKonto, const std::string& alterStSchl,
                      std::int32_t filiale, std::int32_t rechner, TDateTime datum, bool soll,
                      std::string& neueKontoNr, std::string& neuerStSchl) override;
  std::string CreateIdent() override { return TSaldixDataModule::CreateIdent(); }
  bool IstNormOderReduSteuer(const std::string& konto) override;
  bool KontoIstSteuerEG(const std::string& konto) override;
  long double GetProzentSatzAusKonto(const std::string& konto) override;
  std::string AKPrefixZuKonto(const std::string& konto, TDateTime datum) override;
  std::string SteuerschluesselVstOhne() override;
  bool SteuerschluesselNormOderReduziert(const std::string& steuerSchl) override;
  std::string HoleExportKuerzel(const std::string& konto, bool soll) override;
  bool IstKassenabstimmungsKonto(const std::string& konto) override;
  std::string GetKurzBeschreibung(const std::string& text) override {
    return TSaldixDataModule::GetKurzBeschreibung(text);
  }
  std::string TextOhneZeilenumbruch(const std::string& text) override {
    return TSaldixDataModule::TextOhneZeilenumbruch(text);
  }
  long double Umrechnen(long double betrag, const std::string& waehrung) override;
  std::string Programmwaehrung() override;

  // IBearbBelege
  std::string GEPGet_Name(TIntPair gepNr) override { return belege_.GEPGet_Name(gepNr); }
  std::string PartnerLandISO(TIntPair gepNr) override;
  std::string Zahlungsreferenz(TIntTrio ident) override { return belege_.Zahlungsreferenz(ident); }
  std::string GetLieferLand(std::int32_t rnr, std::int32_t lnr, long double& euSteuern) override;
  TListenBelegDaten GetBelegDaten(std::int32_t rnr, std::int32_t lnr, std::int32_t snr) override;
  std::string GetVorgaengerBelegNr(std::int32_t rnr, std::int32_t lnr, std::int32_t snr,
                                   std::string& sort) override {
    return belege_.GetVorgaengerBelegNr(rnr, lnr, snr, sort);
  }
  std::string GetOrderID(std::int32_t rnr, std::int32_t lnr) override {
    return belege_.GetOrderID(rnr, lnr);
  }
  std::string GetZMBeiGutschein(TIntPair firma, TIntPair ident) override {
    return vorgaenge_.GetZMBeiGutschein(firma, ident);
  }
  std::string GetFremdGutscheinNr(const std::string& konto, TIntTrio ident) override {
    return vorgaenge_.GetFremdGutscheinNr(konto, {ident.RNr, ident.LNr});
  }
  std::string GetKBNummer(TIntTrio ident, std::string& sort) override {
    return vorgaenge_.GetKBNummer({ident.RNr, ident.LNr}, sort);
  }

  // IBearbEinstellungen
  TListenEinstellungen Einstellungen_Nach_Herkunft_Restore(const std::string& herkunft) override;
  TListenEinstellungen Einstellungen() override;
  TListenExporter Exporter() override;
  TIntPair AktMandant() override { return dm_.AktMandant(); }
  bool BGVInHerkunft(const std::string& vorfall, const std::string& herkunft) override {
    return TKontenEinstellungen::BGVInHerkunft(vorfall, herkunft);
  }

 private:
  TSaldixDataModule& dm_;
  suitedb::Connection& db_;
  TBelegQuellen quellen_;
  TBelegLookups belege_;
  TBelegVorgaenge vorgaenge_;
  TAbrechnungsDienst abrechnungen_;
  TKontoServer kontoServer_;
  TWHRechner rechner_;
  // The account service's answers: by account, each kind asked for (a few per account).
  std::unordered_map<std::string, std::vector<std::pair<int, bool>>> arten_;
  std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> kostenstellen_;
  // Consecutive bookings often share their document: the last answers are kept for the
  // duration of one reading.
  TIntTrio letzterBeleg_{-1, -1, -1};
  TListenBelegDaten letzteBelegDaten_;
  TIntPair letztesLieferBeleg_{-1, -1};
  std::string letztesLieferLand_;
  long double letzteEUSteuer_ = 0;
};
