// What a format may ask of the suite while it exports: the client list, the clock, the
// directories, the message service, the transfer service and the database. Formats ask
// their context instead of reaching the suite's globals, so a test (or a second suite in
// one process) hands them another one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "suite/Types.h"
#include "suite/servers/MandListeServer.h"

class TQTXInfo;
namespace suitedb {
class Connection;
}

class IExportKontext {
 public:
  virtual ~IExportKontext() = default;

  // The suite's clients, read anew on every call.
  virtual std::vector<TMandListeEintrag> Mandanten() const = 0;
  // The time written into file headers and names.
  virtual TDateTime Jetzt() const = 0;
  // Where files are written before they get their final names.
  virtual std::string TempVerzeichnis() const = 0;
  // A directory as a profile stores it, resolved (a relative one lies below the suite).
  virtual std::string ExportVerzeichnis(const std::string& gespeichert) const = 0;
  virtual TQTXInfo& Meldungen() const = 0;
  // Uploads a finished file over the named connection entry under remoteName (empty: the
  // file's own name). False with fehler set when it did not arrive under its final name.
  virtual bool Hochladen(const std::string& datei, const std::string& verbindung,
                         const std::string& remoteName, std::string& fehler) = 0;
  // For a format's own lookups (documents, partners, numbers).
  virtual suitedb::Connection& Datenbank() const = 0;
};

// The suite this process runs on: the suite database, the message service, the
// transfer service and the system clock.
class TSuiteExportKontext : public IExportKontext {
 public:
  std::vector<TMandListeEintrag> Mandanten() const override;
  TDateTime Jetzt() const override;
  std::string TempVerzeichnis() const override;
  std::string ExportVerzeichnis(const std::string& gespeichert) const override;
  TQTXInfo& Meldungen() const override;
  bool Hochladen(const std::string& datei, const std::string& verbindung,
                 const std::string& remoteName, std::string& fehler) override;
  suitedb::Connection& Datenbank() const override;
};

// The context of the running suite, shared by every exporter that is given no other.
std::shared_ptr<IExportKontext> SuiteExportKontext();
