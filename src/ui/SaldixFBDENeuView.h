// The dialog "Neuer Buchungssatz" over TfrmSaldixFBDENeu: F2 in an account input searches,
// leaving it looks the number up, F5 writes, Esc cancels.
#pragma once

#include <QDialog>

#include "data/SaldixFBDENeu.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TSaldixFBDENeuView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixFBDENeuView(TfrmSaldixFBDENeu& logik, QWidget* eltern = nullptr);

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  void Anzeigen();
  void Uebernehmen();
  // Runs a step of the logic that may open the account search, with the inputs taken first
  // and shown after; focus changes meanwhile do not count as leaving an input.
  void Schritt(void (TfrmSaldixFBDENeu::*schritt)());
  void FokusSetzen();

  TfrmSaldixFBDENeu& logik_;
  bool imSchritt_ = false;
  QLineEdit *edtBetrag_, *edtKonto_, *edtKontoTxt_, *edtGegenkonto_, *edtGegenkontoTxt_,
      *edtDatum_, *edtBeleg1_, *edtBeleg2_, *edtBeschreibung_, *edtUstId_;
  QComboBox *cmbSollHaben_, *cmbSteuerschl_, *cmbRechner_, *cmbKost1_, *cmbKost2_;
};
