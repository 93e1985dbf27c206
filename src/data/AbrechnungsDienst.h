// The settlement years and numbers of a client, as every part of the program asks them:
// the year a date falls in and where it begins and ends, the next number of a year,
// whether a number is free, and the client's last settlement. The export run, the booking
// list, the batch run and the selection dialog all ask this one service.
#pragma once

#include "data/AbrechnungsJahr.h"
#include "data/AbrechnungsNummern.h"
#include "suite/Types.h"
#include "suite/db/Storage.h"

class IAbrechnungsDienst {
 public:
  virtual ~IAbrechnungsDienst() = default;

  // 0 for an unknown client, a date that is not set or a year that is not positive.
  virtual int GetAbrJahr(const TIntPair& firma, TDateTime datum) = 0;
  virtual TDateTime GetAnfangAbrJahr(const TIntPair& firma, int abrJahr) = 0;
  virtual TDateTime GetEndeAbrJahr(const TIntPair& firma, int abrJahr) = 0;
  // The highest number of the year plus one; 1 for a year without settlements.
  virtual int GetNextAbrNr(const TIntPair& firma, int abrJahr) = 0;
  virtual bool AbrNrFrei(const TIntPair& firma, int abrJahr, int abrNr) = 0;
  // The settlement with the highest year and, within it, the highest number; false when
  // the client has none.
  virtual bool GetLastAbr(const TIntPair& firma, int& abrJahr, TDateTime& datumBis, int& abrNr) = 0;
};

// Over one connection of the suite: the years from the client's business year, the
// numbers from the export journal.
class TAbrechnungsDienst final : public IAbrechnungsDienst {
 public:
  explicit TAbrechnungsDienst(suitedb::Connection& connection) : jahre_(connection), nummern_(connection) {}

  int GetAbrJahr(const TIntPair& firma, TDateTime datum) override { return jahre_.GetAbrJahr(firma, datum); }
  TDateTime GetAnfangAbrJahr(const TIntPair& firma, int abrJahr) override {
    return jahre_.GetAnfangAbrJahr(firma, abrJahr);
  }
  TDateTime GetEndeAbrJahr(const TIntPair& firma, int abrJahr) override {
    return jahre_.GetEndeAbrJahr(firma, abrJahr);
  }
  int GetNextAbrNr(const TIntPair& firma, int abrJahr) override {
    return nummern_.GetNextAbrNr(firma, abrJahr);
  }
  bool AbrNrFrei(const TIntPair& firma, int abrJahr, int abrNr) override {
    return nummern_.AbrNrFrei(firma, abrJahr, abrNr);
  }
  bool GetLastAbr(const TIntPair& firma, int& abrJahr, TDateTime& datumBis, int& abrNr) override {
    return nummern_.GetLastAbr(firma, abrJahr, datumBis, abrNr);
  }

  // The journal beyond the numbers (its lines, the running document number).
  TAbrechnungsNummern& Nummern() { return nummern_; }

 private:
  TAbrechnungsJahr jahre_;
  TAbrechnungsNummern nummern_;
};
