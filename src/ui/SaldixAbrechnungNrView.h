// The dialog in which the person changes settlement number and year ("12 / 2024").
#pragma once

#include <QDialog>

#include "data/SaldixAbrechnungNr.h"

class QLineEdit;

class TSaldixAbrechnungNrView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixAbrechnungNrView(TSaldixAbrechnungsNr& logik, QWidget* eltern = nullptr);

  QLineEdit& EdtAbrNrLfd() { return *edtAbrNrLfd_; }
  QLineEdit& EdtAbrNrJahr() { return *edtAbrNrJahr_; }

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TSaldixAbrechnungsNr& logik_;
  QLineEdit* edtAbrNrLfd_;
  QLineEdit* edtAbrNrJahr_;
};

// Shows the dialog with nr and jahr; true and the new values when the person confirmed
// valid ones, false (both unchanged) when cancelled.
bool AbrechnungsNrDialog(QWidget* parent, int& nr, int& jahr);
