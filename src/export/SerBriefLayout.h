// The layout of the column-export dialog: which columns in which order under which
// headings, and how the file is written (separator or fixed width, quoting, decimal
// separator, date format, header line, line end, encoding). Layouts are kept by name
// in the suite's form store, one list per program and list key.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "suite/AnsiTextFile.h"
#include "suite/QTXFormStore.h"

// One column the caller offers. Typ: 'F' amount, 'C' one character, 'S' text, 'D' date,
// 'I' whole number.
struct TSerBriefSpalte {
  std::string Key;
  std::string Beschreibung;
  std::string Ueberschrift;
  int Flag = 0;           // 1: part of the layout a list without a stored one starts with
  int MinBreite = 0;      // fixed width: narrowest sensible column
  int Breite = 0;         // fixed width: proposed column width
  char Typ = 'S';

  bool IstZahl() const { return Typ == 'F' || Typ == 'I'; }
};

enum class TSerBriefTrenner { Semikolon, Komma, Tabulator, FesteBreite };
enum class TSerBriefAnfuehrung {
  BeiBedarf,  // quotes only around a value holding the separator, a quote or a line break
  Texte,      // every value of a text or date column in quotes, numbers without
  Keine,      // never; separator and line breaks inside a value become blanks
};
enum class TSerBriefZeilenende { CrLf, Lf };

struct TSerBriefLayoutSpalte {
  std::string Key;
  std::string Ueberschrift;
  int Breite = 0;  // fixed width only
};

struct TSerBriefLayout {
  std::vector<TSerBriefLayoutSpalte> Spalten;
  TSerBriefTrenner Trenner = TSerBriefTrenner::Semikolon;
  TSerBriefAnfuehrung Anfuehrung = TSerBriefAnfuehrung::BeiBedarf;
  char Dezimaltrenner = ',';
  std::string Datumsformat = "dd.mm.yyyy";
  bool Kopfzeile = true;
  TSerBriefZeilenende Zeilenende = TSerBriefZeilenende::CrLf;
  TTextEncoding Kodierung = TTextEncoding::Ansi;

  char TrennZeichen() const;
  // The first problem that keeps the layout from writing a readable file; empty when none.
  std::string Problem() const;

  // As KEY=VALUE lines for the form store.
  TQTXStrings AlsText() const;
  // From stored lines; throws std::invalid_argument naming the faulty line.
  static TSerBriefLayout AusText(const TQTXStrings& text);
  // The flagged columns of the catalogue, in its order, with their headings and widths.
  static TSerBriefLayout Vorgabe(const std::vector<TSerBriefSpalte>& katalog);
};

// The stored layouts of one list. The entry without a name is the layout in force: the
// one written last, which a run without asking uses.
class TSerBriefLayoutSpeicher {
 public:
  TSerBriefLayoutSpeicher(std::string programm, std::string listenKey);

  std::vector<std::string> Namen() const;
  // nullopt when no layout of that name ("" the layout in force) is stored; throws
  // std::invalid_argument for a stored layout that cannot be read.
  std::optional<TSerBriefLayout> Laden(const std::string& name) const;
  void Speichern(const std::string& name, const TSerBriefLayout& layout);
  bool Loeschen(const std::string& name);

 private:
  mutable TQTXFormStore store_{"SerBrief.Layout"};
};
