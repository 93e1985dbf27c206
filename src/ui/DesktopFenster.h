// The windows the main menu and the booking list open, as the desktop shows them.
#pragma once

#include <QWidget>
#include <memory>

#include "app/SaldixHaupt.h"
#include "app/SaldixSitzung.h"
#include "data/AbstimmungDaten.h"
#include "export/fibuexportformat.h"
#include "ui/QtBerichtDruck.h"
#include "ui/QtBuchungsDialoge.h"

class TDesktopFenster final : public IHauptFenster {
 public:

  TDesktopFenster(TSaldixSitzung& sitzung, IMandantChooser& mandanten,
                  IProfilAuswahlDialog& profile)
      : sitzung_(sitzung),
        mandanten_(mandanten),
        profile_(profile),
        buchungsDialoge_(sitzung.Modul()),
        listenDruck_([&sitzung] { return sitzung.Modul().AktTextMandant; }),
        abstimmungDaten_(sitzung.Modul()),
        abstimmung_(abstimmungDaten_) {
    sitzung_.Liste().SetBuchungsDialoge(&buchungsDialoge_);
    sitzung_.Liste().SetListenDruck(&listenDruck_);
  }
  ~TDesktopFenster() override {
    sitzung_.Liste().SetBuchungsDialoge(nullptr);
    sitzung_.Liste().SetListenDruck(nullptr);
  }
  TDesktopFenster(const TDesktopFenster&) = delete;
  TDesktopFenster& operator=(const TDesktopFenster&) = delete;
  // The main menu window, parent of every window opened from it.
  void SetEltern(QWidget* eltern) { eltern_ = eltern; }

  bool MandantWaehlen(TIntPair& mandant, std::string& name) override;
  bool ProfilWahl() override;
  bool Selektion(TfrmFiBuSelektion& selektion) override;
  void Buchungsliste() override;
  bool FormatWahl() override;
  void Kassenabstimmung() override;
  void WeitereEinstellungen() override;

 private:
  TSaldixSitzung& sitzung_;
  IMandantChooser& mandanten_;
  IProfilAuswahlDialog& profile_;
  QWidget* eltern_ = nullptr;
  TQtBuchungsDialoge buchungsDialoge_;
  TQtListenDruck listenDruck_;
  // The reconciliation keeps its selection and font size between openings.
  TAbstimmungDaten abstimmungDaten_;
  TSaldixAbstimmung abstimmung_;
};
