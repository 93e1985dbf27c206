#include "app/SaldixBearbZusammenfassung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "app/SaldixBearbAutomatik.h"
#include "suite/DateTime.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

TDateTime Monatsende(TDateTime datum) {
  if (datum == 0) return 0;
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(datum, jahr, monat, tag);
  return monat == 12 ? EncodeDate(jahr, 12, 31) : EncodeDate(jahr, monat + 1, 1) - 1;
}

namespace {

const std::string kTrenner = "\x1f";

std::string SchluesselAus(const TZeilenWerte& w, const std::vector<TSpalte>& spalten) {
  std::string schluessel;
  for (TSpalte tag : spalten) {
    // Texts go in as they are; other values as the list shows them.
    if (SpaltenPlatz(tag).Typ == TSpaltenTyp::Text) {
      schluessel += w.Text(tag);
    } else {
      schluessel += w.Anzeige(tag);
    }
    schluessel += kTrenner;
  }
  return schluessel;
}

std::string EindeutigeSchluessel(const std::vector<const TZeilenWerte*>& mitglieder) {
  std::vector<std::string> gesehen;
  std::string ergebnis;
  for (const TZeilenWerte* m : mitglieder) {
    std::string bu(m->Text(TSpalte::BU));
    if (bu.empty() || std::find(gesehen.begin(), gesehen.end(), bu) != gesehen.end()) continue;
    ergebnis += (ergebnis.empty() ? "" : " / ") + bu;
    gesehen.push_back(std::move(bu));
  }
  return ergebnis;
}

}  // namespace

std::vector<TBuchungsZusammenfassung::TEinheit> TBuchungsZusammenfassung::Einheiten() const {
  const std::vector<TGeladeneBuchung>& geladen = *geladen_;
  std::vector<TEinheit> einheiten;
  einheiten.reserve(geladen.size());
  std::unordered_map<std::string_view, std::size_t> nachIdent;
  if (automatik_) nachIdent.reserve(geladen.size());
  for (std::size_t i = 0; i < geladen.size(); ++i) {
    takt_.Schritt();
    const auto quelle = static_cast<std::int32_t>(i);
    const std::string_view ident = geladen[i].Werte.Text(TSpalte::AKIdent);
    if (automatik_ && !ident.empty()) {
      auto [it, neu] = nachIdent.try_emplace(ident, einheiten.size());
      if (!neu) {
        TEinheit& gruppe = einheiten[it->second];
        if (gruppe.Quellen.empty()) gruppe.Quellen.push_back(gruppe.Quelle);
        gruppe.Quellen.push_back(quelle);
        continue;
      }
    }
    einheiten.emplace_back().Quelle = quelle;
  }
  std::vector<const TZeilenWerte*> mitglieder;
  for (TEinheit& e : einheiten) {
    takt_.Schritt();
    if (!e.IstAutomatikGruppe()) continue;
    mitglieder.clear();
    for (std::int32_t q : e.Quellen) mitglieder.push_back(&Geladen(q).Werte);
    e.Eigene = std::make_unique<TZeilenWerte>(AutomatikGruppenWerte(mitglieder));
  }
  return einheiten;
}

bool TBuchungsZusammenfassung::ListenEintragJ(const std::vector<std::string>& liste,
                                              std::string_view name,
                                              std::string_view zusatz) const {
  const std::string gesucht =
      std::string(name) + (zusatz.empty() ? "" : "+" + std::string(zusatz));
  for (const std::string& zeile : liste) {
    const auto gleich = zeile.find('=');
    if (gleich == std::string::npos) continue;
    if (qtx_strmatch(std::string_view(zeile).substr(0, gleich), gesucht)) {
      return qtx_strmatch(std::string_view(zeile).substr(gleich + 1), "J");
    }
  }
  return false;
}

std::string TBuchungsZusammenfassung::ZusammenfassungsSchluessel(const TZeilenWerte& w) const {
  const std::string& kriterien = Utf8Upper(einstellungen_.Kriterien);
  auto enthaelt = [&](const char* wort) { return kriterien.find(wort) != std::string::npos; };
  std::string schluessel = std::string(w.Text(TSpalte::Konto)) + "=" +
                           std::string(w.Text(TSpalte::Gegenkonto)) +
                           DatumJJJJMMTT(w.Datum(TSpalte::Belegdatum));
  if (enthaelt("FILIALE")) schluessel += std::to_string(w.Ganzzahl(TSpalte::Filiale));
  if (enthaelt("RECHNER")) schluessel += std::to_string(w.Ganzzahl(TSpalte::BelegRNr));
  if (enthaelt("BELEG")) {
    schluessel += "B1" + std::string(w.Text(TSpalte::Beleg1)) + "B2" + std::string(w.Text(TSpalte::Beleg2));
  }
  if (enthaelt("USTID")) schluessel += "UST" + std::string(w.Text(TSpalte::UStID));
  if (enthaelt("EU")) {
    char steuer[32];
    std::snprintf(steuer, sizeof steuer, "%2.2f", static_cast<double>(w.Betrag(TSpalte::EUSteuer)));
    schluessel += std::string(w.Text(TSpalte::EULand)) + "_" + steuer;
  }
  return schluessel;
}

bool TBuchungsZusammenfassung::SonderkontoZeile(TZeilenWerte& w) {
  const bool soll = w.Betrag(TSpalte::BuchBetragSoll) - w.Betrag(TSpalte::BuchBetragHaben) > 0.005L;
  const std::int32_t filiale = w.Ganzzahl(TSpalte::Filiale);
  const std::int32_t rechner = w.Ganzzahl(TSpalte::BelegRNr);
  const TDateTime datum = w.Datum(TSpalte::Belegdatum);
  std::string neuesKonto, neuerSchluessel;
  const bool gegenTreffer = konten_.Konto_Gefunden(
      std::string(w.Text(TSpalte::GegenkontoName)) + std::string(w.Text(TSpalte::GegenkontoZusatz)),
      std::string(w.Text(TSpalte::BU)), filiale, rechner, datum, soll, neuesKonto, neuerSchluessel);
  if (gegenTreffer) {
    w.SetText(TSpalte::BU, neuerSchluessel);
    w.SetText(TSpalte::Gegenkonto, neuesKonto);
  }
  const bool kontoTreffer = konten_.Konto_Gefunden(
      std::string(w.Text(TSpalte::KontoName)) + std::string(w.Text(TSpalte::KontoZusatz)), "", filiale,
      rechner, datum, soll, neuesKonto, neuerSchluessel);
  if (kontoTreffer) w.SetText(TSpalte::Konto, neuesKonto);
  return gegenTreffer || kontoTreffer;
}

void TBuchungsZusammenfassung::SonderkontenAnwenden(std::vector<TEinheit>& einheiten) {
  if (!konten_.KontenSpezVorhanden()) return;
  const bool mitListen = einstellungen_.KontoKombination && einstellungen_.NachNummer &&
                         (!einstellungen_.ZusaKontoListe.empty() ||
                          !einstellungen_.ZusaGGKtoListe.empty());
  // True when the row changed.
  auto anwenden = [&](TZeilenWerte& w) {
    if (!SonderkontoZeile(w)) return false;
    if (mitListen && (ListenEintragJ(einstellungen_.ZusaGGKtoListe, w.Text(TSpalte::GegenkontoName),
                                     w.Text(TSpalte::GegenkontoZusatz)) ||
                      ListenEintragJ(einstellungen_.ZusaKontoListe, w.Text(TSpalte::KontoName),
                                     w.Text(TSpalte::KontoZusatz)))) {
      w.SetText(TSpalte::GKIdent, ZusammenfassungsSchluessel(w));
    }
    return true;
  };
  // All rows or none: a table that fails midway must not leave half the rows changed, so
  // the changed values are collected first and only then take their places.
  struct TAenderung {
    std::unique_ptr<TZeilenWerte>* Ziel;
    TZeilenWerte Werte;
  };
  std::vector<TAenderung> aenderungen;
  try {
    for (TEinheit& e : einheiten) {
      takt_.Schritt();
      if (TZeilenWerte w = Werte(e); anwenden(w)) aenderungen.push_back({&e.Eigene, std::move(w)});
      if (!e.IstAutomatikGruppe()) continue;
      e.MitgliedEigene.resize(e.Quellen.size());
      for (std::size_t i = 0; i < e.Quellen.size(); ++i) {
        if (TZeilenWerte w = MitgliedWerte(e, i); anwenden(w)) {
          aenderungen.push_back({&e.MitgliedEigene[i], std::move(w)});
        }
      }
    }
  } catch (...) {
    QTXInfo().RegisterCurrentException("TSaldixBearbeiten.Sonderkonten", true);
    return;
  }
  for (TAenderung& a : aenderungen) *a.Ziel = std::make_unique<TZeilenWerte>(std::move(a.Werte));
}

std::vector<TBuchungsZusammenfassung::TGruppe> TBuchungsZusammenfassung::Gruppieren(
    const std::vector<TEinheit>& einheiten, const std::vector<TSpalte>& spalten,
    bool leerAllein) const {
  std::vector<TGruppe> gruppen;
  std::unordered_map<std::string, std::size_t> nachSchluessel;
  for (std::size_t i = 0; i < einheiten.size(); ++i) {
    takt_.Schritt();
    std::string schluessel = SchluesselAus(Werte(einheiten[i]), spalten);
    if (leerAllein && schluessel.size() == spalten.size() * kTrenner.size()) {
      gruppen.push_back({{}, {i}});
      continue;
    }
    auto [it, neu] = nachSchluessel.try_emplace(schluessel, gruppen.size());
    if (neu) gruppen.push_back({std::move(schluessel), {}});
    gruppen[it->second].Einheiten.push_back(i);
  }
  return gruppen;
}

TZeilenWerte TBuchungsZusammenfassung::GruppenWerte(
    const TKriterium& kriterium, const std::vector<const TZeilenWerte*>& mitglieder) {
  const TZeilenWerte& erstes = *mitglieder.front();
  TZeilenWerte g = erstes;
  std::vector<std::string> anzeige, export_;
  for (const TZeilenWerte* m : mitglieder) {
    anzeige.emplace_back(m->Text(TSpalte::Beschreibung));
    export_.emplace_back(m->Text(TSpalte::ExportBeschreibung));
  }
  switch (kriterium.Datum) {
    case TGruppenDatum::Monatsende: {
      // A line dated after the period lies outside the header's range of its file: an
      // export ending on the 15th dates the group on the 15th, not on the 31st.
      TDateTime datum = Monatsende(erstes.Datum(TSpalte::Belegdatum));
      if (periodeEnde_ > 0 && datum > periodeEnde_) {
        datum = std::max(std::floor(periodeEnde_), erstes.Datum(TSpalte::Belegdatum));
      }
      g.SetDatum(TSpalte::Belegdatum, datum);
      break;
    }
    case TGruppenDatum::Spaetestes:
      for (const TZeilenWerte* m : mitglieder) {
        g.SetDatum(TSpalte::Belegdatum, std::max(g.Datum(TSpalte::Belegdatum), m->Datum(TSpalte::Belegdatum)));
        g.SetDatum(TSpalte::Buchungsdatum,
                   std::max(g.Datum(TSpalte::Buchungsdatum), m->Datum(TSpalte::Buchungsdatum)));
      }
      break;
    case TGruppenDatum::Gemeinsam:
      break;
  }
  g.SetText(TSpalte::Beschreibung, OhneWiederholungVerbinden(anzeige));
  if (kriterium.Regel == TBeschreibungsRegel::Keine) {
    g.SetText(TSpalte::ExportBeschreibung, OhneWiederholungVerbinden(export_));
  } else if (einstellungen_.Beschreibung) {
    std::string kassenKonto;
    if (kriterium.Regel == TBeschreibungsRegel::FilialeDatum) {
      if (konten_.IstKassenabstimmungsKonto(std::string(erstes.Text(TSpalte::KontoName)))) {
        kassenKonto = erstes.Text(TSpalte::KontoBez);
      } else if (konten_.IstKassenabstimmungsKonto(std::string(erstes.Text(TSpalte::GegenkontoName)))) {
        kassenKonto = erstes.Text(TSpalte::GegenkontoBez);
      }
    }
    const std::string kurz =
        kriterium.Regel == TBeschreibungsRegel::FilialeDatum
            ? konten_.GetKurzBeschreibung(std::string(erstes.Text(TSpalte::ExportBeschreibung)))
            : std::string();
    g.SetText(TSpalte::ExportBeschreibung, RegelText(kriterium, erstes, kurz, kassenKonto));
  }
  if (kriterium.Regel == TBeschreibungsRegel::ZusammengefassteKonten) {
    g.SetText(TSpalte::BU, EindeutigeSchluessel(mitglieder));
  }
  if (summen_) {
    // A totals row shows its account and its sums: a member's document, text or date
    // would read as if it were the whole group's.
    std::vector<TSpalte> schluessel{TSpalte::Konto, TSpalte::KontoBez, TSpalte::KontoName};
    schluessel.insert(schluessel.end(), kriterium.Spalten.begin(), kriterium.Spalten.end());
    g.NurSchluesselBehalten(schluessel);
  }
  return g;
}

void TBuchungsZusammenfassung::BuchungEinfuegen(std::int32_t quelle,
                                                std::unique_ptr<TZeilenWerte> eigene,
                                                TBuchungsListe& liste, std::int32_t eltern) const {
  TGeladeneBuchung& b = Geladen(quelle);
  if (eigene) {
    liste.NeueBuchung(std::move(*eigene), b.Ident, quelle, b.Markiert, eltern);
  } else {
    liste.NeueBuchung(b, quelle, eltern);
  }
}

void TBuchungsZusammenfassung::EinheitEinfuegen(TEinheit& einheit, TBuchungsListe& liste,
                                                std::int32_t eltern) const {
  if (!einheit.IstAutomatikGruppe()) {
    BuchungEinfuegen(einheit.Quelle, std::move(einheit.Eigene), liste, eltern);
    return;
  }
  const std::int32_t gruppe =
      liste.NeueGruppe("Automatikkonten", std::move(*einheit.Eigene), eltern);
  einheit.MitgliedEigene.resize(einheit.Quellen.size());
  for (std::size_t i = 0; i < einheit.Quellen.size(); ++i) {
    BuchungEinfuegen(einheit.Quellen[i], std::move(einheit.MitgliedEigene[i]), liste, gruppe);
  }
}

void TBuchungsZusammenfassung::GruppenEinfuegen(const TKriterium& kriterium,
                                                std::vector<TEinheit>& einheiten,
                                                const std::vector<TGruppe>& gruppen,
                                                TBuchungsListe& liste, std::int32_t eltern,
                                                bool einzelneOhneGruppe) {
  for (const TGruppe& gruppe : gruppen) {
    takt_.Schritt();
    if (einzelneOhneGruppe && gruppe.Schluessel.empty()) {
      EinheitEinfuegen(einheiten[gruppe.Einheiten.front()], liste, eltern);
      continue;
    }
    std::vector<const TZeilenWerte*> mitglieder;
    for (std::size_t i : gruppe.Einheiten) mitglieder.push_back(&Werte(einheiten[i]));
    const std::int32_t zeile = liste.NeueGruppe(std::string(kriterium.GruppenName),
                                                GruppenWerte(kriterium, mitglieder), eltern);
    for (std::size_t i : gruppe.Einheiten) EinheitEinfuegen(einheiten[i], liste, zeile);
  }
}

void TBuchungsZusammenfassung::Aufbauen(std::vector<TGeladeneBuchung>& geladen,
                                        TBuchungsListe& liste) {
  geladen_ = &geladen;
  liste.Leeren();
  // Bookings plus at most one group row per booking and the totals' root.
  liste.Reservieren(2 * geladen.size() + 1);
  std::vector<TEinheit> einheiten = Einheiten();
  SonderkontenAnwenden(einheiten);

  if (summen_) {
    static const TKriterium kontensummen{"", "Kontensummen", {TSpalte::Konto}, TGruppenDatum::Gemeinsam,
                                        TBeschreibungsRegel::Keine};
    if (!einheiten.empty()) {
      std::vector<const TZeilenWerte*> alle;
      for (const TEinheit& e : einheiten) alle.push_back(&Werte(e));
      TZeilenWerte gesamt = GruppenWerte(kontensummen, alle);
      gesamt.NurSchluesselBehalten({});  // the total of all accounts belongs to none
      const std::int32_t alles = liste.NeueGruppe("ALLES", std::move(gesamt));
      GruppenEinfuegen(kontensummen, einheiten, Gruppieren(einheiten, {TSpalte::Konto}, false), liste,
                       alles, false);
    }
  } else if (einstellungen_.KontoKombination &&
             (!einstellungen_.ZusaKontoListe.empty() || !einstellungen_.ZusaGGKtoListe.empty())) {
    const TKriterium& zk = ZusammengefassteKonten();
    GruppenEinfuegen(zk, einheiten, Gruppieren(einheiten, SchluesselSpalten(zk, true), true),
                     liste, -1, true);
  } else if (einstellungen_.KontoKombination) {
    const TKriterium& kriterium = KriteriumZu(einstellungen_.Kriterien);
    GruppenEinfuegen(kriterium, einheiten,
                     Gruppieren(einheiten, SchluesselSpalten(kriterium, einstellungen_.NachNummer),
                                false),
                     liste, -1, false);
  } else {
    for (TEinheit& e : einheiten) {
      takt_.Schritt();
      EinheitEinfuegen(e, liste, -1);
    }
  }
  liste.Resynchronisieren();
  geladen_ = nullptr;
}
