#include "formats/ascii/FibuExpAsciiFrm.h"

#include <stdexcept>

#include "export/SteuerSchluesselTexte.h"
#include "formats/ascii/AsciiDemoProfil.h"
#include "suite/QTXInfo.h"
#include "suite/Text.h"
#include "suite/Utf8.h"
#include "suite/transfer/INETDialog.h"

namespace ascii {

const std::array<const char*, CQTX_FibuExport_Steuer_Anzahl>& TfrmFibuExportAscii::SteuerCaptions() {
  return SteuerSchluesselCaptions();  // shared with the other formats of free tax keys
}

const char* TfrmFibuExportAscii::FTPDateiHinweis() {
  return "Wird kein Dateiname vorgegeben, exportieren wir in eine csv-Datei, deren Name das "
         "Kürzel des Mandanten und das Erstelldatum enthält.";
}

TFibuExporter_Ascii& TfrmFibuExportAscii::AsciiExporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_Ascii*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen ASCII-Export.");
  return *exporter;
}

void TfrmFibuExportAscii::SetMandantAktiv(std::size_t zeile, bool aktiv) {
  if (zeile < FMandantZeilen.size()) FMandantZeilen[zeile].Aktiv = aktiv;
}

void TfrmFibuExportAscii::SetSteuerSchl(std::size_t index, const std::string& text) {
  if (index < FSteuerSchl.size()) FSteuerSchl[index] = Utf8Left(text, CSteuerLaenge);
}

void TfrmFibuExportAscii::SetEigenUeberschrift(std::size_t index, const std::string& text) {
  if (index < FEigen.size()) FEigen[index].Ueberschrift = Utf8Left(text, CEigenLaenge);
}

void TfrmFibuExportAscii::SetEigenInhalt(std::size_t index, const std::string& text) {
  if (index < FEigen.size()) FEigen[index].Inhalt = Utf8Left(text, CEigenLaenge);
}

void TfrmFibuExportAscii::SetExportPfad(const std::string& text) {
  FExportPfad = Utf8Left(text, CPfadLaenge);
}

void TfrmFibuExportAscii::SetDateiEndung(const std::string& text) {
  FDateiEndung = Utf8Left(text, CEndungLaenge);
}

void TfrmFibuExportAscii::SetFTPDatei(const std::string& text) {
  FFTPDatei = Utf8Left(text, CPfadLaenge);
}

void TfrmFibuExportAscii::SetBackupPfad(const std::string& text) {
  FBackupPfad = Utf8Left(text, CPfadLaenge);
}

void TfrmFibuExportAscii::btnExportPfadClick() {
  Guard("btnExportPfadClick", [&] {
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", FExportPfad)) SetExportPfad(*pfad);
  });
}

void TfrmFibuExportAscii::btnBackupPfadClick() {
  Guard("btnBackupPfadClick", [&] {
    auto* wahl = VerzeichnisWahl();
    if (!wahl) return;
    if (auto pfad = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", FBackupPfad)) SetBackupPfad(*pfad);
  });
}

void TfrmFibuExportAscii::btnVerbindungClick() {
  Guard("btnVerbindungClick", [&] {
    std::string name = FVerbindung;
    if (InetVerbindungWaehlen(name)) FVerbindung = name;
  });
}

void TfrmFibuExportAscii::btnLayoutClick() {
  // The own columns under the headings as they stand in the form, saved or not.
  Guard("btnLayoutClick", [&] { AsciiSpaltenDialog(FEigen)->LayoutBearbeiten(); });
}

void TfrmFibuExportAscii::Spezial_DatenZuMaske() {
  auto& exporter = AsciiExporter();
  FMandantZeilen.clear();
  for (const auto& mandant : exporter.Mandanten()) {
    FMandantZeilen.push_back({mandant.Aktiv, mandant.Name, mandant.GepNr});
  }
  FAutomatikkonten = exporter.Automatikkonten();
  FSteuerSchl = exporter.SteuerSchl();
  FEigen = exporter.Eigen();
  FBuchMonat = exporter.FrageBuchMonat();
  FFTP = exporter.ExpMedium() == femFTP;
  FExportPfad = exporter.VerzExport();
  FDateiEndung = exporter.DateiEndung();
  FFTPDatei = exporter.FTPFileName();
  FVerbindung = exporter.FTPFileCnct();
  FBackupPfad = exporter.VerzBackup();
}

void TfrmFibuExportAscii::Spezial_DatenVonMaske() {
  auto& exporter = AsciiExporter();
  for (auto& mandant : exporter.Mandanten()) {
    for (const auto& zeile : FMandantZeilen) {
      if (zeile.GepNr == mandant.GepNr) mandant.Aktiv = zeile.Aktiv;
    }
  }
  exporter.SetAutomatikkonten(FAutomatikkonten);
  exporter.SteuerSchl() = FSteuerSchl;
  exporter.Eigen() = FEigen;
  exporter.SetFrageBuchMonat(FBuchMonat);
  exporter.SetExpMedium(FFTP ? femFTP : femDisc);
  exporter.SetVerzExport(FExportPfad);
  exporter.SetDateiEndung(FDateiEndung);
  exporter.SetFTPFileName(FFTPDatei);
  exporter.SetFTPFileCnct(FVerbindung);
  exporter.SetVerzBackup(FBackupPfad);
}

void TfrmFibuExportAscii::Unterseitenfehler(const std::string& seite, const std::string& text) {
  ZeigeUnterseite(seite);
  Eingabefehler(CSeiteParameter, text);
}

bool TfrmFibuExportAscii::Spezial_TesteMaskenDaten() {
  if (FAutomatikkonten) {
    for (int i = 0; i < CQTX_FibuExport_Steuer_Anzahl; ++i) {
      // The EG key and "ohne Vorsteuer" may stay empty.
      if (i == CQTX_FibuExport_Ust_EG || i == CQTX_FibuExport_Vst_Ohne) continue;
      if (FSteuerSchl[static_cast<std::size_t>(i)].empty()) {
        Unterseitenfehler(CSeiteSteuer, "Bitte füllen Sie alle Steuerschlüssel.");
        return false;
      }
    }
  }
  if (FFTP && Trim(FVerbindung).empty()) {
    ZeigeSeite(CSeiteParameter);
    ZeigeUnterseite(CSeiteExportdatei);
    QTXInfo().ShowMeldung(TMeldungsArt::Fehler, {}, "ASCII_EXP", 1011);
    return false;
  }
  bool einer = false;
  for (const auto& zeile : FMandantZeilen) einer = einer || zeile.Aktiv;
  if (!einer) {
    Unterseitenfehler(CSeiteMandanten, "Es muss mindestens ein Mandant ausgewählt sein.");
    return false;
  }
  return true;
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_Ascii::ErzeugeForm() {
  return std::make_unique<TfrmFibuExportAscii>();
}

TFibuExpRegInfo RegInfo_Ascii() {
  return {ExporterClassOf<TFibuExporter_Ascii>(), TFibuExporter_Ascii::CName,
          TFibuExporter_Ascii::CKennung, EditClassOf<TFibuExpEdit_Ascii>(), {},
          DemoProfilAnlegen};
}

}  // namespace ascii
