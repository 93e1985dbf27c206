#include "ui/SaldixAuswahlFBEXView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ListenBericht.h"
#include "suite/MessagePresenter.h"
#include "suite/SuiteDatabase.h"
#include "ui/QtBerichtDruck.h"
#include "ui/ViewHilfen.h"

namespace {

// Columns 4 to 6 carry the key of the settlement and stay hidden.
constexpr int kSichtbareSpalten = 4;

QToolButton* MandantKnopf(const char* text, const char* name, const char* hinweis,
                          QWidget* eltern) {
  auto* knopf = new QToolButton(eltern);
  knopf->setText(Qt_(text));
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setToolTip(Qt_(hinweis));
  return knopf;
}

}  // namespace

TSaldixAuswahlFBEXView::TSaldixAuswahlFBEXView(TSaldixAuswFBEX& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setWindowTitle(Qt_(TSaldixAuswFBEX::Caption));

  lblMandant_ = new QLabel(this);
  lblMandant_->setObjectName(QStringLiteral("lblMandant"));
  lblMandant_->setMinimumWidth(220);
  auto* btnMandant = MandantKnopf("Mandant wählen …", "btnMandant",
                                  "anderen Mandanten einstellen", this);
  auto* btnMandantLoeschen = MandantKnopf("Alle Mandanten", "btnMandantLoeschen",
                                          "aktuellen Mandanten löschen", this);
  edtJahr_ = new QLineEdit(this);
  edtJahr_->setObjectName(QStringLiteral("edtJahr"));
  edtJahr_->setMaxLength(4);
  edtJahr_->setMaximumWidth(edtJahr_->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 16);
  edtJahr_->installEventFilter(this);

  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(QStringLiteral("Mandant:"), this));
  kopf->addWidget(lblMandant_, 1);
  kopf->addWidget(btnMandant);
  kopf->addWidget(btnMandantLoeschen);
  kopf->addSpacing(16);
  kopf->addWidget(new QLabel(QStringLiteral("Jahr:"), this));
  kopf->addWidget(edtJahr_);

  grdExports_ = new QTableWidget(0, TSaldixAuswFBEX::Spalten, this);
  grdExports_->setObjectName(QStringLiteral("grdExports"));
  QStringList kopfzeile;
  for (const auto& text : TSaldixAuswFBEX::Kopfzeile) kopfzeile << Qt_(text);
  grdExports_->setHorizontalHeaderLabels(kopfzeile);
  for (int spalte = kSichtbareSpalten; spalte < TSaldixAuswFBEX::Spalten; ++spalte) {
    grdExports_->setColumnHidden(spalte, true);
  }
  AlsAuswahlliste(*grdExports_);
  grdExports_->setColumnWidth(0, 260);
  grdExports_->setColumnWidth(1, 110);
  grdExports_->setColumnWidth(2, 100);
  grdExports_->setMinimumSize(600, 260);

  btnLoeschen_ = Knopf("&Löschen", "btnLoeschen", this,
                       "Der ausgewählte Export wird gelöscht, dh die Buchungssätze für den "
                       "erneuten Export freigegeben.");
  auto* btnCancel = Knopf("&Zurück", "btnCancel", this, "zurück");
  auto* btnOK = Knopf("OK", "btnOK", this, "Zum ausgewählten Export werden die Details angezeigt");
  btnOK->setDefault(true);
  lstVerlauf_ = new QListWidget(this);
  lstVerlauf_->setObjectName(QStringLiteral("lstVerlauf"));
  lstVerlauf_->setMaximumHeight(110);
  btnDateiAnzeigen_ = Knopf("&Datei anzeigen", "btnDateiAnzeigen", this,
                            "Die Exportdatei der ausgewählten Abrechnung anzeigen");
  btnOrdnerOeffnen_ = Knopf("&Ordner öffnen", "btnOrdnerOeffnen", this,
                            "Den Ordner der Exportdatei öffnen");
  btnErneutAusgeben_ = Knopf("&erneut ausgeben", "btnErneutAusgeben", this,
                             "Die ausgewählte Abrechnung laden und ihre Buchungen erneut "
                             "exportieren");
  auto* btnDrucken = Knopf("Dr&ucken", "btnDrucken", this, "Die Liste der Abrechnungen drucken");
  logik_.SetDateiAnzeige(&dateiAnzeige_);
  auto* fuss = new QHBoxLayout;
  fuss->addWidget(btnLoeschen_);
  fuss->addWidget(btnDateiAnzeigen_);
  fuss->addWidget(btnOrdnerOeffnen_);
  fuss->addWidget(btnDrucken);
  fuss->addStretch();
  fuss->addWidget(btnErneutAusgeben_);
  fuss->addWidget(btnCancel);
  fuss->addWidget(btnOK);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kopf);
  layout->addWidget(grdExports_, 1);
  layout->addWidget(new QLabel(QStringLiteral("Verlauf der Abrechnung:"), this));
  layout->addWidget(lstVerlauf_);
  layout->addLayout(fuss);

  connect(btnMandant, &QToolButton::clicked, this, [this] { Ausfuehren([&] { logik_.btnMandantClick(); }); });
  connect(btnMandantLoeschen, &QToolButton::clicked, this,
          [this] { Ausfuehren([&] { logik_.btnMandantLoeschenClick(); }); });
  connect(edtJahr_, &QLineEdit::editingFinished, this, &TSaldixAuswahlFBEXView::JahrVerlassen);
  connect(grdExports_, &QTableWidget::currentCellChanged, this,
          [this](int zeile) {
            logik_.Row = zeile;
            VerlaufAnzeigen();
          });
  connect(btnDateiAnzeigen_, &QPushButton::clicked, this,
          [this] { Ausfuehren([&] { logik_.btnDateiAnzeigenClick(); }); });
  connect(btnOrdnerOeffnen_, &QPushButton::clicked, this,
          [this] { Ausfuehren([&] { logik_.btnOrdnerOeffnenClick(); }); });
  connect(btnErneutAusgeben_, &QPushButton::clicked, this,
          [this] { Ausfuehren([&] { logik_.btnErneutAusgebenClick(); }); });
  connect(btnDrucken, &QPushButton::clicked, this,
          [this] { BerichtVorschau(JournalBericht(logik_), this); });
  connect(grdExports_, &QTableWidget::cellDoubleClicked, this,
          [this] { Ausfuehren([&] { logik_.grdExportsDblClick(); }); });
  connect(btnLoeschen_, &QPushButton::clicked, this, [this] { Ausfuehren([&] { logik_.btnLoeschenClick(); }); });
  connect(btnCancel, &QPushButton::clicked, this, &TSaldixAuswahlFBEXView::reject);
  connect(btnOK, &QPushButton::clicked, this, &TSaldixAuswahlFBEXView::accept);
  resize(720, 520);
}

void TSaldixAuswahlFBEXView::VerlaufAnzeigen() {
  lstVerlauf_->clear();
  for (const auto& zeile : logik_.Verlauf()) lstVerlauf_->addItem(Qt_(zeile));
  const bool dateien = !logik_.Dateien().empty();
  btnDateiAnzeigen_->setEnabled(dateien);
  btnOrdnerOeffnen_->setEnabled(dateien);
}

template <typename Handler>
void TSaldixAuswahlFBEXView::Ausfuehren(Handler&& handler) {
  {
    const TWarteCursor warten;
    handler();
  }
  Anzeigen();
  if (!isVisible()) return;  // a focus change while closing
  if (logik_.ModalResult() == mrOk) QDialog::accept();
  if (logik_.ModalResult() == mrCancel) QDialog::reject();
}

void TSaldixAuswahlFBEXView::showEvent(QShowEvent* event) {
  {
    const TWarteCursor warten;
    logik_.FormShow();
  }
  Anzeigen();
  grdExports_->setFocus();
  QDialog::showEvent(event);
}

void TSaldixAuswahlFBEXView::Anzeigen() {
  lblMandant_->setText(Qt_(logik_.lblMandant));
  Abgleichen(*edtJahr_, logik_.edtJahr);
  btnLoeschen_->setVisible(logik_.btnLoeschenVisible);
  btnLoeschen_->setEnabled(logik_.btnLoeschenEnabled);
  btnErneutAusgeben_->setVisible(logik_.btnErneutAusgebenVisible);

  const QSignalBlocker sperre(grdExports_);
  const auto& zeilen = logik_.grdExports();
  grdExports_->setRowCount(static_cast<int>(zeilen.size()));
  for (int zeile = 0; zeile < grdExports_->rowCount(); ++zeile) {
    for (int spalte = 0; spalte < TSaldixAuswFBEX::Spalten; ++spalte) {
      Abgleichen(Zelle(*grdExports_, zeile, spalte, Qt::ItemIsEnabled | Qt::ItemIsSelectable),
                 zeilen[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)]);
    }
  }
  if (logik_.Row >= 0 && logik_.Row < grdExports_->rowCount()) {
    grdExports_->setCurrentCell(logik_.Row, 0);
  } else {
    grdExports_->clearSelection();
  }
  VerlaufAnzeigen();
}

void TSaldixAuswahlFBEXView::JahrVerlassen() {
  logik_.edtJahr = Std_(edtJahr_->text());
  Ausfuehren([&] { logik_.edtJahrExit(); });
}

// Enter in the year input takes the year; it must not also confirm the selected row.
bool TSaldixAuswahlFBEXView::eventFilter(QObject* objekt, QEvent* event) {
  if (objekt == edtJahr_ && event->type() == QEvent::KeyPress) {
    const int taste = static_cast<QKeyEvent*>(event)->key();
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
      JahrVerlassen();
      return true;
    }
  }
  return QDialog::eventFilter(objekt, event);
}

void TSaldixAuswahlFBEXView::accept() { Ausfuehren([&] { logik_.btnOKClick(); }); }

void TSaldixAuswahlFBEXView::reject() { Ausfuehren([&] { logik_.btnCancelClick(); }); }

bool AbgeschlosseneAbrechnungDialog(QWidget* parent, TSaldixDataModule& modul, TIntPair& firma,
                                    int& nr, int& jahr, TDateTime& von, TDateTime& bis,
                                    bool* erneutAusgeben) {
  TAuswFBEXDatenmodul daten(modul);
  TSaldixAuswFBEX logik(daten, SuiteDatabase::Get());
  logik.SetErneutAusgebenAngeboten(erneutAusgeben != nullptr);
  TSaldixAuswahlFBEXView view(logik, parent);
  if (view.exec() != QDialog::Accepted || logik.ModalResult() != mrOk) return false;
  firma = logik.Firma();
  nr = logik.AbrNr();
  jahr = logik.AbrJahr();
  von = logik.DatumVon();
  bis = logik.DatumBis();
  if (erneutAusgeben) *erneutAusgeben = logik.ErneutAusgeben();
  return true;
}
