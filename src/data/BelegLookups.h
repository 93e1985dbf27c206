// Lookups on a booking's source document and partner: printable and sortable document
// numbers, payment terms, order id, delivery country, payment reference, partner names.
// None of them throws; a document or partner that is not found gives the empty answer.
#pragma once

#include <optional>
#include <string>

#include "data/BelegQuellen.h"
#include "data/BelegVorrat.h"
#include "suite/Types.h"

struct TBelegDaten {
  std::string BelegNr;
  std::string BelegNrSort;
  std::string BelegNrExt;
  std::string DokumentenNr;
  TDateTime Valutadatum = 0;
  int Nettotage = 0;
  int SkontoProz1 = 0;
  int SkontoTage1 = 0;
  int SkontoProz2 = 0;
  int SkontoTage2 = 0;
};

class TBelegLookups {
 public:
  explicit TBelegLookups(TBelegQuellen& quellen) : quellen_(quellen) {}

  int GetFilialeAusBeleg(int belegRNr, int belegLNr);
  std::string GetBelegNr(int belegRNr, int belegLNr, int belegSNr, std::string& belegNrSort);
  std::string GetVorgaengerBelegNr(int belegRNr, int belegLNr, int belegSNr,
                                   std::string& belegNrSort);
  TBelegDaten GetBelegDaten(int belegRNr, int belegLNr, int belegSNr);
  std::string GetOrderID(int belegRNr, int belegLNr);
  std::string GetLieferLand(int belegRNr, int belegLNr, double& euSteuern);
  // GetBelegDaten and GetLieferLand of the document (rnr, lnr, 0) from one read of it.
  TBelegDaten GetBelegDatenUndLieferLand(int belegRNr, int belegLNr, std::string& lieferLand,
                                         double& euSteuern);
  // While one lives, GetBelegDatenUndLieferLand reads documents ahead: for a long run of
  // lookups within one snapshot of the suite database, where no document changes.
  class TVorlesen {
   public:
    explicit TVorlesen(TBelegLookups& lookups) : lookups_(lookups) {
      lookups_.vorrat_.emplace(lookups_.quellen_.BelegServer());
    }
    ~TVorlesen() { lookups_.vorrat_.reset(); }
    TVorlesen(const TVorlesen&) = delete;
    TVorlesen& operator=(const TVorlesen&) = delete;

   private:
    TBelegLookups& lookups_;
  };

  // While a TVorlesen lives: reads the document's block ahead on another thread, with a
  // server on that thread's connection.
  void VorausLesen(TBelegServer& server, int belegRNr, int belegLNr) {
    if (vorrat_) vorrat_->Vorlesen(server, belegRNr, belegLNr);
  }

  std::optional<TBeleg> Belegkopf(const TIntTrio& ident);
  std::optional<TBeleg> BelegKomplett(const TIntTrio& ident);
  std::string Zahlungsreferenz(const TIntTrio& ident);
  std::string GEPGet_Name(const TIntPair& gepNr);
  int GEPGet_Kundennummer(const TIntPair& gepNr);

 private:
  const TBeleg* Lesen(int rnr, int lnr, int snr, bool komplett);
  std::string Nummer(const TBeleg* beleg, std::string& belegNrSort);
  static TBelegDaten BelegDatenAus(const TBeleg& beleg);
  std::string LieferLandAus(const TBeleg& beleg, double& euSteuern);

  TBelegQuellen& quellen_;
  std::optional<TBelegVorrat> vorrat_;
};

// The sort key of a document number: prefix, first part, second part at width 4 and
// third at width 6, zero-padded.
std::string BelegNrSortierung(const TBelegKopf& kopf);
