#include "export/MandantenRaster.h"

#include "suite/Text.h"
#include "suite/Utf8.h"

void TMandantenRaster::Zeigen(const TMandantenTabelle& tabelle) {
  tabelle_ = tabelle;
  editiert_.reset();
  auswahl_ = 0;
}

void TMandantenRaster::Uebernehmen(TMandantenTabelle& tabelle) const {
  if (!tabelle_) return;
  for (const auto& zeile : tabelle_->Eintraege()) {
    tabelle.SetMandantenDaten(zeile.GepNr, zeile.Aktiv, zeile.Werte);
  }
}

std::size_t TMandantenRaster::Spalten() const {
  return mrsErstesFeld + (tabelle_ ? tabelle_->Felder().size() : 0);
}

const TMandantenFeld* TMandantenRaster::Feld(std::size_t spalte) const {
  if (!tabelle_ || spalte < mrsErstesFeld || spalte >= Spalten()) return nullptr;
  return &tabelle_->Felder()[spalte - mrsErstesFeld];
}

std::string TMandantenRaster::Kopf(std::size_t spalte) const {
  switch (spalte) {
    case mrsKurzNr: return "KurzNr";
    case mrsMandant: return "Mandant";
    case mrsGepNr: return "";
    default: {
      const TMandantenFeld* feld = Feld(spalte);
      return feld ? feld->Spalte : std::string();
    }
  }
}

bool TMandantenRaster::RechtsBuendig(std::size_t spalte) const {
  if (spalte == mrsMandant) return false;
  const TMandantenFeld* feld = Feld(spalte);
  return feld == nullptr || feld->Art == TMandantenFeld::TArt::Zahl;
}

bool TMandantenRaster::Aktiv(std::size_t zeile) const {
  return zeile < Zeilen() && tabelle_->Eintraege()[zeile].Aktiv;
}

void TMandantenRaster::SetAktiv(std::size_t zeile, bool aktiv) {
  if (zeile >= Zeilen()) return;
  const auto& eintrag = tabelle_->Eintraege()[zeile];
  tabelle_->SetMandantenDaten(eintrag.GepNr, aktiv, eintrag.Werte);
}

std::string TMandantenRaster::Zelle(std::size_t zeile, std::size_t spalte) const {
  if (zeile >= Zeilen()) return {};
  const auto& eintrag = tabelle_->Eintraege()[zeile];
  switch (spalte) {
    case mrsKurzNr: return std::to_string(eintrag.KurzNr);
    case mrsMandant: return eintrag.Name;
    case mrsGepNr: return qtx_TIntPair2String(eintrag.GepNr);
    default:
      return Feld(spalte) ? eintrag.Text(spalte - mrsErstesFeld) : std::string();
  }
}

bool TMandantenRaster::SetzeZelle(std::size_t zeile, std::size_t spalte, const std::string& text) {
  const TMandantenFeld* feld = Feld(spalte);
  if (feld == nullptr || zeile >= Zeilen()) return false;
  if (feld->MaxLaenge > 0 && Utf8Length(text) > feld->MaxLaenge) return false;
  if (feld->Art == TMandantenFeld::TArt::Zahl &&
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  const auto& eintrag = tabelle_->Eintraege()[zeile];
  auto werte = eintrag.Werte;
  werte[spalte - mrsErstesFeld] = text;
  tabelle_->SetMandantenDaten(eintrag.GepNr, eintrag.Aktiv, werte);
  return true;
}

void TMandantenRaster::KopfKlick(std::size_t spalte) {
  if (!SpalteEditierbar(spalte) || spalte >= Spalten() || auswahl_ >= Zeilen()) return;
  editiert_ = TZelle{auswahl_, spalte};
}
