// The booking list as a tree of rows: booking rows and the group rows that combine them.
// Marks live on booking rows; a group's mark and its counted amounts follow its members.
// The top-level rows, in display order, are what an export writes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/SaldixBearbZeile.h"
#include "suite/Types.h"

// A booking as loaded, before the display grouping; the list is rebuilt from these.
struct TGeladeneBuchung {
  TZeilenWerte Werte;
  TIntTrio Ident;
  bool Markiert = true;
};

enum class TMarkierung { Nein, Teilweise, Ja };

// LEVEL of a booking row; group rows carry 1 to 3.
inline constexpr int CLevelBuchung = 4;

// A row of the list. A booking row shows the values of its loaded booking, which belong to
// it alone (every loaded booking is one row), so a year of bookings is not held twice; a
// group row, or a booking row that a special account changed, holds values of its own.
struct TListenZeile {
  const TZeilenWerte& Werte() const { return Eigene ? *Eigene : *Geladen; }

  TIntTrio Ident;                     // booking rows only
  std::int32_t Quelle = -1;           // index of the loaded booking; -1 for a group
  std::int32_t Eltern = -1;
  std::vector<std::int32_t> Kinder;
  std::string Gruppe;                 // group name ("Filiale", "Automatikkonten", ...)
  bool IstGruppe = false;
  bool Markiert = false;              // booking rows only

 private:
  friend class TBuchungsListe;
  TZeilenWerte& Veraenderbar() { return Eigene ? *Eigene : *Geladen; }

  TZeilenWerte* Geladen = nullptr;
  std::unique_ptr<TZeilenWerte> Eigene;
};

class TBuchungsListe {
 public:
  void Leeren();
  // Room for this many rows, so that building a large list does not move rows around.
  void Reservieren(std::size_t zeilen) { zeilen_.reserve(zeilen); }

  // Adds a booking row as the last member of eltern (-1: the top level); returns its index.
  std::int32_t NeueBuchung(TZeilenWerte werte, TIntTrio ident, std::int32_t quelle,
                           bool markiert, std::int32_t eltern = -1);
  // The same for a loaded booking shown as it is: the row uses its values and writes its
  // counted amounts into them, so the booking must outlive the list and stay in place.
  std::int32_t NeueBuchung(TGeladeneBuchung& geladen, std::int32_t quelle,
                           std::int32_t eltern = -1);
  // Adds a group row the same way.
  std::int32_t NeueGruppe(std::string name, TZeilenWerte werte, std::int32_t eltern = -1);

  std::size_t Anzahl() const { return zeilen_.size(); }
  const TListenZeile& Zeile(std::int32_t index) const { return zeilen_.at(Index(index)); }
  const std::vector<std::int32_t>& Oberste() const { return oberste_; }

  TMarkierung Markierung(std::int32_t index) const;
  // A row counts as marked when it or one of its members is.
  bool IstMarkiert(std::int32_t index) const { return Markierung(index) != TMarkierung::Nein; }
  // Marks or unmarks a row; for a group, all its members.
  void SetMarkiert(std::int32_t index, bool markiert);
  void Umschalten(std::int32_t index);
  // True when a mark changed.
  bool AlleMarkieren();
  void MarkierungUmkehren();

  // Counted amounts (6, 7) from the marks, group amounts (8, 9) from the members, LEVEL by
  // depth. Call after every change of marks or structure.
  void Resynchronisieren();

  // Booking identities under a row (a booking row gives itself), in tree order.
  std::vector<TIntTrio> Idents(std::int32_t index, bool nurMarkierte) const;
  // Every booking row under a row, in tree order.
  std::vector<std::int32_t> Buchungszeilen(std::int32_t index) const;

  // Stable sort of the top-level rows.
  void SortiereOberste(
      const std::function<bool(const TListenZeile&, const TListenZeile&)>& vorher);

  // The same by row index.
  void SortiereObersteNachIndex(const std::function<bool(std::int32_t, std::int32_t)>& vorher);

  // The row following index in display order (members after their group); -1 at the end.
  std::int32_t Naechste(std::int32_t index) const;

 private:
  std::size_t Index(std::int32_t index) const { return static_cast<std::size_t>(index); }
  std::int32_t Hinzufuegen(TListenZeile zeile, std::int32_t eltern);
  void Synchronisiere(std::int32_t index, int tiefe);

  std::vector<TListenZeile> zeilen_;
  std::vector<std::int32_t> oberste_;
};
