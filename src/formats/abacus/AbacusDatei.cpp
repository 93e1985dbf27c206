#include "formats/abacus/AbacusDatei.h"

#include "formats/abacus/AbacusXml.h"

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
  std::size_t ende = FRest.size();
  std::size_t i = ende;
  int folgeBytes = 0;
  while (i > 0 && folgeBytes < 3 && (static_cast<unsigned char>(FRest[i - 1]) & 0xC0) == 0x80) {
    --i;
    ++folgeBytes;
  }
  if (i > 0) {
    const auto start = static_cast<unsigned char>(FRest[i - 1]);
    const int laenge = start >= 0xF0 ? 4 : start >= 0xE0 ? 3 : start >= 0xC0 ? 2 : 1;
    if (laenge > folgeBytes + 1) ende = i - 1;
  }
  FDatei->Write(std::string_view(FRest).substr(0, ende));
  FRest.erase(0, ende);
}

std::unique_ptr<TAnsiTextFile> TAbacusDatei::Abschliessen() {
  FXml->Fertig();  // closes "Task", "AbaConnectContainer" and the document
  FXml.reset();
  if (!FRest.empty()) FDatei->Write(FRest);
  FRest.clear();
  return std::move(FDatei);
}

}  // namespace abacus
