// The suite's client choice: the clients of the suite's client list, one chosen by
// double click or OK.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "suite/MandDialog.h"
#include "suite/servers/MandListeServer.h"

class QTableWidget;

class TMandDialogView final : public QDialog {
  Q_OBJECT

 public:
  TMandDialogView(std::vector<TMandListeEintrag> liste, QWidget* eltern = nullptr);

  // The chosen client once the dialog was confirmed with a row selected.
  std::optional<TMandListeEintrag> Auswahl() const;
  QTableWidget& Tabelle() { return *tabelle_; }

  void accept() override;

 private:
  std::vector<TMandListeEintrag> liste_;
  QTableWidget* tabelle_;
};

// The chooser the data module and the journal dialog use on the desktop.
std::shared_ptr<IMandantChooser> QtMandDialog();
