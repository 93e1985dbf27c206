// The dialog "Bearbeitung der FiBu-Daten" over TfrmSaldixFBDEEdit: F5 writes, Esc cancels.
#pragma once

#include <QDialog>

#include "data/SaldixFBDEEdit.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Fills a combo box with the choice's entries and its selection.
void KostenstellenAnzeigen(QComboBox& box, const TKostenstellenWahl& wahl);

class TSaldixFBDEEditView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixFBDEEditView(TfrmSaldixFBDEEdit& logik, QWidget* eltern = nullptr);

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TfrmSaldixFBDEEdit& logik_;
  QLabel *lblKonten_, *lblBetrag_;
  QLineEdit *edtBeschreibung_, *edtUstId_, *edtZMZusatz_;
  QComboBox *cmbKost1_, *cmbKost2_;
  QPushButton* btnBuchen_;
};
