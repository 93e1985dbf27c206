#include "export/TrennZeile.h"

#include "suite/Format.h"
#include "suite/Text.h"

void TTrennZeile::Roh(std::string_view wert) {
  Trenner();
  text_ += wert;
}

void TTrennZeile::Ziffern(std::initializer_list<std::pair<long long, int>> zahlen) {
  Trenner();
  for (const auto& [zahl, stellen] : zahlen) AppendDigits(text_, zahl, stellen);
}

void TTrennZeile::Text(std::string_view wert) {
  Trenner();
  switch (anfuehrung_) {
    case TAnfuehrung::Immer:
      text_ += quote_;
      text_ += wert;
      text_ += quote_;
      return;
    case TAnfuehrung::ImmerVerdoppelt:
      Verdoppelt(wert);
      return;
    case TAnfuehrung::BeiBedarf: {
      // One pass over the value: find_first_of searches the four characters per byte.
      bool noetig = false;
      for (const char c : wert) {
        if (c == trenner_ || c == quote_ || c == '\r' || c == '\n') {
          noetig = true;
          break;
        }
      }
      if (noetig) {
        Verdoppelt(wert);
      } else {
        text_ += wert;
      }
      return;
    }
  }
}

void TTrennZeile::Verdoppelt(std::string_view wert) {
  text_ += quote_;
  for (const char c : wert) {
    if (c == quote_) text_ += quote_;
    text_ += c;
  }
  text_ += quote_;
}

void TTrennZeile::Leer(int n) {
  for (int i = 0; i < n; ++i) Trenner();
}

void TTrennZeile::LeerText(int n) {
  for (int i = 0; i < n; ++i) {
    Trenner();
    text_ += quote_;
    text_ += quote_;
  }
}

void TTrennZeile::Betrag(long double wert, int nachkomma) {
  Trenner();
  std::string zahl = Format("%.*f", nachkomma, qtx_Round(wert, nachkomma));
  // Format writes the settings' decimal separator; the line writes its own.
  const std::size_t punkt = zahl.find_first_of(".,");
  if (punkt != std::string::npos) zahl[punkt] = dezimal_;
  text_ += zahl;
}

std::string FeldBereinigt(std::string_view wert, char trenner, char ersatz) {
  std::string text;
  text.reserve(wert.size());
  for (const char c : wert) {
    if (c == '\r' || c == '\n') continue;
    text += c == trenner ? ersatz : c;
  }
  return text;
}
