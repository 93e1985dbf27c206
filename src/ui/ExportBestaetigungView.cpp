#include "ui/ExportBestaetigungView.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/UiText.h"

TExportBestaetigungView::TExportBestaetigungView(TfrmExportBestaetigung& form, QWidget* eltern)
    : QDialog(eltern), form_(form) {
  setObjectName(QStringLiteral("TfrmExportBestaetigung"));
  setWindowTitle(Qt_(form_.Caption));
  auto* layout = new QVBoxLayout(this);
  auto* ueberschrift = new QLabel(Qt_(form_.Ueberschrift), this);
  ueberschrift->setWordWrap(true);
  layout->addWidget(ueberschrift);

  auto* angaben = new QFormLayout;
  for (const auto& [name, wert] : form_.Angaben) {
    auto* feld = new QLabel(Qt_(wert), this);
    feld->setTextInteractionFlags(Qt::TextSelectableByMouse);
    angaben->addRow(Qt_(name + ":"), feld);
  }
  layout->addLayout(angaben);

  if (!form_.Meldung.empty()) {
    auto* meldung = new QLabel(Qt_(form_.Meldung), this);
    meldung->setWordWrap(true);
    layout->addWidget(meldung);
  }
  if (!form_.Probleme.empty()) {
    layout->addWidget(new QLabel(QStringLiteral("Hinweise der Prüfung:"), this));
    auto* probleme = new QListWidget(this);
    probleme->setObjectName(QStringLiteral("lstProbleme"));
    for (const auto& problem : form_.Probleme) probleme->addItem(Qt_(problem));
    layout->addWidget(probleme);
  }
  if (!form_.Dateien.empty()) {
    layout->addWidget(new QLabel(form_.Dateien.size() == 1 ? QStringLiteral("Datei:")
                                                          : QStringLiteral("Dateien:"),
                                 this));
    dateien_ = new QListWidget(this);
    dateien_->setObjectName(QStringLiteral("lstDateien"));
    for (const auto& datei : form_.Dateien) dateien_->addItem(Qt_(datei));
    dateien_->setCurrentRow(form_.DateiIndex);
    dateien_->setMaximumHeight(90);
    connect(dateien_, &QListWidget::currentRowChanged, this,
            [this](int zeile) { form_.DateiIndex = zeile; });
    layout->addWidget(dateien_);
  }

  auto* knoepfe = new QDialogButtonBox(this);
  if (form_.DateiKnoepfeSichtbar) {
    dateiAnzeigen_ = knoepfe->addButton(QStringLiteral("&Datei anzeigen"),
                                        QDialogButtonBox::ActionRole);
    ordnerOeffnen_ = knoepfe->addButton(QStringLiteral("&Ordner öffnen"),
                                        QDialogButtonBox::ActionRole);
    connect(dateiAnzeigen_, &QPushButton::clicked, this, [this] { form_.btnDateiAnzeigenClick(); });
    connect(ordnerOeffnen_, &QPushButton::clicked, this, [this] { form_.btnOrdnerOeffnenClick(); });
  }
  ok_ = knoepfe->addButton(Qt_(form_.OkText), QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  if (form_.AbbrechenSichtbar) {
    knoepfe->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
  }
  connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
    form_.btnOKClick();
    accept();
  });
  connect(knoepfe, &QDialogButtonBox::rejected, this, [this] {
    form_.btnAbbrechenClick();
    reject();
  });
  layout->addWidget(knoepfe);
  resize(640, sizeHint().height());
}

bool TQtDateiAnzeige::Oeffnen(const std::string& pfad) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Qt_(pfad)));
}

bool TQtExportBestaetigung::Zeigen(TfrmExportBestaetigung& form) {
  TExportBestaetigungView view(form, eltern_);
  return view.exec() == QDialog::Accepted && form.ModalResult() == 1;
}
