// Collective bookings: the bookings of one document on one account, gathered in the order
// of document, account and position, with their sums and the collective's text.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "export/ExportRecords.h"

namespace abacus {

// One collective.
struct TKWX_SammelInfo {
  TIntTrio ProtId;
  std::int32_t Konto = 0;
  std::string Belegart;
  int Anzahl = 0;
  long double Soll = 0;
  long double Haben = 0;
  std::string Text;
};

// Key of one gathered booking: its collective and its position there, from 1.
struct TKWX_SammlerID {
  TIntTrio Ident;
  std::int32_t Konto = 0;
  std::int16_t Lfd = 0;

  friend auto operator<=>(const TKWX_SammlerID&, const TKWX_SammlerID&) = default;
  friend bool operator==(const TKWX_SammlerID&, const TKWX_SammlerID&) = default;
};

// The collectives of one kind (general ledger or debtor), ordered by document, account.
class TSammelListe {
 public:
  // The cash-report number of a document (for the text of a cash-report collective).
  using TKBNummer = std::function<std::string(const TIntTrio&)>;

  // A collective holds at most this many bookings: the position is a 16-bit number.
  static constexpr int kMaxAnzahl = 32767;

  // mitKassenbericht: cash-report bookings get the cash-report text (general ledger only).
  TSammelListe(bool mitKassenbericht, TKBNummer kbNummer)
      : FMitKassenbericht(mitKassenbericht), FKBNummer(std::move(kbNummer)) {}

  // Gathers the booking; std::runtime_error when its collective is full.
  void Merken(const TFibuExportBuchInfo& buchung);
  void Leeren() {
    FSammler.clear();
    FBuchInfoDict.clear();
  }
  bool Leer() const { return FSammler.empty(); }

  // Every collective in order with its bookings in order.
  void FuerAlle(const std::function<void(const TKWX_SammelInfo&,
                                         const std::vector<const TFibuExportBuchInfo*>&)>& tun) const;

 private:
  std::string Text(const TFibuExportBuchInfo& buchung, std::string& belegart) const;

  bool FMitKassenbericht;
  TKBNummer FKBNummer;
  // Ordered as the comparer orders the list: by document identity, then by account.
  std::map<std::pair<TIntTrio, std::int32_t>, TKWX_SammelInfo> FSammler;
  std::map<TKWX_SammlerID, TFibuExportBuchInfo> FBuchInfoDict;
};

}  // namespace abacus
