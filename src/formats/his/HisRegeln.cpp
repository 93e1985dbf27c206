#include "formats/his/HisRegeln.h"

#include <cstdlib>
#include <string_view>

#include "suite/Format.h"

namespace his {

void THisRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                         TExportProblemListe& probleme) {
  const TExportProblem ort = ProblemOrt(zeile, buchung);
  auto melden = [&](const char* feld, std::string wert, std::string regel) {
    // written all the same
    probleme.push_back(Problem(ort, feld, std::move(wert), std::move(regel), false));
  };
  for (const auto& [feld, konto] : {std::pair{"Konto", buchung.Konto},
                                    std::pair{"Gegenkonto", buchung.GegenKonto}}) {
    if (static_cast<int>(std::to_string(std::llabs(konto)).size()) > sachKtoLng_) {
      melden(feld, std::to_string(konto),
             Format("Mehr als %d Stellen: das Konto wird ungekürzt geschrieben", sachKtoLng_));
    }
  }
  for (const auto& [feld, text] :
       {std::pair<const char*, const std::string*>{"Beleg 1", &buchung.Beleg1},
        {"Beschreibung", &buchung.Text},
        {"Beleg 2", &buchung.Beleg2},
        {"KoSt 1", &buchung.KOST1}}) {
    if (text->find_first_of(";\r\n") != std::string::npos) {
      melden(feld, *text, "\";\" wird als \",\" geschrieben, Zeilenumbrüche entfallen");
    }
  }
}

}  // namespace his
