// One AbaConnect file of an export: written piece by piece into its temporary file while
// the transactions come, with its head before the first and its end on completion.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "export/XmlSchreiber.h"
#include "suite/AnsiTextFile.h"

namespace abacus {

class TAbacusDatei {
 public:
  // Opens the temporary file for ziel (in tempDir) and writes the head.
  TAbacusDatei(const std::string& ziel, const std::string& tempDir, const char* application,
               const char* id, std::optional<int> mandant);
  TAbacusDatei(const TAbacusDatei&) = delete;
  TAbacusDatei& operator=(const TAbacusDatei&) = delete;

  TXmlSchreiber& Xml() { return *FXml; }
  // The id of the next transaction; counts it.
  int NaechsteTransaktion() { return ++FTransNr; }
  int TransNr() const { return FTransNr; }
  const std::string& Ziel() const { return FDatei->TargetPath(); }

  // Closes the document; the file is then complete for DateienFertigstellen.
  std::unique_ptr<TAnsiTextFile> Abschliessen();

 private:
  // The writer hands over pieces that may end inside a character: its last bytes wait
  // for the next piece.
  void Weitergeben(std::string_view teil);

  std::unique_ptr<TAnsiTextFile> FDatei;
  std::string FRest;
  std::unique_ptr<TXmlSchreiber> FXml;
  int FTransNr = 0;
};

}  // namespace abacus
