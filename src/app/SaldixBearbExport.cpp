#include "app/SaldixBearbExport.h"

#include "app/ExportVersand.h"
#include "export/fibuexportclass.h"
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
  probleme_.clear();
  for (const auto& problem : pruefung.Gefunden()) probleme_.push_back(ProblemText(problem));
  return ok;
}

TAbrechnung TSaldixBearbExport::ListenAbrechnung() const {
  return {form_.FFirma, form_.AbrNr, form_.AbrJahr, form_.DatumVon, form_.DatumBis};
}

TExportAbrechnung TSaldixBearbExport::Abrechnung() const {
  TExportAbrechnung abrechnung{ListenAbrechnung(), form_.Buchungsmonat, wiederholung_};
  abrechnung.MandantText = aktiv_.Mandant
                               ? aktiv_.Mandant()
                               : std::to_string(form_.FFirma.Nr1) + "/" +
                                     std::to_string(form_.FFirma.Nr2);
  return abrechnung;
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

bool TSaldixBearbExport::Bestaetigt() {
  if (form_.FBatchmode || !bestaetigung_) return true;
  auto liste = form_.ExportListe();
  TfrmExportBestaetigung form(TfrmExportBestaetigung::TArt::Vorher, Abrechnung(),
                              ExportUebersicht(*liste), bestaetigung_->DateiAnzeige());
  TFibuExporter* exporter = aktiv_.Exporter();
  if (exporter) {
    TExportMeldung meldung(form_.FBatchmode);
    form.SetZiel(exporter->ExportPfad(), TExportLauf(*liste, dienste_, meldung, anreicherung_)
                                             .Zieldateien(*exporter, Abrechnung()));
  } else {
    form.SetZiel({}, {});
  }
  form.SetProbleme(probleme_);
  return bestaetigung_->Zeigen(form);
}

void TSaldixBearbExport::Zusammenfassen(const TExportErgebnis& ergebnis) {
  if (form_.FBatchmode || !bestaetigung_) return;
  TfrmExportBestaetigung form(TfrmExportBestaetigung::TArt::Nachher, Abrechnung(),
                              ergebnis.uebersicht, bestaetigung_->DateiAnzeige());
  form.SetErgebnis(ergebnis.meldung, ErgebnisDateien(ergebnis));
  bestaetigung_->Zeigen(form);
}

bool TSaldixBearbExport::Exportieren(bool real, TExportErgebnis& ergebnis,
                                     std::unique_ptr<TExportBuchhaltung> begonnen,
                                     bool zusammenfassung) {
  auto liste = form_.ExportListe();
  TExportMeldung meldung(form_.FBatchmode);
  TExportLauf lauf(*liste, dienste_, meldung, anreicherung_);
  lauf.SetErfolgZeigen(!(zusammenfassung && bestaetigung_ && !form_.FBatchmode));
  TExportAbrechnung abrechnung = Abrechnung();
  ergebnis = lauf.Ausfuehren(aktiv_.Exporter(), real, abrechnung, std::move(begonnen));
  letzterExport_ = {ergebnis.dateiName, ergebnis.dateiName2, ergebnis.dateiListe};
  // The run may have moved to the next free number; the list shows what was used.
  form_.SetAbrechnung(abrechnung.AbrNr, abrechnung.AbrJahr);
  if (real && ergebnis.ok) form_.FMarkiertTab = ergebnis.markiert;
  // Exported rows are never offered again; rows another run took meanwhile are shown as
  // they are now.
  if (real && ergebnis.ok) form_.ListeVeraltet();
  if (real && ergebnis.vergeben && !form_.FBatchmode) form_.acAktualisierenExecute();
  // After a test export the list stays open for the real one.
  if (real && ergebnis.ok && !form_.FBatchmode) modalResult_ = 2;
  return ergebnis.ok;
}

bool TSaldixBearbExport::acExportExecute() {
  return Guarded("TSaldixBearbeiten.acExportExecute", [&] {
    // Begun only unattended; with a user, no lock waits for a dialog.
    std::unique_ptr<TExportBuchhaltung> begonnen = std::move(vorab_);
    if (!Pruefen()) return false;
    // A closed settlement shown again is re-issued under its own number.
    TWiederholung wiederholung(*this);
    if (!Bestaetigt()) return false;  // nothing changed
    form_.OffeneAbrechnung = false;
    form_.FMarkiertTab.clear();
    TExportErgebnis ergebnis;
    if (Exportieren(true, ergebnis, std::move(begonnen), true)) {
      status_ = 1;
      // The list shows the settlement the run used.
      Zusammenfassen(ergebnis);
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
    versandFehlgeschlagen_ = false;
    if (!acExportExecute()) return false;
    // From here on the export stands, whatever becomes of the mail.
    versandFehlgeschlagen_ = true;
    const auto& e = letzterExport_;
    if (e.dateiName.empty()) {
      TExportMeldung(form_.FBatchmode)
          .Melden(
              "Achtung: Der Name der Exportdatei ist nicht bekannt, daher wurde sie nicht "
              "per Mail versandt",
              "Der Name der Exportdatei ist nicht bekannt, daher kann derVersand nicht "
              "automatisch erfolgen.");
      return true;
    }
    versandFehlgeschlagen_ = !AlsMailVersenden(ListenAbrechnung(), e.dateiName, e.dateiName2,
                                               e.dateiListe, broadcast_, form_.FBatchmode);
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
    return versand_ ? acExportVersandExecute() : acExportExecute();
  });
}
