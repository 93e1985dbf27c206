#include "app/SaldixBearbZeile.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "suite/DateTime.h"

const TQTX_Saldix_Spalten_Data* SpalteZuTag(TSpalte tag) {
  const int position = SpaltenPosition(tag);
  return position < 0 ? nullptr : &CQTX_Saldix_Spalten[static_cast<std::size_t>(position)];
}

int SpaltenPosition(TSpalte tag) {
  const int nummer = SpaltenNummer(tag);
  if (nummer < 0 || nummer > CHoechsterSpaltenTag) return -1;
  return spalten_detail::CPlaetze.Position[static_cast<std::size_t>(nummer)];
}

TZeilenWerte::TZeilenWerte() = default;

void TZeilenWerte::FalscherTyp(TSpalte tag) {
  throw std::out_of_range("Spalte " + std::to_string(SpaltenNummer(tag)) + " hat nicht den verlangten Typ");
}

namespace {
void LaengePruefen(std::size_t laenge) {
  if (laenge > UINT32_MAX) throw std::length_error("Text der Buchungszeile zu lang");
}
}  // namespace

void TZeilenWerte::SetText(TSpalte tag, std::string_view value) {
  const std::size_t slot = Slot(tag, TSpaltenTyp::Text);
  const std::uint32_t begin = slot == 0 ? 0 : ende_[slot - 1];
  const std::uint32_t alt = ende_[slot] - begin;
  LaengePruefen(texte_.size() - alt + value.size());
  texte_.replace(begin, alt, value);
  const auto neu = static_cast<std::uint32_t>(value.size());
  for (std::size_t i = slot; i < kTexte; ++i) ende_[i] = ende_[i] - alt + neu;
}

void TZeilenWerte::NurSchluesselBehalten(const std::vector<TSpalte>& schluessel) {
  std::array<std::string_view, kTexte> neu{};
  for (const TSpalte tag : schluessel) {
    const std::size_t slot = Slot(tag, TSpaltenTyp::Text);
    neu[slot] = TextImSlot(slot);
  }
  Packen(neu);
  daten_.fill(0);
}

void TZeilenWerte::SetTexte(std::initializer_list<std::pair<TSpalte, std::string_view>> texte) {
  std::array<std::string_view, kTexte> neu;
  for (std::size_t slot = 0; slot < kTexte; ++slot) neu[slot] = TextImSlot(slot);
  for (const auto& [tag, value] : texte) neu[Slot(tag, TSpaltenTyp::Text)] = value;
  Packen(neu);
}

void TZeilenWerte::Packen(const std::array<std::string_view, kTexte>& texte) {
  std::size_t laenge = 0;
  for (const std::string_view text : texte) laenge += text.size();
  LaengePruefen(laenge);
  // Built aside: the texts may point into the old buffer.
  std::string puffer;
  puffer.reserve(laenge);
  std::array<std::uint32_t, kTexte> ende{};
  for (std::size_t slot = 0; slot < kTexte; ++slot) {
    puffer += texte[slot];
    ende[slot] = static_cast<std::uint32_t>(puffer.size());
  }
  texte_ = std::move(puffer);
  ende_ = ende;
}

void TZeilenEntwurf::Leeren() {
  werte_ = TZeilenWerte();
  for (std::string& text : texte_) text.clear();
}

std::string_view TZeilenEntwurf::Text(TSpalte tag) const {
  return texte_[TZeilenWerte::Slot(tag, TSpaltenTyp::Text)];
}

void TZeilenEntwurf::SetText(TSpalte tag, std::string_view value) {
  texte_[TZeilenWerte::Slot(tag, TSpaltenTyp::Text)].assign(value);
}

TZeilenWerte TZeilenEntwurf::Fertig() const {
  TZeilenWerte fertig = werte_;
  std::array<std::string_view, TZeilenWerte::kTexte> texte;
  for (std::size_t slot = 0; slot < texte.size(); ++slot) texte[slot] = texte_[slot];
  fertig.Packen(texte);
  return fertig;
}

std::string TZeilenWerte::Anzeige(TSpalte tag) const {
  const TQTX_Saldix_Spalten_Data* spalte = SpalteZuTag(tag);
  if (spalte == nullptr) return {};
  switch (spalte->ColType) {
    case TSpaltenTyp::Text:
      return std::string(Text(tag));
    case TSpaltenTyp::Dezimal:
      return BetragAlsAnzeige(Betrag(tag), 2);
    case TSpaltenTyp::Ganzzahl:
      return std::to_string(Ganzzahl(tag));
    case TSpaltenTyp::Datum:
      return DatumAlsAnzeige(Datum(tag));
  }
  return {};
}

std::string BetragAlsAnzeige(long double value, int decimals) {
  long double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // The small nudge keeps decimal halves that binary cannot hold exactly (0.125) rounding up.
  const long double scaled = std::fabs(value) * scale * (1 + 1e-15L);
  const auto units = static_cast<unsigned long long>(std::floor(scaled + 0.5L));
  std::string ganz = std::to_string(units / static_cast<unsigned long long>(scale));
  std::string mitPunkten;
  for (std::size_t i = 0; i < ganz.size(); ++i) {
    if (i > 0 && (ganz.size() - i) % 3 == 0) mitPunkten += '.';
    mitPunkten += ganz[i];
  }
  std::string text = (units != 0 && value < 0 ? "-" : "") + mitPunkten;
  if (decimals > 0) {
    std::string rest = std::to_string(units % static_cast<unsigned long long>(scale));
    text += ',' + std::string(static_cast<std::size_t>(decimals) - rest.size(), '0') + rest;
  }
  return text;
}

namespace {
std::string DatumMuster(TDateTime value, const char* pattern, bool zweistelligesJahr) {
  if (value == 0) return {};
  int year = 0, month = 0, day = 0;
  DecodeDate(value, year, month, day);
  char buffer[16];
  if (std::string_view(pattern) == "dmy") {
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", day, month, year);
  } else {
    std::snprintf(buffer, sizeof buffer, zweistelligesJahr ? "%02d%02d%02d" : "%04d%02d%02d",
                  zweistelligesJahr ? year % 100 : year, month, day);
  }
  return buffer;
}
}  // namespace

std::string DatumAlsAnzeige(TDateTime value) { return DatumMuster(value, "dmy", false); }
std::string DatumJJMMTT(TDateTime value) { return DatumMuster(value, "ymd", true); }
std::string DatumJJJJMMTT(TDateTime value) { return DatumMuster(value, "ymd", false); }
