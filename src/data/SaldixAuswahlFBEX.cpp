#include "data/SaldixAuswahlFBEX.h"

#include <filesystem>

#include "data/SaldixData.h"
#include "suite/DateTime.h"
#include "suite/Format.h"
#include "suite/Guarded.h"
#include "suite/MessagePresenter.h"
#include "suite/QTXInfo.h"

namespace {

std::string DatumText(TDateTime datum) { return datum > 0 ? DateToStr(datum) : std::string(); }

bool GleicheAbrechnung(const TFBEXZeile& a, const TFBEXZeile& b) {
  return a.Firma == b.Firma && a.AbrNr == b.AbrNr && a.AbrJahr == b.AbrJahr;
}

int AktuellesJahr() {
  int jahr = 0, monat = 0, tag = 0;
  DecodeDate(qtx_Date(), jahr, monat, tag);
  return jahr;
}

}  // namespace

const TSaldixAuswFBEX::TGridZeile TSaldixAuswFBEX::Kopfzeile = {
    "Mandant", "Abrechnung", "von", "bis", "Mandantenschlüssel", "Nummer", "Jahr"};

TSaldixAuswFBEX::TSaldixAuswFBEX(IAuswFBEXDaten& daten, suitedb::Connection& connection)
    : daten_(daten), fbexfile(connection), connection_(connection) {
  const bool erlaubt = daten_.ExportErlaubt();
  btnLoeschenVisible = erlaubt;
  btnLoeschenEnabled = erlaubt;
  texte_.assign(1, TGridZeile{});
  zeilen_.assign(1, TFBEXZeile{});
}

void TSaldixAuswFBEX::FormShow() {
  Guarded("TSaldixAuswFBEX.FormShow", [&] {
    mandant_ = daten_.AktMandant();
    lblMandant = daten_.AktTextMandant();
    jahr_ = AktuellesJahr();
    edtJahr = std::to_string(jahr_);
    Fuellen();
  });
}

void TSaldixAuswFBEX::grdExports_Fuellen() {
  Guarded("TSaldixAuswFBEX.grdExports_Fuellen", [&] { Fuellen(); });
}

void TSaldixAuswFBEX::Fuellen() {
  texte_.assign(1, TGridZeile{});
  zeilen_.assign(1, TFBEXZeile{});
  geloescht_.assign(1, false);
  Row = 0;
  std::vector<TGridZeile> texte;
  std::vector<TFBEXZeile> zeilen;
  for (const auto& zeile : fbexfile.Zeilen(mandant_, jahr_)) {
    // The lines of the computers of one settlement follow each other; the first stands for all.
    if (!zeilen.empty() && GleicheAbrechnung(zeilen.front(), zeile)) continue;
    texte.insert(texte.begin(), TGridZeile{daten_.GEPGet_Name(zeile.Firma),
                                           Format("%d/%d", zeile.AbrNr, zeile.AbrJahr),
                                           DatumText(zeile.DatumVon), DatumText(zeile.DatumBis),
                                           Format("%.4d%.7d", zeile.Firma.Nr1, zeile.Firma.Nr2),
                                           std::to_string(zeile.AbrNr),
                                           std::to_string(zeile.AbrJahr)});
    zeilen.insert(zeilen.begin(), zeile);
  }
  if (!zeilen.empty()) {
    texte_ = std::move(texte);
    zeilen_ = std::move(zeilen);
    geloescht_.assign(zeilen_.size(), false);
  }
  GeloeschteAnfuegen();
}

// A settlement whose last event is its deletion no longer has a journal line; it is
// listed after the valid ones, newest first, so the bookkeeper can still read its history.
void TSaldixAuswFBEX::GeloeschteAnfuegen() {
  std::vector<TAbrechnungsEreignis> letzte;
  for (const auto& ereignis : TAbrechnungsVerlauf(connection_).Ereignisse(mandant_, jahr_)) {
    std::erase_if(letzte, [&](const TAbrechnungsEreignis& e) {
      return e.Firma == ereignis.Firma && e.AbrNr == ereignis.AbrNr && e.AbrJahr == ereignis.AbrJahr;
    });
    letzte.push_back(ereignis);
  }
  std::erase_if(letzte, [](const TAbrechnungsEreignis& e) {
    return e.Zustand != abrechnungszustand::Geloescht;
  });
  if (letzte.empty()) return;
  if (texte_.size() == 1 && texte_.front()[1].empty()) {  // only the blank row
    texte_.clear();
    zeilen_.clear();
    geloescht_.clear();
  }
  for (auto it = letzte.rbegin(); it != letzte.rend(); ++it) {
    TFBEXZeile zeile;
    zeile.Firma = it->Firma;
    zeile.AbrNr = it->AbrNr;
    zeile.AbrJahr = it->AbrJahr;
    zeile.DatumVon = it->DatumVon;
    zeile.DatumBis = it->DatumBis;
    texte_.push_back(TGridZeile{daten_.GEPGet_Name(zeile.Firma),
                                Format("%d/%d", zeile.AbrNr, zeile.AbrJahr) + GeloeschtVermerk,
                                DatumText(zeile.DatumVon), DatumText(zeile.DatumBis),
                                Format("%.4d%.7d", zeile.Firma.Nr1, zeile.Firma.Nr2),
                                std::to_string(zeile.AbrNr), std::to_string(zeile.AbrJahr)});
    zeilen_.push_back(zeile);
    geloescht_.push_back(true);
  }
}

void TSaldixAuswFBEX::edtJahrExit() {
  Guarded("TSaldixAuswFBEX.edtJahrExit", [&] {
    const int jahr = StrToIntDef(edtJahr, 0);
    if (jahr == jahr_) return;
    jahr_ = jahr;
    Fuellen();
  });
}

void TSaldixAuswFBEX::btnMandantClick() {
  Guarded("TSaldixAuswFBEX.btnMandantClick", [&] {
    TIntPair mandant;
    std::string name;
    if (!daten_.MandantWaehlen(mandant, name)) return;
    mandant_ = mandant;
    lblMandant = name;
    Fuellen();
  });
}

void TSaldixAuswFBEX::btnMandantLoeschenClick() {
  Guarded("TSaldixAuswFBEX.btnMandantLoeschenClick", [&] {
    mandant_ = TIntPair{};
    lblMandant.clear();
    Fuellen();
  });
}

const TFBEXZeile* TSaldixAuswFBEX::AusgewaehlteAbrechnung(bool auchGeloeschte) const {
  if (Row < 0 || Row >= static_cast<int>(texte_.size())) return nullptr;
  if (texte_[Row][1].empty()) return nullptr;
  if (geloescht_[Row] && !auchGeloeschte) return nullptr;
  return &zeilen_[Row];
}

void TSaldixAuswFBEX::btnOKClick() {
  Guarded("TSaldixAuswFBEX.btnOKClick", [&] {
    const TFBEXZeile* abrechnung = AusgewaehlteAbrechnung();
    if (!abrechnung) return;
    gewaehlt_ = *abrechnung;
    daten_.MandantSetzen(gewaehlt_.Firma, texte_[Row][0]);
    modalResult_ = mrOk;
  });
}

void TSaldixAuswFBEX::SetErneutAusgebenAngeboten(bool angeboten) {
  btnErneutAusgebenVisible = angeboten && btnLoeschenVisible;
}

void TSaldixAuswFBEX::btnErneutAusgebenClick() {
  if (!btnErneutAusgebenVisible) return;
  btnOKClick();
  erneutAusgeben_ = modalResult_ == mrOk;
}

void TSaldixAuswFBEX::btnLoeschenClick() {
  Guarded("TSaldixAuswFBEX.btnLoeschenClick", [&] {
    if (!btnLoeschenEnabled) return;
    const TFBEXZeile* abrechnung = AusgewaehlteAbrechnung();
    if (!abrechnung) return;
    const TFBEXZeile zeile = *abrechnung;
    if (daten_.FBEX_Loeschen(zeile.Firma, zeile.AbrNr, zeile.AbrJahr)) Fuellen();
  });
}

void TSaldixAuswFBEX::btnCancelClick() { modalResult_ = mrCancel; }

std::vector<std::string> TSaldixAuswFBEX::Verlauf() const {
  return GuardedOr("TSaldixAuswFBEX.Verlauf", std::vector<std::string>{}, [&] {
    std::vector<std::string> zeilen;
    const TFBEXZeile* abrechnung = AusgewaehlteAbrechnung(true);
    if (!abrechnung) return zeilen;
    for (const auto& ereignis : TAbrechnungsVerlauf(connection_).Ereignisse(
             abrechnung->Firma, abrechnung->AbrJahr, abrechnung->AbrNr)) {
      zeilen.push_back(EreignisText(ereignis));
      for (const auto& datei : ereignis.Dateien) zeilen.push_back("    Datei: " + datei);
    }
    if (zeilen.empty()) zeilen.push_back("Für diese Abrechnung ist kein Verlauf gespeichert.");
    return zeilen;
  });
}

std::vector<std::string> TSaldixAuswFBEX::Dateien() const {
  return GuardedOr("TSaldixAuswFBEX.Dateien", std::vector<std::string>{}, [&] {
    const TFBEXZeile* abrechnung = AusgewaehlteAbrechnung();
    if (!abrechnung) return std::vector<std::string>{};
    return TAbrechnungsVerlauf(connection_)
        .AktuelleDateien(abrechnung->Firma, abrechnung->AbrJahr, abrechnung->AbrNr);
  });
}

void TSaldixAuswFBEX::btnDateiAnzeigenClick() {
  Guarded("TSaldixAuswFBEX.btnDateiAnzeigenClick", [&] {
    const auto dateien = Dateien();
    if (dateien.empty() || !dateiAnzeige_) return;
    if (!dateiAnzeige_->Oeffnen(dateien.front())) {
      QTXInfo().QTXWarnungBox("Die Datei\r\"" + dateien.front() +
                              "\"\rkonnte nicht angezeigt werden.");
    }
  });
}

void TSaldixAuswFBEX::btnOrdnerOeffnenClick() {
  Guarded("TSaldixAuswFBEX.btnOrdnerOeffnenClick", [&] {
    const auto dateien = Dateien();
    if (dateien.empty() || !dateiAnzeige_) return;
    const std::string ordner = std::filesystem::path(dateien.front()).parent_path().string();
    if (!dateiAnzeige_->Oeffnen(ordner)) {
      QTXInfo().QTXWarnungBox("Der Ordner\r\"" + ordner + "\"\rkonnte nicht geöffnet werden.");
    }
  });
}

bool TAuswFBEXDatenmodul::ExportErlaubt() { return modul_.ExportErlaubt(); }
TIntPair TAuswFBEXDatenmodul::AktMandant() { return modul_.AktMandant(); }
std::string TAuswFBEXDatenmodul::AktTextMandant() { return modul_.AktTextMandant; }

std::string TAuswFBEXDatenmodul::GEPGet_Name(const TIntPair& gepNr) {
  return modul_.GEPGet_Name(gepNr);
}

bool TAuswFBEXDatenmodul::MandantWaehlen(TIntPair& mandant, std::string& name) {
  IMandantChooser* dialog = modul_.MandDialog();
  return dialog && dialog->Ausfuehren(mandant, name);
}

void TAuswFBEXDatenmodul::MandantSetzen(const TIntPair& mandant, const std::string& name) {
  modul_.MandantWechseln(mandant, name);
}

bool TAuswFBEXDatenmodul::FBEX_Loeschen(const TIntPair& firma, int abrNr, int abrJahr) {
  return modul_.FBEX_Loeschen(firma, abrNr, abrJahr);
}
