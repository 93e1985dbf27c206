#include "suite/MessageCatalog.h"

#include <array>
#include <string_view>

namespace {

struct CatalogEntry {
  std::string_view set;
  int number;
  std::string_view text;  // "%s" takes the next argument; CR separates lines
};

// The suite's messages as this program uses them.
constexpr std::array kCatalog = {
    CatalogEntry{"STANDARD", 981, "%s"},
    CatalogEntry{"STANDARD", 991, "%s"},
    CatalogEntry{"STANDARD", 993, "%s\r%s\r%s"},
    CatalogEntry{"STANDARD", 994, "Fehlerhafte Eingabe:\r%s"},
    CatalogEntry{"STANDARD", 995, "Hinweis:\r%s"},
    CatalogEntry{"STANDARD", 997, "%s"},
    CatalogEntry{"SALDIX", 1002,
                 "Die Abrechnungsnummer %s ist bereits vergeben.\rEs bleibt die bisherige "
                 "Abrechnung."},
    CatalogEntry{"SALDIX", 1003, "%s"},
    CatalogEntry{"SALDIX", 1007,
                 "Die Tabelle der Sonderkonten enthält eine Zeile, die nicht gelesen werden "
                 "kann:\r%s"},
    CatalogEntry{"BELEGSEL", 1018, "Der Suchbegriff \"%s\" wurde nicht gefunden."},
    CatalogEntry{"ASCII_EXP", 1009, "Die Verbindung \"%s\" ist nicht eingerichtet."},
    CatalogEntry{"ASCII_EXP", 1011, "Bitte geben Sie eine FTP-Verbindung an."},
    CatalogEntry{"TFibuExporter_Ascii", 1007, "Die Verbindung zum FTP-Server ist fehlgeschlagen."},
    CatalogEntry{"CommConn", 1008, "FTP-Fehler: %s"},
};

std::string Fill(std::string_view pattern, const std::vector<std::string>& args) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
      if (next < args.size()) out += args[next];
      ++next;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace

std::string CatalogMessage(const std::string& set, int number,
                           const std::vector<std::string>& args) {
  for (const auto& entry : kCatalog) {
    if (entry.set == set && entry.number == number) return Fill(entry.text, args);
  }
  std::string text = "Meldung " + set + " " + std::to_string(number);
  for (const auto& arg : args) text += "\r" + arg;
  return text;
}
