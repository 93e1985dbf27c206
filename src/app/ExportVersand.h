// "Export + Versand": the files of a successful export go out by mail.
#pragma once

#include <string>
#include <vector>

#include "suite/DocBroadcast.h"
#include "suite/Types.h"

struct TVersandAbrechnung {
  TIntPair Firma;
  int AbrNr = 0;
  int AbrJahr = 0;
  TDateTime DatumVon = 0;
  TDateTime DatumBis = 0;
};

// AlsMailVersenden: builds the document (attachments, placeholders) and hands it to the
// broadcast. Says plainly (a box, or in batch mode a menu-log line) whether the mail went
// out or why not; true when sent.
bool AlsMailVersenden(const TVersandAbrechnung& abrechnung, const std::string& dateiName,
                      const std::string& dateiName2, const std::vector<std::string>& dateiListe,
                      IDocBroadcast& broadcast, bool batchmode = false);

// The document as handed to the broadcast (exposed for tests).
TBroadcastDokument VersandDokument(const TVersandAbrechnung& abrechnung,
                                   const std::string& dateiName, const std::string& dateiName2,
                                   const std::vector<std::string>& dateiListe, TDateTime heute);
