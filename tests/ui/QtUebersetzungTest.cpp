#include "ui/QtUebersetzung.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "UiTestSupport.h"

namespace {

TEST(QtUebersetzung, QtsOwnButtonsAndShortcutsSpeakGerman) {
  const auto uebersetzung = QtUebersetzungLaden();
  ASSERT_NE(uebersetzung, nullptr) << "qt6-translations-l10n fehlt (scripts/install-deps.sh)";
  QMessageBox frage(QMessageBox::Question, QStringLiteral("Saldix"),
                    QStringLiteral("Wollen Sie die Abrechnung 3 / 2026 wirklich löschen?"),
                    QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(frage.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
  EXPECT_EQ(frage.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
  Bildschirmfoto(frage, "frage_deutsch");
  QDialogButtonBox knoepfe(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
  EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText),
            QStringLiteral("Strg+D"));
  EXPECT_EQ(QKeySequence(Qt::Key_Insert).toString(QKeySequence::NativeText),
            QStringLiteral("Einfg"));
}

}  // namespace
