#include "support/ExportTestSupport.h"

#include "suite/db/Storage.h"

#include <algorithm>
#include <cstdio>

#include "suite/AnsiTextFile.h"
#include "suite/DateTime.h"

void TRecordingExporter::LoadSaveProps() {
  fmsConfig.SetFormName({"SALDIX", "TEST", "D"});
}

bool TRecordingExporter::Export_Fibu_Kopf(const TFibuExportFileInfo& info) {
  ++kopfAufrufe_;
  if (beimKopf) beimKopf();
  dateien.push_back(info);
  protokoll.push_back("Kopf " + DateToStr(info.DatumVon) + "-" + DateToStr(info.DatumBis));
  return kopfErfolg && kopfAufrufe_ != kopfFehlerBeiAufruf;
}

bool TRecordingExporter::Export_Fibu_Daten(const TFibuExportBuchInfo& info) {
  buchungen.push_back(info);
  protokoll.push_back("Daten " + std::to_string(info.Konto));
  return true;
}

bool TRecordingExporter::Export_Fibu_Daten(const TFibuExportBuchInfo& info,
                                           const TFibuExportBuchInfoZusatz&) {
  return Export_Fibu_Daten(info);
}

bool TRecordingExporter::Export_Fibu_Ende() {
  protokoll.push_back("Ende");
  if (!zielDatei.empty() && endeErfolg) {
    std::vector<std::unique_ptr<TAnsiTextFile>> datei;
    datei.push_back(std::make_unique<TAnsiTextFile>(zielDatei));
    for (const auto& zeile : protokoll) datei.front()->WriteLine(zeile);
    DateienFertigstellen(datei);
  }
  if (ablieferung && endeErfolg && DateienZurueckgehalten()) AblieferungVormerken(ablieferung);
  return endeErfolg;
}

std::string TTestZeile::Text(TSpalte tag) const {
  const auto found = texte.find(tag);
  return found == texte.end() ? std::string() : found->second;
}

long double TTestZeile::Betrag(TSpalte tag) const {
  if (gruppe && (tag == TSpalte::BetragSoll || tag == TSpalte::BetragHaben)) {
    long double summe = 0;
    for (const auto& kind : kinder) {
      if (kind->Markiert()) summe += kind->Betrag(tag);
    }
    return summe;
  }
  const auto found = betraege.find(tag);
  return found == betraege.end() ? 0 : found->second;
}

TDateTime TTestZeile::Datum(TSpalte tag) const {
  const auto found = daten.find(tag);
  return found == daten.end() ? 0 : found->second;
}

TTestZeile& TTestListe::Buchung(int konto, int gegenkonto, TDateTime datum, int filiale, int rnr,
                                int lnr, long double soll, long double haben) {
  auto zeile = std::make_unique<TTestZeile>();
  zeile->texte[TSpalte::Konto] = std::to_string(konto);
  zeile->texte[TSpalte::Gegenkonto] = std::to_string(gegenkonto);
  zeile->texte[TSpalte::KontoName] = "K" + std::to_string(konto);
  zeile->texte[TSpalte::GegenkontoName] = "K" + std::to_string(gegenkonto);
  zeile->texte[TSpalte::Filiale] = std::to_string(filiale);
  char ident[32];
  std::snprintf(ident, sizeof ident, "%.4d%.9d%.4d", rnr, lnr, 1);
  zeile->texte[TSpalte::Protokollnummer] = ident;
  zeile->ident = {rnr, lnr, 1};
  zeile->daten[TSpalte::Belegdatum] = datum;
  zeile->betraege[TSpalte::BetragSoll] = soll;
  zeile->betraege[TSpalte::BetragHaben] = haben;
  zeilen.push_back(std::move(zeile));
  return *zeilen.back();
}

void TTestListe::StabilSortieren(const Vorher& vorher) {
  std::stable_sort(zeilen.begin(), zeilen.end(),
                   [&vorher](const auto& a, const auto& b) { return vorher(*a, *b); });
}

std::vector<std::string> TDateiFreigabenOhneNotiz(TFertigeDateien& dateien) {
  std::vector<std::string> fehler;
  for (auto& datei : dateien) {
    try {
      datei->Veroeffentlichen();
    } catch (const std::exception& e) {
      fehler.push_back(e.what());
    }
  }
  return fehler;
}

bool TTestDienste::FBDEMani_Buchen_AbrNr(const std::vector<TIntTrio>& idents, int, int,
                                         const TFbdeBereich&, const TAbrechnungsStand& erwartet) {
  markiertErwartet = erwartet;
  if (markierenScheitert) return false;
  markierteIdents = idents;
  return true;
}

bool TTestDienste::AbrNrNachFBEX(TIntPair, int, int abrNr, TDateTime, TDateTime,
                                 const TSelektTab& tab, int) {
  if (journalScheitert) return false;
  journal = tab;
  journalAbrNr = abrNr;
  return true;
}

char TTestDienste::Get_Aufwand_Erloes_Bestand(const std::string& name, const std::string&,
                                              TDateTime) {
  const auto found = klassen.find(name);
  return found == klassen.end() ? ' ' : found->second;
}

bool TTestDienste::IstSteuerkonto(const std::string& name, const std::string&, TDateTime,
                                  std::string& steuerName) {
  const auto found = steuerkonten.find(name);
  if (found == steuerkonten.end()) return false;
  steuerName = found->second;
  return true;
}

bool TTestDienste::HatKontoArt(const std::string& name, const std::string&, TDateTime, int art) {
  ++kontoArtFragen;
  const auto found = kontoArten.find(name);
  return found != kontoArten.end() && found->second == art;
}

namespace {

class TTestKlammer : public IExportDienste::Klammer {
 public:
  TTestKlammer(bool& offen, bool* abgeschlossen) : offen_(offen), abgeschlossen_(abgeschlossen) {
    offen_ = true;
  }
  ~TTestKlammer() override { offen_ = false; }
  void Abschliessen() override {
    if (abgeschlossen_) *abgeschlossen_ = true;
  }

 private:
  bool& offen_;
  bool* abgeschlossen_;
};

}  // namespace

std::unique_ptr<IExportDienste::Klammer> TTestDienste::BuchungsklammerOeffnen(int) {
  ++klammern;
  if (klammerScheitert) throw suitedb::LockTimeout("Die Buchungssperre ist vergeben");
  if (klammerOffen) klammerDoppelt = true;
  return std::make_unique<TTestKlammer>(klammerOffen, nullptr);
}

std::unique_ptr<IExportDienste::Klammer> TTestDienste::TransaktionOeffnen() {
  return std::make_unique<TTestKlammer>(transaktionOffen, &transaktionAbgeschlossen);
}
