#include "formats/his/FibuExpHISFrm.h"

#include <stdexcept>

#include "formats/his/HisDemoProfil.h"
#include "suite/Format.h"
#include "suite/Utf8.h"
#include "suite/transfer/INETDialog.h"

namespace {

bool NurZiffern(const std::string& text, std::size_t maxStellen) {
  return text.size() <= maxStellen && text.find_first_not_of("0123456789") == std::string::npos;
}

his::TKontoBereich Bereich(const THisRegelEingabe& eingabe) {
  return {StrToIntDef(eingabe.Von, 0), StrToIntDef(eingabe.Bis, 0)};
}

THisRegelEingabe Eingabe(bool an, const his::TKontoBereich& bereich) {
  return {an, std::to_string(bereich.Min), std::to_string(bereich.Max)};
}

}  // namespace

TFibuExporter_HIS& TfrmFibuExpHIS::HisExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_HIS*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen HIS-Export.");
  return *exporter;
}

void TfrmFibuExpHIS::GetExportFormatName(std::string& name) { name = TFibuExporter_HIS::CName; }

const char* TfrmFibuExpHIS::HinweisSachKtoLng() {
  return "Länge der Sachkonten, bei kürzeren Sachkonten wird links mit Nullen aufgefüllt";
}

const char* TfrmFibuExpHIS::HinweisKontenDrehen() {
  return "Konten drehen, falls der Betrag negativ ist. Ausnahme: nicht drehen, falls die "
         "Gegenkontonummer im unten stehenden Bereich liegt. ";
}

void TfrmFibuExpHIS::SetMandantAktiv(std::size_t zeile, bool aktiv) {
  if (zeile < FMandantZeilen.size()) FMandantZeilen[zeile].Aktiv = aktiv;
}

void TfrmFibuExpHIS::SetExportPfad(const std::string& pfad) {
  FExportPfad = Utf8Left(pfad, CPfadLaenge);
}

void TfrmFibuExpHIS::btnExportPfadClick() {
  Guard("btnExportPfadClick", [&] {
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", FExportPfad)) {
      SetExportPfad(*pfad);
    }
  });
}

void TfrmFibuExpHIS::btnFTPZielClick() {
  Guard("btnFTPZielClick", [&] {
    std::string name = FFTPZiel;
    if (InetVerbindungWaehlen(name)) FFTPZiel = name;
  });
}

void TfrmFibuExpHIS::SetSachKtoLng(const std::string& text) {
  if (NurZiffern(text, CLaengeStellen)) FSachKtoLng = text;
}

void TfrmFibuExpHIS::Uebernehmen(THisRegelEingabe& ziel, const THisRegelEingabe& wert) {
  ziel.An = wert.An;
  if (NurZiffern(wert.Von, CKontoStellen)) ziel.Von = wert.Von;
  if (NurZiffern(wert.Bis, CKontoStellen)) ziel.Bis = wert.Bis;
}

void TfrmFibuExpHIS::Spezial_DatenZuMaske() {
  const auto& exporter = HisExporter();
  FMandantZeilen.clear();
  for (const auto& mandant : exporter.Mandanten()) {
    FMandantZeilen.push_back({mandant.Aktiv, mandant.Name, mandant.GepNr});
  }
  FMedium = exporter.ExportMedium();
  FExportPfad = exporter.VerzExport();
  FFTPZiel = exporter.VerzExportFTP();
  FSachKtoLng = std::to_string(exporter.SachKtoLng());
  FTageweise = exporter.ExportTageweise();
  const his::TSonderregeln regeln = exporter.Sonderregeln();
  FGutscheine = Eingabe(regeln.Gutscheine, regeln.GutscheinKonten);
  FKontenDrehen = Eingabe(regeln.KontenDrehen, regeln.NichtDrehen);
  FKassendifferenz = Eingabe(regeln.Kassendifferenz, regeln.KassendifferenzKonten);
  FKassendifferenzDrehen = regeln.KassendifferenzDrehen;
}

void TfrmFibuExpHIS::Spezial_DatenVonMaske() {
  auto& exporter = HisExporter();
  for (const auto& row : FMandantZeilen) exporter.SetMandantenDaten(row.GepNr, row.Aktiv);
  exporter.SetExportMedium(FMedium);
  exporter.SetVerzExport(FExportPfad);
  exporter.SetVerzExportFTP(FFTPZiel);
  exporter.SetSachKtoLng(StrToIntDef(FSachKtoLng, 0));
  exporter.SetExportTageweise(FTageweise);
  his::TSonderregeln regeln;
  regeln.Gutscheine = FGutscheine.An;
  regeln.GutscheinKonten = Bereich(FGutscheine);
  regeln.KontenDrehen = FKontenDrehen.An;
  regeln.NichtDrehen = Bereich(FKontenDrehen);
  regeln.Kassendifferenz = FKassendifferenz.An;
  regeln.KassendifferenzKonten = Bereich(FKassendifferenz);
  regeln.KassendifferenzDrehen = FKassendifferenzDrehen;
  exporter.SetSonderregeln(regeln);
}

bool TfrmFibuExpHIS::Spezial_TesteMaskenDaten() {
  if (FMedium == femDisc && FExportPfad.empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die den Export-Pfad an.");
    return false;
  }
  if (FMedium == femFTP && FFTPZiel.empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die den FTP-Export-Pfad an.");
    return false;
  }
  const int laenge = StrToIntDef(FSachKtoLng, 0);
  if (laenge < TFibuExporter_HIS::CSachKtoLngMin || laenge > TFibuExporter_HIS::CSachKtoLngMax) {
    Eingabefehler(CSeiteParameter, "Die Länge des Sachkontos muss zwischen 4 und 20 liegen.");
    return false;
  }
  for (const auto& row : FMandantZeilen) {
    if (row.Aktiv) return true;
  }
  Eingabefehler(CSeiteParameter, "Es muss mindestens ein Mandant ausgewählt sein.");
  return false;
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_HIS::ErzeugeForm() {
  return std::make_unique<TfrmFibuExpHIS>();
}

TFibuExpRegInfo RegInfo_HIS() {
  return {ExporterClassOf<TFibuExporter_HIS>(), TFibuExporter_HIS::CName,
          TFibuExporter_HIS::CKennung, EditClassOf<TFibuExpEdit_HIS>(), {},
          his::DemoProfilAnlegen};
}
