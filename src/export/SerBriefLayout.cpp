#include "export/SerBriefLayout.h"

#include <stdexcept>

#include "suite/Format.h"
#include "suite/QTXProgramm.h"
#include "suite/Text.h"

namespace {

constexpr const char* kIndex = "0";
constexpr int kMaxBreite = 1000;

struct TName {
  const char* Text;
  int Wert;
};

constexpr TName kTrenner[] = {{"SEMIKOLON", 0}, {"KOMMA", 1}, {"TAB", 2}, {"FEST", 3}};
constexpr TName kAnfuehrung[] = {{"BEDARF", 0}, {"TEXTE", 1}, {"KEINE", 2}};
constexpr TName kZeilenende[] = {{"CRLF", 0}, {"LF", 1}};
constexpr TName kKodierung[] = {{"ANSI", 0}, {"UTF8", 1}};

template <std::size_t N>
std::string NameVon(const TName (&namen)[N], int wert) {
  for (const auto& n : namen) {
    if (n.Wert == wert) return n.Text;
  }
  return namen[0].Text;
}

template <std::size_t N>
int WertVon(const TName (&namen)[N], const TQTXStrings& text, const char* key) {
  if (!text.HasKey(key)) return namen[0].Wert;
  const std::string wert = Utf8Upper(Trim(text.Value(key)));
  for (const auto& n : namen) {
    if (wert == n.Text) return n.Wert;
  }
  throw std::invalid_argument(std::string("Unbekannter Wert \"") + text.Value(key) +
                              "\" für " + key);
}

}  // namespace

char TSerBriefLayout::TrennZeichen() const {
  switch (Trenner) {
    case TSerBriefTrenner::Komma: return ',';
    case TSerBriefTrenner::Tabulator: return '\t';
    case TSerBriefTrenner::Semikolon:
    case TSerBriefTrenner::FesteBreite: break;
  }
  return ';';
}

std::string TSerBriefLayout::Problem() const {
  if (Spalten.empty()) return "Bitte wählen Sie mindestens eine Spalte.";
  if (Dezimaltrenner != ',' && Dezimaltrenner != '.') {
    return "Als Dezimaltrennzeichen sind nur \",\" und \".\" möglich.";
  }
  if (Trim(Datumsformat).empty()) return "Bitte geben Sie ein Datumsformat an.";
  if (Trenner == TSerBriefTrenner::FesteBreite) {
    for (const auto& spalte : Spalten) {
      if (spalte.Breite < 1 || spalte.Breite > kMaxBreite) {
        return Format("Die Spalte \"%s\" braucht eine Breite zwischen 1 und %d.", spalte.Key,
                      kMaxBreite);
      }
    }
  } else if (Anfuehrung == TSerBriefAnfuehrung::Keine && Dezimaltrenner == TrennZeichen()) {
    // Every amount would split into two fields.
    return "Ohne Anführungszeichen dürfen Feld- und Dezimaltrennzeichen nicht gleich sein.";
  }
  return {};
}

TQTXStrings TSerBriefLayout::AlsText() const {
  TQTXStrings text;
  text.SetValue("TRENNER", NameVon(kTrenner, static_cast<int>(Trenner)));
  text.SetValue("ANFUEHRUNG", NameVon(kAnfuehrung, static_cast<int>(Anfuehrung)));
  text.SetValue("DEZIMAL", std::string(1, Dezimaltrenner));
  text.SetValue("DATUM", Datumsformat);
  text.SetValue("KOPFZEILE", BoolToJN(Kopfzeile));
  text.SetValue("ZEILENENDE", NameVon(kZeilenende, static_cast<int>(Zeilenende)));
  text.SetValue("KODIERUNG", NameVon(kKodierung, static_cast<int>(Kodierung)));
  text.SetValue("SPALTEN", std::to_string(Spalten.size()));
  for (std::size_t i = 0; i < Spalten.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    text.SetValue("SPALTE" + n, Spalten[i].Key);
    text.SetValue("UEBERSCHRIFT" + n, Spalten[i].Ueberschrift);
    text.SetValue("BREITE" + n, std::to_string(Spalten[i].Breite));
  }
  return text;
}

TSerBriefLayout TSerBriefLayout::AusText(const TQTXStrings& text) {
  TSerBriefLayout layout;
  layout.Trenner = static_cast<TSerBriefTrenner>(WertVon(kTrenner, text, "TRENNER"));
  layout.Anfuehrung = static_cast<TSerBriefAnfuehrung>(WertVon(kAnfuehrung, text, "ANFUEHRUNG"));
  layout.Zeilenende = static_cast<TSerBriefZeilenende>(WertVon(kZeilenende, text, "ZEILENENDE"));
  layout.Kodierung = static_cast<TTextEncoding>(WertVon(kKodierung, text, "KODIERUNG"));
  if (text.HasKey("DEZIMAL")) {
    const std::string dezimal = text.Value("DEZIMAL");
    if (dezimal.size() != 1) {
      throw std::invalid_argument("Unbekannter Wert \"" + dezimal + "\" für DEZIMAL");
    }
    layout.Dezimaltrenner = dezimal[0];
  }
  if (text.HasKey("DATUM")) layout.Datumsformat = text.Value("DATUM");
  if (text.HasKey("KOPFZEILE")) layout.Kopfzeile = JNToBool(text.Value("KOPFZEILE"));
  const int anzahl = StrToIntDef(text.Value("SPALTEN"), -1);
  if (anzahl < 0 || anzahl > 1000) {
    throw std::invalid_argument("Unbekannter Wert \"" + text.Value("SPALTEN") + "\" für SPALTEN");
  }
  for (int i = 1; i <= anzahl; ++i) {
    const std::string n = std::to_string(i);
    TSerBriefLayoutSpalte spalte;
    spalte.Key = Trim(text.Value("SPALTE" + n));
    if (spalte.Key.empty()) throw std::invalid_argument("SPALTE" + n + " fehlt");
    spalte.Ueberschrift = text.Value("UEBERSCHRIFT" + n);
    spalte.Breite = StrToIntDef(text.Value("BREITE" + n), -1);
    if (spalte.Breite < 0 || spalte.Breite > kMaxBreite) {
      throw std::invalid_argument("Unbekannter Wert \"" + text.Value("BREITE" + n) +
                                  "\" für BREITE" + n);
    }
    layout.Spalten.push_back(std::move(spalte));
  }
  return layout;
}

TSerBriefLayout TSerBriefLayout::Vorgabe(const std::vector<TSerBriefSpalte>& katalog) {
  TSerBriefLayout layout;
  for (const auto& spalte : katalog) {
    if (spalte.Flag == 1) layout.Spalten.push_back({spalte.Key, spalte.Ueberschrift, spalte.Breite});
  }
  return layout;
}

TSerBriefLayoutSpeicher::TSerBriefLayoutSpeicher(std::string programm, std::string listenKey) {
  store_.SetFormName({std::move(programm), std::move(listenKey), QTXProgramm().GetSprache()});
}

std::vector<std::string> TSerBriefLayoutSpeicher::Namen() const {
  std::vector<std::string> namen;
  for (const auto& eintrag : store_.List(kIndex)) namen.push_back(eintrag.userName);
  return namen;
}

std::optional<TSerBriefLayout> TSerBriefLayoutSpeicher::Laden(const std::string& name) const {
  TQTXStrings text;
  std::string gespeicherterName, beschreibung;
  const bool gefunden = Trim(name).empty()
                            ? store_.RestoreDefault(kIndex, text)
                            : store_.RestoreByName(kIndex, Trim(name), text, gespeicherterName,
                                                   beschreibung);
  if (!gefunden) return std::nullopt;
  try {
    return TSerBriefLayout::AusText(text);
  } catch (const std::invalid_argument& fehler) {
    throw std::invalid_argument("Das gespeicherte Spaltenlayout \"" + Trim(name) +
                                "\" ist fehlerhaft: " + fehler.what());
  }
}

void TSerBriefLayoutSpeicher::Speichern(const std::string& name, const TSerBriefLayout& layout) {
  if (Trim(name).empty()) {
    store_.StoreDefault(kIndex, layout.AlsText());
  } else {
    store_.StoreByName(kIndex, Trim(name), "", layout.AlsText());
  }
}

bool TSerBriefLayoutSpeicher::Loeschen(const std::string& name) {
  return !Trim(name).empty() && store_.Delete(kIndex, Trim(name));
}
