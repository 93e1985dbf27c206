#include "formats/ascii/AsciiDemoProfil.h"

#include "export/SerBriefLayout.h"
#include "formats/ascii/AsciiSpalten.h"
#include "formats/ascii/fibuexporter_ascii.h"
#include "suite/Files.h"
#include "suite/Guarded.h"

namespace ascii {

namespace {

// Twelve columns a bookkeeper reads at a glance, in file order.
constexpr const char* kDemoSpalten[] = {"BELEGDATUM", "KONTO", "GGKTO", "UMSATZ",
                                        "SOLLHABEN", "STSCHLTXT", "BELEG1", "BELEG2",
                                        "TEXT", "KOST1", "FILIALE", "WAEHRUNG"};

// The usual German booking keys by tax kind; "ohne Vorsteuer" has none.
constexpr const char* kDemoSteuer[] = {"2", "4", "3", "4", "5", "8", "6", "9", "6", "7", "10", " "};
static_assert(std::size(kDemoSteuer) == CQTX_FibuExport_Steuer_Anzahl);

}  // namespace

bool DemoProfilAnlegen(const std::string& exportDir) {
  return Guarded("ascii.DemoProfilAnlegen", [&] {
    TFibuExporter_Ascii exporter;
    exporter.Init();
    exporter.SetVerzExport(ConcatPathNames(exportDir, "ascii"));
    exporter.SetDateiEndung("csv");
    exporter.SetExpMedium(femDisc);
    // Tax travels as a key with the booking, so the file has no separate tax lines.
    exporter.SetAutomatikkonten(true);
    for (std::size_t i = 0; i < std::size(kDemoSteuer); ++i) exporter.SteuerSchl()[i] = kDemoSteuer[i];
    for (auto& mandant : exporter.Mandanten()) mandant.Aktiv = true;
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();

    TSerBriefLayoutSpeicher speicher("SALDIX", TFibuExporter_Ascii::CListenKey);
    if (!speicher.Laden("")) {
      const auto katalog = AsciiSpalten({});
      TSerBriefLayout layout;
      for (const char* key : kDemoSpalten) {
        for (const auto& spalte : katalog) {
          if (spalte.Key == key) layout.Spalten.push_back({spalte.Key, spalte.Ueberschrift, spalte.Breite});
        }
      }
      speicher.Speichern("Standard", layout);
      speicher.Speichern("", layout);
    }
    return brauchbar;
  });
}

}  // namespace ascii
