// The export actions of the booking list: "Export" (F5), "Export (Test)", "Export +
// Versand" and the batch mode's load-and-export.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/SaldixBearb.h"
#include "app/SaldixExportLauf.h"
#include "app/SaldixExportPruefung.h"
#include "suite/DocBroadcast.h"

class TFibuExporter;

// The active format as the export actions see it.
struct TAktiverExport {
  std::function<TFibuExporter*()> Exporter;
  std::function<std::string()> Name;
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

  // The desktop's problem list; without one, the checks report one message at a time.
  void SetProblemAnzeige(IProblemAnzeige* anzeige) { problemAnzeige_ = anzeige; }

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
  TExportAbrechnung Abrechnung() const;
  // Unattended, the bookkeeping of the export begins as soon as its bookings are read.
  void BuchhaltungVorab(std::vector<TIntTrio> idents);
  bool Exportieren(bool real, TExportErgebnis& ergebnis,
                   std::unique_ptr<TExportBuchhaltung> begonnen = nullptr);

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
  bool nichtsGefunden_ = false;
  // Begun when the bookings were read; taken by the export, or undone at the end of the pass.
  std::unique_ptr<TExportBuchhaltung> vorab_;
};
