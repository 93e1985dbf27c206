#include "export/MandantenTabelle.h"

#include <stdexcept>
#include <string_view>

#include "suite/Format.h"
#include "suite/SimpleMask.h"
#include "suite/Text.h"

namespace {

// The shape of a client's key text: two whole numbers joined by "/".
bool IstMandantenSchluessel(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return false;
  const auto ganzeZahl = [](std::string_view teil) {
    if (!teil.empty() && teil.front() == '-') teil.remove_prefix(1);
    return !teil.empty() && teil.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return ganzeZahl(text.substr(0, slash)) && ganzeZahl(text.substr(slash + 1));
}

}  // namespace

int TMandantenEintrag::Zahl(std::size_t feld) const { return StrToIntDef(Werte.at(feld), 0); }

TMandantenTabelle::TMandantenTabelle(std::vector<TMandantenFeld> felder)
    : felder_(std::move(felder)) {}

std::string TMandantenTabelle::MandantSchluessel(TIntPair gepNr) {
  return qtx_TIntPair2String(gepNr);
}

TMandantenEintrag TMandantenTabelle::Basis(const TMandListeEintrag& eintrag) {
  TMandantenEintrag mandant;
  mandant.KurzNr = eintrag.KurzNr;
  mandant.GepNr = eintrag.GepNr;
  mandant.Name = eintrag.Name;
  mandant.KurzName = eintrag.KurzName;
  mandant.BeginnWJ = eintrag.BeginnWJ;
  return mandant;
}

std::string TMandantenTabelle::Normalisiert(std::size_t feld, const std::string& wert) const {
  if (felder_[feld].Art == TMandantenFeld::TArt::Text) return wert;
  return std::to_string(StrToIntDef(wert, 0));
}

void TMandantenTabelle::AusProfil(const std::vector<TMandListeEintrag>& liste,
                                  const TQTXStrings& config) {
  eintraege_.clear();
  for (const auto& eintrag : liste) {
    TMandantenEintrag mandant = Basis(eintrag);
    const std::string schluessel = MandantSchluessel(mandant.GepNr);
    mandant.Aktiv = JNToBool(config.Value(CAktivSchluessel + schluessel));
    for (std::size_t feld = 0; feld < felder_.size(); ++feld) {
      mandant.Werte.push_back(Normalisiert(feld, config.Value(felder_[feld].Schluessel + schluessel)));
    }
    eintraege_.push_back(std::move(mandant));
  }
}

void TMandantenTabelle::AusAltenEinstellungen(const std::vector<TMandListeEintrag>& liste,
                                              const TSimpleMask& maske) {
  eintraege_.clear();
  for (const auto& eintrag : liste) {
    TMandantenEintrag mandant = Basis(eintrag);
    const std::string schluessel = MandantSchluessel(mandant.GepNr);
    mandant.Aktiv = true;
    for (const auto& feld : felder_) {
      const std::string key = feld.Schluessel + schluessel;
      mandant.Werte.push_back(feld.Art == TMandantenFeld::TArt::Zahl
                                  ? std::to_string(maske.ReadGlobalDef(key, 0))
                                  : maske.ReadGlobalDef(key, std::string()));
    }
    eintraege_.push_back(std::move(mandant));
  }
}

void TMandantenTabelle::InsProfil(TQTXStrings& config) const {
  for (const auto& mandant : eintraege_) {
    const std::string schluessel = MandantSchluessel(mandant.GepNr);
    for (std::size_t feld = 0; feld < felder_.size(); ++feld) {
      config.SetValue(felder_[feld].Schluessel + schluessel, mandant.Werte[feld]);
    }
    config.SetValue(CAktivSchluessel + schluessel, BoolToJN(mandant.Aktiv));
  }
}

bool TMandantenTabelle::EigenerSchluessel(const std::string& key) const {
  const auto passt = [&](std::string_view prefix) {
    return key.starts_with(prefix) &&
           IstMandantenSchluessel(std::string_view(key).substr(prefix.size()));
  };
  if (passt(CAktivSchluessel)) return true;
  for (const auto& feld : felder_) {
    if (passt(feld.Schluessel)) return true;
  }
  return false;
}

int TMandantenTabelle::GetMandantIndex(TIntPair gepNr) const {
  for (std::size_t i = 0; i < eintraege_.size(); ++i) {
    if (eintraege_[i].GepNr == gepNr) return static_cast<int>(i);
  }
  return -1;
}

const TMandantenEintrag* TMandantenTabelle::Mandant(TIntPair gepNr) const {
  const int index = GetMandantIndex(gepNr);
  return index < 0 ? nullptr : &eintraege_[static_cast<std::size_t>(index)];
}

bool TMandantenTabelle::Profil_Geeignet(TIntPair gepNr) const {
  const TMandantenEintrag* mandant = Mandant(gepNr);
  return mandant != nullptr && mandant->Aktiv;
}

void TMandantenTabelle::SetMandantenDaten(TIntPair gepNr, bool aktiv,
                                          const std::vector<std::string>& werte) {
  if (werte.size() != felder_.size()) {
    throw std::invalid_argument(Format("%d Werte für %d Mandantenfelder", werte.size(), felder_.size()));
  }
  for (auto& mandant : eintraege_) {
    if (mandant.GepNr != gepNr) continue;
    mandant.Aktiv = aktiv;
    for (std::size_t feld = 0; feld < felder_.size(); ++feld) {
      mandant.Werte[feld] = Normalisiert(feld, werte[feld]);
    }
  }
}

bool TMandantenTabelle::Gesetzt(const TMandantenEintrag& eintrag, std::size_t feld) const {
  if (felder_[feld].Art == TMandantenFeld::TArt::Zahl) return eintrag.Zahl(feld) != 0;
  return !TrimView(eintrag.Text(feld)).empty();
}

int TMandantenTabelle::FehlendesPflichtfeld() const {
  for (const auto& mandant : eintraege_) {
    if (!mandant.Aktiv) continue;
    for (std::size_t feld = 0; feld < felder_.size(); ++feld) {
      if (felder_[feld].Pflicht && !Gesetzt(mandant, feld)) return static_cast<int>(feld);
    }
  }
  return -1;
}

bool TMandantenTabelle::EinerAktiv() const {
  for (const auto& mandant : eintraege_) {
    if (mandant.Aktiv) return true;
  }
  return false;
}

bool TMandantenTabelle::EinstellungenVorhanden() const {
  return EinerAktiv() && FehlendesPflichtfeld() < 0;
}

std::string TMandantenTabelle::Pruefen() const {
  const int feld = FehlendesPflichtfeld();
  if (feld >= 0) return felder_[static_cast<std::size_t>(feld)].FehltMeldung;
  return EinerAktiv() ? std::string() : std::string(CKeinerAktiv);
}
