#include "formats/bmd/BmdRegeln.h"

#include "formats/bmd/BmdZeile.h"
#include "suite/Format.h"
#include "suite/Utf8.h"

namespace bmd {

void TBmdRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                         TExportProblemListe& probleme) {
  // Both are warnings: the value is cut and the booking written.
  const TExportProblem ort = ProblemOrt(zeile, buchung);
  const std::string belegnr = BmdBelegnrUngekuerzt(buchung);
  if (Utf8Length(belegnr) > CBelegnrLaenge) {
    probleme.push_back(Problem(ort, "belegnr", belegnr,
                               Format("Länger als %d Zeichen; geschrieben wird \"%s\"",
                                      CBelegnrLaenge, BmdBelegnr(buchung)),
                               false));
  }
  if (Utf8Length(buchung.Text) > CTextLaenge) {
    probleme.push_back(Problem(
        ort, "text", buchung.Text,
        Format("Länger als %d Zeichen; der Rest wird abgeschnitten", CTextLaenge), false));
  }
}

}  // namespace bmd
