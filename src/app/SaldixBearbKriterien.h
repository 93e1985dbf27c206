// The combination criteria: which columns must agree for bookings to share a group row,
// the group's name, its document date and its description.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/SaldixBearbZeile.h"

enum class TGruppenDatum {
  Gemeinsam,     // the members' common date, else the first member's
  Monatsende,    // the last day of the month of the document date
  Spaetestes,    // the latest date of the members
};

enum class TBeschreibungsRegel {
  Keine,
  Filiale,
  FilialeDatum,
  Rechner,
  RechnerDatum,
  Datum,
  BelegDatum,
  ZusammengefassteKonten,
};

struct TKriterium {
  std::string_view Key;          // empty: any other criterion text
  std::string_view GruppenName;
  std::vector<TSpalte> Spalten;      // key columns after the two accounts
  TGruppenDatum Datum;
  TBeschreibungsRegel Regel;
};

// The criterion for a criterion text (the last row for any text the table lacks).
const TKriterium& KriteriumZu(std::string_view kriterien);
const TKriterium& ZusammengefassteKonten();

// All key columns of a criterion: accounts (numbers or keys) first.
std::vector<TSpalte> SchluesselSpalten(const TKriterium& kriterium, bool nachNummer);

// The description rule's text for a group, from its first member; empty for no rule.
// kassenKontoName: name of the cash-reconciliation account among the accounts, if any.
std::string RegelText(const TKriterium& kriterium, const TZeilenWerte& erstes,
                      const std::string& kurzBeschreibung, const std::string& kassenKontoName);

// Cuts UTF-8 text to at most n characters.
std::string Utf8Schneiden(std::string_view text, std::size_t n);
