#include "data/AbrechnungsNummern.h"

#include "suite/Guarded.h"

int TAbrechnungsNummern::GetNextAbrNr(const TIntPair& firma, int abrJahr) {
  return GuardedOr("TSaldixDataModule.GetNextAbrNr", 1, [&] {
    auto& stmt = connection_.Cached(
        "SELECT MAX(abr_nr) FROM fbex WHERE firma1 = ? AND firma2 = ? AND abr_jahr = ? "
        "AND abr_nr <= ?");
    stmt.With(firma.Nr1, firma.Nr2, abrJahr, MaxAbrNr);
    const int naechste = stmt.Step() && !stmt.IsNull(0) ? static_cast<int>(stmt.Int(0)) + 1 : 1;
    stmt.Reset();
    return naechste;
  });
}

bool TAbrechnungsNummern::AbrNrFrei(const TIntPair& firma, int abrJahr, int abrNr) {
  return GuardedOr("TSaldixDataModule.AbrNrFrei", true, [&] {
    auto& stmt = connection_.Cached(
        "SELECT 1 FROM fbex WHERE firma1 = ? AND firma2 = ? AND abr_jahr = ? AND abr_nr = ? "
        "LIMIT 1");
    stmt.With(firma.Nr1, firma.Nr2, abrJahr, abrNr);
    const bool vergeben = stmt.Step();
    stmt.Reset();
    return !vergeben;
  });
}

bool TAbrechnungsNummern::GetLastAbr(const TIntPair& firma, int& abrJahr, TDateTime& datumBis,
                                     int& abrNr) {
  return Guarded("TSaldixDataModule.GetLastAbr", [&] {
    auto& stmt = connection_.Cached(
        "SELECT abr_jahr, abr_nr, datum_bis FROM fbex WHERE firma1 = ? AND firma2 = ? "
        "ORDER BY abr_jahr DESC, abr_nr DESC, rnr DESC LIMIT 1");
    stmt.With(firma.Nr1, firma.Nr2);
    const bool gefunden = stmt.Step();
    if (gefunden) {
      abrJahr = static_cast<int>(stmt.Int(0));
      abrNr = static_cast<int>(stmt.Int(1));
      datumBis = stmt.Real(2);
    }
    stmt.Reset();
    return gefunden;
  });
}

int TAbrechnungsNummern::GetMaxBelegNrFBEX(const TIntPair& firma, int abrJahr, int abrNr) {
  return Guarded("TSaldixDataModule.GetMaxBelegNrFBEX", [&] {
    // Computers left over from an earlier run of the settlement may hold another value,
    // and the settlement before may be missing (a number chosen further on, a settlement
    // withdrawn): the highest of the year up to it keeps document numbers from repeating.
    auto& stmt = connection_.Cached(
        "SELECT MAX(max_beleg_nr) FROM fbex WHERE firma1 = ? AND firma2 = ? AND abr_jahr = ? "
        "AND abr_nr <= ?");
    stmt.With(firma.Nr1, firma.Nr2, abrJahr, abrNr);
    const int nummer = stmt.Step() && !stmt.IsNull(0) ? static_cast<int>(stmt.Int(0)) : 0;
    stmt.Reset();
    return nummer;
  });
}

bool TAbrechnungsNummern::AbrNrNachFBEX(const TIntPair& firma, int abrJahr, int abrNr,
                                        TDateTime datumVon, TDateTime datumBis,
                                        const TSelektTab& markiertTab, int maxBelegNr) {
  return Guarded("TSaldixDataModule.AbrNrNachFBEX", [&] {
    suitedb::Transaction transaction(connection_);
    auto& stmt = connection_.Cached(
        "INSERT INTO fbex (firma1, firma2, abr_jahr, abr_nr, rnr, lnr_von, snr_von, datum_von, "
        "datum_bis, lnr_bis, snr_bis, max_beleg_nr) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (firma1, firma2, abr_jahr, abr_nr, rnr) DO UPDATE SET "
        "lnr_von = excluded.lnr_von, snr_von = excluded.snr_von, datum_von = excluded.datum_von, "
        "datum_bis = excluded.datum_bis, lnr_bis = excluded.lnr_bis, snr_bis = excluded.snr_bis, "
        "max_beleg_nr = excluded.max_beleg_nr");
    for (const auto& item : markiertTab) {
      stmt.With(firma.Nr1, firma.Nr2, abrJahr, abrNr, item.RNr, item.LNrVon, item.SNrVon,
                datumVon, datumBis, item.LNrBis, item.SNrBis, maxBelegNr)
          .Run();
    }
    transaction.Commit();
    return true;
  });
}
