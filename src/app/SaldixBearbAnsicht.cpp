#include "app/SaldixBearbAnsicht.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "suite/Text.h"

namespace {

std::vector<std::string_view> Teile(std::string_view text) {
  std::vector<std::string_view> teile;
  while (!text.empty()) {
    const std::size_t ende = text.find(';');
    teile.push_back(text.substr(0, ende));
    if (ende == std::string_view::npos) break;
    text.remove_prefix(ende + 1);
  }
  return teile;
}

// A column position; -1 when the text is none.
int Position(std::string_view text) {
  const std::string t = Trim(text);
  int wert = -1;
  const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
  if (fehler != std::errc() || ende != t.data() + t.size() || t.empty()) return -1;
  return wert >= 0 && static_cast<std::size_t>(wert) < CQTX_Saldix_Spalten.size() ? wert : -1;
}

// Empty texts first, then texts of digits by their number, then all others ignoring case.
struct TSortWert {
  int Rang = 0;
  long double Zahl = 0;
  std::string Text;

  bool operator<(const TSortWert& b) const {
    if (Rang != b.Rang) return Rang < b.Rang;
    if (Zahl != b.Zahl) return Zahl < b.Zahl;
    if (Text.size() != b.Text.size() && Rang == 1) return Text.size() < b.Text.size();
    return Text < b.Text;
  }
};

TSortWert SortWert(const TZeilenWerte& w, TSpalte tag) {
  if (tag == TSpalte::BetragSoll) tag = TSpalte::BuchBetragSoll;
  if (tag == TSpalte::BetragHaben) tag = TSpalte::BuchBetragHaben;
  TSortWert wert;
  switch (SpaltenPlatz(tag).Typ) {
    case TSpaltenTyp::Dezimal:
      wert.Zahl = w.Betrag(tag);
      return wert;
    case TSpaltenTyp::Ganzzahl:
      wert.Zahl = w.Ganzzahl(tag);
      return wert;
    case TSpaltenTyp::Datum:
      wert.Zahl = w.Datum(tag);
      return wert;
    case TSpaltenTyp::Text:
      break;
  }
  const std::string text = Trim(w.Text(tag));
  if (text.empty()) return wert;
  if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    // Account numbers of different lengths sort as numbers, not as texts.
    wert.Rang = 1;
    wert.Text = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    return wert;
  }
  wert.Rang = 2;
  wert.Text = Utf8Upper(text);
  return wert;
}

}  // namespace

bool SpalteWaehlbar(int position) {
  return position >= 0 && static_cast<std::size_t>(position) < CQTX_Saldix_Spalten.size() &&
         CQTX_Saldix_Spalten[static_cast<std::size_t>(position)].Visible;
}

TListenAnsicht::TListenAnsicht(std::string_view spaltenConfig, std::string_view sortierungConfig) {
  for (std::string_view teil : Teile(spaltenConfig)) {
    const int position = Position(teil);
    if (!SpalteWaehlbar(position)) continue;
    const TSpalte tag = CQTX_Saldix_Spalten[static_cast<std::size_t>(position)].Tag;
    if (std::find(sichtbar_.begin(), sichtbar_.end(), tag) == sichtbar_.end()) {
      sichtbar_.push_back(tag);
    }
  }
  if (sichtbar_.empty()) {
    for (const auto& spalte : CQTX_Saldix_Spalten) {
      if (spalte.Visible) sichtbar_.push_back(spalte.Tag);
    }
  }
  for (std::string_view teil : Teile(sortierungConfig)) {
    const std::size_t gleich = teil.find('=');
    if (gleich == std::string_view::npos) continue;
    const int position = Position(teil.substr(0, gleich));
    const std::string richtung = Utf8Upper(Trim(teil.substr(gleich + 1)));
    if (position < 0 || (richtung != "U" && richtung != "B")) continue;
    const TSpalte tag = CQTX_Saldix_Spalten[static_cast<std::size_t>(position)].Tag;
    const bool doppelt = std::any_of(sortierung_.begin(), sortierung_.end(),
                                     [tag](const TSortierSpalte& s) { return s.Tag == tag; });
    if (!doppelt) sortierung_.push_back({tag, richtung == "U"});
  }
}

void TListenAnsicht::Sortieren(TBuchungsListe& liste) const {
  if (sortierung_.empty() || liste.Oberste().size() < 2) return;
  // The keys are worked out once per row; a comparison only compares them.
  std::vector<std::vector<TSortWert>> schluessel(liste.Anzahl());
  for (std::int32_t zeile : liste.Oberste()) {
    auto& werte = schluessel[static_cast<std::size_t>(zeile)];
    werte.reserve(sortierung_.size());
    for (const TSortierSpalte& s : sortierung_) {
      werte.push_back(SortWert(liste.Zeile(zeile).Werte(), s.Tag));
    }
  }
  liste.SortiereObersteNachIndex([&](std::int32_t a, std::int32_t b) {
    const auto& wa = schluessel[static_cast<std::size_t>(a)];
    const auto& wb = schluessel[static_cast<std::size_t>(b)];
    for (std::size_t i = 0; i < sortierung_.size(); ++i) {
      if (wa[i] < wb[i]) return sortierung_[i].Aufsteigend;
      if (wb[i] < wa[i]) return !sortierung_[i].Aufsteigend;
    }
    return false;
  });
}
