// The suite's document broadcast and mail sender: a document with placeholders and
// attachments is handed over; the broadcast fills the mail template and sends it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "suite/Types.h"

struct TBroadcastPlatzhalter {
  std::string Name;        // e.g. "#ABRNUMMER#"
  std::string Anzeige;     // display text offered with the mail template
  std::string Wert;
};

struct TBroadcastDokument {
  std::string HauptName;   // "SALDIX"
  std::string UnterName;   // "Versand"
  TIntPair DokumentNr;
  std::string DokumentText;
  int DokumentTyp = 0;
  std::vector<TBroadcastPlatzhalter> Platzhalter;
  std::vector<std::string> Anhaenge;
};

class IDocBroadcast {
 public:
  virtual ~IDocBroadcast() = default;
  // False with a reason when no mail dispatch is set up.
  virtual bool Eingerichtet(std::string& grund) const = 0;
  // Fills the template and sends; false when sending failed.
  virtual bool Senden(const TBroadcastDokument& dokument) = 0;
};

// The installation's broadcast; without a configured sender it says so.
IDocBroadcast& DocBroadcast();
void SetDocBroadcast(std::shared_ptr<IDocBroadcast> broadcast);

// Replaces every occurrence of each placeholder, ignoring case.
std::string PlatzhalterErsetzen(std::string text, const std::vector<TBroadcastPlatzhalter>& p);
