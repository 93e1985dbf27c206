// The window "Abstimmung Kassenberichte" over TSaldixAbstimmung: the selection, the three
// grouped lists on their pages, font size and refresh (F4).
#pragma once

#include <QDialog>
#include <functional>

#include "data/SaldixAbstimmung.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

class TSaldixAbstimmungView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixAbstimmungView(TSaldixAbstimmung& logik, QWidget* eltern = nullptr);

  QTreeWidget& Liste(int seite) { return *listen_[seite]; }
  QTabWidget& Seiten() { return *seiten_; }
  void Aktualisieren();
  // Printing of the shown list, when a report service is given.
  void SetDrucken(std::function<void(const TAbstimmungsListe&, const std::string& zeitraum)> d) {
    drucken_ = std::move(d);
  }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Anzeigen();
  void ListeAnzeigen(QTreeWidget& baum, const TAbstimmungsListe& liste);
  void SchriftAnzeigen();

  TSaldixAbstimmung& logik_;
  QLabel *lblMandant_, *lblSchrift_;
  QLineEdit *edtVon_, *edtBis_;
  QComboBox *cmbRechner_, *cmbFiliale_;
  QTabWidget* seiten_;
  QTreeWidget* listen_[3];
  std::function<void(const TAbstimmungsListe&, const std::string&)> drucken_;
};
