#include "data/BookingTexts.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>

#include "suite/BelegArt.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

struct KurzText {
  std::string_view beschreibung;
  std::string_view kurz;
};

constexpr std::array kKurzTexte = {
    KurzText{"Allgemeiner Verkauf", "Verkauf"},
    KurzText{"Annahme Anzahlung", "Anz.Ann"},
    KurzText{"Rückgabe Anzahlung", "Anz.Rgb"},
    KurzText{"Aufwandsbuchung", "Aufwand"},
    KurzText{"Einzahlung auf Aufwandskonto", "Einz.AW"},
    KurzText{"Forderungsausgleich", "Ausg.F."},
    KurzText{"Vermindern Kassensbestand", "Verm.KB"},
    KurzText{"Kassendifferenz", "Kassdif"},
    KurzText{"Gutscheinausgabe", "GS-Ausg"},
    KurzText{"Gutscheinrückgabe", "GS-Rckg"},
    KurzText{"Zahlungsmitteltausch", "ZM-Tsch"},
    KurzText{"Allgemeine OP-Buchung", "Allg.OP"},
    KurzText{"Eingangsrechnung", "Eing.Rg"},
};

constexpr std::size_t kVergleichsLaenge = 30;

}  // namespace

std::string TextOhneZeilenumbruch(const std::string& text) {
  std::string result = text;
  std::erase(result, '\n');
  std::erase(result, '\r');
  return result;
}

std::string KontoKurzText(int nummer, const std::string& name, const std::string& zusatz) {
  if (nummer <= 0) return Trim(name + " " + zusatz);
  std::string text;
  AppendDigits(text, nummer, 4);
  return text;
}

std::string GetKurzBeschreibung(const std::string& beschreibung) {
  const std::string anfang = Utf8Left(beschreibung, kVergleichsLaenge);
  for (const auto& eintrag : kKurzTexte) {
    if (anfang == Utf8Left(eintrag.beschreibung, kVergleichsLaenge)) {
      return std::string(eintrag.kurz);
    }
  }
  return beschreibung;
}

std::string BLB(const std::string& belegartKuerzel) {
  int belegArt = 0;
  if (!Kuerzel_2_BelegArt(belegartKuerzel, belegArt)) return belegartKuerzel;
  return CQTX_BelegArt_2_Bezeichnung(belegArt);
}

std::string CreateIdent() {
  try {
    // Seeded once: opening the system's random device per identifier costs a system call.
    static std::mt19937 source{std::random_device{}()};
    std::array<unsigned, 4> words{};
    for (auto& word : words) word = static_cast<unsigned>(source());
    // Version 4, variant 1 as the platform's generator marks them.
    words[1] = (words[1] & 0xFFFF0FFFu) | 0x00004000u;
    words[2] = (words[2] & 0x3FFFFFFFu) | 0x80000000u;
    // The 32 digits of the four words in order, between the platform's braces and dashes;
    // written by hand: one per booking.
    char text[] = "{00000000-0000-0000-0000-000000000000}";
    std::size_t word = 0;
    int shift = 28;
    for (char* c = text + 1; *c != '}'; ++c) {
      if (*c == '-') continue;
      *c = "0123456789ABCDEF"[(words[word] >> shift) & 0xFu];
      if (shift == 0) {
        shift = 28;
        ++word;
      } else {
        shift -= 4;
      }
    }
    return std::string(text, sizeof text - 1);
  } catch (...) {
    return "(NONE)";
  }
}
