// The dialog "Saldix - Weitere Einstellungen" over TSaldixWeitereEinstellungen: eight pages,
// "Buchen" stores and closes, "Zurück" closes without storing.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/SaldixWeitereEinstellungen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

class TSaldixWeitereEinstellungenView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixWeitereEinstellungenView(TSaldixWeitereEinstellungen& logik, QWidget* eltern = nullptr);

  QTabWidget& Seiten() { return *seiten_; }
  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* SeiteAllgemein();
  QWidget* SeiteListe(QTreeWidget*& baum, std::vector<TSpaltenHaken>& liste, bool sortierung,
                      const char* ueberschrift);
  QWidget* SeiteAutomatik();
  QWidget* SeiteZusammenfassen();
  QWidget* SeiteKostenstellen();
  QWidget* SeiteKreditoren();
  QWidget* SeiteDebitoren();
  // Takes the widgets' values, runs a step of the logic and shows its values.
  void Schritt(const std::function<void()>& schritt);
  void Zeigen();
  void Uebernehmen();
  void ListeZeigen(QTreeWidget& baum, const std::vector<TSpaltenHaken>& liste, bool sortierung);
  void ListeUebernehmen(QTreeWidget& baum, std::vector<TSpaltenHaken>& liste, bool sortierung);
  void KontenZeigen(QTreeWidget& baum, const std::vector<TZusaKonto>& konten);

  TSaldixWeitereEinstellungen& logik_;
  bool zeigt_ = false;
  QLabel* ueberschrift_;
  QTabWidget* seiten_;
  QLineEdit* edtMaxZeilen_;
  QCheckBox *chkKontoMonatsweise_, *chkDirektEinlesen_;
  QTreeWidget *lstSpalten_, *lstSortierung_;
  QCheckBox* chkAutoKont_;
  QListWidget* lstAenderungen_;
  QLabel* lblAenderungen_;
  QLineEdit *edtAbDatum_, *edtSpeziellProzent_;
  std::vector<QLabel*> satzTitel_;
  QComboBox *cmbVoll_, *cmbReduziert_, *cmbSpeziell_, *cmbFruehererVoll_, *cmbFruehererReduziert_;
  QComboBox *cmbHerkunft_, *cmbProfil_;
  QLabel* lblProfil_;
  QCheckBox *chkKontoKombination_, *chkBeschreibung_, *chkNurListe_;
  QComboBox* cmbKriterien_;
  QRadioButton *rbNachName_, *rbNachNummer_, *rbAnhaengen_, *rbOhne_;
  QTreeWidget *lstKonten_, *lstGegenkonten_;
  QComboBox *cmbInhaltBeleg1_, *cmbInhaltBeleg2_, *cmbInhaltText_;
  QPushButton* btnLoeschen_;
  QPlainTextEdit* memKostenstellen_;
  QCheckBox* chkKreditoren_;
  QComboBox *cmbKreditorenArt_, *cmbDebitorenArt_, *cmbDebitorenWert_;
  QLineEdit *edtStellen_, *edtSchema_;
};
