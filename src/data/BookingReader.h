// Reads bookings of the booking file into the list's in-memory records: open bookings of
// a period, the bookings of one settlement, or all bookings of a period.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "suite/Abrechnung.h"
#include "data/TfbdetempSatz.h"
#include "suite/db/Storage.h"

struct TBuchungsAuswahl : TAbrechnung {
  enum class TArt {
    Offen,       // settlement 0/0, document date in the period
    Abrechnung,  // the bookings of settlement AbrNr / AbrJahr
    Zeitraum,    // every booking whose document date lies in the period
  };
  TArt Art = TArt::Offen;
  // Whole days: DatumBis includes every time of its day; 0 leaves that side open.
  std::optional<bool> Export;        // only bookings with this export flag
  int BelegRechner = 0;              // > 0: only bookings of this document computer
  int Filiale = 0;                   // > 0: only this branch
  std::vector<int> FilialenAusgeschlossen;
  std::string Belegart;              // not empty: only this document type
  std::string FiBuGVorfall;          // not empty: only this business event
};

class TBookingReader {
 public:
  // Fills the account texts of a record; the default shows name and suffix.
  using TKontoAufloesung = std::function<void(TfbdetempSatz&)>;
  // Work for each booking done ahead on the thread that reads the bookings on a connection
  // of its own (see ForEach), with that connection; it must be safe to run there.
  using TVorlauf = std::function<void(suitedb::Connection&, const TfbdetempSatz&)>;

  TBookingReader(suitedb::Connection& connection, TKontoAufloesung aufloesung = nullptr,
                 TVorlauf vorlauf = nullptr);

  // Calls each for every booking in document-date order; each returns false to stop.
  // Returns the number of bookings handed out. The bookings are read on a second
  // connection and thread, a few batches ahead, unless the connection has already taken
  // the snapshot of its transaction: then they are read from that snapshot here.
  std::size_t ForEach(const TBuchungsAuswahl& auswahl,
                      const std::function<bool(TfbdetempSatz&)>& each);
  std::vector<TfbdetempSatz> Read(const TBuchungsAuswahl& auswahl);

  // The account shown when no number is known: name and suffix, trimmed.
  static void KurzBezOhneNummer(TfbdetempSatz& satz);

 private:
  suitedb::Connection& db_;
  TKontoAufloesung aufloesung_;
  TVorlauf vorlauf_;
};
