// The history of each settlement: when, where, by whom and into which files it was
// exported, re-issued or deleted, with its bookings, file lines and totals.
#pragma once

#include <string>
#include <vector>

#include "suite/Abrechnung.h"
#include "suite/Types.h"
#include "suite/db/Storage.h"

namespace abrechnungszustand {
inline constexpr const char* Exportiert = "exportiert";
inline constexpr const char* ErneutAusgegeben = "erneut ausgegeben";
inline constexpr const char* Geloescht = "gelöscht";
}  // namespace abrechnungszustand

struct TAbrechnungsEreignis : TAbrechnung {
  std::string Zustand;  // one of abrechnungszustand
  TDateTime Zeit = 0;
  int Rechner = 0;
  std::string Benutzer;
  std::vector<std::string> Dateien;
  int Buchungen = 0;
  int Zeilen = 0;
  long double Soll = 0;
  long double Haben = 0;
};

class TAbrechnungsVerlauf {
 public:
  explicit TAbrechnungsVerlauf(suitedb::Connection& connection) : connection_(connection) {}

  // Inside the caller's transaction, so that it stays exactly when the settlement does.
  void Eintragen(const TAbrechnungsEreignis& ereignis);
  // Oldest first. An empty client means all clients, a year of 0 or less all years, a
  // number of 0 or less all numbers.
  std::vector<TAbrechnungsEreignis> Ereignisse(const TIntPair& firma, int jahr = 0,
                                               int nr = 0);
  // The files the settlement's last export or re-issue wrote; empty when it has none.
  std::vector<std::string> AktuelleDateien(const TIntPair& firma, int jahr, int nr);

 private:
  suitedb::Connection& connection_;
};

// One line of the history as the journal shows it, without the files: time, state,
// workstation, user, bookings, lines and totals.
std::string EreignisText(const TAbrechnungsEreignis& ereignis);

// The name a deleted settlement's file is given, so that it is never taken for a valid
// one nor overwritten by a later export under the same number: the first such name that
// is still free.
std::string StornoDateiname(const std::string& datei);

