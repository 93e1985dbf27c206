#include "formats/bmd/FibuExporter_BMD.h"

#include <array>

#include "formats/bmd/BmdRegeln.h"
#include "formats/bmd/BmdZeile.h"
#include "suite/AnsiTextFile.h"
#include "suite/Format.h"

namespace bmd {

namespace {

// The mask shared with DATEV postal dispatch: both list the same stored profiles.
constexpr const char* kMaske = "POSTVERS";

constexpr std::array<const char*, CQTX_FibuExport_Steuer_Anzahl> kSteuerschluessel{
    "Mwst_Red", "Mwst_Spez", "Mwst_Norm", "Mwst_Red_Alt", "Mwst_Alt",  "Vst_Red",
    "Vst_Spez", "Vst_Norm",  "Vst_Red_Alt", "Vst_Alt",    "Mwst_EG",  ""};

}  // namespace

TFibuExporter_BMD::TFibuExporter_BMD()
    : TMandantenExporter({{"MANDANT", TMandantenFeld::TArt::Zahl, true, 5, "BMD-Mandant",
                           "Die Mandantennummer ist nicht gefüllt."}},
                         kMaske) {}

void TFibuExporter_BMD::SchalterSetzen() {
  FAutomatikkonten = true;
  FNachDatumSortieren = true;
  FBMDZusatz = true;
}

std::string TFibuExporter_BMD::Get_Steuerschluessel(TQTX_FibuExport_Steuer ASteuer) {
  return Guard("Get_Steuerschluessel", [&] {
    return std::string(kSteuerschluessel.at(static_cast<std::size_t>(ASteuer)));
  });
}

bool TFibuExporter_BMD::EinstellungenVorhanden() {
  return Guard("EinstellungenVorhanden", [&] { return GrundeinstellungenVorhanden(); });
}

std::unique_ptr<IExportRegeln> TFibuExporter_BMD::Importregeln(TIntPair /*AMandant*/) const {
  return std::make_unique<TBmdRegeln>();
}

std::string TFibuExporter_BMD::Dateiname(const TMandantenEintrag& mandant,
                                         const TFibuExportFileInfo& AFileInfo) const {
  return Format("buerf_%s_%d_%d_%d.csv", "QTX", mandant.Zahl(CFeldMandant), AFileInfo.AbrJahr,
                AFileInfo.AbrNr);
}

bool TFibuExporter_BMD::Export_Fibu_Kopf(const TFibuExportFileInfo& AFileInfo) {
  return Guard("Export_Fibu_Kopf", [&] {
    const TMandantenEintrag& mandant = MandantDesLaufs(AFileInfo.Firma);
    DateiOeffnen(Dateiname(mandant, AFileInfo));
    FBuchdatum = Kontext().Jetzt();
    Datei().WriteLine(CKopfzeile);
    return true;
  });
}

void TFibuExporter_BMD::Buchung(const TFibuExportBuchInfo& ABuchInfo) {
  BaueBuchungszeile(FZeile, ABuchInfo, FBuchdatum);
  Datei().WriteLine(FZeile.Zeile());
}

}  // namespace bmd
