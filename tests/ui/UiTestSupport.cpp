#include "UiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

#include "ui/UiText.h"

void EreignisseVerarbeiten() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

std::string Bildschirmfoto(QWidget& fenster, const std::string& name) {
  fenster.show();
  EreignisseVerarbeiten();
  QDir().mkpath(QStringLiteral(SALDIX_SCREENSHOTS));
  const QString pfad = QStringLiteral(SALDIX_SCREENSHOTS) + "/" + Qt_(name) + ".png";
  EXPECT_TRUE(fenster.grab().save(pfad)) << Std_(pfad);
  return Std_(pfad);
}

int main(int argc, char** argv) {
  // The views never need a display server in tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Saldix"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
