// The program's settings record of the current client, origin and profile, and the
// fixed choice tables the settings refer to.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "suite/Types.h"

// 01.01.2007 as a day count.
inline constexpr TDateTime CMwStAbDatumDefault = 39083.0;

struct TEinstellungen {
  // General settings of the client.
  int MaxZeilen = 0;
  bool KontoMonatsweise = false;
  bool DirektEinlesen = true;
  std::string SpaltenConfig;
  std::string SortierungConfig;
  std::string Kostenstellen;
  bool AutoKont = false;
  std::string MwStNormAsString4 = "0000";
  std::string MwStReduAsString4 = "0000";
  std::string MwStSpezAsString4 = "0000";
  std::string MwStReduAltAsString4 = "0000";
  std::string MwStNormAltAsString4 = "0000";
  TDateTime MwStAbDatum = CMwStAbDatumDefault;
  // Current origin and profile.
  std::string Herkunft = "ALLE";
  std::string Profil;
  // Settings by origin and profile.
  bool KontoKombination = false;
  std::string Kriterien = "KEINE";
  bool NachNummer = false;
  bool Beschreibung = false;
  std::string InhaltBeleg1;
  std::string InhaltBeleg2;
  std::string InhaltText;
  bool InhaltTextAnhaengen = true;
  // Partner accounts (general).
  TIntPair KreditorenZuordnung;
  TIntPair DebitorenZuordnung;
  int DebitorenMerkmal = 0;
  std::string DebitorenSchema;
};

// The origin that stands for all origins.
inline constexpr std::string_view CHerkunftAlle = "ALLE";

// DebitorenZuordnung of this value means: the partner's customer number.
inline constexpr TIntPair CDebitorenKundennummer{9999, 999999999};

struct TAuswahlEintrag {
  std::string_view Schluessel;
  std::string_view Text;
};

// Summarising criteria (Kriterien).
inline constexpr std::array<TAuswahlEintrag, 11> CKriterien = {{
    {"KEINE", "keine"},
    {"FILIALE", "Filiale muss übereinstimmen"},
    {"FILIALEDATUM", "Filiale und Belegdatum müssen übereinstimmen"},
    {"RECHNER", "Rechner muss übereinstimmen"},
    {"RECHNERDATUM", "Rechner und Belegdatum müssen übereinstimmen"},
    {"DATUM", "Belegdatum muss übereinstimmen"},
    {"BELEGDATUM", "Beleg1/Beleg2/Belegdatum müssen übereinstimmen"},
    {"BELEGUSTID", "Beleg1/Beleg2/UStId müssen übereinstimmen"},
    {"RECHNEREU", "Rechner/EU-Land/EU-Steuer müssen übereinstimmen"},
    {"EU", "EU-Land/EU-Steuer müssen übereinstimmen"},
    {"RECHNERDATUMSH", "Rechner, Belegdatum und Soll/Haben müssen übereinstimmen"},
}};

// Contents of the fields Beleg1, Beleg2 and Text.
inline constexpr std::array<TAuswahlEintrag, 26> CInhalte = {{
    {"KEIN", "leer"},
    {"STANDARD", "Standard"},
    {"BELEGNR", "Belegnummer ohne Belegart"},
    {"BELEGNRMIT", "Belegnummer mit Belegart"},
    {"BBELEGNRMIT", "Basis-Belegnummer mit Belegart (bei AGU/ERT/ASG Nr. der ARE)"},
    {"FILIALE", "Filialnummer"},
    {"ECBEIGS", "Zahlungsart bei GS-Ausgabe"},
    {"ABRNR", "Abrechnungsnummer"},
    {"KOMBI", "Kombination Beleg1/Beleg2"},
    {"KOMBIKUE", "Kombination Beleg1/Beleg2/Kontenkürzel"},
    {"GGKTOBEZ", "Bezeichnung Gegenkonto"},
    {"KOMBIFIK", "Kombination Filiale/Kontenkürzel"},
    {"GEPNAME", "Geschäftspartner"},
    {"ORDERID", "Order-ID"},
    {"ORDERID7", "Order-ID letzte 7 Stellen"},
    {"ISOLAND", "ISO-Kürzel Land des Geschäftspartners"},
    {"BELEGNRGEPNAME", "Kombination Belegnummer/Geschäftspartner"},
    {"EXTBELEG", "ext. Belegnummer"},
    {"EXTBELEGGEPNAME", "Kombination ext. Belegnr./Geschäftspartner"},
    {"FILIALEDATUM", "Kombination Filiale/Belegdatum JJMMTT"},
    {"EXTINTGUTSCHEIN", "Gutscheinnr. fremd oder eigene"},
    {"KTOKUERZ", "Kontenkürzel"},
    {"KBNUMMER", "Nummer Kassenbericht"},
    {"RECHNERDATUM", "Kombination Rechner/Belegdatum"},
    {"RECHNERDATUMS", "Kombination Rechner/Belegdatum JJMMTT"},
    {"KBNRDATUM", "Kombination Nummer Kassenbericht/Belegdatum"},
}};

// Whether a content depends on the account ("KOMBIKUE", "GGKTOBEZ", "KOMBIFIK", "KTOKUERZ").
bool InhaltIstKontoabhaengig(std::string_view inhalt);
