#include "ui/INETDialogView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "suite/Guarded.h"
#include "ui/ViewHilfen.h"

namespace {

class TQtInetVerbindungChooser final : public IInetVerbindungChooser {
 public:
  bool Ausfuehren(std::string& name) override {
    return Guarded("TINETDialog.Execute", [&] {
      TINETDialog logik(name);
      TINETDialogView view(logik, QApplication::activeWindow());
      if (view.exec() != QDialog::Accepted) return false;
      name = logik.GewaehlterName();
      return true;
    });
  }
};

QLineEdit* Eingabe(const char* name, QWidget* eltern) {
  auto* edit = new QLineEdit(eltern);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

TINETDialogView::TINETDialogView(TINETDialog& logik, QWidget* eltern)
    : QDialog(eltern), logik_(logik) {
  setWindowTitle(QStringLiteral("INET-Verbindungen"));
  tabelle_ = new QTableWidget(0, 5, this);
  tabelle_->setObjectName(QStringLiteral("grdVerbindungen"));
  tabelle_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Art"),
                                       QStringLiteral("Server"), QStringLiteral("Benutzer"),
                                       QStringLiteral("Verzeichnis")});
  AlsAuswahlliste(*tabelle_);
  tabelle_->setMinimumSize(560, 160);

  neu_ = Knopf("Neu", "btnNeu", this);
  bearbeiten_ = Knopf("Bearbeiten", "btnBearbeiten", this);
  loeschen_ = Knopf("Löschen", "btnLoeschen", this);
  testen_ = Knopf("Testen", "btnTesten", this, "verbindet, wechselt ins Verzeichnis und liest es");

  formular_ = new QGroupBox(QStringLiteral("Verbindung"), this);
  name_ = Eingabe("edtName", formular_);
  protokoll_ = new QComboBox(formular_);
  protokoll_->setObjectName(QStringLiteral("cmbProtokoll"));
  protokoll_->addItems(
      {QStringLiteral("FTP"), QStringLiteral("FTPS (explizites TLS)"), QStringLiteral("SFTP")});
  host_ = Eingabe("edtHost", formular_);
  port_ = new QSpinBox(formular_);
  port_->setObjectName(QStringLiteral("spnPort"));
  port_->setRange(0, 65535);
  port_->setSpecialValueText(QStringLiteral("Standard"));
  benutzer_ = Eingabe("edtBenutzer", formular_);
  passwort_ = Eingabe("edtPasswort", formular_);
  passwort_->setEchoMode(QLineEdit::Password);
  schluessel_ = Eingabe("edtSchluessel", formular_);
  zertifikat_ = Eingabe("edtZertifikat", formular_);
  verzeichnis_ = Eingabe("edtVerzeichnis", formular_);
  passiv_ = new QCheckBox(QStringLiteral("Passive Datenverbindung (FTP)"), formular_);
  passiv_->setObjectName(QStringLiteral("chkPassiv"));
  zeitlimit_ = new QSpinBox(formular_);
  zeitlimit_->setObjectName(QStringLiteral("spnZeitlimit"));
  zeitlimit_->setRange(1, kInetZeitlimitMax);
  zeitlimit_->setSuffix(QStringLiteral(" s"));
  speichern_ = Knopf("Speichern", "btnSpeichern", formular_);
  abbrechen_ = Knopf("Verwerfen", "btnVerwerfen", formular_);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Name:"), name_);
  form->addRow(QStringLiteral("Protokoll:"), protokoll_);
  form->addRow(QStringLiteral("Server:"), host_);
  form->addRow(QStringLiteral("Port:"), port_);
  form->addRow(QStringLiteral("Benutzer:"), benutzer_);
  form->addRow(QStringLiteral("Passwort:"), passwort_);
  form->addRow(QStringLiteral("Schlüsseldatei (SFTP):"), schluessel_);
  form->addRow(QStringLiteral("Zertifizierungsstelle (FTPS):"), zertifikat_);
  form->addRow(QStringLiteral("Verzeichnis:"), verzeichnis_);
  form->addRow(QString(), passiv_);
  form->addRow(QStringLiteral("Zeitlimit:"), zeitlimit_);
  auto* formKnoepfe = new QHBoxLayout;
  formKnoepfe->addStretch(1);
  formKnoepfe->addWidget(speichern_);
  formKnoepfe->addWidget(abbrechen_);
  auto* formBox = new QVBoxLayout(formular_);
  formBox->addLayout(form);
  formBox->addLayout(formKnoepfe);

  auto* knoepfe = new QHBoxLayout;
  for (auto* k : {neu_, bearbeiten_, loeschen_, testen_}) knoepfe->addWidget(k);
  knoepfe->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Ueberschrift("Bitte wählen Sie eine Verbindung.", this));
  layout->addWidget(tabelle_, 1);
  layout->addLayout(knoepfe);
  layout->addWidget(formular_);
  layout->addWidget(DialogKnoepfe(this));

  connect(tabelle_, &QTableWidget::currentCellChanged, this,
          [this](int zeile) { logik_.SetAuswahl(zeile); });
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, &TINETDialogView::accept);
  connect(neu_, &QPushButton::clicked, this, [this] {
    logik_.Neu();
    Anzeigen();
    name_->setFocus();
  });
  connect(bearbeiten_, &QPushButton::clicked, this, [this] {
    logik_.Bearbeiten();
    Anzeigen();
  });
  connect(loeschen_, &QPushButton::clicked, this, [this] {
    logik_.Loeschen();
    Anzeigen();
  });
  connect(testen_, &QPushButton::clicked, this, [this] {
    FormularNachLogik();
    TWarteCursor warten;
    logik_.Testen();
  });
  connect(speichern_, &QPushButton::clicked, this, [this] {
    FormularNachLogik();
    logik_.Speichern();
    Anzeigen();
  });
  connect(abbrechen_, &QPushButton::clicked, this, [this] {
    logik_.Abbrechen();
    Anzeigen();
  });
  Anzeigen();
}

void TINETDialogView::Anzeigen() {
  const auto& eintraege = logik_.Eintraege();
  {
    const QSignalBlocker sperre(*tabelle_);
    tabelle_->setRowCount(static_cast<int>(eintraege.size()));
    for (int zeile = 0; zeile < tabelle_->rowCount(); ++zeile) {
      const auto& v = eintraege[static_cast<std::size_t>(zeile)];
      const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      Abgleichen(Zelle(*tabelle_, zeile, 0, flags), v.Name);
      Abgleichen(Zelle(*tabelle_, zeile, 1, flags), InetProtokollText(v.Protokoll));
      Abgleichen(Zelle(*tabelle_, zeile, 2, flags),
                 v.Host + ":" + std::to_string(v.WirksamerPort()));
      Abgleichen(Zelle(*tabelle_, zeile, 3, flags), v.Benutzer);
      Abgleichen(Zelle(*tabelle_, zeile, 4, flags), v.Verzeichnis);
    }
    tabelle_->setCurrentCell(logik_.Auswahl(), 0);
  }
  tabelle_->resizeColumnsToContents();
  const bool auswahl = logik_.Modus() == TINETDialog::TModus::Auswahl;
  tabelle_->setEnabled(auswahl);
  neu_->setEnabled(auswahl);
  bearbeiten_->setEnabled(auswahl && logik_.Auswahl() >= 0);
  loeschen_->setEnabled(auswahl && logik_.Auswahl() >= 0);
  testen_->setEnabled(!auswahl || logik_.Auswahl() >= 0);
  formular_->setEnabled(!auswahl);
  FormularAnzeigen();
}

void TINETDialogView::FormularAnzeigen() {
  const auto& f = logik_.Formular();
  Abgleichen(*name_, f.Name);
  const QSignalBlocker sperre(*protokoll_);
  protokoll_->setCurrentIndex(static_cast<int>(f.Protokoll));
  Abgleichen(*host_, f.Host);
  port_->setValue(f.Port);
  Abgleichen(*benutzer_, f.Benutzer);
  Abgleichen(*passwort_, f.Passwort);
  passwort_->setPlaceholderText(logik_.PasswortGespeichert() ? QStringLiteral("(unverändert)")
                                                             : QString());
  Abgleichen(*schluessel_, f.Schluesseldatei);
  Abgleichen(*zertifikat_, f.Zertifikatsdatei);
  Abgleichen(*verzeichnis_, f.Verzeichnis);
  Abgleichen(*passiv_, f.Passiv);
  zeitlimit_->setValue(f.Zeitlimit);
}

void TINETDialogView::FormularNachLogik() {
  if (logik_.Modus() == TINETDialog::TModus::Auswahl) return;
  auto& f = logik_.Formular();
  f.Name = Std_(name_->text());
  f.Protokoll = static_cast<TInetProtokoll>(protokoll_->currentIndex());
  f.Host = Std_(host_->text());
  f.Port = port_->value();
  f.Benutzer = Std_(benutzer_->text());
  f.Passwort = Std_(passwort_->text());
  f.Schluesseldatei = Std_(schluessel_->text());
  f.Zertifikatsdatei = Std_(zertifikat_->text());
  f.Verzeichnis = Std_(verzeichnis_->text());
  f.Passiv = passiv_->isChecked();
  f.Zeitlimit = zeitlimit_->value();
}

// Only a selected entry closes the dialog; while editing, OK does nothing.
void TINETDialogView::accept() {
  if (logik_.OK()) QDialog::accept();
}

std::shared_ptr<IInetVerbindungChooser> QtInetVerbindungChooser() {
  return std::make_shared<TQtInetVerbindungChooser>();
}
