// One run of the program: the data module, the lookups, the booking list with its export
// actions and the active format's enrichment, bound together. The batch mode and the desktop
// program each create one; they differ only in the settlement dialogs the list opens.
#pragma once

#include <memory>

#include "app/SaldixAnbindung.h"
#include "app/SaldixBearb.h"
#include "app/SaldixBearbAnbindung.h"
#include "app/SaldixBearbExport.h"
#include "app/SaldixBelegQuelle.h"

class TSaldixSitzung {
 public:
  TSaldixSitzung(TSaldixDataModuleStart start, IAbrechnungsWahl& abrechnungsWahl);
  TSaldixSitzung(const TSaldixSitzung&) = delete;
  TSaldixSitzung& operator=(const TSaldixSitzung&) = delete;

  TSaldixDataModule& Modul() { return modul_; }
  TSaldixDaten& Daten() { return daten_; }
  TExportAnbindung& ExportDienste() { return exportDienste_; }
  TBatchAnbindung& BatchDaten() { return batchDaten_; }
  TSaldixBearbeiten& Liste() { return liste_; }
  TSaldixBearbExport& ExportAktionen() { return aktionen_; }
  TExportAnreicherung& Anreicherung() { return anreicherung_; }

 private:
  TSaldixDataModule modul_;
  TSaldixDaten daten_;
  TBearbDatenmodulAnbindung bearb_;
  TExportAnbindung exportDienste_;
  TBatchAnbindung batchDaten_;
  TSaldixBearbeiten liste_;
  TSaldixBelegQuelle belegQuelle_;
  TExportAnreicherung anreicherung_;
  TSaldixBearbExport aktionen_;
};
