// Export files that become real together with the transaction that files their
// settlement. Inside that transaction the files are noted; after its commit they get their
// final names and the notes go. A process that dies in between leaves a note and a
// finished temporary file, which the next start publishes; a temporary file without a note
// whose writer is gone is removed. So a file exists under its final name exactly when its
// settlement is committed, give or take one start of the program.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "suite/FertigeDatei.h"
#include "suite/db/Storage.h"

using TFertigeDateien = std::vector<std::unique_ptr<TFertigeDatei>>;

// What a clean-up did, for the log.
struct TFreigabeAufraeumen {
  std::vector<std::string> Nachgeholt;  // files published for a dead process
  std::vector<std::string> Entfernt;    // temporary files of unfinished exports
  std::vector<std::string> Fehler;
};

class TDateiFreigaben {
 public:
  explicit TDateiFreigaben(suitedb::Connection& db) : db_(db) {}

  // Notes the files inside the caller's open transaction. anlass: what they belong to.
  void Vormerken(const TFertigeDateien& dateien, const std::string& anlass);
  // After the commit: gives each file its final name and forgets its note. A file that
  // cannot be moved keeps its temporary name and note for the next start; its error is
  // returned (empty: all published).
  std::vector<std::string> Veroeffentlichen(TFertigeDateien& dateien);
  // At start: completes what dead processes committed and removes their unfinished
  // temporary files in tempDir. Never throws; what failed is in the result.
  TFreigabeAufraeumen Aufraeumen(const std::string& tempDir);

 private:
  void Vergessen(const std::string& tempPfad);
  bool Vorgemerkt(const std::string& tempPfad, std::string& zielPfad);

  suitedb::Connection& db_;
};
