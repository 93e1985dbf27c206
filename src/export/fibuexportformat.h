// Logic of the profile choice "Auswahl Exportprofil": the active format's profiles that
// suit the current client; one is loaded without asking, several are offered.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/FibuExportKatalog.h"
#include "export/GuardedObject.h"

struct TExportProfilZeile {
  std::string Name;
  std::string Bezeichnung;
};

// Shows the rows modally, vorauswahl selected; the chosen row on "Weiter", nullopt on
// "Zurück".
class IProfilAuswahlDialog {
 public:
  virtual ~IProfilAuswahlDialog() = default;
  virtual std::optional<std::size_t> Zeigen(const std::vector<TExportProfilZeile>& zeilen,
                                            std::optional<std::size_t> vorauswahl) = 0;
};

class TfrmExportFormatWahl : public TGuardedObject {
 public:
  TfrmExportFormatWahl(IAktiverExporter& aktiv, IProfilAuswahlDialog* dialog)
      : aktiv_(aktiv), dialog_(dialog) {}

  std::string_view ClassName() const override { return "TfrmExportFormatWahl"; }
  static constexpr const char* Caption = "Auswahl Exportprofil";
  static constexpr const char* Header = "Auswahl des Exportprofils";

  // True when a profile was loaded into the active exporter.
  bool Execute();
  const std::vector<TExportProfilZeile>& Zeilen() const { return zeilen_; }

 private:
  void ZeilenFuellen();

  IAktiverExporter& aktiv_;
  IProfilAuswahlDialog* dialog_;
  std::vector<TExportProfilZeile> zeilen_;
};
