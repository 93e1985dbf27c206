#include "app/SaldixBearbListe.h"

#include <algorithm>
#include <stdexcept>

void TBuchungsListe::Leeren() {
  zeilen_.clear();
  oberste_.clear();
}

std::int32_t TBuchungsListe::Hinzufuegen(TListenZeile zeile, std::int32_t eltern) {
  if (zeilen_.size() >= static_cast<std::size_t>(INT32_MAX)) {
    throw std::length_error("Zu viele Zeilen in der Buchungsliste");
  }
  const auto index = static_cast<std::int32_t>(zeilen_.size());
  zeile.Eltern = eltern;
  if (eltern < 0) {
    oberste_.push_back(index);
  } else {
    TListenZeile& gruppe = zeilen_.at(Index(eltern));
    if (!gruppe.IstGruppe) throw std::logic_error("Eine Buchungszeile hat keine Mitglieder");
    gruppe.Kinder.push_back(index);
  }
  zeilen_.push_back(std::move(zeile));
  return index;
}

std::int32_t TBuchungsListe::NeueBuchung(TZeilenWerte werte, TIntTrio ident,
                                         std::int32_t quelle, bool markiert,
                                         std::int32_t eltern) {
  TListenZeile zeile;
  zeile.Eigene = std::make_unique<TZeilenWerte>(std::move(werte));
  zeile.Ident = ident;
  zeile.Quelle = quelle;
  zeile.Markiert = markiert;
  return Hinzufuegen(std::move(zeile), eltern);
}

std::int32_t TBuchungsListe::NeueBuchung(TGeladeneBuchung& geladen, std::int32_t quelle,
                                         std::int32_t eltern) {
  TListenZeile zeile;
  zeile.Geladen = &geladen.Werte;
  zeile.Ident = geladen.Ident;
  zeile.Quelle = quelle;
  zeile.Markiert = geladen.Markiert;
  return Hinzufuegen(std::move(zeile), eltern);
}

std::int32_t TBuchungsListe::NeueGruppe(std::string name, TZeilenWerte werte,
                                        std::int32_t eltern) {
  TListenZeile zeile;
  zeile.Eigene = std::make_unique<TZeilenWerte>(std::move(werte));
  zeile.Gruppe = std::move(name);
  zeile.IstGruppe = true;
  return Hinzufuegen(std::move(zeile), eltern);
}

TMarkierung TBuchungsListe::Markierung(std::int32_t index) const {
  const TListenZeile& zeile = Zeile(index);
  if (!zeile.IstGruppe) return zeile.Markiert ? TMarkierung::Ja : TMarkierung::Nein;
  bool irgendeine = false;
  bool alle = !zeile.Kinder.empty();
  for (std::int32_t kind : zeile.Kinder) {
    const TMarkierung m = Markierung(kind);
    irgendeine = irgendeine || m != TMarkierung::Nein;
    alle = alle && m == TMarkierung::Ja;
  }
  if (alle) return TMarkierung::Ja;
  return irgendeine ? TMarkierung::Teilweise : TMarkierung::Nein;
}

void TBuchungsListe::SetMarkiert(std::int32_t index, bool markiert) {
  TListenZeile& zeile = zeilen_.at(Index(index));
  if (!zeile.IstGruppe) {
    zeile.Markiert = markiert;
    return;
  }
  for (std::int32_t kind : zeile.Kinder) SetMarkiert(kind, markiert);
}

void TBuchungsListe::Umschalten(std::int32_t index) {
  SetMarkiert(index, Markierung(index) != TMarkierung::Ja);
}

bool TBuchungsListe::AlleMarkieren() {
  bool geaendert = false;
  for (auto& zeile : zeilen_) {
    geaendert |= zeile.Markiert == zeile.IstGruppe;
    zeile.Markiert = !zeile.IstGruppe;
  }
  return geaendert;
}

void TBuchungsListe::MarkierungUmkehren() {
  for (auto& zeile : zeilen_) {
    if (!zeile.IstGruppe) zeile.Markiert = !zeile.Markiert;
  }
}

void TBuchungsListe::Resynchronisieren() {
  for (std::int32_t index : oberste_) Synchronisiere(index, 1);
}

void TBuchungsListe::Synchronisiere(std::int32_t index, int tiefe) {
  TListenZeile& zeile = zeilen_[Index(index)];
  TZeilenWerte& w = zeile.Veraenderbar();
  if (!zeile.IstGruppe) {
    w.SetGanzzahl(TSpalte::Level, CLevelBuchung);
    w.SetBetrag(TSpalte::BetragSoll, zeile.Markiert ? w.Betrag(TSpalte::BuchBetragSoll) : 0);
    w.SetBetrag(TSpalte::BetragHaben, zeile.Markiert ? w.Betrag(TSpalte::BuchBetragHaben) : 0);
    return;
  }
  long double soll = 0, haben = 0, buchSoll = 0, buchHaben = 0;
  for (std::int32_t kind : zeile.Kinder) {
    Synchronisiere(kind, tiefe + 1);
    const TZeilenWerte& k = zeilen_[Index(kind)].Werte();
    soll += k.Betrag(TSpalte::BetragSoll);
    haben += k.Betrag(TSpalte::BetragHaben);
    buchSoll += k.Betrag(TSpalte::BuchBetragSoll);
    buchHaben += k.Betrag(TSpalte::BuchBetragHaben);
  }
  TZeilenWerte& g = zeilen_[Index(index)].Veraenderbar();
  g.SetGanzzahl(TSpalte::Level, std::min(tiefe, CLevelBuchung - 1));
  g.SetBetrag(TSpalte::BetragSoll, soll);
  g.SetBetrag(TSpalte::BetragHaben, haben);
  g.SetBetrag(TSpalte::BuchBetragSoll, buchSoll);
  g.SetBetrag(TSpalte::BuchBetragHaben, buchHaben);
}

std::vector<TIntTrio> TBuchungsListe::Idents(std::int32_t index, bool nurMarkierte) const {
  std::vector<TIntTrio> idents;
  for (std::int32_t zeile : Buchungszeilen(index)) {
    if (!nurMarkierte || zeilen_[Index(zeile)].Markiert) idents.push_back(zeilen_[Index(zeile)].Ident);
  }
  return idents;
}

std::vector<std::int32_t> TBuchungsListe::Buchungszeilen(std::int32_t index) const {
  std::vector<std::int32_t> ergebnis;
  std::vector<std::int32_t> offen{index};
  while (!offen.empty()) {
    const std::int32_t aktuell = offen.back();
    offen.pop_back();
    const TListenZeile& zeile = Zeile(aktuell);
    if (!zeile.IstGruppe) {
      ergebnis.push_back(aktuell);
      continue;
    }
    offen.insert(offen.end(), zeile.Kinder.rbegin(), zeile.Kinder.rend());
  }
  return ergebnis;
}

void TBuchungsListe::SortiereOberste(
    const std::function<bool(const TListenZeile&, const TListenZeile&)>& vorher) {
  std::stable_sort(oberste_.begin(), oberste_.end(), [&](std::int32_t a, std::int32_t b) {
    return vorher(zeilen_[Index(a)], zeilen_[Index(b)]);
  });
}

void TBuchungsListe::SortiereObersteNachIndex(
    const std::function<bool(std::int32_t, std::int32_t)>& vorher) {
  std::stable_sort(oberste_.begin(), oberste_.end(), vorher);
}

std::int32_t TBuchungsListe::Naechste(std::int32_t index) const {
  const TListenZeile& zeile = Zeile(index);
  if (zeile.IstGruppe && !zeile.Kinder.empty()) return zeile.Kinder.front();
  std::int32_t aktuell = index;
  while (true) {
    const std::int32_t eltern = Zeile(aktuell).Eltern;
    const std::vector<std::int32_t>& geschwister =
        eltern < 0 ? oberste_ : Zeile(eltern).Kinder;
    auto it = std::find(geschwister.begin(), geschwister.end(), aktuell);
    if (it != geschwister.end() && std::next(it) != geschwister.end()) return *std::next(it);
    if (eltern < 0) return -1;
    aktuell = eltern;
  }
}
