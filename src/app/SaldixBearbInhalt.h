// The content settings of Beleg 1, Beleg 2 and the description: which value of a booking
// each content key puts into the field.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/SaldixBearbDienste.h"

// The keys and their descriptions are the settings' table CInhalte (data/EinstellungenRecord.h).

// Contents that change when the accounts of a booking change.
bool IstKontenabhaengigerInhalt(std::string_view key);

enum class TInhaltFeld { Beleg1, Beleg2, Text };

// What the content of one booking is built from. Document data is fetched on first need.
class TInhaltQuelle {
 public:
  TInhaltQuelle(const TBuchungsRohsatz& satz, IBearbBelege& belege, IBearbKonten& konten,
                std::int32_t abrNr, std::int32_t abrJahr)
      : satz_(satz), belege_(belege), konten_(konten), abrNr_(abrNr), abrJahr_(abrJahr) {}

  // Values the row builder already has.
  std::string GepName;
  std::string GegenKtoBez;
  std::string BU;
  std::string Beschreibung;  // own description without line breaks

  const TListenBelegDaten& Beleg();
  std::string KontoKuerzel();

  const TBuchungsRohsatz& Satz() const { return satz_; }
  IBearbBelege& Belege() { return belege_; }
  IBearbKonten& Konten() { return konten_; }
  std::int32_t AbrNr() const { return abrNr_; }
  std::int32_t AbrJahr() const { return abrJahr_; }

 private:
  const TBuchungsRohsatz& satz_;
  IBearbBelege& belege_;
  IBearbKonten& konten_;
  std::int32_t abrNr_, abrJahr_;
  bool belegGelesen_ = false;
  TListenBelegDaten beleg_;
};

// The value of a field for a content key; an empty or unknown key keeps the booking's own
// field. For the description the own text is appended as the settings ask.
std::string InhaltWert(std::string_view key, TInhaltFeld feld, TInhaltQuelle& quelle,
                       bool textAnhaengen);
