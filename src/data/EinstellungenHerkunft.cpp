#include "data/EinstellungenHerkunft.h"

#include "data/EinstellungenRecord.h"
#include "export/Herkunft.h"
#include "suite/Guarded.h"
#include "suite/Text.h"

namespace {

// Position of the event in the ordered event list; 0 (the empty code) when unknown.
std::size_t VorfallNummer(std::string_view vorfall) {
  const auto& liste = Geschaeftsvorfaelle();
  for (std::size_t i = 0; i < liste.size(); ++i) {
    if (qtx_strmatch(liste[i], vorfall)) return i;
  }
  return 0;
}

}  // namespace

bool BGVInHerkunft(std::string_view ABGV, std::string_view AHerkunft) {
  return Guarded("TSaldixDataModule.BGVInHerkunft", [&] {
    if (qtx_strmatch(AHerkunft, CHerkunftAlle)) return true;
    const std::size_t nummer = VorfallNummer(ABGV);
    if (nummer == 0 || nummer > 47) return false;
    const THerkunft* herkunft = FindHerkunft(AHerkunft);
    if (herkunft == nullptr) return false;
    for (const auto& vorfall : herkunft->Vorfaelle) {
      if (VorfallNummer(vorfall) == nummer) return true;
    }
    return false;
  });
}
