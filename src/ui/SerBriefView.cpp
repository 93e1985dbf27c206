#include "ui/SerBriefView.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "suite/Files.h"
#include "ui/ViewHilfen.h"

namespace {

enum TSpalte { spKey, spUeberschrift, spBreite };

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setAutoDefault(false);
  return knopf;
}

QComboBox* Auswahl(QWidget* eltern, const char* name, const QStringList& eintraege) {
  auto* box = new QComboBox(eltern);
  box->setObjectName(QString::fromLatin1(name));
  box->addItems(eintraege);
  return box;
}

// "Beschreibung|*.ext|Alle|*.*" as Qt writes a filter: "Beschreibung (*.ext);;Alle (*.*)".
QString QtFilter(const std::string& filter) {
  const QStringList teile = Qt_(filter).split(QChar('|'));
  QStringList filter_;
  for (int i = 0; i + 1 < teile.size(); i += 2) filter_ << teile[i] + " (" + teile[i + 1] + ")";
  return filter_.join(QStringLiteral(";;"));
}

}  // namespace

TSerBriefView::TSerBriefView(TfrmSerBrief& form, QWidget* eltern) : QDialog(eltern), form_(form) {
  setWindowTitle(Qt_(form_.Caption));
  setObjectName(QStringLiteral("frmSerBrief"));

  verfuegbar_ = new QListWidget(this);
  verfuegbar_->setObjectName(QStringLiteral("lstVerfuegbar"));
  verfuegbar_->setMinimumWidth(260);
  for (const auto& spalte : form_.Katalog()) {
    verfuegbar_->addItem(Qt_(spalte.Beschreibung) + " (" + Qt_(spalte.Key) + ")");
  }
  gewaehlt_ = new QTableWidget(0, 3, this);
  gewaehlt_->setObjectName(QStringLiteral("grdSpalten"));
  gewaehlt_->setHorizontalHeaderLabels({QStringLiteral("Spalte"), QStringLiteral("Überschrift"),
                                        QStringLiteral("Breite")});
  gewaehlt_->horizontalHeader()->setSectionResizeMode(spUeberschrift, QHeaderView::Stretch);
  gewaehlt_->setSelectionBehavior(QAbstractItemView::SelectRows);
  gewaehlt_->setSelectionMode(QAbstractItemView::SingleSelection);
  gewaehlt_->verticalHeader()->hide();

  auto* btnHinzu = Knopf(this, "btnHinzufuegen", QStringLiteral("Hinzufügen →"));
  auto* btnEntfernen = Knopf(this, "btnEntfernen", QStringLiteral("← Entfernen"));
  auto* btnHoch = Knopf(this, "btnHoch", QStringLiteral("Nach oben"));
  auto* btnRunter = Knopf(this, "btnRunter", QStringLiteral("Nach unten"));
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addStretch();
  for (auto* k : {btnHinzu, btnEntfernen, btnHoch, btnRunter}) knoepfe->addWidget(k);
  knoepfe->addStretch();

  cmbTrenner_ = Auswahl(this, "cmbTrenner", {QStringLiteral("Semikolon (;)"), QStringLiteral("Komma (,)"),
                                              QStringLiteral("Tabulator"), QStringLiteral("Feste Breite")});
  cmbAnfuehrung_ = Auswahl(this, "cmbAnfuehrung", {QStringLiteral("bei Bedarf"),
                                                    QStringLiteral("alle Texte"), QStringLiteral("keine")});
  cmbDezimal_ = Auswahl(this, "cmbDezimal", {QStringLiteral(","), QStringLiteral(".")});
  edtDatum_ = new QLineEdit(this);
  edtDatum_->setObjectName(QStringLiteral("edtDatum"));
  edtDatum_->setToolTip(QStringLiteral("z. B. dd.mm.yyyy, yyyy-mm-dd, ddmmyy"));
  chkKopfzeile_ = new QCheckBox(QStringLiteral("Kopfzeile mit den Überschriften"), this);
  chkKopfzeile_->setObjectName(QStringLiteral("chkKopfzeile"));
  cmbZeilenende_ = Auswahl(this, "cmbZeilenende", {QStringLiteral("CR LF (Windows)"), QStringLiteral("LF")});
  cmbKodierung_ = Auswahl(this, "cmbKodierung", {QStringLiteral("Windows-1252 (ANSI)"), QStringLiteral("UTF-8")});
  auto* optionen = new QFormLayout;
  optionen->addRow(QStringLiteral("Feldtrenner:"), cmbTrenner_);
  optionen->addRow(QStringLiteral("Anführungszeichen:"), cmbAnfuehrung_);
  optionen->addRow(QStringLiteral("Dezimaltrenner:"), cmbDezimal_);
  optionen->addRow(QStringLiteral("Datumsformat:"), edtDatum_);
  optionen->addRow(QString(), chkKopfzeile_);
  optionen->addRow(QStringLiteral("Zeilenende:"), cmbZeilenende_);
  optionen->addRow(QStringLiteral("Zeichensatz:"), cmbKodierung_);

  cmbLayouts_ = new QComboBox(this);
  cmbLayouts_->setObjectName(QStringLiteral("cmbLayouts"));
  auto* btnLaden = Knopf(this, "btnLayoutLaden", QStringLiteral("Laden"));
  auto* btnLayoutSpeichern = Knopf(this, "btnLayoutSpeichern", QStringLiteral("Speichern unter …"));
  auto* btnLoeschen = Knopf(this, "btnLayoutLoeschen", QStringLiteral("Löschen"));
  auto* layouts = new QHBoxLayout;
  layouts->addWidget(new QLabel(QStringLiteral("Layout:"), this));
  layouts->addWidget(cmbLayouts_, 1);
  layouts->addWidget(btnLaden);
  layouts->addWidget(btnLayoutSpeichern);
  layouts->addWidget(btnLoeschen);

  vorschau_ = new QPlainTextEdit(this);
  vorschau_->setObjectName(QStringLiteral("txtVorschau"));
  vorschau_->setReadOnly(true);
  vorschau_->setLineWrapMode(QPlainTextEdit::NoWrap);
  vorschau_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  vorschau_->setMinimumHeight(120);

  // Opened for the layout alone there is no file to write: the layout is kept instead.
  auto* btnSchreiben = Knopf(this, "btnSchreiben", form_.NurLayout() ? QStringLiteral("Übernehmen - F5")
                                                                     : QStringLiteral("Speichern - F5"));
  btnSchreiben->setShortcut(QKeySequence(Qt::Key_F5));
  auto* btnAbbrechen = Knopf(this, "btnAbbrechen", QStringLiteral("Abbrechen"));
  auto* unten = new QHBoxLayout;
  unten->addStretch();
  unten->addWidget(btnSchreiben);
  unten->addWidget(btnAbbrechen);

  auto* spalten = new QGridLayout;
  spalten->addWidget(new QLabel(QStringLiteral("Verfügbare Spalten:"), this), 0, 0);
  spalten->addWidget(new QLabel(QStringLiteral("Spalten der Datei:"), this), 0, 2);
  spalten->addWidget(verfuegbar_, 1, 0);
  spalten->addLayout(knoepfe, 1, 1);
  spalten->addWidget(gewaehlt_, 1, 2);
  spalten->addLayout(optionen, 1, 3);
  spalten->setColumnStretch(0, 2);
  spalten->setColumnStretch(2, 3);
  auto* haupt = new QVBoxLayout(this);
  if (!form_.Warnungen().empty()) {
    // What was dropped from the stored layout, before the person writes without it.
    QStringList texte;
    for (const auto& warnung : form_.Warnungen()) texte << Qt_(warnung);
    auto* warnungen = new QLabel(texte.join(QChar('\n')), this);
    warnungen->setObjectName(QStringLiteral("lblWarnungen"));
    warnungen->setWordWrap(true);
    warnungen->setStyleSheet(QStringLiteral("color: #a00000;"));
    haupt->addWidget(warnungen);
  }
  haupt->addLayout(layouts);
  haupt->addLayout(spalten, 1);
  haupt->addWidget(new QLabel(QStringLiteral("Vorschau der ersten Zeilen:"), this));
  haupt->addWidget(vorschau_, 1);
  haupt->addLayout(unten);
  resize(1000, 620);

  auto zeile = [this] { return GewaehlteZeile(); };
  connect(btnHinzu, &QPushButton::clicked, this, [this] {
    form_.SpalteWaehlen(verfuegbar_->currentRow());
    Anzeigen();
    gewaehlt_->selectRow(gewaehlt_->rowCount() - 1);
  });
  connect(verfuegbar_, &QListWidget::itemDoubleClicked, btnHinzu, &QPushButton::click);
  connect(btnEntfernen, &QPushButton::clicked, this, [this, zeile] {
    if (zeile() >= 0) form_.SpalteEntfernen(static_cast<std::size_t>(zeile()));
    Anzeigen();
  });
  for (auto [knopf, richtung] : {std::pair{btnHoch, -1}, std::pair{btnRunter, 1}}) {
    connect(knopf, &QPushButton::clicked, this, [this, zeile, richtung] {
      const int z = zeile();
      if (z < 0) return;
      form_.SpalteVerschieben(static_cast<std::size_t>(z), richtung);
      Anzeigen();
      gewaehlt_->selectRow(std::clamp(z + richtung, 0, gewaehlt_->rowCount() - 1));
    });
  }
  connect(gewaehlt_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (anzeigend_) return;
    const auto z = static_cast<std::size_t>(item->row());
    if (item->column() == spUeberschrift) form_.SetUeberschrift(z, Std_(item->text()));
    if (item->column() == spBreite) form_.SetBreite(z, item->text().toInt());
    // The table is rebuilt once the edit that changed it has ended.
    QTimer::singleShot(0, this, [this] { Anzeigen(); });
  });
  for (auto* box : {cmbTrenner_, cmbAnfuehrung_, cmbDezimal_, cmbZeilenende_, cmbKodierung_}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Uebernehmen(); });
  }
  connect(edtDatum_, &QLineEdit::textEdited, this, [this] { Uebernehmen(); });
  connect(chkKopfzeile_, &QCheckBox::toggled, this, [this] { Uebernehmen(); });
  connect(btnLaden, &QPushButton::clicked, this, [this] {
    if (!cmbLayouts_->currentText().isEmpty()) form_.LayoutLaden(Std_(cmbLayouts_->currentText()));
    Anzeigen();
  });
  connect(btnLayoutSpeichern, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Layout speichern"),
                                               QStringLiteral("Name des Layouts:"), QLineEdit::Normal,
                                               Qt_(form_.LayoutName()), &ok);
    if (ok) form_.LayoutSpeichern(Std_(name));
    Anzeigen();
  });
  connect(btnLoeschen, &QPushButton::clicked, this, [this] {
    form_.LayoutLoeschen(Std_(cmbLayouts_->currentText()));
    Anzeigen();
  });
  connect(btnSchreiben, &QPushButton::clicked, this, [this] {
    if (!form_.NurLayout()) {
      Schreiben();
    } else if (form_.btnUebernehmenClick()) {
      accept();
    }
  });
  connect(btnAbbrechen, &QPushButton::clicked, this, [this] {
    form_.btnAbbrechenClick();
    reject();
  });
  Anzeigen();
}

int TSerBriefView::GewaehlteZeile() const {
  const auto auswahl = gewaehlt_->selectionModel()->selectedRows();
  return auswahl.isEmpty() ? gewaehlt_->currentRow() : auswahl.front().row();
}

void TSerBriefView::Uebernehmen() {
  if (anzeigend_) return;
  TSerBriefLayout& layout = form_.Layout();
  layout.Trenner = static_cast<TSerBriefTrenner>(cmbTrenner_->currentIndex());
  layout.Anfuehrung = static_cast<TSerBriefAnfuehrung>(cmbAnfuehrung_->currentIndex());
  layout.Dezimaltrenner = cmbDezimal_->currentIndex() == 1 ? '.' : ',';
  layout.Datumsformat = Std_(edtDatum_->text());
  layout.Kopfzeile = chkKopfzeile_->isChecked();
  layout.Zeilenende = static_cast<TSerBriefZeilenende>(cmbZeilenende_->currentIndex());
  layout.Kodierung = cmbKodierung_->currentIndex() == 1 ? TTextEncoding::Utf8 : TTextEncoding::Ansi;
  Anzeigen();
}

void TSerBriefView::Anzeigen() {
  anzeigend_ = true;
  const TSerBriefLayout& layout = form_.Layout();
  const bool fest = layout.Trenner == TSerBriefTrenner::FesteBreite;
  gewaehlt_->setRowCount(static_cast<int>(layout.Spalten.size()));
  for (int z = 0; z < gewaehlt_->rowCount(); ++z) {
    const auto& spalte = layout.Spalten[static_cast<std::size_t>(z)];
    auto* key = new QTableWidgetItem(Qt_(spalte.Key));
    key->setFlags(key->flags() & ~Qt::ItemIsEditable);
    gewaehlt_->setItem(z, spKey, key);
    gewaehlt_->setItem(z, spUeberschrift, new QTableWidgetItem(Qt_(spalte.Ueberschrift)));
    gewaehlt_->setItem(z, spBreite, new QTableWidgetItem(QString::number(spalte.Breite)));
  }
  gewaehlt_->setColumnHidden(spBreite, !fest);
  cmbTrenner_->setCurrentIndex(static_cast<int>(layout.Trenner));
  cmbAnfuehrung_->setCurrentIndex(static_cast<int>(layout.Anfuehrung));
  cmbAnfuehrung_->setEnabled(!fest);
  cmbDezimal_->setCurrentIndex(layout.Dezimaltrenner == '.' ? 1 : 0);
  Abgleichen(*edtDatum_, layout.Datumsformat);
  chkKopfzeile_->setChecked(layout.Kopfzeile);
  cmbZeilenende_->setCurrentIndex(static_cast<int>(layout.Zeilenende));
  cmbKodierung_->setCurrentIndex(layout.Kodierung == TTextEncoding::Utf8 ? 1 : 0);
  const QString aktuell = cmbLayouts_->currentText();
  cmbLayouts_->clear();
  for (const auto& name : form_.LayoutNamen()) cmbLayouts_->addItem(Qt_(name));
  const int index = cmbLayouts_->findText(form_.LayoutName().empty() ? aktuell : Qt_(form_.LayoutName()),
                                          Qt::MatchFixedString);
  if (index >= 0) cmbLayouts_->setCurrentIndex(index);
  QStringList zeilen;
  const std::string problem = layout.Problem();
  if (!problem.empty()) {
    zeilen << Qt_(problem);
  } else {
    for (const auto& z : form_.Vorschau(10)) {
      QString text = Qt_(z);
      text.replace(QChar('\t'), QStringLiteral("→"));
      zeilen << text;
    }
  }
  Abgleichen(*vorschau_, Std_(zeilen.join(QChar('\n'))));
  anzeigend_ = false;
}

void TSerBriefView::Schreiben() {
  std::string datei = form_.Zieldatei();
  if (!form_.OhneNachfrage) {
    QFileDialog wahl(this, Qt_(form_.SpeichernTitel), Qt_(form_.Verzeichnis), QtFilter(form_.Filter));
    wahl.setObjectName(QStringLiteral("dlgDatei"));
    wahl.setAcceptMode(QFileDialog::AcceptSave);
    wahl.setDefaultSuffix(Qt_(form_.Endung));
    wahl.selectFile(Qt_(ExtractFileName(form_.VorgeschlageneDatei)));
    if (wahl.exec() != QDialog::Accepted || wahl.selectedFiles().isEmpty()) return;
    datei = Std_(wahl.selectedFiles().front());
  }
  if (form_.btnSchreibenClick(datei)) accept();
}

void SerBriefAnzeigeInstallieren() {
  SetSerBriefAnzeige([](TfrmSerBrief& form) {
    TSerBriefView view(form, QApplication::activeWindow());
    view.exec();
    return form.ModalResult() == 1;
  });
}
