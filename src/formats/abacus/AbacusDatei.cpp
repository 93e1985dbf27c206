#include "formats/abacus/AbacusDatei.h"

#include "formats/abacus/AbacusXml.h"
#include "suite/Utf8.h"

namespace abacus {

TAbacusDatei::TAbacusDatei(const std::string& ziel, const std::string& tempDir,
                           const char* application, const char* id, std::optional<int> mandant)
    : FDatei(std::make_unique<TAnsiTextFile>(ziel, TTextEncoding::Utf8, tempDir)) {
  FXml = std::make_unique<TXmlSchreiber>([this](std::string_view teil) { Weitergeben(teil); },
                                         true);
  SchreibeDateiKopf(*FXml, application, id, mandant);
}

void TAbacusDatei::Weitergeben(std::string_view teil) {
  FRest.append(teil);
  const std::size_t ganz = Utf8GanzeZeichen(FRest);
  FDatei->Write(std::string_view(FRest).substr(0, ganz));
  FRest.erase(0, ganz);
}

std::unique_ptr<TAnsiTextFile> TAbacusDatei::Abschliessen() {
  FXml->Fertig();  // closes "Task", "AbaConnectContainer" and the document
  FXml.reset();
  if (!FRest.empty()) FDatei->Write(FRest);
  FRest.clear();
  return std::move(FDatei);
}

}  // namespace abacus
