#include "formats/ascii/AsciiBuchungen.h"

#include <limits>
#include <stdexcept>

namespace ascii {

void TAsciiBuchungen::Leeren() {
  saetze_.clear();
  pool_.clear();
}

void TAsciiBuchungen::Hinzufuegen(const TFibuExportBuchInfo& b) {
  const std::string* texte[txAnzahl] = {
      &b.Beleg1,  &b.Beleg2,      &b.Text,       &b.UStID,       &b.KOST1,       &b.KOST2,
      &b.GepName, &b.Waehrung,    &b.Belegnr,    &b.DokumentenNr, &b.ExtBelegNr, &b.NettoTage,
      &b.SkontoProz1, &b.SkontoTage1, &b.SkontoProz2, &b.SkontoTage2};
  TSatz satz;
  satz.BetragSoll = b.BetragSoll;
  satz.BetragHaben = b.BetragHaben;
  satz.StSchlGgKto = b.StSchlGgKto;
  satz.GegenKonto = b.GegenKonto;
  satz.Konto = b.Konto;
  satz.Filiale = b.Filiale;
  satz.BelegDatum = b.BelegDatum;
  satz.BuchungsDatum = b.BuchungsDatum;
  satz.Buchungsmonat = b.Buchungsmonat;
  satz.ValutaDatum = b.ValutaDatum;
  satz.Start = pool_.size();
  for (int i = 0; i < txAnzahl; ++i) {
    const std::string& text = *texte[i];
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
      throw std::length_error("Ein Buchungstext ist zu lang.");
    }
    satz.Laenge[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(text.size());
    pool_ += text;
  }
  saetze_.push_back(satz);
}

std::string_view TAsciiBuchungen::Text(const TSatz& satz, TText text) const {
  std::uint64_t von = satz.Start;
  for (int i = 0; i < text; ++i) von += satz.Laenge[static_cast<std::size_t>(i)];
  return std::string_view(pool_).substr(von, satz.Laenge[static_cast<std::size_t>(text)]);
}

}  // namespace ascii
