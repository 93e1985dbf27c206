// "Export + Versand": the files of a successful export go out by mail.
#pragma once

#include <string>
#include <vector>

#include "suite/Abrechnung.h"
#include "suite/DocBroadcast.h"
#include "suite/Types.h"

// AlsMailVersenden: builds the document (attachments, placeholders) and hands it to the
// broadcast. Says plainly (a box, or in batch mode a menu-log line) whether the mail went
// out or why not; true when sent.
bool AlsMailVersenden(const TAbrechnung& abrechnung, const std::string& dateiName,
                      const std::string& dateiName2, const std::vector<std::string>& dateiListe,
                      IDocBroadcast& broadcast, bool batchmode = false);

// The document as handed to the broadcast (exposed for tests).
TBroadcastDokument VersandDokument(const TAbrechnung& abrechnung,
                                   const std::string& dateiName, const std::string& dateiName2,
                                   const std::vector<std::string>& dateiListe, TDateTime heute);
