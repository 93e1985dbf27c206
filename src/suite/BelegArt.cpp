#include "suite/BelegArt.h"

#include <array>

#include "suite/Text.h"

namespace {

struct BelegArtEintrag {
  std::string_view kuerzel;
  std::string_view bezeichnung;
};

// Position + 1 is the document-type value.
constexpr std::array kBelegArten = {
    BelegArtEintrag{"KB", "Kassenbericht"},     BelegArtEintrag{"PN", "Primanota"},
    BelegArtEintrag{"AR", "Ausgangsrechnung"},  BelegArtEintrag{"AG", "Ausgangsgutschrift"},
    BelegArtEintrag{"ER", "Eingangsrechnung"},  BelegArtEintrag{"EG", "Eingangsgutschrift"},
    BelegArtEintrag{"LS", "Lieferschein"},      BelegArtEintrag{"AU", "Auftrag"},
    BelegArtEintrag{"BA", "Bankbewegung"},      BelegArtEintrag{"LO", "Lohn"},
    BelegArtEintrag{"DA", "Darlehen"},          BelegArtEintrag{"ST", "Steuer"},
    BelegArtEintrag{"SP", "Spende"},            BelegArtEintrag{"BI", "Bilanz"},
    BelegArtEintrag{"WP", "Wertpapier"},        BelegArtEintrag{"AN", "Anlagegut"},
};

}  // namespace

bool Kuerzel_2_BelegArt(std::string_view kuerzel, int& belegArt) {
  for (std::size_t i = 0; i < kBelegArten.size(); ++i) {
    if (qtx_strmatch(kBelegArten[i].kuerzel, kuerzel)) {
      belegArt = static_cast<int>(i) + 1;
      return true;
    }
  }
  return false;
}

std::string CQTX_BelegArt_2_Bezeichnung(int belegArt) {
  if (belegArt < 1 || belegArt > static_cast<int>(kBelegArten.size())) return {};
  return std::string(kBelegArten[static_cast<std::size_t>(belegArt) - 1].bezeichnung);
}
