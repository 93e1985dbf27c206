#include "ui/QtFormStoreChooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "suite/Text.h"
#include "ui/ViewHilfen.h"

namespace {

QTableWidget* ProfilTabelle(const std::vector<TFormStoreEntry>& eintraege, QWidget* eltern) {
  auto* tabelle = new QTableWidget(static_cast<int>(eintraege.size()), 2, eltern);
  tabelle->setObjectName(QStringLiteral("lvProfile"));
  tabelle->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Bezeichnung")});
  for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile) {
    const auto& eintrag = eintraege[static_cast<std::size_t>(zeile)];
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    Abgleichen(Zelle(*tabelle, zeile, 0, flags), eintrag.userName);
    Abgleichen(Zelle(*tabelle, zeile, 1, flags), eintrag.userText);
  }
  AlsAuswahlliste(*tabelle);
  tabelle->setColumnWidth(0, 160);
  tabelle->setMinimumSize(420, 160);
  return tabelle;
}

std::optional<std::size_t> GewaehlteZeile(const QTableWidget& tabelle) {
  const auto markiert = tabelle.selectionModel()->selectedRows();
  if (markiert.isEmpty()) return std::nullopt;
  return static_cast<std::size_t>(markiert.front().row());
}

std::optional<std::size_t> Waehlen(const char* titel, const char* knopf,
                                   const std::vector<TFormStoreEntry>& eintraege) {
  TProfilListeDialog dialog(titel, knopf, eintraege, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Auswahl();
}

}  // namespace

TProfilListeDialog::TProfilListeDialog(const char* titel, const char* knopf,
                                       const std::vector<TFormStoreEntry>& eintraege,
                                       QWidget* eltern)
    : QDialog(eltern) {
  setWindowTitle(Qt_(titel));
  tabelle_ = ProfilTabelle(eintraege, this);
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, &TProfilListeDialog::accept);
  auto* layout = new QVBoxLayout(this);
  if (eintraege.empty()) {
    layout->addWidget(new QLabel(QStringLiteral("Es sind keine Profile gespeichert."), this));
  }
  layout->addWidget(tabelle_, 1);
  layout->addWidget(DialogKnoepfe(this, {knopf, "btnOK"}));
}

std::optional<std::size_t> TProfilListeDialog::Auswahl() const { return GewaehlteZeile(*tabelle_); }

void TProfilListeDialog::accept() {
  if (Auswahl()) QDialog::accept();
}

TProfilSpeichernDialog::TProfilSpeichernDialog(const std::vector<TFormStoreEntry>& eintraege,
                                               QWidget* eltern)
    : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Profil speichern"));
  tabelle_ = ProfilTabelle(eintraege, this);
  edtName_ = new QLineEdit(this);
  edtName_->setObjectName(QStringLiteral("edtName"));
  edtBezeichnung_ = new QLineEdit(this);
  edtBezeichnung_->setObjectName(QStringLiteral("edtBezeichnung"));
  connect(tabelle_, &QTableWidget::currentCellChanged, this, [this, eintraege](int zeile) {
    if (zeile < 0 || zeile >= static_cast<int>(eintraege.size())) return;
    edtName_->setText(Qt_(eintraege[static_cast<std::size_t>(zeile)].userName));
    edtBezeichnung_->setText(Qt_(eintraege[static_cast<std::size_t>(zeile)].userText));
  });

  auto* felder = new QFormLayout;
  felder->addRow(QStringLiteral("Name:"), edtName_);
  felder->addRow(QStringLiteral("Bezeichnung:"), edtBezeichnung_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Gespeicherte Profile:"), this));
  layout->addWidget(tabelle_, 1);
  layout->addLayout(felder);
  layout->addWidget(DialogKnoepfe(this, {"Speichern", "btnOK"}));
  edtName_->setFocus();
}

TFormStoreEntry TProfilSpeichernDialog::Eintrag() const {
  TFormStoreEntry eintrag;
  eintrag.userName = Std_(edtName_->text());
  eintrag.userText = Std_(edtBezeichnung_->text());
  return eintrag;
}

// A profile needs a name; without one the dialog stays open.
void TProfilSpeichernDialog::accept() {
  if (!Trim(Eintrag().userName).empty()) QDialog::accept();
}

std::optional<std::size_t> TQtFormStoreChooser::ChooseToRestore(
    const std::vector<TFormStoreEntry>& entries) {
  return Waehlen("Profil laden", "Laden", entries);
}

std::optional<std::size_t> TQtFormStoreChooser::ChooseToDelete(
    const std::vector<TFormStoreEntry>& entries) {
  return Waehlen("Profil löschen", "Löschen", entries);
}

std::optional<TFormStoreEntry> TQtFormStoreChooser::NameToStore(
    const std::vector<TFormStoreEntry>& entries) {
  TProfilSpeichernDialog dialog(entries, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Eintrag();
}
