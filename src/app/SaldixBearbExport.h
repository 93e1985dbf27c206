// The export actions of the booking list: "Export" (F5), "Export (Test)", "Export +
// Versand" and the batch mode's load-and-export.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ExportBestaetigung.h"
#include "app/SaldixBearb.h"
#include "app/SaldixExportLauf.h"
#include "app/SaldixExportPruefung.h"
#include "suite/DocBroadcast.h"

class TFibuExporter;

// The active format as the export actions see it.
struct TAktiverExport {
  std::function<TFibuExporter*()> Exporter;
  std::function<std::string()> Name;
  // The current client's short number and name, for the reports; may be empty.
  std::function<std::string()> Mandant;
};

class TSaldixBearbExport {
 public:
  TSaldixBearbExport(TSaldixBearbeiten& form, IExportDienste& dienste, TAktiverExport aktiv,
                     IBuchungsAnreicherung* anreicherung, IDocBroadcast& broadcast)
      : form_(form), dienste_(dienste), aktiv_(std::move(aktiv)), anreicherung_(anreicherung),
        broadcast_(broadcast) {}

  bool acExportExecute();
  bool acExportTestExecute();
  bool acExportVersandExecute();
  // Loads the list as on showing (all rows marked) and runs the real export.
  bool Batchmode_Liste_Laden_Und_Exportieren();

  // The unattended pass also mails the files ("Export + Versand").
  void SetVersand(bool versand) { versand_ = versand; }
  // The last "Export + Versand" exported but did not send its mail.
  bool VersandFehlgeschlagen() const { return versandFehlgeschlagen_; }

  // The desktop's problem list; without one, the checks report one message at a time.
  void SetProblemAnzeige(IProblemAnzeige* anzeige) { problemAnzeige_ = anzeige; }
  // The desktop's confirmation before a real export and summary after it; without one,
  // F5 exports at once and the exporter's message reports.
  void SetBestaetigung(IExportBestaetigungAnzeige* anzeige) { bestaetigung_ = anzeige; }

  // The last unattended pass stopped only because its period held nothing to export.
  bool NichtsGefunden() const { return nichtsGefunden_; }

  // Set to 1 after a successful real export (the program's status value).
  int Status() const { return status_; }
  // After an interactive export the list closes as on cancel (2).
  int ModalResult() const { return modalResult_; }

 private:
  bool Pruefen();
  // Loads the list for an unattended pass; a failure is named in the menu log.
  bool BatchLaden();
  // The settlement and period the list shows.
  TAbrechnung ListenAbrechnung() const;
  TExportAbrechnung Abrechnung() const;
  // Unattended, the bookkeeping of the export begins as soon as its bookings are read.
  void BuchhaltungVorab(std::vector<TIntTrio> idents);
  bool Exportieren(bool real, TExportErgebnis& ergebnis,
                   std::unique_ptr<TExportBuchhaltung> begonnen = nullptr,
                   bool zusammenfassung = false);
  // Interactive only: the person confirms the export about to run; true to go on.
  bool Bestaetigt();
  void Zusammenfassen(const TExportErgebnis& ergebnis);

  TSaldixBearbeiten& form_;
  IExportDienste& dienste_;
  TAktiverExport aktiv_;
  IBuchungsAnreicherung* anreicherung_;
  IDocBroadcast& broadcast_;
  int status_ = 0;
  int modalResult_ = 0;
  bool aktiviert_ = false;
  // The real export under way re-issues the closed settlement the list shows.
  bool wiederholung_ = false;
  struct TWiederholung {
    explicit TWiederholung(TSaldixBearbExport& e) : e_(e) {
      e_.wiederholung_ = !e_.form_.OffeneAbrechnung;
    }
    ~TWiederholung() { e_.wiederholung_ = false; }
    TSaldixBearbExport& e_;
  };
  IProblemAnzeige* problemAnzeige_ = nullptr;
  IExportBestaetigungAnzeige* bestaetigung_ = nullptr;
  std::vector<std::string> probleme_;  // the texts of the problems the last check let pass
  bool nichtsGefunden_ = false;
  bool versand_ = false;
  bool versandFehlgeschlagen_ = false;
  // The files of the last run, for the mail after it.
  struct TExportDateien {
    std::string dateiName, dateiName2;
    std::vector<std::string> dateiListe;
  } letzterExport_;
  // Begun when the bookings were read; taken by the export, or undone at the end of the pass.
  std::unique_ptr<TExportBuchhaltung> vorab_;
};
