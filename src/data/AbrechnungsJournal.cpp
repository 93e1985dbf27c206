#include "data/AbrechnungsJournal.h"

#include "suite/servers/Spalten.h"

std::vector<TFBEXZeile> TAbrechnungsJournal::Zeilen(const TIntPair& firma, int jahr) {
  auto stmt = connection_.Prepare(
      "SELECT firma1, firma2, abr_jahr, abr_nr, rnr, lnr_von, snr_von, datum_von, datum_bis, "
      "lnr_bis, snr_bis, max_beleg_nr FROM fbex "
      "WHERE (?1 = 0 OR (firma1 = ?2 AND firma2 = ?3)) AND (?4 <= 0 OR abr_jahr = ?4) "
      "ORDER BY firma1, firma2, abr_jahr, abr_nr, rnr");
  stmt->With(firma.IsEmpty() ? 0 : 1, firma.Nr1, firma.Nr2, jahr);
  std::vector<TFBEXZeile> zeilen;
  while (stmt->Step()) {
    const auto& s = *stmt;
    TFBEXZeile zeile;
    zeile.Firma = PaarSpalte(s, 0);
    zeile.AbrJahr = Int32Spalte(s, 2);
    zeile.AbrNr = Int32Spalte(s, 3);
    zeile.RNr = Int32Spalte(s, 4);
    zeile.LNrVon = Int32Spalte(s, 5);
    zeile.SNrVon = Int32Spalte(s, 6);
    zeile.DatumVon = s.Real(7);
    zeile.DatumBis = s.Real(8);
    zeile.LNrBis = Int32Spalte(s, 9);
    zeile.SNrBis = Int32Spalte(s, 10);
    zeile.MaxBelegNr = Int32Spalte(s, 11);
    zeilen.push_back(zeile);
  }
  return zeilen;
}
