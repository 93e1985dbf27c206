#include "app/ListenBericht.h"

#include <algorithm>
#include <functional>

#include "app/SaldixBearb.h"
#include "data/SaldixAbstimmung.h"
#include "data/SaldixAuswahlFBEX.h"
#include "suite/DateTime.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

void BreitenSetzen(TBericht& bericht) {
  for (std::size_t i = 0; i < bericht.Spalten.size(); ++i) {
    std::size_t breite = Utf8Length(bericht.Spalten[i].Titel);
    for (const auto& zeile : bericht.Zeilen) {
      if (i < zeile.Zellen.size()) breite = std::max(breite, Utf8Length(zeile.Zellen[i]));
    }
    bericht.Spalten[i].Breite = breite;
  }
}

}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> BerichtSeiten(std::size_t zeilen,
                                                               std::size_t proSeite) {
  std::vector<std::pair<std::size_t, std::size_t>> seiten;
  proSeite = std::max<std::size_t>(proSeite, 1);
  for (std::size_t anfang = 0; anfang < zeilen; anfang += proSeite) {
    seiten.emplace_back(anfang, std::min(zeilen, anfang + proSeite));
  }
  if (seiten.empty()) seiten.emplace_back(0, 0);
  return seiten;
}

TBericht BuchungslisteBericht(const TSaldixBearbeiten& liste, const std::string& mandant,
                              bool anhang) {
  TBericht bericht;
  bericht.Titel = anhang ? liste.Ueberschrift + " - Anhang" : liste.Ueberschrift;
  bericht.Kopf.push_back("Mandant: " + mandant);
  bericht.Kopf.push_back("Zeitraum: " + DateToStr(liste.DatumVon) + " - " +
                         DateToStr(liste.DatumBis));
  bericht.Kopf.push_back("Abrechnung: " + liste.AbrechnungText +
                         (liste.OffeneAbrechnung ? "" : " (abgeschlossen)"));
  const std::vector<TSpalte> tags = liste.Ansicht().SichtbareSpalten();
  for (TSpalte tag : tags) {
    const auto* spalte = SpalteZuTag(tag);
    TBerichtSpalte s;
    s.Titel = spalte ? std::string(spalte->ColName) : std::string();
    s.Rechts = spalte && (spalte->ColType == TSpaltenTyp::Dezimal ||
                          spalte->ColType == TSpaltenTyp::Ganzzahl);
    bericht.Spalten.push_back(std::move(s));
  }
  const TBuchungsListe& zeilen = liste.Liste();
  const std::function<void(std::int32_t, int)> hinzufuegen = [&](std::int32_t index, int ebene) {
    const TListenZeile& zeile = zeilen.Zeile(index);
    TBerichtZeile z;
    z.Ebene = ebene;
    z.Gruppe = zeile.IstGruppe;
    for (TSpalte tag : tags) z.Zellen.push_back(zeile.Werte().Anzeige(tag));
    bericht.Zeilen.push_back(std::move(z));
    if (anhang) return;
    for (std::int32_t kind : zeile.Kinder) hinzufuegen(kind, ebene + 1);
  };
  long double soll = 0, haben = 0;
  for (std::int32_t index : zeilen.Oberste()) {
    hinzufuegen(index, 0);
    soll += zeilen.Zeile(index).Werte().Betrag(TSpalte::BetragSoll);
    haben += zeilen.Zeile(index).Werte().Betrag(TSpalte::BetragHaben);
  }
  // The totals of what is marked, under the amount columns.
  TBerichtZeile summe;
  summe.Gruppe = true;
  for (std::size_t i = 0; i < tags.size(); ++i) {
    if (tags[i] == TSpalte::BetragSoll) {
      summe.Zellen.push_back(BetragAlsAnzeige(soll, 2));
    } else if (tags[i] == TSpalte::BetragHaben) {
      summe.Zellen.push_back(BetragAlsAnzeige(haben, 2));
    } else {
      summe.Zellen.push_back(i == 0 ? "Summe" : "");
    }
  }
  bericht.Zeilen.push_back(std::move(summe));
  BreitenSetzen(bericht);
  return bericht;
}

TBericht JournalBericht(const TSaldixAuswFBEX& journal) {
  TBericht bericht;
  bericht.Titel = "Abrechnungsjournal";
  bericht.Kopf.push_back("Mandant: " + (journal.lblMandant.empty() ? std::string("alle Mandanten")
                                                                   : journal.lblMandant));
  bericht.Kopf.push_back("Jahr: " + journal.edtJahr);
  constexpr std::size_t kSichtbar = 4;  // the key columns stay off paper, as on screen
  for (std::size_t i = 0; i < kSichtbar; ++i) {
    bericht.Spalten.push_back({TSaldixAuswFBEX::Kopfzeile[i], i > 0});
  }
  for (const auto& grid : journal.grdExports()) {
    if (grid[1].empty()) continue;  // the blank row of an empty journal
    TBerichtZeile zeile;
    zeile.Zellen.assign(grid.begin(), grid.begin() + kSichtbar);
    bericht.Zeilen.push_back(std::move(zeile));
  }
  BreitenSetzen(bericht);
  return bericht;
}

TBericht AbstimmungsBericht(const TAbstimmungsListe& liste, const std::string& mandant,
                            const std::string& zeitraum) {
  TBericht bericht;
  bericht.Titel = Trim(liste.Titel);
  bericht.Kopf.push_back("Mandant: " + mandant);
  bericht.Kopf.push_back("Zeitraum: " + zeitraum);
  std::vector<int> spalten;
  for (int i = 0; i < CAbstSpalten; ++i) {
    if (!liste.SpalteSichtbar[static_cast<std::size_t>(i)]) continue;
    spalten.push_back(i);
    TBerichtSpalte s;
    s.Titel = liste.Spaltentitel[static_cast<std::size_t>(i)];
    s.Rechts = i <= 1 || (i >= 3 && i <= 9);
    bericht.Spalten.push_back(std::move(s));
  }
  const std::function<void(const TAbstimmungsZeile&)> hinzufuegen = [&](const TAbstimmungsZeile& z) {
    TBerichtZeile zeile;
    zeile.Ebene = z.Ebene - 1;
    zeile.Gruppe = z.Ebene < 4;
    for (int i : spalten) zeile.Zellen.push_back(z.Anzeige(static_cast<TAbstSpalte>(i)));
    bericht.Zeilen.push_back(std::move(zeile));
    for (const auto& kind : z.Kinder) hinzufuegen(kind);
  };
  for (const auto& zeile : liste.Zeilen) hinzufuegen(zeile);
  BreitenSetzen(bericht);
  return bericht;
}
