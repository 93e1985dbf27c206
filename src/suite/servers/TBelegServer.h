// The suite's document server. It holds one current document; every read replaces it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/servers/TAdresse.h"
#include "suite/db/Storage.h"

struct TBelegKopf {
  TIntTrio Ident;
  TIntPair Firma;
  TIntPair GepNr;
  int Orge = 0;  // organisation (address) of the partner; 0 = not defined
  std::string Belegart;
  TDateTime Datum = 0;
  std::string NrPraefix;
  int NrTeil1 = 0;
  int NrTeil2 = 0;
  int NrTeil3 = 0;
  int FormatKz = 0;
  std::string NrExtern;
  std::string DokumentenNr;
  std::string OrderID;
  std::string LieferLand;
  TIntPair LieferGepNr;
  int LieferAdrNr = 0;
  std::string SteuerLand;
  TIntTrio Vorgaenger;
  std::string HerkunftKz;   // code of the suite's origin-mark table
  std::string Zahlungsart;  // code of the suite's payment-kind table
  std::string Subherkunft;  // shop or marketplace of an order
};

struct TBelegPosition {
  int Pos = 0;
  std::string Artikel;
  double Menge = 0;
  long double Betrag = 0;
  TIntTrio LarNr;  // service type of the article
};

struct TBelegZahlungsbedingung {
  int Art = 0;
  int Tage = 0;
  double Prozent = 0;
  TDateTime Datum = 0;
};

struct TBelegSteuer {
  int Satz = 0;  // hundredths of a percent
  long double Betrag = 0;
};

struct TBeleg {
  TBelegKopf Kopf;
  // Filled only by a complete read.
  std::vector<TBelegPosition> Positionen;
  std::vector<TBelegZahlungsbedingung> Zahlungsbedingungen;
  std::vector<TBelegSteuer> Steuern;
};

class TBelegServer {
 public:
  explicit TBelegServer(suitedb::Connection& connection) : connection_(connection) {}

  // Makes the document current: the header only, or complete with positions, payment
  // conditions and tax lines. False, and no current document, when it does not exist.
  bool Lesen(const TIntTrio& ident, bool komplett);
  // The documents (rnr, lnrVon..lnrBis, 0) in number order, with payment conditions and tax
  // lines but without positions: for questions about many documents taken in order. The
  // current document stays as it is.
  std::vector<TBeleg> BereichLesen(int rnr, int lnrVon, int lnrBis);
  // Nothing when the document or its predecessor reference is missing.
  std::optional<TIntTrio> GetVorgaenger(const TIntTrio& ident);
  // The delivery address given on the document itself; nothing when it has none.
  std::optional<TAdresse> Lieferadresse(const TIntTrio& ident);

  // The current document; nullptr when there is none.
  const TBeleg* AktBeleg() const { return aktuell_ ? &*aktuell_ : nullptr; }
  // Number of reads so far, for callers that must not read needlessly.
  int Lesevorgaenge() const { return lesevorgaenge_; }

 private:
  void KomplettLesen(TBeleg& beleg);

  suitedb::Connection& connection_;
  std::optional<TBeleg> aktuell_;
  int lesevorgaenge_ = 0;
};

// The suite's printable document number: with the formatting flag set the parts are
// separated by hyphens, without it they run together.
std::string Formatiere_Belegnummer(const TBelegKopf& kopf, bool formatiert);
