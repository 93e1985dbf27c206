#include "ui/DesktopProgramm.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <memory>

#include "app/SaldixStart.h"
#include "suite/QTXInfo.h"
#include "ui/MandDialogView.h"
#include "ui/QtDialoge.h"
#include "ui/QtMeldungen.h"
#include "ui/QtUebersetzung.h"
#include "ui/SaldixDesktop.h"

namespace {

// Qt ends the process when it finds no window system; say so instead.
bool AnzeigeVorhanden() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  }
  return false;
}

}  // namespace

int SaldixDesktopProgramm(int argc, char** argv) {
  if (!AnzeigeVorhanden()) {
    std::cerr << "Saldix: Für das Desktop-Programm fehlt eine Anzeige (DISPLAY ist nicht "
                 "gesetzt).\nEinen Export ohne Fenster starten Sie mit Parametern, z. B. "
                 "saldix -MAND:1 -MONAT:V (saldix --help).\n";
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Saldix"));
  QApplication::setApplicationDisplayName(QStringLiteral("Saldix"));
  const auto uebersetzung = QtUebersetzungLaden();
  QTXInfo().SetPresenter(std::make_shared<TQtMeldungen>());

  const std::string abbruch = SaldixStarten(false);
  if (!abbruch.empty()) {
    QTXInfo().QTXWarnungBox(abbruch);
    return 1;
  }
  QtDialogeInstallieren();

  TSaldixDesktop desktop(QtMandDialog());
  if (desktop.Beendet()) return 0;
  // What failed while starting is shown once the menu is there.
  if (QTXInfo().HasError()) {
    QTXInfo().QTXWarnungBox("saldix: " + QTXInfo().LastErrorText());
    QTXInfo().ResetError();
  }
  desktop.Hauptmenue().exec();
  return 0;
}

void SaldixStartfehlerZeigen(int argc, char** argv, const std::string& text) {
  if (!AnzeigeVorhanden()) return;
  std::unique_ptr<QApplication> eigene;
  if (!qApp) eigene = std::make_unique<QApplication>(argc, argv);
  const auto uebersetzung = QtUebersetzungLaden();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Saldix"),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok);
  box.setObjectName(QStringLiteral("Startfehler"));
  box.exec();
}
