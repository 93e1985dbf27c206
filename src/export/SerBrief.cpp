#include "export/SerBrief.h"

#include <filesystem>
#include <stdexcept>

#include "export/SerBriefZeile.h"
#include "suite/AnsiTextFile.h"
#include "suite/Files.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

TSerBriefAnzeige& Anzeige() {
  static TSerBriefAnzeige anzeige;
  return anzeige;
}

}  // namespace

void SetSerBriefAnzeige(TSerBriefAnzeige anzeige) { Anzeige() = std::move(anzeige); }

void TfrmSerBrief::SetListe(const std::string& programm, const std::string& listenKey) {
  FProgramm = programm;
  FListenKey = listenKey;
  FSpeicher.reset();
}

void TfrmSerBrief::SetZeilenAbruf(TZeileAbruf erste, TZeileAbruf naechste, TZeileFuellen fuellen) {
  FErste = std::move(erste);
  FNaechste = std::move(naechste);
  FFuellen = std::move(fuellen);
}

TSerBriefLayoutSpeicher& TfrmSerBrief::Speicher() {
  if (FListenKey.empty()) throw std::logic_error("Der Spaltenexport hat keinen Listenschlüssel.");
  if (!FSpeicher) FSpeicher = std::make_unique<TSerBriefLayoutSpeicher>(FProgramm, FListenKey);
  return *FSpeicher;
}

int TfrmSerBrief::KatalogIndex(const std::string& key) const {
  for (std::size_t i = 0; i < FKatalog.size(); ++i) {
    if (qtx_strmatch(FKatalog[i].Key, key)) return static_cast<int>(i);
  }
  return -1;
}

void TfrmSerBrief::LayoutUebernehmen(TSerBriefLayout layout) {
  std::vector<TSerBriefLayoutSpalte> bekannt;
  for (auto& spalte : layout.Spalten) {
    const int index = KatalogIndex(spalte.Key);
    if (index < 0) {
      // A column the caller no longer offers: the rest of the layout still serves.
      const std::string text = "Die Spalte \"" + spalte.Key +
                               "\" des gespeicherten Layouts gibt es nicht mehr; sie wird "
                               "übergangen.";
      FWarnungen.push_back(text);
      QTXInfo().RegisterException("TfrmSerBrief.Layout", text, false);
      continue;
    }
    const TSerBriefSpalte& katalog = FKatalog[static_cast<std::size_t>(index)];
    spalte.Key = katalog.Key;
    // Without a heading of its own the column takes the caller's, which may change.
    if (spalte.Ueberschrift.empty()) spalte.Ueberschrift = katalog.Ueberschrift;
    if (spalte.Breite == 0) spalte.Breite = katalog.Breite;
    bekannt.push_back(std::move(spalte));
  }
  layout.Spalten = std::move(bekannt);
  FLayout = std::move(layout);
}

std::optional<TSerBriefLayout> TfrmSerBrief::GespeichertesLayout() {
  FGeschrieben.clear();
  FErsetzt = 0;
  FWarnungen.clear();
  FModalResult = 0;
  FLayoutName.clear();
  std::optional<TSerBriefLayout> gespeichert;
  try {
    gespeichert = Speicher().Laden("");
  } catch (const std::invalid_argument& fehler) {
    // With a window the person starts from the proposal; unattended nothing is written.
    if (!Anzeige()) throw std::runtime_error(fehler.what());
    FWarnungen.push_back(fehler.what());
    QTXInfo().RegisterException("TfrmSerBrief.Ausfuehren", fehler.what(), false);
  }
  if (gespeichert) {
    LayoutUebernehmen(*gespeichert);
  } else {
    FLayout = TSerBriefLayout::Vorgabe(FKatalog);
  }
  return gespeichert;
}

bool TfrmSerBrief::Ausfuehren() {
  return Guard("Ausfuehren", [&] {
    FNurLayout = false;
    const bool gespeichert = GespeichertesLayout().has_value();
    if (OhneNachfrage && gespeichert) {
      Schreiben(Zieldatei());
      return true;
    }
    if (!Anzeige()) {
      throw std::runtime_error(
          "Für die Liste \"" + FListenKey + "\" ist kein Spaltenlayout gespeichert. Bitte "
          "exportieren Sie einmal im Programm und speichern Sie dabei das Layout im Dialog \"" +
          Caption + "\"; danach gilt es auch für den Export ohne Fenster.");
    }
    if (Anzeige()(*this) && !FGeschrieben.empty()) return true;
    // The run that asked names the reason when it reports that no file was written.
    QTXInfo().RegisterException("TfrmSerBrief.Ausfuehren",
                                "Im Dialog \"" + Caption + "\" wurde keine Datei gespeichert.", true);
    return false;
  });
}

bool TfrmSerBrief::LayoutBearbeiten() {
  return Guard("LayoutBearbeiten", [&] {
    FNurLayout = true;
    GespeichertesLayout();
    if (!Anzeige()) return false;
    return Anzeige()(*this) && FModalResult == 1;
  });
}

bool TfrmSerBrief::btnUebernehmenClick() {
  return Guard("btnUebernehmenClick", [&] {
    if (const std::string problem = FLayout.Problem(); !problem.empty()) {
      QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {problem}, "STANDARD", 994);
      return false;
    }
    Speicher().Speichern("", FLayout);
    FModalResult = 1;
    return true;
  });
}

std::string TfrmSerBrief::Zieldatei() const {
  const std::filesystem::path datei(VorgeschlageneDatei);
  if (datei.has_parent_path() || Verzeichnis.empty()) return VorgeschlageneDatei;
  return ConcatPathNames(Verzeichnis, VorgeschlageneDatei);
}

std::vector<const TSerBriefSpalte*> TfrmSerBrief::Aufloesen(std::vector<int>& indizes) {
  std::vector<const TSerBriefSpalte*> spalten;
  indizes.clear();
  for (const auto& spalte : FLayout.Spalten) {
    const int index = KatalogIndex(spalte.Key);
    if (index < 0) throw std::runtime_error("Unbekannte Spalte \"" + spalte.Key + "\".");
    indizes.push_back(index);
    spalten.push_back(&FKatalog[static_cast<std::size_t>(index)]);
  }
  return spalten;
}

void TfrmSerBrief::Schreiben(const std::string& datei) {
  if (const std::string problem = FLayout.Problem(); !problem.empty()) {
    throw std::runtime_error(problem);
  }
  if (Trim(datei).empty()) throw std::runtime_error("Es wurde keine Datei angegeben.");
  std::vector<int> indizes;
  TSerBriefZeile bau(FLayout, Aufloesen(indizes));
  const std::filesystem::path pfad(datei);
  if (pfad.has_parent_path() && !ForceDirectories(pfad.parent_path().string())) {
    throw std::runtime_error("Das Verzeichnis \"" + pfad.parent_path().string() +
                             "\" konnte nicht angelegt werden.");
  }
  auto ausgabe = std::make_unique<TAnsiTextFile>(datei, FLayout.Kodierung, TempVerzeichnis);
  const bool crlf = FLayout.Zeilenende == TSerBriefZeilenende::CrLf;
  std::string zeile;
  auto schreibe = [&](const std::string& text) {
    if (crlf) {
      ausgabe->WriteLine(text);
      return;
    }
    zeile.assign(text);
    zeile += '\n';
    ausgabe->Write(zeile);
  };
  if (FLayout.Kopfzeile) schreibe(bau.Kopfzeile());
  std::vector<std::string> werte(indizes.size());
  if (FErste && FErste()) {
    do {
      FFuellen(indizes, werte);
      schreibe(bau.Zeile(werte));
    } while (FNaechste && FNaechste());
  }
  FErsetzt = ausgabe->ReplacedCount();
  if (FAbschluss) {
    FGeschrieben = FAbschluss(std::move(ausgabe));
  } else {
    ausgabe->Commit();
    FGeschrieben = datei;
  }
}

std::vector<std::string> TfrmSerBrief::Vorschau(std::size_t zeilen) {
  std::vector<std::string> vorschau;
  Guard("Vorschau", [&] {
    try {
      std::vector<int> indizes;
      TSerBriefZeile bau(FLayout, Aufloesen(indizes));
      if (FLayout.Kopfzeile) vorschau.push_back(bau.Kopfzeile());
      std::vector<std::string> werte(indizes.size());
      if (zeilen == 0 || !FErste || !FErste()) return;
      do {
        FFuellen(indizes, werte);
        vorschau.push_back(bau.Zeile(werte));
      } while (vorschau.size() < zeilen + (FLayout.Kopfzeile ? 1 : 0) && FNaechste && FNaechste());
    } catch (const std::exception& fehler) {
      // The preview shows what stops the file, in place of the row.
      vorschau.push_back(std::string("Fehler: ") + fehler.what());
    }
  });
  return vorschau;
}

void TfrmSerBrief::SpalteWaehlen(int katalogIndex) {
  if (katalogIndex < 0 || static_cast<std::size_t>(katalogIndex) >= FKatalog.size()) return;
  const auto& spalte = FKatalog[static_cast<std::size_t>(katalogIndex)];
  FLayout.Spalten.push_back({spalte.Key, spalte.Ueberschrift, spalte.Breite});
}

void TfrmSerBrief::SpalteEntfernen(std::size_t position) {
  if (position < FLayout.Spalten.size()) {
    FLayout.Spalten.erase(FLayout.Spalten.begin() + static_cast<std::ptrdiff_t>(position));
  }
}

void TfrmSerBrief::SpalteVerschieben(std::size_t position, int richtung) {
  const auto ziel = static_cast<std::ptrdiff_t>(position) + richtung;
  if (position >= FLayout.Spalten.size() || ziel < 0 ||
      ziel >= static_cast<std::ptrdiff_t>(FLayout.Spalten.size())) {
    return;
  }
  std::swap(FLayout.Spalten[position], FLayout.Spalten[static_cast<std::size_t>(ziel)]);
}

void TfrmSerBrief::SetUeberschrift(std::size_t position, const std::string& text) {
  if (position < FLayout.Spalten.size()) FLayout.Spalten[position].Ueberschrift = text;
}

void TfrmSerBrief::SetBreite(std::size_t position, int breite) {
  if (position < FLayout.Spalten.size()) FLayout.Spalten[position].Breite = breite;
}

std::vector<std::string> TfrmSerBrief::LayoutNamen() const {
  return GuardOr("LayoutNamen", std::vector<std::string>{},
                 [&] { return const_cast<TfrmSerBrief*>(this)->Speicher().Namen(); });
}

bool TfrmSerBrief::LayoutLaden(const std::string& name) {
  return Guard("LayoutLaden", [&] {
    FWarnungen.clear();
    std::optional<TSerBriefLayout> layout;
    try {
      layout = Speicher().Laden(name);
    } catch (const std::invalid_argument& fehler) {
      QTXInfo().QTXWarnungBox(fehler.what());
      throw;
    }
    if (!layout) return false;
    LayoutUebernehmen(std::move(*layout));
    FLayoutName = Trim(name);
    for (const auto& warnung : FWarnungen) QTXInfo().QTXWarnungBox(warnung);
    return true;
  });
}

bool TfrmSerBrief::LayoutSpeichern(const std::string& name) {
  return Guard("LayoutSpeichern", [&] {
    if (Trim(name).empty()) {
      QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {"Bitte geben Sie einen Namen für das Layout an."},
                            "STANDARD", 994);
      return false;
    }
    if (const std::string problem = FLayout.Problem(); !problem.empty()) {
      QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {problem}, "STANDARD", 994);
      return false;
    }
    Speicher().Speichern(name, FLayout);
    // The layout saved last is the one in force, also for runs without a window.
    Speicher().Speichern("", FLayout);
    FLayoutName = Trim(name);
    return true;
  });
}

bool TfrmSerBrief::LayoutLoeschen(const std::string& name) {
  return Guard("LayoutLoeschen", [&] { return Speicher().Loeschen(name); });
}

bool TfrmSerBrief::btnSchreibenClick(const std::string& datei) {
  return Guard("btnSchreibenClick", [&] {
    try {
      Schreiben(datei);
    } catch (const std::exception& fehler) {
      QTXInfo().QTXWarnungBox(std::string("Die Datei wurde nicht geschrieben:\r") + fehler.what());
      throw;
    }
    Speicher().Speichern("", FLayout);
    FModalResult = 1;
    return true;
  });
}
