#include "ui/FibuExportFrmView.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "suite/MessagePresenter.h"
#include "ui/ViewHilfen.h"

QWidget* TLeererFormatTeil::ParameterSeite() { return new QWidget; }

TFibuExportFrmView::TFibuExportFrmView(TfrmFibuExport& form,
                                       std::unique_ptr<TFibuExportFormatTeil> teil,
                                       QWidget* eltern)
    : QDialog(eltern), form_(form), teil_(std::move(teil)) {
  seiten_ = new QStackedWidget(this);
  auto* seitenKnoepfe = new QVBoxLayout;
  auto seiteMitKnopf = [&](const std::string& name, const char* knopfText, const char* objekt,
                           const char* ueberschrift, QWidget* inhalt,
                           std::function<void()> klick) {
    auto* knopf = Knopf(knopfText, objekt, this);
    knopf->setCheckable(true);
    seitenKnoepfe->addWidget(knopf);
    SeiteHinzufuegen(name, SeiteMitUeberschrift(ueberschrift, inhalt), knopf);
    connect(knopf, &QPushButton::clicked, this,
            [this, knopf, klick = std::move(klick)] { Ausfuehren(knopf, klick); });
  };
  seiteMitKnopf(TfrmFibuExport::CSeiteParameter, "Parameter", "btnParameter",
                "Einstellungen für den Fibu-Export", teil_->ParameterSeite(),
                [this] { form_.btnParameterClick(); });
  seiteMitKnopf(TfrmFibuExport::CSeiteFilialen, "Filialen", "btnFilialen",
                "Die Daten welcher Filialen sollen exportiert werden?", FilialSeite(),
                [this] { form_.btnFilialenClick(); });
  seiteMitKnopf(TfrmFibuExport::CSeiteSpezKonten, "Spez. Konten", "btnSpezKonten",
                "Zuordnung spezieller Kontonummern", SpezKontenSeite(),
                [this] { form_.btnSpezKontenClick(); });
  for (auto& seite : teil_->EigeneSeiten()) {
    const std::string objekt = "btn" + seite.Name;
    seiteMitKnopf(seite.Name, seite.KnopfText, objekt.c_str(), seite.Ueberschrift, seite.Seite,
                  std::move(seite.KnopfKlick));
  }

  auto* btnSpeichern = Knopf("Speichern", "btnSpeichern", this, "Einstellungen als Profil speichern");
  auto* btnLaden = Knopf("Laden", "btnLaden", this, "Gespeichertes Profil laden");
  auto* btnLoeschen = Knopf("Löschen", "btnLoeschen", this, "Gespeichertes Profil löschen");
  connect(btnSpeichern, &QPushButton::clicked, this,
          [this, btnSpeichern] { Ausfuehren(btnSpeichern, [this] { form_.btnSpeichernClick(); }); });
  connect(btnLaden, &QPushButton::clicked, this,
          [this, btnLaden] { Ausfuehren(btnLaden, [this] { form_.btnLadenClick(); }); });
  connect(btnLoeschen, &QPushButton::clicked, this,
          [this, btnLoeschen] { Ausfuehren(btnLoeschen, [this] { form_.btnLoeschenClick(); }); });
  seitenKnoepfe->addSpacing(24);
  auto* profil = new QLabel(QStringLiteral("Profil:"), this);
  seitenKnoepfe->addWidget(profil);
  seitenKnoepfe->addWidget(btnSpeichern);
  seitenKnoepfe->addWidget(btnLaden);
  seitenKnoepfe->addWidget(btnLoeschen);
  seitenKnoepfe->addStretch();

  btnOK_ = Knopf("Weiter - F5", "btnOK", this);
  auto* btnZurueck = Knopf("Zurück", "btnZurueck", this, "Esc");
  connect(btnOK_, &QPushButton::clicked, this,
          [this] { Ausfuehren(btnOK_, [this] { form_.btnOKClick(); }); });
  connect(btnZurueck, &QPushButton::clicked, this, &TFibuExportFrmView::reject);
  auto* fuss = new QHBoxLayout;
  fuss->addStretch();
  fuss->addWidget(btnOK_);
  fuss->addWidget(btnZurueck);

  auto* mitte = new QHBoxLayout;
  mitte->addLayout(seitenKnoepfe);
  mitte->addWidget(seiten_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mitte, 1);
  layout->addLayout(fuss);
  resize(980, 620);
  Anzeigen();
}

// The part's signal connections end with it, before the widgets it bound are destroyed.
TFibuExportFrmView::~TFibuExportFrmView() { teil_.reset(); }

QWidget* TFibuExportFrmView::SeiteMitUeberschrift(const char* ueberschrift, QWidget* inhalt) {
  auto* seite = new QWidget(this);
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(Ueberschrift(ueberschrift, seite));
  layout->addWidget(inhalt, 1);
  return seite;
}

void TFibuExportFrmView::SeiteHinzufuegen(const std::string& name, QWidget* seite,
                                          QPushButton* knopf) {
  seitenIndex_[name] = seiten_->addWidget(seite);
  seitenKnoepfe_[name] = knopf;
}

QWidget* TFibuExportFrmView::FilialSeite() {
  auto* seite = new QWidget(this);
  // Exclusive in the logic; the view shows what it holds, also "none chosen".
  optAlleFilialen_ = new QRadioButton(QStringLiteral("Keine Einschränkungen (= alle Filialen)"), seite);
  optAlleFilialen_->setObjectName(QStringLiteral("optAlleFilialen"));
  optAlleFilialen_->setAutoExclusive(false);
  optSelektierteFilialen_ =
      new QRadioButton(QStringLiteral("Daten für die folgenden Filialen exportieren:"), seite);
  optSelektierteFilialen_->setObjectName(QStringLiteral("optSelektierteFilialen"));
  optSelektierteFilialen_->setAutoExclusive(false);
  connect(optAlleFilialen_, &QRadioButton::clicked, this, [this] {
    form_.SetFilialOption(TFilialOption::AlleFilialen);
    FilialenAnzeigen();
  });
  connect(optSelektierteFilialen_, &QRadioButton::clicked, this, [this] {
    form_.SetFilialOption(TFilialOption::SelektierteFilialen);
    FilialenAnzeigen();
  });

  lstFilialen_ = new QListWidget(seite);
  lstFilialen_->setObjectName(QStringLiteral("lstFilialen"));
  for (const auto& filiale : form_.FilialZeilen()) {
    auto* item = new QListWidgetItem(Qt_(filiale.Text), lstFilialen_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
  }
  connect(lstFilialen_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    form_.SetFilialeChecked(static_cast<std::size_t>(lstFilialen_->row(item)),
                            item->checkState() == Qt::Checked);
    FilialenAnzeigen();
  });
  btnAllesVerarbeiten_ = Knopf("alles verarbeiten", "btnAllesVerarbeiten", seite);
  btnUmkehren_ = Knopf("umkehren", "btnUmkehren", seite);
  connect(btnAllesVerarbeiten_, &QPushButton::clicked, this, [this] {
    form_.btnAllesVerarbeitenClick();
    FilialenAnzeigen();
  });
  connect(btnUmkehren_, &QPushButton::clicked, this, [this] {
    form_.btnUmkehrenClick();
    FilialenAnzeigen();
  });

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(btnAllesVerarbeiten_);
  knoepfe->addWidget(btnUmkehren_);
  knoepfe->addStretch();
  auto* layout = new QVBoxLayout(seite);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(optAlleFilialen_);
  layout->addWidget(optSelektierteFilialen_);
  layout->addWidget(lstFilialen_, 1);
  layout->addLayout(knoepfe);
  return seite;
}

QWidget* TFibuExportFrmView::SpezKontenSeite() {
  auto* seite = new QWidget(this);
  const QFont festbreit = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  edtSpezKonten_ = new QPlainTextEdit(seite);
  edtSpezKonten_->setObjectName(QStringLiteral("edtSpezKonten"));
  edtSpezKonten_->setFont(festbreit);
  edtSpezKonten_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(edtSpezKonten_, &QPlainTextEdit::textChanged, this,
          [this] { form_.SpezKontenEingabe(Std_(edtSpezKonten_->toPlainText())); });
  auto* hilfe = new QPlainTextEdit(Qt_(TfrmFibuExport::SpezKontenHilfe()), seite);
  hilfe->setObjectName(QStringLiteral("memSpezKontenHilfe"));
  hilfe->setReadOnly(true);
  hilfe->setFont(festbreit);
  // Prose wraps; a syntax line has no blank to wrap at and sets the least width.
  int breite = 0;
  for (const QString& zeile : hilfe->toPlainText().split(QChar('\n'))) {
    if (!zeile.trimmed().contains(QChar(' '))) {
      breite = std::max(breite, QFontMetrics(festbreit).horizontalAdvance(zeile));
    }
  }
  hilfe->setMinimumWidth(breite + 2 * hilfe->frameWidth() + 24);
  auto* layout = new QHBoxLayout(seite);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edtSpezKonten_, 1);
  layout->addWidget(hilfe, 1);
  return seite;
}

void TFibuExportFrmView::showEvent(QShowEvent* event) {
  form_.FormShow();
  Anzeigen();
  QDialog::showEvent(event);
}

void TFibuExportFrmView::Anzeigen() {
  setWindowTitle(Qt_(form_.Caption()));
  if (const auto seite = seitenIndex_.find(form_.AktiveSeite()); seite != seitenIndex_.end()) {
    seiten_->setCurrentIndex(seite->second);
  }
  for (auto& [name, knopf] : seitenKnoepfe_) Abgleichen(*knopf, name == SichtbareSeite());
  FilialenAnzeigen();
  Abgleichen(*edtSpezKonten_, form_.SpezKontenText());
  teil_->Anzeigen();
}

void TFibuExportFrmView::FilialenAnzeigen() {
  Abgleichen(*optAlleFilialen_, form_.FilialOption() == TFilialOption::AlleFilialen);
  Abgleichen(*optSelektierteFilialen_, form_.FilialOption() == TFilialOption::SelektierteFilialen);
  const bool aktiv = form_.FilialListeAktiv();
  lstFilialen_->setEnabled(aktiv);
  btnAllesVerarbeiten_->setEnabled(aktiv);
  btnUmkehren_->setEnabled(aktiv);
  const QSignalBlocker sperre(lstFilialen_);
  const auto& zeilen = form_.FilialZeilen();
  for (int zeile = 0; zeile < lstFilialen_->count(); ++zeile) {
    const bool checked = zeilen[static_cast<std::size_t>(zeile)].Checked;
    lstFilialen_->item(zeile)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
}

std::string TFibuExportFrmView::SichtbareSeite() const {
  for (const auto& [name, index] : seitenIndex_) {
    if (index == seiten_->currentIndex()) return name;
  }
  return {};
}

void TFibuExportFrmView::Ausfuehren(QWidget* ausloeser, const std::function<void()>& handler) {
  // Moving the focus ends an open cell editor, which hands its text to the logic.
  if (ausloeser) ausloeser->setFocus();
  handler();
  Anzeigen();
  if (form_.ModalResult() == mrOk) QDialog::accept();
  if (form_.ModalResult() == mrCancel) QDialog::reject();
}

void TFibuExportFrmView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F5) {
    Ausfuehren(btnOK_, [this] { form_.btnOKClick(); });
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFibuExportFrmView::reject() {
  form_.btnZurueckClick();
  QDialog::reject();
}
