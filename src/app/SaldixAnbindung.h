// Binds the booking list, the export run and the batch mode to the data module, its
// lookups and the suite's servers. Pure forwarding: every rule lives behind it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ExportDienste.h"
#include "app/SaldixBearbDienste.h"
#include "app/SaldixExportLauf.h"
#include "app/saldixbatchmode.h"
#include "data/AbrechnungsJahr.h"
#include "data/AbrechnungsNummern.h"
#include "data/BelegAuskunft.h"
#include "data/SaldixData.h"
#include "suite/servers/MandListeServer.h"
#include "suite/servers/TKontoServer.h"
#include "suite/servers/TWHRechner.h"

// The data module and the lookups the bindings share.
class TSaldixDaten {
 public:
  explicit TSaldixDaten(TSaldixDataModule& modul);

  TSaldixDataModule& Modul() { return modul_; }
  TKontenEinstellungen& Konten() { return modul_.KontenEinstellungen(); }
  TBelegAuskunft& Auskunft() { return auskunft_; }
  TAbrechnungsNummern& Nummern() { return nummern_; }
  TAbrechnungsJahr& Jahre() { return jahre_; }
  TKontoServer& KontoServer() { return kontoServer_; }
  TWHRechner& Waehrungsrechner() { return whRechner_; }

 private:
  TSaldixDataModule& modul_;
  TBelegAuskunft auskunft_;
  TAbrechnungsNummern nummern_;
  TAbrechnungsJahr jahre_;
  TKontoServer kontoServer_;
  TWHRechner whRechner_;
};

class TBearbAnbindung final : public IBearbBuchungen,
                              public IBearbKonten,
                              public IBearbBelege,
                              public IBearbEinstellungen {
 public:
  explicit TBearbAnbindung(TSaldixDaten& daten) : d_(daten) {}
  TBearbDienste Dienste() { return {*this, *this, *this, *this}; }

  // IBearbBuchungen
  bool BuchungenLesen(const TBuchungsFilter& filter,
                      const std::function<bool(const TBuchungsRohsatz&)>& proSatz) override;
  bool FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& idents, bool exportieren) override;
  bool FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& idents) override;
  bool FBDEMani_Loeschen(const std::vector<TIntTrio>& idents) override;
  bool Vollstaendigkeiten_pruefen(TDateTime von, TDateTime bis) override;
  bool ExportErlaubt() override;
  bool GetLastAbr(TIntPair firma, std::int32_t& abrJahr, TDateTime& datumBis,
                  std::int32_t& abrNr) override;
  bool AbrNrFrei(TIntPair firma, std::int32_t abrJahr, std::int32_t abrNr) override;
  std::int32_t GetNextAbrNr(TIntPair firma, std::int32_t abrJahr) override;
  std::int32_t GetAbrJahr(TIntPair firma, TDateTime datum) override;
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
  std::string CreateIdent() override;
  bool IstNormOderReduSteuer(const std::string& konto) override;
  bool KontoIstSteuerEG(const std::string& konto) override;
  long double GetProzentSatzAusKonto(const std::string& konto) override;
  std::string AKPrefixZuKonto(const std::string& konto, TDateTime datum) override;
  std::string SteuerschluesselVstOhne() override;
  bool SteuerschluesselNormOderReduziert(const std::string& steuerSchl) override;
  std::string HoleExportKuerzel(const std::string& konto, bool soll) override;
  bool IstKassenabstimmungsKonto(const std::string& konto) override;
  std::string GetKurzBeschreibung(const std::string& text) override;
  std::string TextOhneZeilenumbruch(const std::string& text) override;
  long double Umrechnen(long double betrag, const std::string& waehrung) override;
  std::string Programmwaehrung() override;

  // IBearbBelege
  std::string GEPGet_Name(TIntPair gepNr) override;
  std::string PartnerLandISO(TIntPair gepNr) override;
  std::string Zahlungsreferenz(TIntTrio ident) override;
  std::string GetLieferLand(std::int32_t belegRNr, std::int32_t belegLNr,
                            long double& euSteuern) override;
  TListenBelegDaten GetBelegDaten(std::int32_t rnr, std::int32_t lnr, std::int32_t snr) override;
  std::string GetVorgaengerBelegNr(std::int32_t rnr, std::int32_t lnr, std::int32_t snr,
                                   std::string& sort) override;
  std::string GetOrderID(std::int32_t rnr, std::int32_t lnr) override;
  std::string GetZMBeiGutschein(TIntPair firma, TIntPair ident) override;
  std::string GetFremdGutscheinNr(const std::string& konto, TIntTrio ident) override;
  std::string GetKBNummer(TIntTrio ident, std::string& sort) override;

  // IBearbEinstellungen
  TListenEinstellungen Einstellungen_Nach_Herkunft_Restore(const std::string& herkunft) override;
  TListenEinstellungen Einstellungen() override;
  TListenExporter Exporter() override;
  TIntPair AktMandant() override;
  bool BGVInHerkunft(const std::string& vorfall, const std::string& herkunft) override;

 private:
  TSaldixDaten& d_;
};

class TExportAnbindung final : public IExportDienste {
 public:
  explicit TExportAnbindung(TSaldixDaten& daten) : d_(daten) {}

  bool AbrNrFrei(TIntPair firma, int abrJahr, int abrNr) override;
  int GetAbrJahr(TIntPair firma, TDateTime datum) override;
  int GetNextAbrNr(TIntPair firma, int abrJahr) override;
  int GetMaxBelegNrFBEX(TIntPair firma, int abrJahr, int abrNr) override;
  bool FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int abrNr,
                             int abrJahr) override;
  bool AbrNrNachFBEX(TIntPair firma, int abrJahr, int abrNr, TDateTime datumVon,
                     TDateTime datumBis, const TSelektTab& markiert, int maxBelegNr) override;
  char Get_Aufwand_Erloes_Bestand(const std::string& kontoName, const std::string& kontoZusatz,
                                  TDateTime datum) override;
  bool IstSteuerkonto(const std::string& kontoName, const std::string& kontoZusatz,
                      TDateTime datum, std::string& steuerName) override;
  bool HatKontoArt(const std::string& kontoName, const std::string& kontoZusatz, TDateTime datum,
                   int art) override;
  std::string SteuerSchlNachKonto(const std::string& steuerSchl, long double& prozent) override;
  std::unique_ptr<Klammer> BuchungsklammerOeffnen(int art) override;
  std::unique_ptr<Klammer> TransaktionOeffnen() override;

 private:
  TSaldixDaten& d_;
};

class TBatchAnbindung final : public IBatchDaten {
 public:
  explicit TBatchAnbindung(TSaldixDaten& daten);

  int MandantenAnzahl() override;
  bool MandantZuKurzNr(int kurzNr, TIntPair& mandant, std::string& name) override;
  void SetAktMandant(const TIntPair& mandant, int kurzNr, const std::string& name) override;
  TIntPair AktMandant() const override;
  bool ExporterBekannt(const std::string& kennung) override;
  std::string AktExporterKennung() override;
  std::string AktExporterName() override;
  void SetAktExporterKennung(const std::string& kennung) override;
  int ExporterProfilAnzahl() override;
  bool ExporterLadeConfig(const std::string& profil) override;
  bool ExporterProfilGeeignet(const TIntPair& mandant) override;
  void KontenIni_einlesen() override;
  int GetAbrJahr(const TIntPair& mandant, TDateTime datum) override;
  TDateTime GetAnfangAbrJahr(const TIntPair& mandant, int abrJahr) override;
  TDateTime GetEndeAbrJahr(const TIntPair& mandant, int abrJahr) override;
  int GetNextAbrNr(const TIntPair& mandant, int abrJahr) override;

 private:
  TSaldixDaten& d_;
  TMandListeServer mandanten_;
};

