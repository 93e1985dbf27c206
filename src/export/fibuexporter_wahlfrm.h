// Logic of the format choice "Auswahl Exportformat": the catalogue's formats, editing
// a format's settings, and making a format the active one.
#pragma once

#include <string>
#include <vector>

#include "export/FibuExportKatalog.h"
#include "export/GuardedObject.h"

class TfrmFibuExporter_wahl : public TGuardedObject {
 public:
  TfrmFibuExporter_wahl(const TFibuExportKatalog& katalog, IAktiverExporter& aktiv);

  std::string_view ClassName() const override { return "TfrmFibuExporter_wahl"; }

  static constexpr const char* Caption = "Auswahl Exportformat";
  static constexpr const char* Header = "Auswahl des Exportformates";

  // "Verfügbare Formate": the names in catalogue order.
  std::vector<std::string> VerfuegbareFormate() const;
  // On showing: preselects the active format's row (-1 when none is active).
  void FormShow();
  int Auswahl() const { return auswahl_; }
  void AuswahlSetzen(int zeile);
  // "Einstellungen bearbeiten" is enabled exactly when the chosen row has an edit class.
  bool EinstellungenBearbeitenAktiv() const;

  // "Einstellungen bearbeiten": the chosen format's settings form on a temporary exporter.
  bool btnEinstellungenClick();
  // "Buchen" (F5): true when the form closes with OK.
  bool btnBuchenClick();

 private:
  const TFibuExportKatalog& katalog_;
  IAktiverExporter& aktiv_;
  int auswahl_ = -1;
};
