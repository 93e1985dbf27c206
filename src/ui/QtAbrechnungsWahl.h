// The settlement dialogs the booking list opens, as Qt windows: the settlement-number
// dialog and the journal of exported settlements.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/SaldixBearb.h"

class TSaldixDataModule;

class TQtAbrechnungsWahl final : public IAbrechnungsWahl {
 public:
  // The journal shows this module's settlements; the module exists only once the session
  // that holds this choice is built, so it is handed over afterwards.
  void SetDatenmodul(TSaldixDataModule* modul) { modul_ = modul; }
  // The dialogs open over this window; without one, over the active window.
  void SetEltern(QWidget* eltern) { eltern_ = eltern; }

  bool AbrechnungsNrEingeben(std::int32_t& abrNr, std::int32_t& abrJahr) override;
  // False without a data module: there is no journal to choose from.
  bool AbgeschlosseneWaehlen(TIntPair& firma, std::int32_t& abrNr, std::int32_t& abrJahr,
                             TDateTime& von, TDateTime& bis, bool* erneutAusgeben) override;

 private:
  QWidget* Eltern() const;

  TSaldixDataModule* modul_ = nullptr;
  QPointer<QWidget> eltern_;
};
