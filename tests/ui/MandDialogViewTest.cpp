#include "ui/MandDialogView.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "ui/UiText.h"

namespace {

// A widget's double click in the test library lacks the press before it.
void DoppelKlick(QTableWidget& tabelle, int zeile) {
  const QPoint punkt = tabelle.visualItemRect(tabelle.item(zeile, 1)).center();
  QTest::mouseClick(tabelle.viewport(), Qt::LeftButton, {}, punkt);
  QTest::mouseDClick(tabelle.viewport(), Qt::LeftButton, {}, punkt);
}

}  // namespace

TEST(MandDialogView, ListsTheSuitesClientsAndReturnsTheOneChosen) {
  UiDemo demo;
  const auto mandanten = demo.Mandanten();
  ASSERT_GE(mandanten.size(), 2u);
  TMandDialogView view(mandanten);
  Bildschirmfoto(view, "mandantenwahl");
  ASSERT_EQ(view.Tabelle().rowCount(), static_cast<int>(mandanten.size()));
  EXPECT_EQ(view.Tabelle().item(1, 1)->text(), Qt_(mandanten[1].Name));
  DoppelKlick(view.Tabelle(), 1);
  EXPECT_FALSE(view.isVisible());
  ASSERT_TRUE(view.Auswahl());
  EXPECT_EQ(view.Auswahl()->GepNr, mandanten[1].GepNr);

  auto chooser = QtMandDialog();
  TIntPair mandant;
  std::string name;
  BeiDialog<TMandDialogView>([](TMandDialogView& dialog) {
    dialog.Tabelle().setCurrentCell(1, 0);
    QTest::keyClick(&dialog.Tabelle(), Qt::Key_Return);
  });
  ASSERT_TRUE(chooser->Ausfuehren(mandant, name));
  EXPECT_EQ(mandant, mandanten[1].GepNr);
  EXPECT_EQ(name, mandanten[1].Name);

  BeiDialog<TMandDialogView>(
      [](TMandDialogView& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  EXPECT_FALSE(chooser->Ausfuehren(mandant, name));
  EXPECT_EQ(mandant, mandanten[1].GepNr);
}
