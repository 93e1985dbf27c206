// The new-booking window on the demo suite: F2 in an account input opens the account
// search, Enter picks the account; a refused check keeps the window open on its input.
#include "ui/SaldixFBDENeuView.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "data/FBDEDialogDaten.h"
#include "data/FBDEDialogVorbelegung.h"
#include "data/SaldixData.h"
#include "suite/DateTime.h"
#include "ui/QtKontoSuche.h"

namespace {

TEST(SaldixFBDENeuView, F2SearchesTheAccountAndAMissingDateKeepsTheWindowOpen) {
  UiDemo demo;
  TFBDEDialogDaten daten(demo.Modul());
  TQtKontoSuche suche(
      [&daten](const TIntPair& firma, TDateTime datum) { return daten.Kontenliste(firma, datum); });
  TfrmSaldixFBDENeu logik(daten, suche);
  NeuVorbelegen(logik, std::nullopt, demo.Modul().AktMandant(), EncodeDate(2026, 3, 2), "EUR");
  TSaldixFBDENeuView view(logik);
  view.show();
  QApplication::setActiveWindow(&view);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Neuer Buchungssatz"));
  auto* konto = view.findChild<QLineEdit*>(QStringLiteral("edtKonto"));
  ASSERT_NE(konto, nullptr);
  EXPECT_EQ(konto->toolTip(), QStringLiteral("Nummer des Kontos, mit F2 Kontensuche"));

  bool gesucht = false;
  BeiDialog<TKontoSucheView>([&](TKontoSucheView& suchDialog) {
    gesucht = true;
    QTest::keyClicks(&suchDialog.Suchtext(), QStringLiteral("8400"));
    EXPECT_EQ(suchDialog.Tabelle().rowCount(), 1);
    QTest::keyClick(&suchDialog.Suchtext(), Qt::Key_Return);
  });
  QTest::keyClick(konto, Qt::Key_F2);
  EXPECT_TRUE(gesucht);
  EXPECT_EQ(konto->text(), QStringLiteral("8400"));
  EXPECT_EQ(logik.FKonto, "ERLWARE");
  EXPECT_EQ(view.findChild<QLineEdit*>(QStringLiteral("edtKontoTxt"))->text(),
            QStringLiteral("Erlöse 19 % USt"));

  auto* datum = view.findChild<QLineEdit*>(QStringLiteral("edtDatum"));
  datum->setText(QStringLiteral("kein Datum"));
  view.findChild<QLineEdit*>(QStringLiteral("edtBetrag"))->setText(QStringLiteral("10,00"));
  QApplication::setActiveWindow(&view);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTest::keyClick(datum, Qt::Key_F5);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(demo.Messages().LastText(), "Fehlerhafte Eingabe:\rBitte das Datum füllen.");
  QTest::keyClick(datum, Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(logik.ModalResult(), mrCancel);
}

}  // namespace
