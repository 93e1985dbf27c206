// The format choice "Auswahl Exportformat": one option per format of the catalogue,
// editing the chosen format's settings and making it the active format ("Buchen", F5).
#pragma once

#include <QDialog>
#include <vector>

#include "export/fibuexporter_wahlfrm.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

class TFibuExporterWahlView final : public QDialog {
  Q_OBJECT

 public:
  TFibuExporterWahlView(TfrmFibuExporter_wahl& logik, QWidget* eltern = nullptr);

  // Shows the logic's choice and what it enables.
  void Anzeigen();
  QRadioButton& Format(int zeile) { return *formate_.at(static_cast<std::size_t>(zeile)); }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Buchen();

  TfrmFibuExporter_wahl& logik_;
  std::vector<QRadioButton*> formate_;
  QButtonGroup* gruppe_;
  QPushButton* btnEinstellungen_;
};
