// The desktop program's windows bound to one session: created once the application object
// exists, after the start checks; the client is chosen while the data module starts.
#pragma once

#include <memory>

#include "app/SaldixAnbindung.h"
#include "app/SaldixHaupt.h"
#include "app/SaldixSitzung.h"
#include "suite/MandDialog.h"
#include "ui/DesktopFenster.h"
#include "ui/ExportFormatWahlView.h"
#include "ui/QtAbrechnungsWahl.h"
#include "ui/SaldixHauptView.h"

class TSaldixDesktop {
 public:
  explicit TSaldixDesktop(std::shared_ptr<IMandantChooser> mandanten);

  // The person cancelled the client choice: there is no menu to show.
  bool Beendet() { return sitzung_.Modul().Beendet(); }
  TSaldixSitzung& Sitzung() { return sitzung_; }
  TSaldixHauptView& Hauptmenue() { return *hauptmenue_; }

 private:
  static TSaldixDataModuleStart Start(std::shared_ptr<IMandantChooser> mandanten);

  std::shared_ptr<IMandantChooser> mandanten_;
  TQtAbrechnungsWahl abrechnungsWahl_;
  TSaldixSitzung sitzung_;
  TExportFormatWahlView profilDialog_;
  TDesktopFenster fenster_;
  THauptAnbindung hauptDaten_;
  TSelektionAnbindung selektionDaten_;
  TfrmFiBuSelektion selektion_;
  TFrmHaupt haupt_;
  std::unique_ptr<TSaldixHauptView> hauptmenue_;
};
