#include "app/ExportUebersicht.h"

#include <cmath>

#include "suite/Format.h"

namespace {

int MarkierteBuchungen(const IExportZeile& zeile) {
  if (!zeile.IstGruppe()) return 1;
  int anzahl = 0;
  for (std::size_t i = 0; i < zeile.KinderAnzahl(); ++i) {
    if (zeile.Kind(i).Markiert()) anzahl += MarkierteBuchungen(zeile.Kind(i));
  }
  return anzahl;
}

}  // namespace

TExportUebersicht ExportUebersicht(const IExportListe& liste) {
  TExportUebersicht uebersicht;
  for (std::size_t i = 0; i < liste.Anzahl(); ++i) {
    const IExportZeile& zeile = liste.Zeile(i);
    if (!zeile.Markiert()) continue;
    ++uebersicht.Zeilen;
    uebersicht.Buchungen += MarkierteBuchungen(zeile);
    uebersicht.Soll += zeile.Betrag(spalte::BetragSoll);
    uebersicht.Haben += zeile.Betrag(spalte::BetragHaben);
  }
  return uebersicht;
}

std::string BetragText(long double betrag) {
  const bool negativ = betrag < 0;
  // Cents rounded half away from zero, as everywhere amounts are printed.
  const long long cent = std::llround(qtx_Round(std::fabs(betrag), 2) * 100.0L);
  std::string ganz = std::to_string(cent / 100);
  for (int stelle = static_cast<int>(ganz.size()) - 3; stelle > 0; stelle -= 3) {
    ganz.insert(static_cast<std::size_t>(stelle), ".");
  }
  return (negativ && cent != 0 ? "-" : "") + ganz + Format(",%.2d", static_cast<int>(cent % 100));
}

std::string DateienText(const std::vector<std::string>& dateien) {
  if (dateien.empty()) return {};
  std::string text = dateien.size() == 1 ? "Datei: " : "Dateien: ";
  for (std::size_t i = 0; i < dateien.size(); ++i) text += (i ? ", " : "") + dateien[i];
  return text;
}
