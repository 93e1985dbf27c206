#include "app/ExportUebersicht.h"

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
    uebersicht.Soll += zeile.Betrag(TSpalte::BetragSoll);
    uebersicht.Haben += zeile.Betrag(TSpalte::BetragHaben);
  }
  return uebersicht;
}

std::string DateienText(const std::vector<std::string>& dateien) {
  if (dateien.empty()) return {};
  std::string text = dateien.size() == 1 ? "Datei: " : "Dateien: ";
  for (std::size_t i = 0; i < dateien.size(); ++i) text += (i ? ", " : "") + dateien[i];
  return text;
}
