// The client table of the formats that keep per-client numbers of the target system
// (BMD, DVO, SBS, Varial, DATEV postal dispatch): one entry per client of the suite's
// client list, in its order, with an active tick and the format's own per-client
// fields. Each field is stored in the profile as its key followed by the client's key
// text ("MANDANT100/1=12"), the tick as "MANDAKTV" + the client's key ("J"/"N").
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "suite/QTXFormStore.h"
#include "suite/Types.h"
#include "suite/servers/MandListeServer.h"

class TSimpleMask;

// One per-client field of a format: its key prefix and how it is stored.
struct TMandantenFeld {
  enum class TArt { Zahl, Text };

  std::string Schluessel;  // "MANDANT", "KLIENT", "BERATER", "BENUTZER", ...
  TArt Art = TArt::Zahl;
  // An active client needs it set (a number other than 0, a non-blank text).
  bool Pflicht = true;
  // Longest text or number of digits the form accepts; 0: no limit.
  std::size_t MaxLaenge = 0;
  // The form's column caption ("BMD-Mandant") and its message when an active client
  // leaves the field unset ("Die Mandantennummer ist nicht gefüllt.").
  std::string Spalte;
  std::string FehltMeldung;
};

// One client with the format's values, one per field of the table in its order. Numbers
// are kept as decimal text: a stored non-numeric text reads as 0.
struct TMandantenEintrag {
  int KurzNr = 0;
  TIntPair GepNr;
  std::string Name;
  std::string KurzName;
  int BeginnWJ = 1;  // first month of the client's fiscal year, from the client list
  bool Aktiv = false;
  std::vector<std::string> Werte;

  const std::string& Text(std::size_t feld) const { return Werte.at(feld); }
  int Zahl(std::size_t feld) const;
};

class TMandantenTabelle {
 public:
  static constexpr const char* CAktivSchluessel = "MANDAKTV";

  explicit TMandantenTabelle(std::vector<TMandantenFeld> felder);

  const std::vector<TMandantenFeld>& Felder() const { return felder_; }
  const std::vector<TMandantenEintrag>& Eintraege() const { return eintraege_; }
  void Clear() { eintraege_.clear(); }

  // Rebuilds the table from the client list with the values of a profile.
  void AusProfil(const std::vector<TMandListeEintrag>& liste, const TQTXStrings& config);
  // Rebuilds it from the settings from before profiles: every client active.
  void AusAltenEinstellungen(const std::vector<TMandListeEintrag>& liste, const TSimpleMask& maske);
  // Writes the tick and every field of every entry into the profile.
  void InsProfil(TQTXStrings& config) const;
  // True for a per-client key of this table, of any client (also one no longer listed):
  // a save drops those it did not write, so a client given anew inherits nothing.
  bool EigenerSchluessel(const std::string& key) const;

  // Index of the first entry of that client; -1 when none.
  int GetMandantIndex(TIntPair gepNr) const;
  const TMandantenEintrag* Mandant(TIntPair gepNr) const;
  // The profile serves the client when its entry is ticked.
  bool Profil_Geeignet(TIntPair gepNr) const;
  // Sets tick and values of every entry of that client; werte holds one value per field
  // (numbers as decimal text). std::invalid_argument for a wrong count.
  void SetMandantenDaten(TIntPair gepNr, bool aktiv, const std::vector<std::string>& werte);

  // At least one client active, and every active one has its required fields set.
  bool EinstellungenVorhanden() const;
  // Index of the first required field that an active entry leaves unset, for the form's
  // message; -1 when every active entry is complete.
  int FehlendesPflichtfeld() const;
  bool EinerAktiv() const;
  // The form's check of the grid: the message of the first unset required field of an
  // active client, else the one for no active client; empty when the table is usable.
  std::string Pruefen() const;
  static constexpr const char* CKeinerAktiv = "Es muss mindestens ein Mandant ausgewählt sein.";

  // The key of a client in the profile keys: the suite's key text of the pair.
  static std::string MandantSchluessel(TIntPair gepNr);

 private:
  static TMandantenEintrag Basis(const TMandListeEintrag& eintrag);
  bool Gesetzt(const TMandantenEintrag& eintrag, std::size_t feld) const;
  std::string Normalisiert(std::size_t feld, const std::string& wert) const;

  std::vector<TMandantenFeld> felder_;
  std::vector<TMandantenEintrag> eintraege_;
};
