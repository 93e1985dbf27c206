#include "ui/QtDialoge.h"

#include <QFileDialog>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "QtDialogeInstalliert.h"
#include "support/TestSuite.h"
#include "ui/UiText.h"

TEST(QtDialoge, TheDirectoryChoiceReturnsTheChosenDirectoryOrNothing) {
  TestSuite suite;
  QtDialogeInstalliert dialoge;
  ASSERT_NE(VerzeichnisWahl(), nullptr);
  const std::string start = suite.Dir().string();

  QString titel;
  BeiDialog<QFileDialog>([&titel](QFileDialog& dialog) {
    titel = dialog.windowTitle();
    dialog.reject();
  });
  EXPECT_FALSE(VerzeichnisWahl()->Waehle("Bitte wählen Sie ein Verzeichnis.", start));
  EXPECT_EQ(titel, QStringLiteral("Bitte wählen Sie ein Verzeichnis."));

  BeiDialog<QFileDialog>([](QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); });
  const auto gewaehlt = VerzeichnisWahl()->Waehle("Bitte wählen Sie ein Verzeichnis.", start);
  ASSERT_TRUE(gewaehlt);
  EXPECT_EQ(std::filesystem::path(*gewaehlt), suite.Dir());
}
