#include "formats/bmd/BmdRegeln.h"

#include "formats/bmd/BmdZeile.h"
#include "suite/Format.h"
#include "suite/Utf8.h"

namespace bmd {

void TBmdRegeln::Buchung(std::size_t zeile, const TFibuExportBuchInfo& buchung,
                         TExportProblemListe& probleme) {
  TExportProblem ort;
  ort.Zeile = zeile;
  ort.Belegnummer = buchung.Beleg1;
  ort.Datum = buchung.BelegDatum;
  ort.Konto = std::to_string(buchung.Konto);
  ort.Sperrt = false;

  const std::string belegnr = BmdBelegnrUngekuerzt(buchung);
  if (Utf8Length(belegnr) > CBelegnrLaenge) {
    TExportProblem p = ort;
    p.Feld = "belegnr";
    p.Wert = belegnr;
    p.Regel = Format("Länger als %d Zeichen; geschrieben wird \"%s\"", CBelegnrLaenge,
                     BmdBelegnr(buchung));
    probleme.push_back(std::move(p));
  }
  if (Utf8Length(buchung.Text) > CTextLaenge) {
    TExportProblem p = ort;
    p.Feld = "text";
    p.Wert = buchung.Text;
    p.Regel = Format("Länger als %d Zeichen; der Rest wird abgeschnitten", CTextLaenge);
    probleme.push_back(std::move(p));
  }
}

}  // namespace bmd
