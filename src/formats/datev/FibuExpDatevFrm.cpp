#include "formats/datev/FibuExpDatevFrm.h"

#include <stdexcept>

#include "formats/datev/DatevTabellen.h"
#include "formats/datev/saldixdata_datev.h"
#include "suite/Format.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

constexpr std::size_t kPfadLaenge = 256;


}  // namespace

TFibuExporter_Datev& TfrmFibuExpDatev::DatevExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_Datev*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen DATEV-Export.");
  return *exporter;
}

void TfrmFibuExpDatev::GetExportFormatName(std::string& name) {
  name = TFibuExporter_Datev::CName;
}

void TfrmFibuExpDatev::SetExportPfad(const std::string& pfad) {
  FExportPfad = Utf8Left(pfad, kPfadLaenge);
}

void TfrmFibuExpDatev::btnExportPfadClick() {
  Guard("btnExportPfadClick", [&] {
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", FExportPfad)) {
      SetExportPfad(*pfad);
    }
  });
}

void TfrmFibuExpDatev::SetSachKtoLng(const std::string& text) {
  if (Ziffern(text, 1)) FSachKtoLng = text;
}

void TfrmFibuExpDatev::SetMandantAktiv(std::size_t zeile, bool aktiv) {
  if (zeile < FMandantZeilen.size()) FMandantZeilen[zeile].Aktiv = aktiv;
}

bool TfrmFibuExpDatev::SpalteEditierbar(TMandantSpalte spalte) {
  return spalte == mspBerater || spalte == mspDatevMandant || spalte == mspBenutzer ||
         spalte == mspFestschreiben;
}

std::string TfrmFibuExpDatev::MandantZelle(std::size_t zeile, TMandantSpalte spalte) const {
  if (zeile >= FMandantZeilen.size()) return {};
  const auto& row = FMandantZeilen[zeile];
  switch (spalte) {
    case mspKurzNr: return std::to_string(row.KurzNr);
    case mspMandant: return row.Mandant;
    case mspGepNr: return qtx_TIntPair2String(row.GepNr);
    case mspBerater: return std::to_string(row.DatevBerater);
    case mspDatevMandant: return std::to_string(row.DatevMandant);
    case mspBenutzer: return row.DatevBenutzer;
    case mspFestschreiben: return row.Festschreiben ? "Ja" : "Nein";
  }
  return {};
}

bool TfrmFibuExpDatev::SetzeMandantZelle(std::size_t zeile, TMandantSpalte spalte,
                                         const std::string& text) {
  if (zeile >= FMandantZeilen.size()) return false;
  auto& row = FMandantZeilen[zeile];
  switch (spalte) {
    case mspBerater:
      if (auto wert = Ziffern(text, 7)) return row.DatevBerater = *wert, true;
      return false;
    case mspDatevMandant:
      if (auto wert = Ziffern(text, 5)) return row.DatevMandant = *wert, true;
      return false;
    case mspBenutzer:
      if (Utf8Length(text) > 2) return false;
      row.DatevBenutzer = text;
      return true;
    case mspFestschreiben:
      if (text != "Ja" && text != "Nein") return false;
      row.Festschreiben = text == "Ja";
      return true;
    default:
      return false;
  }
}

void TfrmFibuExpDatev::MandantKopfKlick(TMandantSpalte spalte) {
  if (!SpalteEditierbar(spalte) || FMandantAuswahl >= FMandantZeilen.size()) return;
  FEditierteZelle = TZelle{FMandantAuswahl, spalte};
}

std::vector<std::string> TfrmFibuExpDatev::InhaltAuswahl() {
  std::vector<std::string> auswahl;
  for (int n = 0; n < datev::CAnzahlInhalte; ++n) {
    auswahl.emplace_back(datev::DatevInhalt(n).Bezeichnung);
  }
  return auswahl;
}

bool TfrmFibuExpDatev::SetzeInhalt(std::size_t zeile, const std::string& bezeichnung) {
  if (zeile >= FZusatzZeilen.size()) return false;
  for (int n = 0; n < datev::CAnzahlInhalte; ++n) {
    const auto& inhalt = datev::DatevInhalt(n);
    if (inhalt.Bezeichnung != bezeichnung) continue;
    FZusatzZeilen[zeile].InhaltBezeichnung = bezeichnung;
    FZusatzZeilen[zeile].InhaltKennung = inhalt.Kennung;
    return true;
  }
  return false;
}

void TfrmFibuExpDatev::Spezial_DatenZuMaske() {
  const auto& exporter = DatevExporter();
  FExportPfad = exporter.VerzExport();
  FSachKtoLng = std::to_string(exporter.SachKtoLng());
  FSchalter = SchalterLesen(exporter, TFibuExporter_Datev::Einstellungen());
  FMandantZeilen.clear();
  for (const auto& mandant : exporter.Mandanten()) {
    FMandantZeilen.push_back({mandant.Aktiv, mandant.KurzNr, mandant.Name, mandant.GepNr,
                              mandant.Berater, mandant.Mandant, mandant.Benutzer,
                              mandant.Festschreiben});
  }
  FZusatzZeilen.clear();
  for (const auto& feld : exporter.ZusatzFelderListe()) {
    FZusatzZeilen.push_back(
        {feld.FeldKennung, feld.FeldBezeichnung, feld.InhaltKennung, feld.InhaltBezeichnung});
  }
  FEditierteZelle.reset();
}

void TfrmFibuExpDatev::Spezial_DatenVonMaske() {
  auto& exporter = DatevExporter();
  exporter.SetVerzExport(FExportPfad);
  exporter.SetSachKtoLng(StrToIntDef(FSachKtoLng, 0));
  SchalterSchreiben(exporter, FSchalter, TFibuExporter_Datev::Einstellungen());
  for (const auto& row : FMandantZeilen) {
    exporter.SetMandantenDaten(row.GepNr, row.DatevBerater, row.Festschreiben, row.Aktiv,
                               row.DatevBenutzer, row.DatevMandant);
  }
  exporter.ZusatzFelderDatenClear();
  for (const auto& row : FZusatzZeilen) {
    exporter.SetZusatzFelderDaten(row.FeldKennung, row.FeldBezeichnung, row.InhaltBezeichnung,
                                  row.InhaltKennung);
  }
}

bool TfrmFibuExpDatev::Spezial_TesteMaskenDaten() {
  if (FExportPfad.empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die den Export-Pfad an.");
    return false;
  }
  const int laenge = StrToIntDef(FSachKtoLng, 0);
  if (laenge < 4 || laenge > 8) {
    Eingabefehler(CSeiteParameter, "Di Länge des Sachkontos muss zwischen 4 und 8 liegen.");
    return false;
  }
  bool einerAktiv = false;
  for (const auto& row : FMandantZeilen) einerAktiv = einerAktiv || row.Aktiv;
  if (!einerAktiv) {
    Eingabefehler(CSeiteParameter, "Es muss mindestens ein Mandant ausgewählt sein.");
    return false;
  }
  for (const auto& row : FMandantZeilen) {
    if (!row.Aktiv) continue;
    if (row.DatevBerater == 0) {
      Eingabefehler(CSeiteParameter, "Die Beraternummer ist nicht gefüllt.");
      return false;
    }
    if (row.DatevMandant == 0) {
      Eingabefehler(CSeiteParameter, "Die Mandantennummer ist nicht gefüllt.");
      return false;
    }
  }
  return true;
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_Datev::ErzeugeForm() {
  return std::make_unique<TfrmFibuExpDatev>();
}

TFibuExpRegInfo RegInfo_Datev() {
  return {ExporterClassOf<TFibuExporter_Datev>(), TFibuExporter_Datev::CName,
          TFibuExporter_Datev::CKennung, EditClassOf<TFibuExpEdit_Datev>(),
          DatevAnreicherung()};
}
