// The export's bookkeeping inside the booking bracket, on a connection of its own: the
// lock, the settlement numbers under it, the marking and the journal. The program's
// connection meanwhile only reads, so the marking can run on another thread while the
// file is written.
#pragma once

#include <future>
#include <memory>
#include <vector>

#include "app/ExportDienste.h"
#include "data/AbrechnungsDienst.h"
#include "suite/FBDEMani.h"
#include "suite/QTXBuchung.h"
#include "suite/db/Storage.h"

class TExportBuchungsverbindung {
 public:
  // Opens the second connection; throws suitedb::StorageError when the database cannot be
  // opened twice (in memory). Takes no lock yet.
  TExportBuchungsverbindung(const suitedb::Connection& programm, int rechner);

  // Takes the booking lock (QTXBuchung::Start); throws when another workstation holds it.
  void Sperren(int art) { buchung_.Start(art); }
  // Commits everything done under the lock; without it, the lock's end undoes it.
  void Abschliessen() { buchung_.Commit(); }

  // Both wait for a marking still running on the connection: nothing else may use it.
  suitedb::Connection& Verbindung() {
    MarkierungAbwarten();
    return *db_;
  }
  TAbrechnungsDienst& Abrechnungen() {
    MarkierungAbwarten();
    return abrechnungen_;
  }

  // Marks here and now; false when it failed (registered).
  bool Markieren(const std::vector<TIntTrio>& idents, int abrNr, int abrJahr,
                 const TFbdeBereich& bereich, const TAbrechnungsStand& erwartet);
  // Marks on another thread, inside the open transaction of this connection, which no one
  // else uses until the result has been asked for.
  std::unique_ptr<IExportDienste::Markierung> MarkierungBeginnen(
      const std::vector<TIntTrio>& idents, int abrNr, int abrJahr, const TFbdeBereich& bereich,
      const TAbrechnungsStand& erwartet);
  // Bookings no longer carrying the expected settlement, described for the user.
  std::string InzwischenVergeben(const std::vector<TIntTrio>& idents,
                                 const TAbrechnungsStand& erwartet) {
    MarkierungAbwarten();
    return mani_.Vergeben(idents, erwartet);
  }

 private:
  void MarkierungAbwarten() const {
    if (markierung_.valid()) markierung_.wait();
  }

  std::unique_ptr<suitedb::Connection> db_;
  TAbrechnungsDienst abrechnungen_;
  TFBDEMani mani_;
  QTXBuchung buchung_;
  std::shared_future<void> markierung_;  // the marking running on another thread, if any
};
