#include "export/fibuexportformat.h"

#include "suite/QTXInfo.h"
#include "suite/Text.h"

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
    // The profile in use (the last one chosen) is offered first.
    std::optional<std::size_t> vorauswahl;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
      if (!aktiv->CfgUsername().empty() && qtx_strmatch(zeilen_[i].Name, aktiv->CfgUsername())) {
        vorauswahl = i;
      }
    }
    const auto gewaehlt = dialog_->Zeigen(zeilen_, vorauswahl);
    if (!gewaehlt || *gewaehlt >= zeilen_.size()) return false;
    return aktiv->Lade_Config(zeilen_[*gewaehlt].Name);
  });
}
