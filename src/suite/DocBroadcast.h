// The suite's document broadcast: a document with placeholders is handed over; the
// broadcast fills the client's mail template, asks back for the mail data (body, document
// type, attachments) and sends through the suite's mail sender, calling back at start, for
// sending and at the end.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/transfer/SendDoc.h"

struct TBroadcastPlatzhalter {
  std::string Name;     // e.g. "#ABRNUMMER#"
  std::string Anzeige;  // display text offered with the mail template
  std::string Wert;
};

struct TBroadcastDokument {
  std::string HauptName;  // "SALDIX"
  std::string UnterName;  // "Versand"
  TIntPair DokumentNr;    // the client whose mail settings apply
  std::string DokumentText;
  int DokumentTyp = 0;
  std::vector<TBroadcastPlatzhalter> Platzhalter;
  std::vector<std::string> Anhaenge;
};

// What the mail-data call-back fills in; the body comes preset with the client's template.
struct TBroadcastMailDaten {
  std::string Text;
  int DokumentTyp = 0;
  std::vector<std::string> Anhaenge;
};

struct TBroadcastRueckrufe {
  std::function<void(const TBroadcastDokument&, TBroadcastMailDaten&)> MailDaten;
  std::function<void(const TMailNachricht&)> Start;
  // Hands the message to the sender; without it the sender sends it as it is.
  std::function<TMailErgebnis(TSendDoc&, const TMailNachricht&)> Senden;
  std::function<void(const TMailErgebnis&)> Ende;
};

class IDocBroadcast {
 public:
  virtual ~IDocBroadcast() = default;
  // Sends the document by mail; the result says whether it went out or why not.
  virtual TMailErgebnis Versenden(const TBroadcastDokument& dokument,
                                  const TBroadcastRueckrufe& rueckrufe) = 0;
};

// The broadcast over the mail settings of the suite database.
class TDocBroadcast final : public IDocBroadcast {
 public:
  TMailErgebnis Versenden(const TBroadcastDokument& dokument,
                          const TBroadcastRueckrufe& rueckrufe) override;
  // Certificate authority for the server's certificate (tests; default: the system's).
  void SetZertifikatsdatei(std::string datei) { zertifikatsdatei_ = std::move(datei); }

 private:
  std::string zertifikatsdatei_;
};

// The installation's broadcast (by default the one over the suite database).
IDocBroadcast& DocBroadcast();
void SetDocBroadcast(std::shared_ptr<IDocBroadcast> broadcast);

// Replaces every occurrence of each placeholder, ignoring case.
std::string PlatzhalterErsetzen(std::string text, const std::vector<TBroadcastPlatzhalter>& p);
