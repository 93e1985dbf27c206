// The values of one row of the booking list, by column tag. Kept compact because a list
// holds a whole year of bookings: numbers in fixed slots, all texts in one buffer.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/SaldixBearbSpalten.h"
#include "suite/Types.h"

class TZeilenWerte {
 public:
  TZeilenWerte();

  // A tag of another kind, or one no column carries, throws std::out_of_range.
  std::string_view Text(TSpalte tag) const { return TextImSlot(Slot(tag, TSpaltenTyp::Text)); }
  long double Betrag(TSpalte tag) const { return betraege_[Slot(tag, TSpaltenTyp::Dezimal)]; }
  std::int32_t Ganzzahl(TSpalte tag) const { return ganzzahlen_[Slot(tag, TSpaltenTyp::Ganzzahl)]; }
  TDateTime Datum(TSpalte tag) const { return daten_[Slot(tag, TSpaltenTyp::Datum)]; }

  void SetText(TSpalte tag, std::string_view value);
  // Several texts at once, for one rebuild of the text buffer instead of one per text. The
  // values may be texts of this row.
  void SetTexte(std::initializer_list<std::pair<TSpalte, std::string_view>> texte);
  void SetBetrag(TSpalte tag, long double value) { betraege_[Slot(tag, TSpaltenTyp::Dezimal)] = value; }
  void SetGanzzahl(TSpalte tag, std::int32_t value) {
    ganzzahlen_[Slot(tag, TSpaltenTyp::Ganzzahl)] = value;
  }
  void SetDatum(TSpalte tag, TDateTime value) { daten_[Slot(tag, TSpaltenTyp::Datum)] = value; }

  // Empties every text but those of the given columns, and every date; amounts and whole
  // numbers stay.
  void NurSchluesselBehalten(const std::vector<TSpalte>& schluessel);

  // The value as the list shows it (amounts "1.234,56", dates dd.mm.yyyy, 0 dates empty).
  std::string Anzeige(TSpalte tag) const;

  bool operator==(const TZeilenWerte&) const = default;

 private:
  friend class TZeilenEntwurf;
  static constexpr std::size_t kTexte = SpaltenAnzahlVomTyp(TSpaltenTyp::Text);

  // Inline: the tags are mostly constants, so the slot is found while compiling.
  static std::size_t Slot(TSpalte tag, TSpaltenTyp typ) {
    const TSpaltenPlatz platz = SpaltenPlatz(tag);
    if (platz.Platz < 0 || platz.Typ != typ) FalscherTyp(tag);
    return static_cast<std::size_t>(platz.Platz);
  }
  [[noreturn]] static void FalscherTyp(TSpalte tag);
  std::string_view TextImSlot(std::size_t slot) const {
    const std::uint32_t begin = slot == 0 ? 0 : ende_[slot - 1];
    return std::string_view(texte_).substr(begin, ende_[slot] - begin);
  }
  // The texts of every slot in one new buffer; the values may be texts of this row.
  void Packen(const std::array<std::string_view, kTexte>& texte);

  std::array<long double, SpaltenAnzahlVomTyp(TSpaltenTyp::Dezimal)> betraege_{};
  std::array<TDateTime, SpaltenAnzahlVomTyp(TSpaltenTyp::Datum)> daten_{};
  std::array<std::int32_t, SpaltenAnzahlVomTyp(TSpaltenTyp::Ganzzahl)> ganzzahlen_{};
  std::string texte_;                         // all texts, one after the other
  std::array<std::uint32_t, kTexte> ende_{};  // end offset of each text in texte_
};

// A row being built: each text kept apart, so that setting one moves no other, and packed
// into the row's one buffer at the end. One draft builds row after row.
class TZeilenEntwurf {
 public:
  // Back to a row without values, keeping the room of its texts for the next one.
  void Leeren();

  std::string_view Text(TSpalte tag) const;
  void SetText(TSpalte tag, std::string_view value);
  void SetBetrag(TSpalte tag, long double value) { werte_.SetBetrag(tag, value); }
  void SetGanzzahl(TSpalte tag, std::int32_t value) { werte_.SetGanzzahl(tag, value); }
  void SetDatum(TSpalte tag, TDateTime value) { werte_.SetDatum(tag, value); }

  TZeilenWerte Fertig() const;

 private:
  TZeilenWerte werte_;  // the numbers; its texts stay empty
  std::array<std::string, TZeilenWerte::kTexte> texte_;
};

// "1.234,56" style with the given decimals; halves round away from zero.
std::string BetragAlsAnzeige(long double value, int decimals);
// dd.mm.yyyy; empty for 0.
std::string DatumAlsAnzeige(TDateTime value);
// Day as YYMMDD and YYYYMMDD.
std::string DatumJJMMTT(TDateTime value);
std::string DatumJJJJMMTT(TDateTime value);
