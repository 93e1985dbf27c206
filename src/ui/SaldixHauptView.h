// The main menu window over TFrmHaupt: a vertical button menu in two sections, the current
// client with "Mandant wechseln", and "Beenden".
#pragma once

#include <QDialog>

#include "app/SaldixHaupt.h"

class QLabel;
class QPushButton;

class TSaldixHauptView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixHauptView(TFrmHaupt& logik, QWidget* parent = nullptr);

  // Shows the logic's captions; called after every button.
  void Anzeigen();

  QPushButton* Bearbeiten() const { return bearbeiten_; }
  QPushButton* Kasse() const { return kasse_; }
  QPushButton* Format() const { return format_; }
  QPushButton* Einstellungen() const { return einstellungen_; }
  QPushButton* MandantWechseln() const { return mandantWechseln_; }
  QLabel* Mandant() const { return mandant_; }
  QLabel* BearbeitenRechts() const { return bearbeitenRechts_; }

 private:
  QPushButton* MenuKnopf(const char* text, void (TFrmHaupt::*aktion)());

  TFrmHaupt& logik_;
  QPushButton* bearbeiten_ = nullptr;
  QPushButton* kasse_ = nullptr;
  QPushButton* format_ = nullptr;
  QPushButton* einstellungen_ = nullptr;
  QPushButton* mandantWechseln_ = nullptr;
  QLabel* mandant_ = nullptr;
  QLabel* bearbeitenRechts_ = nullptr;
};
