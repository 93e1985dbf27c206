// The dialog in which the person picks a completed settlement from the export journal,
// or deletes one so that its bookings can be exported again.
#pragma once

#include <QDialog>

#include "data/SaldixAuswahlFBEX.h"
#include "ui/ExportBestaetigungView.h"

class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TSaldixDataModule;

class TSaldixAuswahlFBEXView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixAuswahlFBEXView(TSaldixAuswFBEX& logik, QWidget* eltern = nullptr);

  // Shows the logic's client, year, rows and selection.
  void Anzeigen();

  QTableWidget& GrdExports() { return *grdExports_; }
  QLineEdit& EdtJahr() { return *edtJahr_; }
  QListWidget& LstVerlauf() { return *lstVerlauf_; }

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  // Runs a handler of the logic, then shows its state and closes when it closed.
  template <typename Handler>
  void Ausfuehren(Handler&& handler);
  void JahrVerlassen();
  // The history and the file buttons of the selected settlement.
  void VerlaufAnzeigen();

  TSaldixAuswFBEX& logik_;
  QLabel* lblMandant_;
  QLineEdit* edtJahr_;
  QTableWidget* grdExports_;
  QPushButton* btnLoeschen_;
  QListWidget* lstVerlauf_;
  QPushButton* btnDateiAnzeigen_;
  QPushButton* btnOrdnerOeffnen_;
  QPushButton* btnErneutAusgeben_;
  TQtDateiAnzeige dateiAnzeige_;
};

// Shows the journal of the module's current client; true with the chosen settlement
// (the module's current client then is its client), false when cancelled.
bool AbgeschlosseneAbrechnungDialog(QWidget* parent, TSaldixDataModule& modul, TIntPair& firma,
                                    int& nr, int& jahr, TDateTime& von, TDateTime& bis,
                                    bool* erneutAusgeben = nullptr);
