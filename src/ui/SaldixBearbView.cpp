#include "ui/SaldixBearbView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "app/SaldixBearb.h"
#include "app/SaldixBearbExport.h"
#include "app/SaldixSitzung.h"
#include "suite/MessagePresenter.h"
#include "ui/BuchungsListeModell.h"
#include "ui/ExportBestaetigungView.h"
#include "ui/ExportProblemeView.h"
#include "ui/ViewHilfen.h"

namespace {

QString Anzahl(std::size_t n) {
  return QLocale(QLocale::German).toString(static_cast<qulonglong>(n));
}

bool IstEingabe(QEvent::Type typ) {
  switch (typ) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

constexpr int kKleinsteSchrift = 6;
constexpr int kGroessteSchrift = 28;

}  // namespace

// While an action that may reload runs, the window takes no input; the pending events the
// loading lets through can then only paint (and report progress).
class TSaldixBearbView::TSperre {
 public:
  explicit TSperre(TSaldixBearbView& view) : view_(view) {
    view_.beschaeftigt_ = true;
    for (QAction* aktion : view_.aktionen_) aktion->setEnabled(false);
    qApp->installEventFilter(&view_);
  }
  ~TSperre() {
    if (view_.fortschrittGezeigt_) {
      view_.fortschrittGezeigt_ = false;
      QApplication::restoreOverrideCursor();
      view_.fortschritt_->hide();
      view_.lblFortschritt_->hide();
    }
    qApp->removeEventFilter(&view_);
    view_.beschaeftigt_ = false;
    for (QAction* aktion : view_.aktionen_) aktion->setEnabled(true);
  }
  TSperre(const TSperre&) = delete;
  TSperre& operator=(const TSperre&) = delete;

 private:
  TSaldixBearbView& view_;
};

TSaldixBearbView::TSaldixBearbView(TSaldixBearbeiten& form, TSaldixBearbExport& exportAktionen,
                                   QWidget* eltern)
    : QDialog(eltern), form_(form), export_(exportAktionen) {
  setObjectName(QStringLiteral("TSaldixBearbeiten"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  modell_ = new TBuchungsListeModell(form_, this);
  Anlegen();
  form_.LadeFortschritt = [this](std::size_t gelesen) { FortschrittAnzeigen(gelesen); };
  problemAnzeige_ = std::make_unique<TQtProblemAnzeige>(this, [this] { AuswahlAnzeigen(); });
  export_.SetProblemAnzeige(problemAnzeige_.get());
  bestaetigung_ = std::make_unique<TQtExportBestaetigung>(this);
  export_.SetBestaetigung(bestaetigung_.get());
  // Never larger than the screen it opens on (a 1366×768 laptop included).
  const QRect frei = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
  resize(std::min(1280, frei.width()), std::min(800, frei.height()));
}

TSaldixBearbView::~TSaldixBearbView() {
  export_.SetProblemAnzeige(nullptr);
  export_.SetBestaetigung(nullptr);
  form_.LadeFortschritt = nullptr;
  qApp->removeEventFilter(this);
}

void TSaldixBearbView::showEvent(QShowEvent* event) {
  form_.FormShow();
  ZustandAnzeigen();
  QDialog::showEvent(event);
  // The first activation may load a year of bookings: only after the window is on screen,
  // so that it can report progress.
  if (!aktiviert_) {
    aktiviert_ = true;
    QTimer::singleShot(0, this, [this] { Aktivieren(); });
  }
}

void TSaldixBearbView::Aktivieren() {
  Ausfuehren([this] { form_.FormActivate(); }, TWirkung::Liste);
  // The keys of the list (Insert, Space, arrows) work at once.
  baum_->setFocus();
}

void TSaldixBearbView::Ausfuehren(const std::function<void()>& aktion, TWirkung wirkung) {
  if (beschaeftigt_) return;
  if (wirkung == TWirkung::Liste) {
    TSperre sperre(*this);
    aktion();
    // Each step over a large list takes a moment; the window paints in between.
    modell_->Neu();
    QApplication::processEvents();
    if (!form_.Summenansicht() && modell_->HatGruppen()) baum_->expandAll();
    QApplication::processEvents();
    SpaltenbreitenAnpassen();
  } else {
    aktion();
    if (wirkung == TWirkung::Markierung) modell_->MarkierungenGeaendert();
  }
  ZustandAnzeigen();
  if (wirkung != TWirkung::Zustand) AuswahlAnzeigen();
}

void TSaldixBearbView::Export(bool (TSaldixBearbExport::*aktion)()) {
  const bool ok = (export_.*aktion)();
  // After a successful export the list closes as on cancel.
  if (ok && export_.ModalResult() == mrCancel) QTimer::singleShot(0, this, [this] { done(mrCancel); });
}

void TSaldixBearbView::ZustandAnzeigen() {
  setWindowTitle(Qt_(form_.Caption));
  Abgleichen(*ueberschrift_, form_.Ueberschrift);
  acExport_->setText(Qt_(form_.ExportMenuText.empty() ? std::string("Export")
                                                      : form_.ExportMenuText));
  acChangeView_->setText(Qt_(form_.ChangeViewCaption));
  if (!beschaeftigt_) {
    acUmschaltenExport_->setEnabled(form_.UmschaltenExportEnabled);
    acUmschaltenKeinExport_->setEnabled(form_.UmschaltenKeinExportEnabled);
    for (QAction* a : aenderndeAktionen_) a->setEnabled(form_.FExportErlaubt);
  }
  Abgleichen(*lblUmschalten_, form_.UmschaltText);
  Abgleichen(*lblAbrechnung_, form_.AbrechnungText);
  {
    const QSignalBlocker a(rbAktuelleAbr_), b(rbAbgeschlAbr_);
    rbAktuelleAbr_->setChecked(form_.OffeneAbrechnung);
    rbAbgeschlAbr_->setChecked(!form_.OffeneAbrechnung);
  }
  btnAbrNrAendern_->setEnabled(form_.OffeneAbrechnung);
  btnNeuesteAbrNr_->setEnabled(form_.OffeneAbrechnung);
  edtBis_->setEnabled(form_.OffeneAbrechnung);
  Abgleichen(*edtVon_, form_.DatumVon);
  Abgleichen(*edtBis_, form_.DatumBis);
  Abgleichen(*edtBuchungsmonat_, form_.Buchungsmonat);
  lblBuchungsmonat_->setVisible(form_.BuchungsmonatSichtbar);
  edtBuchungsmonat_->setVisible(form_.BuchungsmonatSichtbar);
  FilterAnzeigen();
  baum_->setEnabled(form_.ListeGueltig());
  KasseAnzeigen();
}

void TSaldixBearbView::FilterAnzeigen() {
  const auto zeigen = [](QComboBox& box, QLabel& titel, const TFilterAuswahl& auswahl) {
    Abgleichen(titel, auswahl.Titel);
    titel.setVisible(auswahl.Sichtbar);
    box.setVisible(auswahl.Sichtbar);
    const QSignalBlocker sperre(box);
    QStringList texte;
    for (const auto& eintrag : auswahl.Eintraege) texte << Qt_(eintrag);
    QStringList bisher;
    for (int i = 0; i < box.count(); ++i) bisher << box.itemText(i);
    if (bisher != texte) {
      box.clear();
      box.addItems(texte);
    }
    box.setCurrentIndex(static_cast<int>(auswahl.Index));
  };
  zeigen(*cbGruppe_, *lblGruppe_, form_.Filialgruppen());
  zeigen(*cbFiliale_, *lblFiliale_, form_.Filialen());
  zeigen(*cbRechner_, *lblRechner_, form_.Rechner());
  zeigen(*cbHerkunft_, *lblHerkunft_, form_.Herkuenfte());
  chkMitPrimanota_->setVisible(form_.MitPrimanotaSichtbar());
  const QSignalBlocker sperre(chkMitPrimanota_);
  chkMitPrimanota_->setChecked(form_.MitPrimanota());
}

void TSaldixBearbView::KasseAnzeigen() {
  Abgleichen(*lblSummeBuchungen_, BetragAlsAnzeige(form_.SummeBuchungen(), 2));
  Abgleichen(*lblEndsaldo_, BetragAlsAnzeige(form_.Endsaldo(), 2));
  lblMarkiert_->setText(Qt_(form_.MarkierungsText()));
}

void TSaldixBearbView::AuswahlAnzeigen() {
  const QModelIndex index = modell_->IndexZuZeile(form_.Auswahl());
  if (!index.isValid()) return;
  baum_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  baum_->scrollTo(index);
}

void TSaldixBearbView::SpaltenbreitenAnpassen() {
  if (modell_->rowCount() == 0) return;
  if (breitenGesetzt_ && breitenFuerSummen_ == form_.Summenansicht()) return;
  breitenGesetzt_ = true;
  breitenFuerSummen_ = form_.Summenansicht();
  baum_->header()->resizeSections(QHeaderView::ResizeToContents);
}

void TSaldixBearbView::Suchen(bool weiter) {
  const std::string text = Std_(edtSuchtext_->text());
  if (form_.Suchen(text, weiter)) AuswahlAnzeigen();
}

void TSaldixBearbView::Zoomen(int schritt) {
  QFont schrift = baum_->font();
  const int groesse = std::clamp(schrift.pointSize() + schritt, kKleinsteSchrift, kGroessteSchrift);
  if (groesse == schrift.pointSize()) return;
  schrift.setPointSize(groesse);
  baum_->setFont(schrift);
  baum_->header()->resizeSections(QHeaderView::ResizeToContents);
}

void TSaldixBearbView::FortschrittAnzeigen(std::size_t gelesen) {
  // Shown only once reading takes a moment; a question before the loading shows nothing.
  if (!beschaeftigt_) return;
  if (!fortschrittGezeigt_) {
    fortschrittGezeigt_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fortschritt_->show();
    lblFortschritt_->show();
  }
  lblFortschritt_->setText(Qt_("Buchungen eingelesen: ") + Anzahl(gelesen));
}

bool TSaldixBearbView::eventFilter(QObject* objekt, QEvent* event) {
  if (beschaeftigt_ && IstEingabe(event->type())) {
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (widget != nullptr && (widget == this || isAncestorOf(widget))) return true;
  }
  return QDialog::eventFilter(objekt, event);
}

void TSaldixBearbView::closeEvent(QCloseEvent* event) {
  if (beschaeftigt_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TSaldixBearbView::reject() {
  if (beschaeftigt_) return;
  done(mrCancel);
}

int SaldixBearbeitenZeigen(QWidget* parent, TSaldixSitzung& sitzung) {
  TSaldixBearbView view(sitzung.Liste(), sitzung.ExportAktionen(), parent);
  return view.exec();
}

