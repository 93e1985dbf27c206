#include "formats/dvo/DvoRegeln.h"

#include "formats/dvo/DvoFormat.h"
#include "suite/Format.h"
#include "suite/Text.h"

namespace dvo {

void TDvoRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                         TExportProblemListe& probleme) {
  const TExportProblem ort = ProblemOrt(zeile, buchung);
  const auto problem = [&](std::string feld, std::string wert, std::string regel, bool sperrt) {
    probleme.push_back(Problem(ort, std::move(feld), std::move(wert), std::move(regel), sperrt));
  };

  const TFilialeInfo* filiale = nullptr;
  for (const auto& eintrag : filialen_) {
    if (eintrag.Nummer == buchung.Filiale) filiale = &eintrag;
  }
  if (filiale == nullptr) {
    problem("Filiale", std::to_string(buchung.Filiale), "Die Filiale ist nicht in der Filialtabelle", true);
  } else if (TrimView(filiale->Belegart).empty()) {
    problem("Filiale", std::to_string(buchung.Filiale), "Für die Filiale ist keine DVO-Belegart eingestellt", true);
  }
  const long long nummer = Belegnummer(buchung.Beleg1, buchung.Beleg2);
  if (!NurZiffern(buchung.Beleg1) || !NurZiffern(buchung.Beleg2)) {
    // Common in a suite whose documents carry letters: one line for all of them.
    if (nurZiffernAnzahl_++ == 0) {
      nurZiffern_ = ort;
      nurZiffern_.Feld = "Beleg";
      nurZiffern_.Wert = buchung.Beleg1 + "/" + buchung.Beleg2;
      nurZiffern_.Sperrt = false;
      nurZiffern_.Regel = Format("Die Belegnummer nimmt nur Ziffern; geschrieben wird %d", nummer);
    }
  } else if (BelegnummerGekuerzt(buchung.Beleg1, buchung.Beleg2)) {
    problem("Beleg", buchung.Beleg1 + "/" + buchung.Beleg2,
            Format("Die Belegnummer hat mehr als 8 Stellen; geschrieben wird %d", nummer), false);
  }
  if (buchung.KOST1.find_first_of(",\"") != std::string::npos) {
    problem("Kostenstelle", buchung.KOST1, "Komma und Anführungszeichen werden als Leerzeichen geschrieben", false);
  }
}

void TDvoRegeln::Ende(const TExportUmfang& /*umfang*/, TExportProblemListe& probleme) {
  if (nurZiffernAnzahl_ == 0) return;
  TExportProblem p = nurZiffern_;
  if (nurZiffernAnzahl_ > 1) p.Regel += Format(" (wie bei %d weiteren Buchungen)", nurZiffernAnzahl_ - 1);
  probleme.push_back(std::move(p));
}

}  // namespace dvo
