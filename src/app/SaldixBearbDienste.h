// What the booking list asks of the data module, named after the module's operations.
// The list talks only to these interfaces; an adapter binds them to TSaldixDataModule and
// tests bind them to small in-memory stand-ins.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "data/AbrechnungsDienst.h"
#include "data/TfbdetempSatz.h"
#include "suite/Abrechnung.h"
#include "suite/Types.h"

// One booking as read from the booking file, with the list's additions.
using TBuchungsRohsatz = TfbdetempSatz;

// Which bookings to read: an open settlement (year and number 0) by document date, or the
// bookings of one closed settlement.
// Period: open only; 0 = no bound.
struct TBuchungsFilter : TAbrechnung {
  bool Offen = true;
  std::int32_t Rechner = 0;              // open only; 0 = all computers
  std::int32_t Filiale = 0;              // open only; 0 = all branches
  std::vector<std::int32_t> OhneFilialen;  // open only; branches left out
  bool ExportKennzeichen = true;         // open only: 'J' or 'N'
};

struct TListenBelegDaten {
  std::string BelegNr, BelegNrSort, BelegNrExt, DokumentenNr;
  TDateTime Valutadatum = 0;
  std::int32_t Nettotage = 0, SkontoProz1 = 0, SkontoTage1 = 0, SkontoProz2 = 0,
               SkontoTage2 = 0;
};

// Bookings, settlements and the filter choices.
class IBearbBuchungen {
 public:
  virtual ~IBearbBuchungen() = default;
  // Calls proSatz per booking in key order until it returns false; false on failure.
  virtual bool BuchungenLesen(const TBuchungsFilter& filter,
                              const std::function<bool(const TBuchungsRohsatz&)>& proSatz) = 0;
  // Whether the bookings read carry their accounts' short and long names and the partner's
  // name already; otherwise the list resolves them itself.
  virtual bool SaetzeAufgeloest() = 0;
  virtual bool FBDEMani_Buchen_ExportKZ(const std::vector<TIntTrio>& idents, bool exportieren) = 0;
  virtual bool FBDEMani_Buchen_Umkehrung(const std::vector<TIntTrio>& idents) = 0;
  virtual bool FBDEMani_Loeschen(const std::vector<TIntTrio>& idents) = 0;
  virtual bool Vollstaendigkeiten_pruefen(TDateTime von, TDateTime bis) = 0;
  virtual bool ExportErlaubt() = 0;

  virtual IAbrechnungsDienst& Abrechnungen() = 0;

  virtual std::vector<std::int32_t> GetGruppenliste(TIntPair firma) = 0;
  virtual std::vector<std::int32_t> GetFilialliste(TIntPair firma) = 0;
  virtual std::vector<std::int32_t> GetNegFiliallisteByGruppe(std::int32_t gruppe,
                                                              TIntPair firma) = 0;
  virtual std::vector<std::int32_t> GetNegExporterListe(const std::vector<std::string>& filialen) = 0;
  virtual std::vector<std::int32_t> Rechnerliste() = 0;
  // Cost centre of a computer and branch; 0 when none.
  virtual std::int32_t Kostenstelle(std::int32_t rechner, std::int32_t filiale) = 0;
};

// Accounts, tax keys and the account service.
class IBearbKonten {
 public:
  virtual ~IBearbKonten() = default;
  virtual std::int32_t Get_Konto_Nummer(const std::string& name, const std::string& zusatz,
                                        TDateTime datum, TIntPair gepNr, std::int32_t rechner,
                                        std::int16_t filiale) = 0;
  virtual std::string Get_Konto_Bezeichnung(const std::string& name, const std::string& zusatz,
                                            TDateTime datum) = 0;
  virtual void Konten_Zuruecksetzen() = 0;
  // The account service's kind test (2 advice, 134 cash, 37/38/40/41/47 ...).
  virtual bool KontoHatArt(const std::string& konto, int art) = 0;
  virtual bool KontenSpezVorhanden() = 0;
  virtual bool Konto_Gefunden(const std::string& altesKonto, const std::string& alterStSchl,
                              std::int32_t filiale, std::int32_t rechner, TDateTime datum,
                              bool soll, std::string& neueKontoNr, std::string& neuerStSchl) = 0;
  virtual std::string CreateIdent() = 0;
  virtual bool IstNormOderReduSteuer(const std::string& konto) = 0;
  virtual bool KontoIstSteuerEG(const std::string& konto) = 0;
  virtual long double GetProzentSatzAusKonto(const std::string& konto) = 0;
  virtual std::string AKPrefixZuKonto(const std::string& konto, TDateTime datum) = 0;
  // The active exporter's key for input VAT without rate; empty when it has none.
  virtual std::string SteuerschluesselVstOhne() = 0;
  // Whether a tax key stands for the standard or reduced rate.
  virtual bool SteuerschluesselNormOderReduziert(const std::string& steuerSchl) = 0;
  // Export abbreviation of an account from the special-account table; empty when none.
  virtual std::string HoleExportKuerzel(const std::string& konto, bool soll) = 0;
  // Accounts of the cash reconciliation.
  virtual bool IstKassenabstimmungsKonto(const std::string& konto) = 0;
  virtual std::string GetKurzBeschreibung(const std::string& text) = 0;
  virtual std::string TextOhneZeilenumbruch(const std::string& text) = 0;
  virtual long double Umrechnen(long double betrag, const std::string& waehrung) = 0;
  virtual std::string Programmwaehrung() = 0;
};

// Partners and documents.
class IBearbBelege {
 public:
  virtual ~IBearbBelege() = default;
  virtual std::string GEPGet_Name(TIntPair gepNr) = 0;
  virtual std::string PartnerLandISO(TIntPair gepNr) = 0;
  virtual std::string Zahlungsreferenz(TIntTrio ident) = 0;
  virtual std::string GetLieferLand(std::int32_t belegRNr, std::int32_t belegLNr,
                                    long double& euSteuern) = 0;
  virtual TListenBelegDaten GetBelegDaten(std::int32_t rnr, std::int32_t lnr, std::int32_t snr) = 0;
  // Base document (the invoice of a credit note); the document itself when none.
  virtual std::string GetVorgaengerBelegNr(std::int32_t rnr, std::int32_t lnr, std::int32_t snr,
                                           std::string& sort) = 0;
  virtual std::string GetOrderID(std::int32_t rnr, std::int32_t lnr) = 0;
  virtual std::string GetZMBeiGutschein(TIntPair firma, TIntPair ident) = 0;
  virtual std::string GetFremdGutscheinNr(const std::string& konto, TIntTrio ident) = 0;
  virtual std::string GetKBNummer(TIntTrio ident, std::string& sort) = 0;
};

// The settings of the current origin and the active exporter, as the list needs them.
struct TListenEinstellungen {
  std::int32_t MaxZeilen = 0;
  bool DirektEinlesen = true;
  bool AutoKont = false;
  bool KontoKombination = false;
  std::string Kriterien = "KEINE";
  bool NachNummer = false;
  bool Beschreibung = false;
  std::string InhaltBeleg1, InhaltBeleg2, InhaltText;
  bool InhaltTextAnhaengen = true;
  std::vector<std::string> ZusaKontoListe;  // "name[+suffix]=J|N"
  std::vector<std::string> ZusaGGKtoListe;
  std::string SpaltenConfig;     // shown columns ("SICHTSPAL")
  std::string SortierungConfig;  // sort order ("SORTIERUNG")
};

struct TListenExporter {
  std::string Name;  // empty: no active format
  std::string Profil;  // the loaded profile's name; empty for the default settings
  bool Automatikkonten = false;
  bool Zahlungsreferenz = false;
  bool LieferLand = false;  // the format asks the delivery country and its EU tax
  bool FrageBuchMonat = false;
  bool FilialenSelektiert = false;
  std::vector<std::string> Filialen;
};

class IBearbEinstellungen {
 public:
  virtual ~IBearbEinstellungen() = default;
  // Restores the settings of the origin for the loaded profile and returns them.
  virtual TListenEinstellungen Einstellungen_Nach_Herkunft_Restore(const std::string& herkunft) = 0;
  virtual TListenEinstellungen Einstellungen() = 0;
  virtual TListenExporter Exporter() = 0;
  virtual TIntPair AktMandant() = 0;
  virtual bool BGVInHerkunft(const std::string& vorfall, const std::string& herkunft) = 0;
};

// Everything the booking list uses, bound together.
struct TBearbDienste {
  IBearbBuchungen& Buchungen;
  IBearbKonten& Konten;
  IBearbBelege& Belege;
  IBearbEinstellungen& Einstellungen;
};
