#include "formats/abacus/AbacusDemoProfil.h"

#include "formats/abacus/FibuExporter_Abacus.h"
#include "suite/Files.h"
#include "suite/Guarded.h"

namespace abacus {
namespace {

// Abacus numbers of the demo: clients from 101, customers from 100001.
constexpr int kDemoMandantBasis = 100;
constexpr int kDemoKundenVon = 100001;
constexpr int kDemoKundenBis = 199999;

}  // namespace

bool AbacusDemoProfil(const std::string& exportDir) {
  return Guarded("AbacusDemoProfil", [&] {
    TFibuExporter_Abacus exporter;
    exporter.Init();
    const std::string verzeichnis = ConcatPathNames(exportDir, "abacus");
    exporter.SetExportMedium(femDisc);
    exporter.SetVerzExport(verzeichnis);
    exporter.SetMitDebitoren(true);
    exporter.SetExportMediumDebi(femDisc);
    exporter.SetVerzExportDebi(verzeichnis);
    exporter.SetKundenNr(kDemoKundenVon, kDemoKundenBis);
    exporter.SetMandantExport(true);
    exporter.SetMitBelegnummer(true);
    exporter.SetAutomatikkonten(true);
    exporter.SetSteuerschluessel(CQTX_FibuExport_Ust_Normal, "311");
    exporter.SetSteuerschluessel(CQTX_FibuExport_Ust_Reduz, "312");
    exporter.SetSteuerschluessel(CQTX_FibuExport_Vst_Normal, "111");
    exporter.SetSteuerschluessel(CQTX_FibuExport_Vst_Reduz, "112");
    const std::vector<TMandInfo> mandanten = exporter.Mandanten();  // the calls change the list
    for (const auto& mandant : mandanten) {
      exporter.SetMandantenDaten(mandant.GepNr, kDemoMandantBasis + mandant.KurzNr, true);
    }
    exporter.Config_Save("");
    const bool brauchbar = exporter.EinstellungenVorhanden();
    exporter.Done();
    return brauchbar;
  });
}

}  // namespace abacus
