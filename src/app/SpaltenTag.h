// The tags of the booking list's columns, apart from the column table, for code that
// reads rows without showing them.
#pragma once

// Column tags: each column's fixed identity, one name each; the numbers are the tags of
// the column table.
enum class TSpalte : int {
  Gegenkonto = 2,  // contra account number (or key + suffix)
  GegenkontoBez = 3,
  Konto = 4,  // account number (or key + suffix)
  KontoBez = 5,
  BetragSoll = 6,  // counts for the current marks
  BetragHaben = 7,
  BuchBetragSoll = 8,  // the booking's own amounts
  BuchBetragHaben = 9,
  Waehrung = 10,
  GepName = 11,
  UStID = 12,
  Belegdatum = 13,
  Buchungsdatum = 14,
  Belegart = 15,
  Beleg1 = 16,
  Beleg2 = 17,
  Verweisart = 18,
  Verweis1 = 19,
  Verweis2 = 20,
  Beschreibung = 21,
  ZMZusatz = 22,
  Protokollnummer = 23,
  GegenkontoName = 24,  // contra account key
  KontoName = 25,  // account key
  GegenkontoZusatz = 26,
  KontoZusatz = 27,
  Menge = 28,
  Filiale = 29,
  Level = 30,
  GepRNr = 31,
  GepLNr = 32,
  GKIdent = 33,
  AKIdent = 34,
  AKPrefixNr = 35,
  AKGKtoBez = 36,
  AKKntoBez = 37,
  AKGKtoNr = 38,
  AKKntoNr = 39,
  Beleg1Org = 40,
  Beleg2Org = 41,
  BU = 42,
  AKSteuerGGKto = 43,
  AKGKtoName = 44,
  AKKntoName = 45,
  Belegnr = 46,
  GutscheinZahlungsart = 47,
  Vorfall = 48,
  KoSt1 = 49,
  KoSt2 = 50,
  BelegRNr = 51,
  BelegLNr = 52,
  BelegSNr = 53,
  Kost1Org = 54,
  Kost2Org = 55,
  ExportBeleg1 = 56,
  ExportBeleg2 = 57,
  ExportBeschreibung = 58,
  Zahlungsreferenz = 59,
  EULand = 60,
  EUSteuer = 61,
  DokumentenNr = 62,
  ExtBelegNr = 63,
  Valutadatum = 64,
  Nettotage = 65,
  SkontoProz1 = 66,
  SkontoTage1 = 67,
  SkontoProz2 = 68,
  SkontoTage2 = 69,
  SollHaben = 70,
};
inline constexpr int CHoechsterSpaltenTag = 70;

constexpr int SpaltenNummer(TSpalte tag) { return static_cast<int>(tag); }
