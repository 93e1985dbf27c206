#include "formats/abacus/AbacusDatei.h"

#include "formats/abacus/AbacusXml.h"
#include "suite/Utf8.h"

namespace abacus {

TAbacusDatei::TAbacusDatei(const std::string& ziel, const std::string& tempDir,
                           const char* application, const char* id, std::optional<int> mandant)
    : FDatei(std::make_unique<TAnsiTextFile>(ziel, TTextEncoding::Utf8, tempDir)) {
  // Without indentation (a year's file would be a third larger), one transaction a line.
  FXml = std::make_unique<TXmlSchreiber>([this](std::string_view teil) { Weitergeben(teil); },
                                         false);
  SchreibeDateiKopf(*FXml, application, id, mandant);
}

void TAbacusDatei::Weitergeben(std::string_view teil) {
  if (!FRest.empty()) {
    FRest.append(teil);
    teil = FRest;
  }
  const std::size_t ganz = Utf8GanzeZeichen(teil);
  FDatei->Write(teil.substr(0, ganz));
  std::string rest(teil.substr(ganz));
  FRest = std::move(rest);
}

std::unique_ptr<TAnsiTextFile> TAbacusDatei::Abschliessen() {
  FXml->Fertig();  // closes "Task", "AbaConnectContainer" and the document
  FXml.reset();
  if (!FRest.empty()) FDatei->Write(FRest);
  FRest.clear();
  return std::move(FDatei);
}

}  // namespace abacus
