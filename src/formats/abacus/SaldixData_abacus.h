// What the Abacus debtor files read of the suite: the document header of a booking, the
// partner's address, contact and salutation, the Abacus customer number kept as the
// partner's special number, and the suite customer number.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suite/servers/TAdresse.h"
#include "suite/servers/TGpNummern.h"

namespace abacus {

// The partner-number kind under which the Abacus customer numbers are kept.
inline constexpr TIntPair CQTX_Abacus_Kundennummer{1, 90};

// What the debtor files need of a document header.
struct TAbacusBelegkopf {
  TIntPair Firma;
  TIntPair GepNr;
  std::string Phase;
  std::string Kopftext;
  int NrTeil1 = 0;
  int NrTeil2 = 0;
  int NrTeil3 = 0;
};

struct TAbacusKontakt {
  std::string Name;
  std::string Telefon;
  std::string Email;
};

class TSaldixData_abacus {
 public:
  explicit TSaldixData_abacus(suitedb::Connection& connection)
      : FConnection(connection), FNummern(connection) {}

  // The Abacus customer number of the document's partner (else of AGepNr): its stored one
  // when inside [AKundenNrMin, AKundenNrMax], else the next free one, stored for it.
  // 0: no partner; -1: no free number in the range.
  long long GetAbacusKundennr(const TIntTrio& AIdent, const TIntPair& AGepNr,
                              long long AKundenNrMax, long long AKundenNrMin);
  void MerkmalAbacusAnlegen();
  // The suite customer number of the partner; -1 when there is no partner.
  int GetVEXAKundennr(const TIntTrio& AIdent, const TIntPair& AMandNr, const TIntPair& AGepNr);
  std::optional<TAdresse> GetAdresse(const TIntTrio& AIdent, const TIntPair& AGepNr);
  std::optional<TAbacusKontakt> GetKontakt(const TIntTrio& AIdent, const TIntPair& AGepNr);
  // 1 for the salutation mark "M", 2 for "W", 3 for anything else.
  int GetAnrede(const TIntTrio& AIdent, const TIntPair& AGepNr);
  // The document number as a payment reference takes it; empty without header.
  std::string GetVEXABelegnr(const TIntTrio& AIdent);
  // "R" invoice, "G" credit note, empty otherwise.
  std::string GetRechnungGutschrift(const TIntTrio& AIdent);
  static bool VorfallAusOC(const std::string& AVorfall);
  std::string GetKopftext(const TIntTrio& AIdent);

  // The header of the document; nothing when it does not exist.
  const std::optional<TAbacusBelegkopf>& Belegkopf(const TIntTrio& AIdent);
  // The partner of the booking: the header's, else the one given (may be empty).
  TIntPair Partner(const TIntTrio& AIdent, const TIntPair& AGepNr);

 private:
  suitedb::Connection& FConnection;
  TGpNummern FNummern;
  // The last header read: the bookings of one document follow each other.
  std::optional<TIntTrio> FKopfIdent;
  std::optional<TAbacusBelegkopf> FKopf;
  // The customer number of each partner met in this export: a year's documents name a few
  // hundred partners, each asked for once.
  std::map<TIntPair, long long> FKundennummern;
};

}  // namespace abacus
