// The windows the main menu and the booking list open, as the desktop shows them.
#pragma once

#include <QWidget>

#include "app/SaldixHaupt.h"
#include "app/SaldixSitzung.h"
#include "export/fibuexportformat.h"

class TDesktopFenster final : public IHauptFenster {
 public:
  static constexpr const char* CKasseFehlt =
      "Die Abstimmung der Kassenberichte ist in dieser Version von Saldix nicht enthalten.";
  static constexpr const char* CEinstellungenFehlen =
      "Die weiteren Einstellungen sind in dieser Version von Saldix nicht enthalten.";

  TDesktopFenster(TSaldixSitzung& sitzung, IMandantChooser& mandanten,
                  IProfilAuswahlDialog& profile)
      : sitzung_(sitzung), mandanten_(mandanten), profile_(profile) {}
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
};
