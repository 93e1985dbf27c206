// The Abacus part of the settings form: the client grid with the Abacus client number, the
// cost-centre range, the switches and the output choice; the pages "Steuer-Codes" and
// "Debitoren-Schnittstelle".
#pragma once

#include <functional>
#include <vector>

#include "formats/abacus/FibuExpAbacusFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace abacus {

class TFibuExpAbacusView final : public TFibuExportFormatTeil {
  Q_OBJECT

 public:
  enum TSpalte { spKurzNr, spMandant, spGepNr, spAbacusMandant, spAnzahl };

  explicit TFibuExpAbacusView(TfrmFibuExpAbacus& form);
  ~TFibuExpAbacusView() override;

  QWidget* ParameterSeite() override { return parameter_; }
  std::vector<TEigeneSeite> EigeneSeiten() override;
  void Anzeigen() override;

 private:
  // The output choice of one file kind: local directory or connection.
  struct TAusgabeWahl {
    QRadioButton* Lokal;
    QPushButton* Verzeichnis;
    QRadioButton* Ftp;
    QPushButton* Verbindung;
  };
  TAusgabeWahl AusgabeWahl(QWidget* seite, bool debi, const char* name);
  void AusgabeAnzeigen(const TAusgabeWahl& wahl, bool debi);
  QCheckBox* CheckBox(QWidget* seite, const char* name, const char* text, bool TfrmFibuExpAbacus::*wert);
  // A digits-only edit bound to a setter of the logic.
  QLineEdit* Zahlfeld(QWidget* seite, const char* name, int stellen,
                      std::function<bool(const std::string&)> setzen);
  QWidget* SteuerSeite();
  QWidget* DebitorenSeite();
  void MandantGeaendert(QTableWidgetItem* item);

  TfrmFibuExpAbacus& form_;
  QWidget* parameter_;
  QWidget* steuer_;
  QWidget* debitoren_;
  QTableWidget* mandanten_;
  QLineEdit* edtKostVon_;
  QLineEdit* edtKostBis_;
  QLineEdit* edtKundenVon_;
  QLineEdit* edtKundenBis_;
  std::vector<std::pair<QCheckBox*, bool TfrmFibuExpAbacus::*>> boxen_;
  std::vector<std::pair<QLineEdit*, TQTX_FibuExport_Steuer>> steuercodes_;
  TAusgabeWahl ausgabe_;
  TAusgabeWahl ausgabeDebi_;
  std::vector<QWidget*> debiElemente_;
};

// Registers the view of the Abacus export.
void AnsichtenRegistrieren(TFormatAnsichten& ansichten);

}  // namespace abacus
