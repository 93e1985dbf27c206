// The booking list window: renders TSaldixBearbeiten and its export actions and forwards
// keys, clicks and inputs to them. While the list loads, the window reports progress and
// takes no input, so no action can run into a half-loaded list.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;
class QVBoxLayout;
class TBuchungsListeModell;
class TQtExportBestaetigung;
class TQtProblemAnzeige;
class TSaldixBearbeiten;
class TSaldixBearbExport;
class TSaldixSitzung;
struct TFilterAuswahl;

class TSaldixBearbView final : public QDialog {
  Q_OBJECT

 public:
  TSaldixBearbView(TSaldixBearbeiten& form, TSaldixBearbExport& exportAktionen,
                   QWidget* eltern = nullptr);
  ~TSaldixBearbView() override;

  // What tests press and read.
  QTreeView& Baum() { return *baum_; }
  TBuchungsListeModell& Modell() { return *modell_; }
  // The action with this caption (as in the menu); nullptr when there is none.
  QAction* Aktion(const QString& text) const;
  bool Beschaeftigt() const { return beschaeftigt_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  // What an action may change, and so what the window has to show anew.
  enum class TWirkung { Zustand, Markierung, Liste };
  class TSperre;

  void Anlegen();
  void AktionenAnlegen();
  void MenueAnlegen(QVBoxLayout& layout);
  QWidget* KopfAnlegen();
  QWidget* FilterAnlegen();
  QWidget* SuchleisteAnlegen();
  QWidget* FussAnlegen();
  QAction* NeueAktion(const char* text, const QKeySequence& taste, std::function<void()> aktion,
                      TWirkung wirkung);
  QComboBox* FilterAuswahl(TFilterAuswahl& auswahl, QLabel*& titel, bool herkunft);

  void Aktivieren();
  void Ausfuehren(const std::function<void()>& aktion, TWirkung wirkung);
  void Export(bool (TSaldixBearbExport::*aktion)());
  void ZustandAnzeigen();
  void FilterAnzeigen();
  void KasseAnzeigen();
  void AuswahlAnzeigen();
  void SpaltenbreitenAnpassen();
  // weiter: the next match after the selected row (F3).
  void Suchen(bool weiter = false);
  void Zoomen(int schritt);
  void FortschrittAnzeigen(std::size_t gelesen);

  TSaldixBearbeiten& form_;
  TSaldixBearbExport& export_;
  TBuchungsListeModell* modell_ = nullptr;
  // The check before an export lists its problems in a window over this one.
  std::unique_ptr<TQtProblemAnzeige> problemAnzeige_;
  std::unique_ptr<TQtExportBestaetigung> bestaetigung_;
  bool aktiviert_ = false;
  bool beschaeftigt_ = false;
  bool breitenGesetzt_ = false;
  // The totals view shows other columns and larger amounts: it is sized on its own.
  bool breitenFuerSummen_ = false;
  bool fortschrittGezeigt_ = false;

  std::vector<QAction*> aktionen_;
  QAction *acExport_ = nullptr, *acExportTest_ = nullptr, *acExportVersand_ = nullptr;
  QAction *acChangeView_ = nullptr, *acUmschaltenExport_ = nullptr,
          *acUmschaltenKeinExport_ = nullptr;
  std::vector<QAction*> aenderndeAktionen_;  // only where export is allowed

  QLabel* ueberschrift_ = nullptr;
  QRadioButton *rbAktuelleAbr_ = nullptr, *rbAbgeschlAbr_ = nullptr;
  QLabel* lblAbrechnung_ = nullptr;
  QPushButton *btnAbrNrAendern_ = nullptr, *btnNeuesteAbrNr_ = nullptr;
  QDateEdit *edtVon_ = nullptr, *edtBis_ = nullptr, *edtBuchungsmonat_ = nullptr;
  QLabel* lblBuchungsmonat_ = nullptr;
  QLabel *lblGruppe_ = nullptr, *lblFiliale_ = nullptr, *lblRechner_ = nullptr,
         *lblHerkunft_ = nullptr;
  QComboBox *cbGruppe_ = nullptr, *cbFiliale_ = nullptr, *cbRechner_ = nullptr,
            *cbHerkunft_ = nullptr;
  QCheckBox* chkMitPrimanota_ = nullptr;
  QLabel* lblUmschalten_ = nullptr;
  QLineEdit* edtSuchtext_ = nullptr;
  QTreeView* baum_ = nullptr;
  QDoubleSpinBox* edtAnfangssaldo_ = nullptr;
  QLabel *lblSummeBuchungen_ = nullptr, *lblEndsaldo_ = nullptr;
  QLabel* lblMarkiert_ = nullptr;
  QLabel* lblFortschritt_ = nullptr;
  QProgressBar* fortschritt_ = nullptr;
};

// Opens the booking list of the session as a modal window; the window's result.
int SaldixBearbeitenZeigen(QWidget* parent, TSaldixSitzung& sitzung);
