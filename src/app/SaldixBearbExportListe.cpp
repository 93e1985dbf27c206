#include "app/SaldixBearbExportListe.h"

TBuchungsListeExport::TBuchungsListeExport(TBuchungsListe& liste,
                                           std::function<void(std::int32_t)> auswaehlen)
    : liste_(liste), auswaehlen_(std::move(auswaehlen)) {
  zeilen_.reserve(liste_.Anzahl());
  for (std::size_t i = 0; i < liste_.Anzahl(); ++i) {
    zeilen_.emplace_back(*this, static_cast<std::int32_t>(i));
  }
}

const IExportZeile& TBuchungsListeExport::Zeile(std::size_t index) const {
  return zeilen_.at(static_cast<std::size_t>(liste_.Oberste().at(index)));
}

void TBuchungsListeExport::StabilSortieren(const Vorher& vorher) {
  liste_.SortiereObersteNachIndex([&](std::int32_t a, std::int32_t b) {
    return vorher(zeilen_[static_cast<std::size_t>(a)], zeilen_[static_cast<std::size_t>(b)]);
  });
}

void TBuchungsListeExport::ZeileAuswaehlen(const IExportZeile& zeile) {
  for (const TZeile& eigene : zeilen_) {
    if (&eigene == &zeile) {
      if (auswaehlen_) auswaehlen_(eigene.Index());
      return;
    }
  }
}

bool TBuchungsListeExport::TZeile::Markiert() const { return aussen_->liste_.IstMarkiert(index_); }
bool TBuchungsListeExport::TZeile::IstGruppe() const { return Eigene().IstGruppe; }
std::size_t TBuchungsListeExport::TZeile::KinderAnzahl() const { return Eigene().Kinder.size(); }

const IExportZeile& TBuchungsListeExport::TZeile::Kind(std::size_t index) const {
  return aussen_->zeilen_.at(static_cast<std::size_t>(Eigene().Kinder.at(index)));
}

std::string TBuchungsListeExport::TZeile::Text(TSpalte tag) const {
  const TZeilenWerte& w = Eigene().Werte();
  switch (SpaltenPlatz(tag).Typ) {
    case TSpaltenTyp::Text:
      return std::string(w.Text(tag));
    case TSpaltenTyp::Ganzzahl:
      return std::to_string(w.Ganzzahl(tag));
    case TSpaltenTyp::Dezimal:
    case TSpaltenTyp::Datum:
      return w.Anzeige(tag);
  }
  return {};
}

long double TBuchungsListeExport::TZeile::Betrag(TSpalte tag) const {
  return Eigene().Werte().Betrag(tag);
}

TDateTime TBuchungsListeExport::TZeile::Datum(TSpalte tag) const { return Eigene().Werte().Datum(tag); }
