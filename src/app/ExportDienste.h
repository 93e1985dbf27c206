// What the export run asks of the data module and the suite's account and booking
// services. The program's implementation forwards to the data module; tests may
// record or fail single calls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/AbrechnungsDienst.h"
#include "data/AbrechnungsVerlauf.h"
#include "data/SelektTab.h"
#include "suite/DateiFreigaben.h"
#include "suite/FBDEMani.h"
#include "suite/Types.h"

class IExportDienste {
 public:
  virtual ~IExportDienste() = default;

  // Settlement years and numbers; inside the booking bracket asked where its lock is held.
  virtual IAbrechnungsDienst& Abrechnungen() = 0;
  virtual int GetMaxBelegNrFBEX(TIntPair firma, int abrJahr, int abrNr) = 0;

  // Marking and journal; each returns false when it failed (nothing may be half done).
  // bereich: the settlement's client and period, where its bookings are expected;
  // erwartet: the settlement each booking must still carry (open, unless re-issued).
  virtual bool FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int abrNr, int abrJahr,
                                     const TFbdeBereich& bereich,
                                     const TAbrechnungsStand& erwartet) = 0;
  // After a marking failed: how many of these bookings no longer carry the expected
  // settlement and which one they carry now ("" when all still do).
  virtual std::string InzwischenVergeben(const std::vector<TIntTrio>& idents,
                                         const TAbrechnungsStand& erwartet) = 0;
  // Notes the finished files inside the open transaction, so that they become real with it.
  virtual void DateienVormerken(const TFertigeDateien& dateien, const std::string& anlass) = 0;
  // After the commit: gives the files their final names; returns the failures.
  virtual std::vector<std::string> DateienVeroeffentlichen(TFertigeDateien& dateien) = 0;
  virtual bool AbrNrNachFBEX(TIntPair firma, int abrJahr, int abrNr, TDateTime datumVon,
                             TDateTime datumBis, const TSelektTab& markiert, int maxBelegNr) = 0;

  // Adds an event to the settlement's history; after a real export inside the transaction
  // the journal completes. False when it could not be written.
  virtual bool AbrechnungProtokollieren(const TAbrechnungsEreignis& /*ereignis*/) {
    return true;
  }

  // A marking begun before the file is written, inside the transaction that the journal
  // completes: nothing of it stays unless that transaction is committed.
  class Markierung {
   public:
    virtual ~Markierung() = default;
    // Waits for the marking; the answer FBDEMani_Buchen_AbrNr gives.
    virtual bool Ergebnis() = 0;
  };
  // idents must live as long as the returned marking. This one marks when the result is
  // asked for; a binding whose bookkeeping has a connection of its own marks meanwhile,
  // on another thread, while the file is written.
  virtual std::unique_ptr<Markierung> MarkierungBeginnen(const std::vector<TIntTrio>& idents,
                                                         int abrNr, int abrJahr,
                                                         const TFbdeBereich& bereich,
                                                         const TAbrechnungsStand& erwartet);

  // Accounts: 'A' expense, 'E' revenue, 'I' domestic revenue, 'B' balance, else blank.
  virtual char Get_Aufwand_Erloes_Bestand(const std::string& kontoName,
                                          const std::string& kontoZusatz, TDateTime datum) = 0;
  // The account service: a tax account and its name, and the account kinds (2 advice,
  // 133 revenue, 134 cash).
  virtual bool IstSteuerkonto(const std::string& kontoName, const std::string& kontoZusatz,
                              TDateTime datum, std::string& steuerName) = 0;
  virtual bool HatKontoArt(const std::string& kontoName, const std::string& kontoZusatz,
                           TDateTime datum, int art) = 0;
  // Tax rate of a tax key (as the formats with tax texts need it).
  virtual std::string SteuerSchlNachKonto(const std::string& steuerSchl, long double& prozent) = 0;
  // Rate in percent of a tax account named by IstSteuerkonto (MWST1600: 16.00).
  virtual long double SteuerProzentAusKonto(const std::string& steuerName) = 0;

  // The suite's booking bracket (kind 51 around a real export); closed when the
  // returned object ends. Throws when the lock cannot be had.
  class Klammer {
   public:
    virtual ~Klammer() = default;
    virtual void Abschliessen() = 0;
  };
  virtual std::unique_ptr<Klammer> BuchungsklammerOeffnen(int art) = 0;
  // A transaction inside the bracket for the marking and the journal.
  virtual std::unique_ptr<Klammer> TransaktionOeffnen() = 0;
};

// Marks when its result is asked for.
class TSpaeteMarkierung final : public IExportDienste::Markierung {
 public:
  explicit TSpaeteMarkierung(std::function<bool()> markieren) : markieren_(std::move(markieren)) {}
  bool Ergebnis() override { return markieren_(); }

 private:
  std::function<bool()> markieren_;
};

inline std::unique_ptr<IExportDienste::Markierung> IExportDienste::MarkierungBeginnen(
    const std::vector<TIntTrio>& idents, int abrNr, int abrJahr, const TFbdeBereich& bereich,
    const TAbrechnungsStand& erwartet) {
  return std::make_unique<TSpaeteMarkierung>([this, &idents, abrNr, abrJahr, bereich, erwartet] {
    return FBDEMani_Buchen_AbrNr(idents, abrNr, abrJahr, bereich, erwartet);
  });
}
