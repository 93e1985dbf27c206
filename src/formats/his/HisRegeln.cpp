#include "formats/his/HisRegeln.h"

#include <cstdlib>
#include <string_view>

#include "suite/Format.h"

namespace his {

void THisRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                         TExportProblemListe& probleme) {
  TExportProblem ort;
  ort.Zeile = zeile;
  ort.Belegnummer = buchung.Beleg1;
  ort.Datum = buchung.BelegDatum;
  ort.Konto = std::to_string(buchung.Konto);
  auto melden = [&](const char* feld, std::string wert, std::string regel) {
    TExportProblem p = ort;
    p.Feld = feld;
    p.Wert = std::move(wert);
    p.Regel = std::move(regel);
    p.Sperrt = false;  // written all the same
    probleme.push_back(std::move(p));
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
