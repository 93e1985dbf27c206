#include "ui/QtMeldungen.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/UiText.h"

int TQtMeldungen::Present(TMeldungsArt kind, const std::string& text) {
  QWidget* eltern = QApplication::activeWindow();
  const QString titel = QApplication::applicationDisplayName();
  const QString meldung = MeldungsText(text);
  switch (kind) {
    case TMeldungsArt::Frage:
      return QMessageBox::question(eltern, titel, meldung, QMessageBox::Yes | QMessageBox::No,
                                   QMessageBox::No) == QMessageBox::Yes
                 ? mrYes
                 : mrNo;
    case TMeldungsArt::Warnung:
      QMessageBox::warning(eltern, titel, meldung);
      return mrOk;
    case TMeldungsArt::Fehler:
      QMessageBox::critical(eltern, titel, meldung);
      return mrOk;
    case TMeldungsArt::Hinweis:
      break;
  }
  QMessageBox::information(eltern, titel, meldung);
  return mrOk;
}

void TQtMeldungen::ProcessMessages(int milliseconds) {
  QApplication::processEvents(QEventLoop::AllEvents, milliseconds);
}
