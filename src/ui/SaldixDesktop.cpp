#include "ui/SaldixDesktop.h"

TSaldixDataModuleStart TSaldixDesktop::Start(std::shared_ptr<IMandantChooser> mandanten) {
  TSaldixDataModuleStart start;
  start.Interaktiv = true;
  start.MandDialog = std::move(mandanten);
  return start;
}

TSaldixDesktop::TSaldixDesktop(std::shared_ptr<IMandantChooser> mandanten)
    : mandanten_(mandanten),
      sitzung_(Start(mandanten), abrechnungsWahl_),
      fenster_(sitzung_, *mandanten_, profilDialog_),
      hauptDaten_(sitzung_.Daten()),
      selektionDaten_(sitzung_.Daten()),
      selektion_(selektionDaten_, abrechnungsWahl_),
      haupt_(hauptDaten_, fenster_, selektion_, sitzung_.Liste()) {
  abrechnungsWahl_.SetDatenmodul(&sitzung_.Modul());
  hauptmenue_ = std::make_unique<TSaldixHauptView>(haupt_);
  fenster_.SetEltern(hauptmenue_.get());
}
