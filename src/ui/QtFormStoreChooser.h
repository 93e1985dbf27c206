// The form store's profile dialogs on the desktop: pick a stored profile to load or to
// delete, name a profile to save.
#pragma once

#include <QDialog>
#include <vector>

#include "suite/QTXFormStore.h"

class QLineEdit;
class QTableWidget;

// The stored profiles with name and description; one is chosen.
class TProfilListeDialog final : public QDialog {
  Q_OBJECT

 public:
  TProfilListeDialog(const char* titel, const char* knopf,
                     const std::vector<TFormStoreEntry>& eintraege, QWidget* eltern = nullptr);

  std::optional<std::size_t> Auswahl() const;
  QTableWidget& Tabelle() { return *tabelle_; }

  void accept() override;

 private:
  QTableWidget* tabelle_;
};

// Name and description of the profile to save; choosing a stored one takes its name.
class TProfilSpeichernDialog final : public QDialog {
  Q_OBJECT

 public:
  TProfilSpeichernDialog(const std::vector<TFormStoreEntry>& eintraege, QWidget* eltern = nullptr);

  TFormStoreEntry Eintrag() const;
  QLineEdit& EdtName() { return *edtName_; }
  QLineEdit& EdtBezeichnung() { return *edtBezeichnung_; }
  QTableWidget& Tabelle() { return *tabelle_; }

  void accept() override;

 private:
  QTableWidget* tabelle_;
  QLineEdit* edtName_;
  QLineEdit* edtBezeichnung_;
};

class TQtFormStoreChooser final : public IFormStoreChooser {
 public:
  std::optional<std::size_t> ChooseToRestore(const std::vector<TFormStoreEntry>& entries) override;
  std::optional<std::size_t> ChooseToDelete(const std::vector<TFormStoreEntry>& entries) override;
  std::optional<TFormStoreEntry> NameToStore(const std::vector<TFormStoreEntry>& entries) override;
};
