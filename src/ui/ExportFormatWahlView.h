// The profile choice "Auswahl Exportprofil": the suitable profiles of the active format,
// one chosen with "Weiter" (Enter) or a double click, "Zurück" (Esc) cancels.
#pragma once

#include <QDialog>

#include "export/fibuexportformat.h"

class QTableWidget;

class TExportFormatWahlView final : public QDialog, public IProfilAuswahlDialog {
  Q_OBJECT

 public:
  explicit TExportFormatWahlView(QWidget* eltern = nullptr);

  // Shows the rows modally; the chosen row, nullopt when cancelled.
  std::optional<std::size_t> Zeigen(const std::vector<TExportProfilZeile>& zeilen,
                                    std::optional<std::size_t> vorauswahl) override;

  void Fuellen(const std::vector<TExportProfilZeile>& zeilen);
  // The row chosen when the dialog was confirmed.
  std::optional<std::size_t> Auswahl() const;
  QTableWidget& Tabelle() { return *tabelle_; }

  void accept() override;

 private:
  QTableWidget* tabelle_;
};
