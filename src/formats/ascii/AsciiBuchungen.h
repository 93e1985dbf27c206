// The bookings of one ASCII export run, kept compactly until the dialog asks for them:
// only the fields the columns can show, their texts in one shared pool. A year of one
// client is some 243,000 bookings; as full booking records they would take several
// hundred megabytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/ExportRecords.h"

namespace ascii {

class TAsciiBuchungen {
 public:
  enum TText : int {
    txBeleg1, txBeleg2, txText, txUStID, txKost1, txKost2, txGepName, txWaehrung, txBelegNr,
    txDokuNr, txExtBelegNr, txNettoTage, txSkontoProz1, txSkontoTage1, txSkontoProz2,
    txSkontoTage2, txAnzahl,
  };

  struct TSatz {
    long double BetragSoll = 0;
    long double BetragHaben = 0;
    std::int32_t StSchlGgKto = 0;
    std::int32_t GegenKonto = 0;
    std::int32_t Konto = 0;
    std::int32_t Filiale = 0;
    TDateTime BelegDatum = 0;
    TDateTime BuchungsDatum = 0;
    TDateTime Buchungsmonat = 0;
    TDateTime ValutaDatum = 0;
    std::uint64_t Start = 0;  // the first text's position in the pool
    std::array<std::uint32_t, txAnzahl> Laenge{};
  };

  void Leeren();
  void Hinzufuegen(const TFibuExportBuchInfo& buchung);
  std::size_t Anzahl() const { return saetze_.size(); }
  bool Leer() const { return saetze_.empty(); }
  const TSatz& Satz(std::size_t index) const { return saetze_.at(index); }
  std::string_view Text(const TSatz& satz, TText text) const;

 private:
  std::vector<TSatz> saetze_;
  std::string pool_;
};

}  // namespace ascii
