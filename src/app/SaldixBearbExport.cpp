#include "app/SaldixBearbExport.h"

#include "app/ExportVersand.h"
#include "suite/Guarded.h"
#include "suite/QTXInfo.h"

bool TSaldixBearbExport::Pruefen() {
  if (!form_.ListeGueltig()) {
    // The rows shown belong to an earlier selection or were exported already.
    TExportMeldung(form_.FBatchmode)
        .Melden("Abbruch: Die Liste entspricht nicht der gewählten Auswahl",
                "Die Liste entspricht nicht mehr der gewählten Auswahl oder wurde bereits "
                "exportiert.\rBitte laden Sie sie mit \"Aktualisieren\" (F4) neu.");
    return false;
  }
  if (form_.Summenansicht()) {
    // The totals view combines every account into one row; exporting it would file a
    // single line for the whole settlement.
    TExportMeldung(form_.FBatchmode)
        .Melden("Abbruch: In der Summenansicht ist kein Export möglich",
                "In der Summenansicht ist kein Export möglich.\rBitte wählen Sie \"Export "
                "anzeigen\".");
    return false;
  }
  auto liste = form_.ExportListe();
  TExportMeldung meldung(form_.FBatchmode);
  TExportPruefung pruefung(*liste, dienste_, meldung, problemAnzeige_);
  TExportUmfang umfang;
  umfang.Firma = form_.FFirma;
  umfang.AbrJahr = form_.AbrJahr;
  umfang.DatumVon = form_.DatumVon;
  umfang.DatumBis = form_.DatumBis;
  umfang.OffeneVor = [firma = form_.FFirma, jahr = form_.AbrJahr](TDateTime vor) {
    return OffeneBuchungenVor(firma, jahr, vor);
  };
  const bool ok =
      pruefung.TestenOk(aktiv_.Exporter(), aktiv_.Name(), form_.Buchungsmonat, &umfang);
  nichtsGefunden_ = pruefung.NichtsGefunden();
  return ok;
}

TExportAbrechnung TSaldixBearbExport::Abrechnung() const {
  return {form_.FFirma,   form_.AbrNr,    form_.AbrJahr,      form_.DatumVon,
          form_.DatumBis, form_.Buchungsmonat, wiederholung_};
}

void TSaldixBearbExport::BuchhaltungVorab(std::vector<TIntTrio> idents) {
  vorab_.reset();  // one begun for an earlier list lets go of the lock first
  if (idents.empty() || form_.Summenansicht()) return;
  auto liste = form_.ExportListe();
  TExportMeldung meldung(form_.FBatchmode);
  TExportAbrechnung abrechnung = Abrechnung();
  vorab_ = TExportLauf(*liste, dienste_, meldung, anreicherung_)
               .BuchhaltungBeginnen(abrechnung, std::move(idents));
}

bool TSaldixBearbExport::Exportieren(bool real, TExportErgebnis& ergebnis,
                                     std::unique_ptr<TExportBuchhaltung> begonnen) {
  auto liste = form_.ExportListe();
  TExportMeldung meldung(form_.FBatchmode);
  TExportLauf lauf(*liste, dienste_, meldung, anreicherung_);
  TExportAbrechnung abrechnung = Abrechnung();
  ergebnis = lauf.Ausfuehren(aktiv_.Exporter(), real, abrechnung, std::move(begonnen));
  // The run may have moved to the next free number; the list shows what was used.
  form_.SetAbrechnung(abrechnung.AbrNr, abrechnung.AbrJahr);
  if (real && ergebnis.ok) form_.FMarkiertTab = ergebnis.markiert;
  // Exported rows are never offered again; rows another run took meanwhile are shown as
  // they are now.
  if (real && ergebnis.ok) form_.ListeVeraltet();
  if (real && ergebnis.vergeben && !form_.FBatchmode) form_.acAktualisierenExecute();
  if (ergebnis.ok && !form_.FBatchmode) modalResult_ = 2;
  return ergebnis.ok;
}

bool TSaldixBearbExport::acExportExecute() {
  return Guarded("TSaldixBearbeiten.acExportExecute", [&] {
    // Begun only unattended; with a user, no lock waits for a dialog.
    std::unique_ptr<TExportBuchhaltung> begonnen = std::move(vorab_);
    if (!Pruefen()) return false;
    // A closed settlement shown again is re-issued under its own number.
    TWiederholung wiederholung(*this);
    form_.OffeneAbrechnung = false;
    form_.FMarkiertTab.clear();
    TExportErgebnis ergebnis;
    if (Exportieren(true, ergebnis, std::move(begonnen))) {
      status_ = 1;
      return true;
    }
    form_.OffeneAbrechnung = !wiederholung_;
    return false;
  });
}

bool TSaldixBearbExport::acExportTestExecute() {
  return Guarded("TSaldixBearbeiten.acExportTestExecute", [&] {
    if (!Pruefen()) return false;
    TWiederholung wiederholung(*this);  // a closed settlement keeps its number
    TExportErgebnis ergebnis;
    return Exportieren(false, ergebnis);
  });
}

bool TSaldixBearbExport::acExportVersandExecute() {
  return Guarded("TSaldixBearbeiten.acExportVersandExecute", [&] {
    if (!Pruefen()) return false;
    TWiederholung wiederholung(*this);
    form_.OffeneAbrechnung = false;
    form_.FMarkiertTab.clear();
    TExportErgebnis ergebnis;
    if (!Exportieren(true, ergebnis)) {
      form_.OffeneAbrechnung = !wiederholung_;
      return false;
    }
    status_ = 1;
    if (ergebnis.dateiName.empty()) {
      QTXInfo().QTXWarnungBox(
          "Der Name der Exportdatei ist nicht bekannt, daher kann derVersand nicht automatisch "
          "erfolgen.");
      return true;
    }
    AlsMailVersenden({form_.FFirma, form_.AbrNr, form_.AbrJahr, form_.DatumVon, form_.DatumBis},
                     ergebnis.dateiName, ergebnis.dateiName2, ergebnis.dateiListe, broadcast_);
    return true;
  });
}

bool TSaldixBearbExport::BatchLaden() {
  const std::size_t vorher = QTXInfo().Registrations().size();
  bool geladen = false;
  if (!aktiviert_) {
    // The first activation loads the list and marks all rows.
    form_.FormShow();
    form_.FormActivate();
    aktiviert_ = true;
    geladen = form_.ListeGueltig();
  } else {
    // A second pass finds the form activated: load and mark again for its period.
    geladen = Guarded("TSaldixBearbeiten.ListeLaden", [&] { return form_.ListeLaden(); });
    if (geladen) form_.acAlleEinExecute();
  }
  if (geladen) return true;
  // An empty list would read as "nothing found": the log names what stopped the reading,
  // the first failure registered while loading (the ones after it only pass it on).
  const std::string allgemein = "Die Buchungen konnten nicht gelesen werden.";
  const auto& registriert = QTXInfo().Registrations();
  std::string grund;
  for (std::size_t i = vorher; i < registriert.size() && grund.empty(); ++i) {
    if (registriert[i].text != allgemein) grund = registriert[i].text;
  }
  TExportMeldung(true).Melden("Abbruch: " + allgemein + (grund.empty() ? "" : " " + grund),
                              allgemein);
  return false;
}

bool TSaldixBearbExport::Batchmode_Liste_Laden_Und_Exportieren() {
  return Guarded("TSaldixBearbeiten.Batchmode_Liste_Laden_Und_Exportieren", [&] {
    form_.FBatchmode = true;
    // The bookings are marked while the list is built from them, checked and written.
    form_.BuchungenGelesen = [this](std::vector<TIntTrio> idents) {
      BuchhaltungVorab(std::move(idents));
    };
    struct TDurchlaufEnde {
      TSaldixBearbExport& e;
      ~TDurchlaufEnde() {
        e.form_.BuchungenGelesen = nullptr;
        e.vorab_.reset();  // the export did not take it: nothing stays marked or locked
      }
    } ende{*this};
    nichtsGefunden_ = false;
    if (!BatchLaden()) return false;
    return acExportExecute();
  });
}
