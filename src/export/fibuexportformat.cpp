#include "export/fibuexportformat.h"

#include "suite/QTXInfo.h"
#include "suite/SimpleMask.h"
#include "suite/Text.h"

namespace {

// The profile chosen last for a client and format, kept in the suite so that the next
// start offers it first.
constexpr const char* kLetztesProfil = "LETZTESPROFIL";

TSimpleMask ProfilGedaechtnis() { return TSimpleMask("SALDIX", "FIBUEXPO"); }

std::string ProfilIndex(const IAktiverExporter& aktiv) {
  return qtx_TIntPair2String(aktiv.AktMandant()) + "/" + aktiv.AktExporterKennung();
}

}  // namespace

void TfrmExportFormatWahl::ZeilenFuellen() {
  zeilen_.clear();
  const TFibuExpRegInfo* row = aktiv_.AktExporterRegInfo();
  if (!row) return;
  auto probe = row->TypKlasse();
  probe->Init();
  TStringList namen, bezeichnungen, indizes;
  probe->Get_Profile(namen, bezeichnungen, indizes);
  for (std::size_t i = 0; i < namen.size(); ++i) {
    if (!probe->Lade_Config(namen[i])) continue;
    if (probe->Profil_Geeignet(aktiv_.AktMandant())) {
      zeilen_.push_back({namen[i], i < bezeichnungen.size() ? bezeichnungen[i] : std::string()});
    }
  }
  probe->Done();
}

bool TfrmExportFormatWahl::Execute() {
  return Guard("Execute", [&] {
    ZeilenFuellen();
    TFibuExporter* aktiv = aktiv_.AktExporter();
    if (zeilen_.empty() || !aktiv) {
      QTXInfo().QTXHinweisBox("Bitte legen Sie für die aktuelle Firma ein Exportprofil an.");
      return false;
    }
    if (zeilen_.size() == 1) return aktiv->Lade_Config(zeilen_.front().Name);
    if (!dialog_) return false;
    // The profile in use is offered first, else the one chosen last for this client.
    const std::string letztes = !aktiv->CfgUsername().empty()
                                    ? aktiv->CfgUsername()
                                    : ProfilGedaechtnis().ReadByIndexDef(ProfilIndex(aktiv_),
                                                                         kLetztesProfil, "");
    std::optional<std::size_t> vorauswahl;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
      if (!letztes.empty() && qtx_strmatch(zeilen_[i].Name, letztes)) vorauswahl = i;
    }
    const auto gewaehlt = dialog_->Zeigen(zeilen_, vorauswahl);
    if (!gewaehlt || *gewaehlt >= zeilen_.size()) return false;
    if (!aktiv->Lade_Config(zeilen_[*gewaehlt].Name)) return false;
    ProfilGedaechtnis().WriteByIndex(ProfilIndex(aktiv_), kLetztesProfil, zeilen_[*gewaehlt].Name);
    return true;
  });
}
