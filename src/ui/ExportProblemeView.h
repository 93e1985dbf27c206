// The problem list before an export: renders TfrmExportProbleme; selecting a line selects
// its row in the booking list, which the booking window then shows.
#pragma once

#include <QDialog>
#include <functional>

#include "app/SaldixExportPruefung.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TfrmExportProbleme;

class TExportProblemeView final : public QDialog {
  Q_OBJECT

 public:
  // nachAuswahl: called after a line selected its booking row.
  TExportProblemeView(TfrmExportProbleme& form, std::function<void()> nachAuswahl,
                      QWidget* eltern = nullptr);

  QTableWidget& Tabelle() { return *tabelle_; }
  QPushButton& Trotzdem() { return *trotzdem_; }

 private:
  TfrmExportProbleme& form_;
  std::function<void()> nachAuswahl_;
  QTableWidget* tabelle_ = nullptr;
  QPushButton* trotzdem_ = nullptr;
};

// The desktop's problem display: the list as a modal window over the booking window.
class TQtProblemAnzeige final : public IProblemAnzeige {
 public:
  TQtProblemAnzeige(QWidget* eltern, std::function<void()> nachAuswahl)
      : eltern_(eltern), nachAuswahl_(std::move(nachAuswahl)) {}
  bool Zeigen(const TExportProblemListe& probleme, IExportListe& liste) override;

 private:
  QWidget* eltern_;
  std::function<void()> nachAuswahl_;
};
