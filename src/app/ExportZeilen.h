// What the export run reads from the booking list: the top-level rows in display
// order, their marks, column values by tag, and the member rows of a group.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "app/SpaltenTag.h"
#include "suite/Types.h"

class IExportZeile {
 public:
  virtual ~IExportZeile() = default;

  virtual bool Markiert() const = 0;
  // A row that combines bookings (its children); a booking row has none.
  virtual bool IstGruppe() const = 0;
  virtual std::size_t KinderAnzahl() const = 0;
  virtual const IExportZeile& Kind(std::size_t index) const = 0;
  // The booking's identity, kept as numbers from the row read to the row marked; empty
  // for a group.
  virtual TIntTrio Ident() const = 0;

  // The column value as text (export values for tags 56, 57, 58).
  virtual std::string Text(TSpalte tag) const = 0;
  // Decimal columns (6, 7, 8, 9, 61); for a group the sums of its marked members.
  virtual long double Betrag(TSpalte tag) const = 0;
  // Date columns (13, 14, 64); 0 when not set.
  virtual TDateTime Datum(TSpalte tag) const = 0;
};

class IExportListe {
 public:
  using Vorher = std::function<bool(const IExportZeile&, const IExportZeile&)>;

  virtual ~IExportListe() = default;
  virtual std::size_t Anzahl() const = 0;
  virtual const IExportZeile& Zeile(std::size_t index) const = 0;
  // Reorders the top-level rows; rows that compare equal keep their order.
  virtual void StabilSortieren(const Vorher& vorher) = 0;
  // Selects the row and scrolls it into view (a check names it).
  virtual void ZeileAuswaehlen(const IExportZeile& zeile) = 0;
};

