#include "data/SaldixAbstimmung.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "suite/BGV.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"

namespace {

constexpr long double kCent = 0.005L;

std::string Betrag(long double wert) { return Trim(Format("%9.2n", wert)); }

const char* const kTitel[CAbstSpalten] = {
    "Filiale",         "Rechner",      "Belegdatum",    "Anfangsbestand KV", "Zugang lt. Fibu",
    "Abgang lt. Fibu", "Währung",      "Endbestand erm.", "Endbestand KV",   "Differenz",
    "Gegenkonto",      "Konto",        "Abr.-Jahr",     "Abr.-Nr",           "Beschreibung"};

void Summieren(TAbstimmungsZeile& gruppe) {
  for (const auto& kind : gruppe.Kinder) {
    gruppe.Zugang += kind.Zugang;
    gruppe.Abgang += kind.Abgang;
    if (kind.MitDifferenz) gruppe.Differenz += kind.Differenz;
  }
  gruppe.MitDifferenz = std::fabs(gruppe.Differenz) >= kCent;
}

}  // namespace

std::string TAbstimmungsZeile::Anzeige(TAbstSpalte spalte) const {
  const bool buchung = Ebene == 4;
  switch (spalte) {
    case TAbstSpalte::Filiale:
      return std::to_string(Filiale);
    case TAbstSpalte::Rechner:
      return Ebene >= 2 ? std::to_string(Rechner) : std::string();
    case TAbstSpalte::Belegdatum:
      return Ebene >= 3 ? DateToStr(Belegdatum) : std::string();
    case TAbstSpalte::AnfangsbestandKV:
      return MitBestand ? Betrag(Anfangsbestand) : std::string();
    case TAbstSpalte::Zugang:
      return Betrag(Zugang);
    case TAbstSpalte::Abgang:
      return Betrag(Abgang);
    case TAbstSpalte::Waehrung:
      return Waehrung;
    case TAbstSpalte::EndbestandErm:
      return MitBestand ? Betrag(EndbestandErm) : std::string();
    case TAbstSpalte::EndbestandKV:
      return MitBestand ? Betrag(EndbestandKV) : std::string();
    case TAbstSpalte::Differenz:
      return MitDifferenz ? Betrag(Differenz) : std::string();
    case TAbstSpalte::Gegenkonto:
      return buchung ? Gegenkonto : std::string();
    case TAbstSpalte::Konto:
      return buchung ? Konto : std::string();
    case TAbstSpalte::AbrJahr:
      return buchung ? std::to_string(AbrJahr) : std::string();
    case TAbstSpalte::AbrNr:
      return buchung ? std::to_string(AbrNr) : std::string();
    case TAbstSpalte::Beschreibung:
      return buchung ? Beschreibung : std::string();
  }
  return {};
}

std::vector<TAbstimmungsZeile> AbstimmungGruppieren(
    std::vector<TAbstimmungsZeile> zeilen,
    const std::function<void(TAbstimmungsZeile&)>& bestand) {
  std::stable_sort(zeilen.begin(), zeilen.end(), [](const auto& a, const auto& b) {
    return std::make_tuple(a.Filiale, a.Rechner, std::floor(a.Belegdatum)) <
           std::make_tuple(b.Filiale, b.Rechner, std::floor(b.Belegdatum));
  });
  std::vector<TAbstimmungsZeile> filialen;
  for (auto& zeile : zeilen) {
    zeile.Ebene = 4;
    if (filialen.empty() || filialen.back().Filiale != zeile.Filiale) {
      TAbstimmungsZeile filiale;
      filiale.Ebene = 1;
      filiale.Filiale = zeile.Filiale;
      filiale.Waehrung = zeile.Waehrung;
      filialen.push_back(std::move(filiale));
    }
    auto& rechner = filialen.back().Kinder;
    if (rechner.empty() || rechner.back().Rechner != zeile.Rechner) {
      TAbstimmungsZeile gruppe;
      gruppe.Ebene = 2;
      gruppe.Filiale = zeile.Filiale;
      gruppe.Rechner = zeile.Rechner;
      gruppe.Waehrung = zeile.Waehrung;
      rechner.push_back(std::move(gruppe));
    }
    auto& tage = rechner.back().Kinder;
    if (tage.empty() || std::floor(tage.back().Belegdatum) != std::floor(zeile.Belegdatum)) {
      TAbstimmungsZeile tag;
      tag.Ebene = 3;
      tag.Filiale = zeile.Filiale;
      tag.Rechner = zeile.Rechner;
      tag.Belegdatum = std::floor(zeile.Belegdatum);
      tag.Waehrung = zeile.Waehrung;
      tage.push_back(std::move(tag));
    }
    tage.back().Zugang += zeile.Zugang;
    tage.back().Abgang += zeile.Abgang;
    tage.back().Kinder.push_back(std::move(zeile));
  }
  for (auto& filiale : filialen) {
    for (auto& rechner : filiale.Kinder) {
      if (bestand) {
        for (auto& tag : rechner.Kinder) bestand(tag);
      }
      Summieren(rechner);
    }
    Summieren(filiale);
  }
  return filialen;
}

TSaldixAbstimmung::TSaldixAbstimmung(IAbstimmungDaten& daten) : daten_(daten) { ListenAnlegen(); }

void TSaldixAbstimmung::ListenAnlegen() {
  const auto anlegen = [](TAbstimmungsListe& liste, const char* titel, bool kasse,
                          bool beschreibung) {
    liste.Titel = titel;
    liste.Spaltentitel.assign(std::begin(kTitel), std::end(kTitel));
    liste.SpalteSichtbar = {true, true, true, kasse, true, true,  false, kasse,
                            kasse, kasse, true, true, false, false, beschreibung};
    if (!kasse) {
      liste.Spaltentitel[static_cast<int>(TAbstSpalte::Zugang)] = "Betrag Soll";
      liste.Spaltentitel[static_cast<int>(TAbstSpalte::Abgang)] = "Betrag Haben";
    }
  };
  anlegen(listen_[0], "Abstimmung Kassenberichte", true, false);
  anlegen(listen_[1], "Buchungen aus Kassenberichten, die den Kassenbestand nicht verändern   ",
          false, false);
  anlegen(listen_[2], "Zusätzlich eingefügte Buchungen", false, true);
}

void TSaldixAbstimmung::FormActivate() {
  Guarded("TSaldixAbstimmung.FormActivate", [&] {
    lblMandant = daten_.AktTextMandant();
    rechner_ = daten_.Rechnerliste();
    filialen_ = daten_.Filialliste(daten_.AktMandant());
    cmbRechnerEintraege = {"Alle"};
    for (std::int32_t r : rechner_) cmbRechnerEintraege.push_back(std::to_string(r));
    cmbFilialeEintraege = {"Alle"};
    for (std::int32_t f : filialen_) cmbFilialeEintraege.push_back(std::to_string(f));
    const auto index = [](const std::vector<std::int32_t>& werte, std::int32_t wert) {
      const auto it = std::find(werte.begin(), werte.end(), wert);
      return wert > 0 && it != werte.end() ? static_cast<int>(it - werte.begin()) + 1 : 0;
    };
    cmbRechner = index(rechner_, letzterRechner_);
    cmbFiliale = index(filialen_, letzteFiliale_);
  });
}

void TSaldixAbstimmung::SchriftKleiner() {
  Schriftgroesse = std::max(CKleinsteSchrift, Schriftgroesse - 1);
}

void TSaldixAbstimmung::SchriftGroesser() {
  Schriftgroesse = std::min(CGroessteSchrift, Schriftgroesse + 1);
}

std::int32_t TSaldixAbstimmung::GewaehlterRechner() const {
  return cmbRechner > 0 && static_cast<std::size_t>(cmbRechner) <= rechner_.size()
             ? rechner_[static_cast<std::size_t>(cmbRechner - 1)]
             : 0;
}

std::int32_t TSaldixAbstimmung::GewaehlteFiliale() const {
  return cmbFiliale > 0 && static_cast<std::size_t>(cmbFiliale) <= filialen_.size()
             ? filialen_[static_cast<std::size_t>(cmbFiliale - 1)]
             : 0;
}

TAbstimmungsZeile TSaldixAbstimmung::Zeile(const TAbstimmungsBuchung& buchung) {
  TAbstimmungsZeile zeile;
  zeile.Filiale = buchung.Filiale;
  zeile.Rechner = buchung.Rechner;
  zeile.Belegdatum = buchung.Belegdatum;
  zeile.Zugang = buchung.Soll;
  zeile.Abgang = buchung.Haben;
  zeile.Waehrung = daten_.Programmwaehrung();
  zeile.Konto = daten_.GetMandKonto_Bezeichnung(buchung.KtoName, buchung.KtoZusatz);
  zeile.Gegenkonto = daten_.GetMandKonto_Bezeichnung(buchung.GegenKtoName, buchung.GegenKtoZusatz);
  zeile.AbrJahr = buchung.AbrJahr;
  zeile.AbrNr = buchung.AbrNr;
  zeile.Beschreibung = buchung.Beschreibung;
  return zeile;
}

void TSaldixAbstimmung::Bestaende(TAbstimmungsZeile& tag) {
  tag.MitBestand = true;
  tag.Anfangsbestand = daten_.KVZMBetrag(daten_.KVZuDatumUndRechner(tag.Rechner, tag.Belegdatum, true));
  tag.EndbestandKV = daten_.KVZMBetrag(daten_.KVZuDatumUndRechner(tag.Rechner, tag.Belegdatum, false));
  tag.EndbestandErm = tag.Anfangsbestand + tag.Zugang - tag.Abgang;
  tag.Differenz = tag.EndbestandKV - tag.EndbestandErm;
  tag.MitDifferenz = std::fabs(tag.Differenz) >= kCent;
}

bool TSaldixAbstimmung::acAktualisierenExecute() {
  return Guarded("TSaldixAbstimmung.acAktualisierenExecute", [&] {
    const TDateTime von = StrToDateDef(edtDatumVon, 0);
    if (von == 0) {
      fokus_ = "edtDatumVon";
      QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {"Das Von-Datum ist falsch gefüllt."},
                            "STANDARD", 994);
      return false;
    }
    if (Trim(edtDatumBis).empty()) edtDatumBis = edtDatumVon;
    const TDateTime bis = StrToDateDef(edtDatumBis, 0);
    if (bis == 0) {
      fokus_ = "edtDatumBis";
      QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {"Das Bis-Datum ist falsch gefüllt."},
                            "STANDARD", 994);
      return false;
    }
    letzterRechner_ = GewaehlterRechner();
    letzteFiliale_ = GewaehlteFiliale();
    for (auto& liste : listen_) liste.Zeilen.clear();

    TAbstimmungsAuswahl auswahl;
    auswahl.Firma = daten_.AktMandant();
    auswahl.Von = von;
    auswahl.Bis = bis;
    auswahl.Rechner = letzterRechner_;
    auswahl.Filiale = letzteFiliale_;
    std::vector<TAbstimmungsZeile> kasse, ohneKasse, manuell;
    std::map<std::string, bool> kassenkonten;
    daten_.Buchungen(auswahl, [&](const TAbstimmungsBuchung& buchung) {
      const std::string konto = Trim(buchung.KtoName);
      auto [it, neu] = kassenkonten.try_emplace(konto, false);
      if (neu) it->second = daten_.IstKassenkonto(auswahl.Firma, konto);
      (it->second ? kasse : ohneKasse).push_back(Zeile(buchung));
    });
    // Each list keeps what was built even when a later step fails.
    listen_[0].Zeilen = AbstimmungGruppieren(std::move(kasse), [&](auto& tag) { Bestaende(tag); });
    listen_[1].Zeilen = AbstimmungGruppieren(std::move(ohneKasse), nullptr);
    auswahl.Primanota = true;
    daten_.Buchungen(auswahl, [&](const TAbstimmungsBuchung& buchung) {
      manuell.push_back(Zeile(buchung));
    });
    listen_[2].Zeilen = AbstimmungGruppieren(std::move(manuell), nullptr);
    if (!listen_[2].Zeilen.empty()) seite_ = CSeiteManuell;
    if (!listen_[1].Zeilen.empty()) seite_ = CSeiteOhneKasse;
    fokus_.clear();
    return true;
  });
}
