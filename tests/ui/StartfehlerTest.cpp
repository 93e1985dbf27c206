#include <QMessageBox>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "ui/DesktopProgramm.h"

namespace {

TEST(Startfehler, AStartWithoutDatabaseSaysWhyInAWindow) {
  QString gezeigt;
  BeiDialog<QMessageBox>([&](QMessageBox& box) {
    gezeigt = box.text();
    box.accept();
  });
  char name[] = "saldix";
  char* argv[] = {name, nullptr};
  SaldixStartfehlerZeigen(1, argv, "Die Suite-Datenbank \"/x/suite.db\" gibt es nicht");
  EXPECT_EQ(gezeigt, QStringLiteral("Die Suite-Datenbank \"/x/suite.db\" gibt es nicht"));
}

}  // namespace
