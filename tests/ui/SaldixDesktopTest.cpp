#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "UiDemoSuite.h"
#include "UiTestSupport.h"
#include "ui/SaldixDesktop.h"

namespace {

class TDemoMandant : public IMandantChooser {
 public:
  explicit TDemoMandant(bool waehlen) : waehlen_(waehlen) {}
  bool Ausfuehren(TIntPair& mandant, std::string& name) override {
    mandant = {1, 1};
    name = "Demo-Mandant";
    return waehlen_;
  }

 private:
  bool waehlen_;
};

// Closes the next dialog that opens over the menu and remembers its title.
void SchliesseNaechstenDialog(QString& titel) {
  QTimer::singleShot(0, [&titel] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (dialog && dialog->isVisible() && dialog->isModal()) {
        titel = dialog->windowTitle();
        dialog->reject();
      }
    }
  });
}

}  // namespace

TEST(SaldixDesktop, TheClientIsChosenFirstThenTheMenuOpensItsWindows) {
  UiDemoSuite demo;
  {
    TSaldixDesktop abgebrochen(std::make_shared<TDemoMandant>(false));
    EXPECT_TRUE(abgebrochen.Beendet());
  }
  TSaldixDesktop desktop(std::make_shared<TDemoMandant>(true));
  ASSERT_FALSE(desktop.Beendet());
  TSaldixHauptView& menue = desktop.Hauptmenue();
  menue.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(menue.windowTitle(), QStringLiteral("Saldix - Demo-Mandant"));
  EXPECT_EQ(desktop.Sitzung().Modul().AktMandant(), (TIntPair{1, 1}));

  QString titel;
  SchliesseNaechstenDialog(titel);
  QTest::mouseClick(menue.Kasse(), Qt::LeftButton);
  EXPECT_EQ(titel, QStringLiteral("Abstimmung Kassenberichte"));
  SchliesseNaechstenDialog(titel);
  QTest::mouseClick(menue.Einstellungen(), Qt::LeftButton);
  EXPECT_EQ(titel, QStringLiteral("Saldix - Weitere Einstellungen"));

  SchliesseNaechstenDialog(titel);
  QTest::mouseClick(menue.Format(), Qt::LeftButton);
  EXPECT_EQ(titel, QStringLiteral("Auswahl Exportformat"));

  // Editing the bookings starts with the period: the selection dialog.
  SchliesseNaechstenDialog(titel);
  QTest::mouseClick(menue.Bearbeiten(), Qt::LeftButton);
  EXPECT_EQ(titel, QStringLiteral("Auswahl der Daten"));
}
