// The suite's column-export dialog (logic only): the caller declares the columns it can
// fill and hands out its rows through a first-row and a next-row callback; the person
// chooses, orders and renames the columns and the file's form, sees the first rows, and
// the dialog writes the file through a temporary file. Layouts are kept by name per
// program and list key, so that one made once serves every later run, unattended ones
// included.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/GuardedObject.h"
#include "export/SerBriefLayout.h"

class TAnsiTextFile;

class TfrmSerBrief : public TGuardedObject {
 public:
  // Moves to the first or next row; false when there is none.
  using TZeileAbruf = std::function<bool()>;
  // Fills werte[i] with the value of catalogue column spalten[i] for the current row.
  using TZeileFuellen =
      std::function<void(const std::vector<int>& spalten, std::vector<std::string>& werte)>;
  // Completes the written file and returns its final name; by default it is moved into
  // place at once.
  using TDateiAbschluss = std::function<std::string(std::unique_ptr<TAnsiTextFile>)>;

  std::string_view ClassName() const override { return "TfrmSerBrief"; }

  // --- set up by the caller ---
  std::string Caption;
  std::string SpeichernTitel;       // title of the file choice
  std::string VorgeschlageneDatei;  // proposed file (with or without directory)
  std::string Verzeichnis;          // proposed directory
  std::string Endung;               // proposed extension, without dot
  std::string Filter;               // "Beschreibung|*.ext|..." for the file choice
  // Writes the proposed file without a window when a layout is stored.
  bool OhneNachfrage = false;
  // Where the temporary file is built; empty: beside the target.
  std::string TempVerzeichnis;

  void SetListe(const std::string& programm, const std::string& listenKey);
  void SetZeilenAbruf(TZeileAbruf erste, TZeileAbruf naechste, TZeileFuellen fuellen);
  void SetDateiAbschluss(TDateiAbschluss abschluss) { FAbschluss = std::move(abschluss); }
  void SpaltenLeeren() { FKatalog.clear(); }
  void SpalteHinzufuegen(TSerBriefSpalte spalte) { FKatalog.push_back(std::move(spalte)); }
  const std::vector<TSerBriefSpalte>& Katalog() const { return FKatalog; }

  // Runs the dialog: writes without a window when it may, else shows it. True exactly
  // when a file was written; its name is then GeschriebeneDatei().
  bool Ausfuehren();
  const std::string& GeschriebeneDatei() const { return FGeschrieben; }
  // Shows the window for the layout alone (from a settings form, without rows to write):
  // "Übernehmen" keeps it as the layout in force. True when it was kept.
  bool LayoutBearbeiten();
  bool NurLayout() const { return FNurLayout; }
  // Characters written as "?" because the file's encoding has no form for them.
  std::size_t ErsetzteZeichen() const { return FErsetzt; }
  // Problems met on the way that did not stop it (a stored column that is gone).
  const std::vector<std::string>& Warnungen() const { return FWarnungen; }

  // --- the window's state and actions ---
  TSerBriefLayout& Layout() { return FLayout; }
  const TSerBriefLayout& Layout() const { return FLayout; }
  // The catalogue index of a key; -1 when the catalogue has no such column.
  int KatalogIndex(const std::string& key) const;
  // Adds a catalogue column at the end of the layout (again, if the person wants it twice).
  void SpalteWaehlen(int katalogIndex);
  void SpalteEntfernen(std::size_t position);
  void SpalteVerschieben(std::size_t position, int richtung);  // -1 up, +1 down
  void SetUeberschrift(std::size_t position, const std::string& text);
  void SetBreite(std::size_t position, int breite);
  // The first rows as the file will hold them, header line included.
  std::vector<std::string> Vorschau(std::size_t zeilen = 10);

  std::vector<std::string> LayoutNamen() const;
  bool LayoutLaden(const std::string& name);
  bool LayoutSpeichern(const std::string& name);
  bool LayoutLoeschen(const std::string& name);
  const std::string& LayoutName() const { return FLayoutName; }

  // The proposed target: the proposed file in the proposed directory.
  std::string Zieldatei() const;
  // "Speichern": writes datei (the view asked for it, or Zieldatei() without asking) and
  // keeps the layout as the one in force; the window closes on success.
  bool btnSchreibenClick(const std::string& datei);
  void btnAbbrechenClick() { FModalResult = 2; }
  // "Übernehmen" of the layout-only window: keeps the layout in force and closes.
  bool btnUebernehmenClick();
  // 1 written, 2 cancelled, 0 while open.
  int ModalResult() const { return FModalResult; }

 private:
  void LayoutUebernehmen(TSerBriefLayout layout);
  // Starts a showing: the layout in force, or the proposal; false when a stored layout
  // cannot be read and no window can show the problem.
  std::optional<TSerBriefLayout> GespeichertesLayout();
  // Catalogue columns of the layout; a column that is gone is dropped with a warning.
  std::vector<const TSerBriefSpalte*> Aufloesen(std::vector<int>& indizes);
  void Schreiben(const std::string& datei);
  TSerBriefLayoutSpeicher& Speicher();

  std::vector<TSerBriefSpalte> FKatalog;
  TSerBriefLayout FLayout;
  std::string FLayoutName;
  std::string FProgramm = "SALDIX";
  std::string FListenKey;
  std::unique_ptr<TSerBriefLayoutSpeicher> FSpeicher;
  TZeileAbruf FErste;
  TZeileAbruf FNaechste;
  TZeileFuellen FFuellen;
  TDateiAbschluss FAbschluss;
  std::string FGeschrieben;
  std::size_t FErsetzt = 0;
  std::vector<std::string> FWarnungen;
  int FModalResult = 0;
  bool FNurLayout = false;
};

// Shows the dialog modally and returns whether it wrote a file; the Qt layer installs
// it. Without one only a run without asking can write.
using TSerBriefAnzeige = std::function<bool(TfrmSerBrief&)>;
void SetSerBriefAnzeige(TSerBriefAnzeige anzeige);
