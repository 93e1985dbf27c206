// The selection dialog "Auswahl der Daten" over TfrmFiBuSelektion.
#pragma once

#include <QDialog>

#include "app/saldixselektion.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

class TSaldixSelektionView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixSelektionView(TfrmFiBuSelektion& logik, QWidget* parent = nullptr);

  // Shows the logic's values; called after every action.
  void Anzeigen();
  void showEvent(QShowEvent* event) override;

  QLineEdit* DatumVon() const { return datumVon_; }
  QLineEdit* DatumBis() const { return datumBis_; }
  QLineEdit* Jahr() const { return jahr_; }
  QComboBox* Monat() const { return monat_; }
  QCheckBox* Abgeschlossen() const { return abgeschlossen_; }

 private:
  void EingabenUebernehmen();
  void Schliessen();
  void KalenderWaehlen(QLineEdit* feld);

  TfrmFiBuSelektion& logik_;
  bool anzeigen_ = false;  // no feedback while the view fills its inputs
  QGroupBox* gruppeZeitraum_ = nullptr;
  QGroupBox* gruppeAbrNr_ = nullptr;
  QLineEdit* jahr_ = nullptr;
  QComboBox* monat_ = nullptr;
  QLineEdit* datumVon_ = nullptr;
  QLineEdit* datumBis_ = nullptr;
  QCheckBox* abgeschlossen_ = nullptr;
  QLineEdit* abrNr_ = nullptr;
  QLineEdit* abrJahr_ = nullptr;
};

// Shows the dialog modally; true when it closed with OK.
bool SelektionZeigen(QWidget* parent, TfrmFiBuSelektion& logik);
