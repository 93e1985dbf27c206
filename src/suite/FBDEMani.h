// The suite's booking manipulator: every change of the booking file goes through it.
// Each operation is all-or-nothing (its own transaction, or a save point inside an open
// booking transaction) and throws on failure with a message for the user.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/db/Storage.h"
#include "suite/records/FBDEDaten.h"
#include "suite/records/FBDEKontoBetrag.h"

// The booking-process code of this program.
inline constexpr int CFBDE_BV_Saldix = 7;

// The business event a booking process writes its manual bookings with.
std::string C_FBDE_GV_Zu_BV(int vorgang);

// A booking identity as the list shows it: 4 + 9 + 4 digits.
std::string FBDEIdentText(const TIntTrio& ident);

// Where the bookings of a settlement are expected: their client and document-date period.
// Only a hint for speed; bookings found elsewhere are marked all the same.
struct TFbdeBereich {
  TIntPair Firma;
  TDateTime Von = 0, Bis = 0;  // whole days, both included
};

// The settlement a booking carries; 0/0 is an open booking.
struct TAbrechnungsStand {
  int AbrNr = 0;
  int AbrJahr = 0;
  bool operator==(const TAbrechnungsStand&) const = default;
};

// Thrown when bookings to be marked no longer carry the settlement the caller saw: another
// run exported them meanwhile. Nothing was changed.
class TBuchungenVergeben : public suitedb::StorageError {
 public:
  using suitedb::StorageError::StorageError;
};

class TFBDEMani {
 public:
  // New identities take the given computer number (this workstation's).
  TFBDEMani(suitedb::Connection& connection, int rechner);

  suitedb::Connection& Connection() const { return db_; }

  void ExportKzUpdate(int vorgang, const std::vector<TIntTrio>& idents, bool exportieren);
  // Gives the bookings a settlement, only while each still carries the one expected (open,
  // unless said otherwise); throws TBuchungenVergeben, and changes nothing, when one does not.
  // A settlement given to the bookings it already has confirms that they still carry it.
  void AbrNrUpdate(int vorgang, const std::vector<TIntTrio>& idents, int abrNr, int abrJahr,
                   const std::optional<TFbdeBereich>& bereich = std::nullopt,
                   const TAbrechnungsStand& erwartet = {});
  void BeschreibungUpdate(int vorgang, const std::vector<TIntTrio>& idents,
                          const std::string& beschreibung, const std::string& ustId,
                          const std::string& zmZusatz, int kost1, int kost2);
  // Writes one open reversal per booking (debit and credit exchanged) under one new
  // transaction; returns the new identities in the order of idents.
  std::vector<TIntTrio> UmkehrungBuchen(int vorgang, const std::vector<TIntTrio>& idents);
  // Deletes open bookings; a settled booking refuses the whole call.
  void Loeschen(int vorgang, const std::vector<TIntTrio>& idents);
  // neu: writes a new record; a transaction number of 0 takes the next one of this
  // computer, a running number of -1 the next one of the transaction. Otherwise replaces
  // the existing record of the identity. On return satz holds the identity written.
  void SatzSchreiben(int vorgang, TFBDEDaten& satz, bool neu);
  // Replaces the lines of the open booking transaction (RNr, LNr of protNr) by one line per
  // entry; text and date (when not 0) replace the booking text and date.
  void AufwandEntnahmeUpdate(int vorgang, const TIntTrio& protNr,
                             const std::vector<TFBDEKontoBetrag>& eintraege,
                             const std::string& text, TDateTime datum, int int1, int int2);
  // How many of these bookings carry another settlement than the one expected, and which,
  // in the user's words ("" when none does).
  std::string Vergeben(const std::vector<TIntTrio>& idents, const TAbrechnungsStand& erwartet);
  // Reopens every booking of a settlement; returns how many.
  int AbrNrZurueckSetzen(int vorgang, const TIntPair& firma, int abrNr, int abrJahr);

 private:
  std::int32_t NextTransaktionsNr(std::int32_t rechner);
  std::int32_t NextLfdNr(std::int32_t rechner, std::int32_t transaktionsNr);
  TFBDEDaten ReadExisting(const TIntTrio& ident);
  // Puts the distinct identities into the temporary table temp.fbde_idents; returns how many.
  int IdentsVormerken(const std::vector<TIntTrio>& idents);
  // The first identity of that table that the booking file lacks.
  TIntTrio ErstesFehlendesIdent();
  // Bookings of that table that carry neither settlement, in the user's words.
  std::string VergebeneBeschreiben(const TAbrechnungsStand& erwartet,
                                   const TAbrechnungsStand& neu);

  suitedb::Connection& db_;
  int rechner_;
};
