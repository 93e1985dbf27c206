#include "app/SaldixSitzung.h"

#include "suite/DocBroadcast.h"
#include "suite/Rechte.h"

TSaldixSitzung::TSaldixSitzung(TSaldixDataModuleStart start, IAbrechnungsWahl& abrechnungsWahl)
    : modul_(std::move(start)),
      daten_(modul_),
      bearb_(modul_),
      exportDienste_(daten_),
      batchDaten_(daten_),
      liste_(bearb_.Dienste(), UserRechte(), abrechnungsWahl),
      belegQuelle_(daten_),
      anreicherung_(belegQuelle_, [this] { return daten_.Konten().AktExporter(); },
                    [this] { return daten_.Konten().AktExporterRegInfo(); }),
      aktionen_(liste_, exportDienste_,
                {[this] { return daten_.Konten().AktExporter(); },
                 [this] { return daten_.Konten().AktExporterName(); },
                 [this] {
                   return std::to_string(modul_.AktMandantKurzNr()) + " " +
                          modul_.AktTextMandant;
                 }},
                &anreicherung_, DocBroadcast()) {}
