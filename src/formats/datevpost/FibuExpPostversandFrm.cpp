#include "formats/datevpost/FibuExpPostversandFrm.h"

#include <optional>
#include <stdexcept>

#include "suite/Files.h"
#include "suite/Guarded.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

constexpr std::size_t kPfadLaenge = 256;
constexpr std::size_t kFormatLaenge = 20;
// DATEV's demonstration consultant; clients count from 10001.
constexpr int kDemoBerater = 29098;
constexpr int kDemoMandantBasis = 10000;


}  // namespace

TFibuExporter_Postversand& TfrmFibuExpPostversand::Exporter() const {
  auto* exporter = dynamic_cast<TFibuExporter_Postversand*>(FFibuExportProfil);
  if (!exporter) throw std::logic_error("Das Formular bearbeitet keinen DATEV-Postversand-Export.");
  return *exporter;
}

void TfrmFibuExpPostversand::GetExportFormatName(std::string& name) { name = CTitel; }

const char* TfrmFibuExpPostversand::HinweisImportSelf() {
  return "Wenn diese Option gewählt ist, wird die geschriebene Ascii-Datei in eine "
         "Postversand-Datei, die sich über die SELF-Schnittstelle einspielen läßt, umgewandelt.";
}

void TfrmFibuExpPostversand::SetExportPfad(const std::string& pfad) {
  FExportPfad = Utf8Left(pfad, kPfadLaenge);
}

void TfrmFibuExpPostversand::SetVorgabePfad(const std::string& pfad) {
  FVorgabePfad = Utf8Left(pfad, kPfadLaenge);
}

void TfrmFibuExpPostversand::PfadWaehlen(std::string& pfad) {
  auto* wahl = VerzeichnisWahl();
  if (!wahl) return;
  if (auto gewaehlt = wahl->Waehle("Bitte wählen Sie ein Verzeichnis.", pfad)) {
    pfad = Utf8Left(*gewaehlt, kPfadLaenge);
  }
}

void TfrmFibuExpPostversand::btnExportPfadClick() {
  Guard("btnExportPfadClick", [&] { PfadWaehlen(FExportPfad); });
}

void TfrmFibuExpPostversand::btnVorgabePfadClick() {
  Guard("btnVorgabePfadClick", [&] { PfadWaehlen(FVorgabePfad); });
}

void TfrmFibuExpPostversand::SetFormat(const std::string& text) {
  FFormat = Utf8Left(text, kFormatLaenge);
}

void TfrmFibuExpPostversand::SetIDNummer(const std::string& text) {
  if (Ziffern(text, 5)) FIDNummer = text;
}

void TfrmFibuExpPostversand::Spezial_DatenZuMaske() {
  const auto& exporter = Exporter();
  FExportPfad = exporter.VerzExport();
  FVorgabePfad = exporter.VerzVorgabe();
  FImportSelf = exporter.ImportSelf();
  FFormat = exporter.ExportFormat();
  FIDNummer = exporter.IDNummer();
  FVerzLeeren = exporter.VerzLeeren();
  FRaster.Zeigen(exporter.Mandanten());
}

void TfrmFibuExpPostversand::Spezial_DatenVonMaske() {
  auto& exporter = Exporter();
  exporter.SetVerzExport(FExportPfad);
  exporter.SetVerzVorgabe(FVorgabePfad);
  exporter.SetImportSelf(FImportSelf);
  exporter.SetExportFormat(FFormat);
  exporter.SetIDNummer(FIDNummer);
  exporter.SetVerzLeeren(FVerzLeeren);
  TMandantenTabelle tabelle = exporter.Mandanten();
  FRaster.Uebernehmen(tabelle);
  for (const auto& eintrag : tabelle.Eintraege()) {
    exporter.SetMandantenDaten(eintrag.GepNr, eintrag.Zahl(datevpost::mfBerater),
                               eintrag.Zahl(datevpost::mfMandant),
                               eintrag.Text(datevpost::mfBenutzer), eintrag.Aktiv);
  }
}

bool TfrmFibuExpPostversand::Spezial_TesteMaskenDaten() {
  if (Trim(FExportPfad).empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die den Export-Pfad an.");
    return false;
  }
  if (FImportSelf && Trim(FVorgabePfad).empty()) {
    Eingabefehler(CSeiteParameter, "Bitte geben Sie die Pfad zur Damo32.Exe an.");
    return false;
  }
  if (StrToIntDef(FIDNummer, 0) == 0 || Trim(FFormat).empty()) {
    Eingabefehler(CSeiteParameter, "Die ID-Nummer oder das Format sind nicht korrekt.");
    return false;
  }
  // Consultant and client number of each ticked client, then at least one ticked.
  if (const std::string meldung = FRaster.Pruefen(); !meldung.empty()) {
    Eingabefehler(CSeiteParameter, meldung);
    return false;
  }
  return true;
}

std::unique_ptr<TfrmFibuExport> TFibuExpEdit_Postversand::ErzeugeForm() {
  return std::make_unique<TfrmFibuExpPostversand>();
}

TFibuExpRegInfo RegInfo_Postversand() {
  return {ExporterClassOf<TFibuExporter_Postversand>(), TFibuExporter_Postversand::CName,
          TFibuExporter_Postversand::CKennung, EditClassOf<TFibuExpEdit_Postversand>(),
          {}, PostversandDemoProfil};
}

bool PostversandDemoProfil(const std::string& exportDir) {
  return Guarded("PostversandDemoProfil", [&] {
    TFibuExporter_Postversand exporter;
    exporter.Init();
    const std::string vorgabe = ConcatPathNames(exportDir, "datev-postversand");
    exporter.SetVerzVorgabe(vorgabe);
    exporter.SetVerzExport(ConcatPathNames(vorgabe, "versand"));
    exporter.SetImportSelf(false);
    const auto mandanten = exporter.Mandanten().Eintraege();  // the calls change the list
    for (const auto& mandant : mandanten) {
      exporter.SetMandantenDaten(mandant.GepNr, kDemoBerater, kDemoMandantBasis + mandant.KurzNr,
                                 "", true);
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}
