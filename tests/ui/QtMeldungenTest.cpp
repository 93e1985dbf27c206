#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/QtMeldungen.h"
#include "ui/UiText.h"

namespace {

// Answers the next message box with button; the text it showed lands in gezeigt.
void BeantworteNaechsteBox(QMessageBox::StandardButton button, QString& gezeigt) {
  QTimer::singleShot(0, [button, &gezeigt] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
        gezeigt = box->text();
        Bildschirmfoto(*box, "meldung");
        box->button(button)->click();
      }
    }
  });
}

}  // namespace

TEST(QtMeldungen, CrBreaksLinesAndQuestionsReturnTheSuitesResults) {
  EXPECT_EQ(MeldungsText("Zeile 1\rZeile 2\r\nZeile 3"),
            QStringLiteral("Zeile 1\nZeile 2\nZeile 3"));

  TQtMeldungen meldungen;
  QString gezeigt;
  BeantworteNaechsteBox(QMessageBox::Yes, gezeigt);
  EXPECT_EQ(meldungen.Present(TMeldungsArt::Frage, "Wirklich löschen?\rJa oder nein"), mrYes);
  EXPECT_EQ(gezeigt, QStringLiteral("Wirklich löschen?\nJa oder nein"));
  BeantworteNaechsteBox(QMessageBox::No, gezeigt);
  EXPECT_EQ(meldungen.Present(TMeldungsArt::Frage, "Wirklich löschen?"), mrNo);
  BeantworteNaechsteBox(QMessageBox::Ok, gezeigt);
  EXPECT_EQ(meldungen.Present(TMeldungsArt::Hinweis, "Fertig"), mrOk);
  EXPECT_EQ(gezeigt, QStringLiteral("Fertig"));
}
