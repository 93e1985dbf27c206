#include "app/ExportBestaetigung.h"

#include <filesystem>

#include "suite/DateTime.h"
#include "suite/QTXInfo.h"

TfrmExportBestaetigung::TfrmExportBestaetigung(TArt art, const TExportAbrechnung& abrechnung,
                                               const TExportUebersicht& uebersicht,
                                               IDateiAnzeige* anzeige)
    : art_(art), anzeige_(anzeige) {
  const std::string nummer =
      std::to_string(abrechnung.AbrNr) + "/" + std::to_string(abrechnung.AbrJahr);
  if (art == TArt::Vorher) {
    Caption = "Export bestätigen";
    Ueberschrift = abrechnung.Wiederholung
                       ? "Die Abrechnung " + nummer + " wird erneut ausgegeben; Buchungen und "
                                                      "Exportjournal bleiben unverändert."
                       : "Die markierten Buchungen werden unter der Abrechnung " + nummer +
                             " exportiert und als exportiert gekennzeichnet.";
    OkText = "&Exportieren";
    AbbrechenSichtbar = true;
  } else {
    Caption = "Export abgeschlossen";
    Ueberschrift = abrechnung.Wiederholung
                       ? "Die Abrechnung " + nummer + " wurde erneut ausgegeben."
                       : "Die Abrechnung " + nummer + " wurde exportiert.";
    OkText = "&Schließen";
  }
  Angaben = {
      {"Mandant", abrechnung.MandantText},
      {"Zeitraum", DateToStr(abrechnung.DatumVon) + " - " + DateToStr(abrechnung.DatumBis)},
      {"Abrechnung", nummer},
      {"Buchungen", std::to_string(uebersicht.Buchungen)},
      {"Zeilen der Datei", std::to_string(uebersicht.Zeilen)},
      {"Summe Soll", BetragText(uebersicht.Soll)},
      {"Summe Haben", BetragText(uebersicht.Haben)},
  };
}

void TfrmExportBestaetigung::SetZiel(const std::string& verzeichnis,
                                     std::vector<std::string> dateien) {
  Angaben.emplace_back("Ziel",
                       verzeichnis.empty() ? std::string("(vom Format bestimmt)") : verzeichnis);
  // Not there yet: nothing to show or open.
  Dateien = std::move(dateien);
}

void TfrmExportBestaetigung::SetErgebnis(const std::string& meldung,
                                         std::vector<std::string> dateien) {
  Meldung = meldung;
  Dateien = std::move(dateien);
  DateiKnoepfeSichtbar = !Dateien.empty() && anzeige_ != nullptr;
  DateiIndex = Dateien.empty() ? -1 : 0;
}

std::string TfrmExportBestaetigung::GewaehlteDatei() const {
  if (Dateien.empty()) return {};
  const auto gewaehlt = static_cast<std::size_t>(DateiIndex);
  const std::size_t index = DateiIndex >= 0 && gewaehlt < Dateien.size() ? gewaehlt : 0;
  return Dateien[index];
}

void TfrmExportBestaetigung::btnDateiAnzeigenClick() {
  const std::string datei = GewaehlteDatei();
  if (datei.empty() || !anzeige_) return;
  if (!anzeige_->Oeffnen(datei)) {
    QTXInfo().QTXWarnungBox("Die Datei\r\"" + datei + "\"\rkonnte nicht angezeigt werden.");
  }
}

void TfrmExportBestaetigung::btnOrdnerOeffnenClick() {
  const std::string datei = GewaehlteDatei();
  if (datei.empty() || !anzeige_) return;
  const std::string ordner = std::filesystem::path(datei).parent_path().string();
  if (!anzeige_->Oeffnen(ordner)) {
    QTXInfo().QTXWarnungBox("Der Ordner\r\"" + ordner + "\"\rkonnte nicht geöffnet werden.");
  }
}
