#include "ui/SaldixAbrechnungNrView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiTestSupport.h"
#include "support/TestSuite.h"

namespace {

void Eingeben(QLineEdit& edit, const QString& text) {
  edit.selectAll();
  QTest::keyClicks(&edit, text);
}

}  // namespace

TEST(SaldixAbrechnungNrView, ShowsNumberAndYearAndClosesOnlyOnValidInput) {
  TestSuite suite;
  TSaldixAbrechnungsNr logik;
  logik.FAbrNrLfd = 12;
  logik.FAbrNrJahr = 2024;
  TSaldixAbrechnungNrView view(logik);
  Bildschirmfoto(view, "abrechnungsnr");
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Änderung der Abrechnungsnummer"));
  EXPECT_EQ(view.EdtAbrNrLfd().text(), QStringLiteral("12"));
  EXPECT_EQ(view.EdtAbrNrJahr().text(), QStringLiteral("2024"));
  EXPECT_TRUE(view.EdtAbrNrLfd().hasFocus());
  EXPECT_EQ(view.EdtAbrNrLfd().maxLength(), 4);

  auto* ok = view.findChild<QPushButton*>(QStringLiteral("btnOK"));
  ASSERT_NE(ok, nullptr);
  Eingeben(view.EdtAbrNrLfd(), QStringLiteral("0"));
  ok->click();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(logik.FAbrNrLfd, 12);

  Eingeben(view.EdtAbrNrLfd(), QStringLiteral("13"));
  Eingeben(view.EdtAbrNrJahr(), QStringLiteral("abc"));
  ok->click();
  EXPECT_TRUE(view.isVisible());

  Eingeben(view.EdtAbrNrJahr(), QStringLiteral("2025"));
  QTest::keyClick(&view.EdtAbrNrJahr(), Qt::Key_Return);  // OK is the default button
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(logik.FAbrNrLfd, 13);
  EXPECT_EQ(logik.FAbrNrJahr, 2025);
}

TEST(SaldixAbrechnungNrView, TheDialogFunctionChangesNothingWhenCancelled) {
  TestSuite suite;
  int nr = 7;
  int jahr = 2026;
  BeiDialog<TSaldixAbrechnungNrView>([](TSaldixAbrechnungNrView& dialog) {
    Eingeben(dialog.EdtAbrNrLfd(), QStringLiteral("99"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(AbrechnungsNrDialog(nullptr, nr, jahr));
  EXPECT_EQ(nr, 7);
  EXPECT_EQ(jahr, 2026);

  BeiDialog<TSaldixAbrechnungNrView>([](TSaldixAbrechnungNrView& dialog) {
    Eingeben(dialog.EdtAbrNrLfd(), QStringLiteral("8"));
    QTest::keyClick(&dialog.EdtAbrNrLfd(), Qt::Key_Return);
  });
  EXPECT_TRUE(AbrechnungsNrDialog(nullptr, nr, jahr));
  EXPECT_EQ(nr, 8);
  EXPECT_EQ(jahr, 2026);
}
