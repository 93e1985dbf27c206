// The reconciliation window on the demo suite: the demo's cash reports give days that
// reconcile and days with a difference; the keys and buttons reach the logic.
#include "ui/SaldixAbstimmungView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "UiDemo.h"
#include "UiTestSupport.h"
#include "data/AbstimmungDaten.h"
#include "data/SaldixData.h"
#include "suite/DateTime.h"

namespace {

// Day rows under the branch and computer rows, with their difference cells.
void Tage(QTreeWidgetItem& item, int tiefe, int& mit, int& ohne) {
  const int differenz = static_cast<int>(TAbstSpalte::Differenz);
  if (tiefe == 3) {
    (item.text(differenz).isEmpty() ? ohne : mit) += 1;
    return;
  }
  for (int i = 0; i < item.childCount(); ++i) Tage(*item.child(i), tiefe + 1, mit, ohne);
}

TEST(SaldixAbstimmungView, TheDemoShowsDaysThatReconcileAndDaysWithADifference) {
  UiDemo demo;
  const int erster = demo.Zahl(
      "SELECT CAST(MIN(belegdatum) AS INTEGER) FROM fbde WHERE belegart = 'KB' "
      "AND firma1 = 1 AND firma2 = 1");
  ASSERT_GT(erster, 0);
  TAbstimmungDaten daten(demo.Modul());
  TSaldixAbstimmung logik(daten);
  TSaldixAbstimmungView view(logik);
  view.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Abstimmung Kassenberichte"));

  // A "Datum von" that is not a date refuses the refresh.
  auto* von = view.findChild<QLineEdit*>(QStringLiteral("edtDatumVon"));
  auto* bis = view.findChild<QLineEdit*>(QStringLiteral("edtDatumBis"));
  ASSERT_NE(von, nullptr);
  von->setText(QStringLiteral("30.02.2024"));
  QTest::keyClick(von, Qt::Key_F4);
  EXPECT_EQ(demo.Messages().LastText(), "Fehlerhafte Eingabe:\rDas Von-Datum ist falsch gefüllt.");
  EXPECT_EQ(view.Liste(0).topLevelItemCount(), 0);

  von->setText(QString::fromStdString(DateToStr(erster)));
  bis->setText(QString::fromStdString(DateToStr(erster + 90)));
  view.findChild<QPushButton*>(QStringLiteral("btnAktualisieren"))->click();
  ASSERT_GT(view.Liste(0).topLevelItemCount(), 0);
  int mit = 0, ohne = 0;
  for (int i = 0; i < view.Liste(0).topLevelItemCount(); ++i) {
    Tage(*view.Liste(0).topLevelItem(i), 1, mit, ohne);
  }
  EXPECT_GT(mit, 0);
  EXPECT_GT(ohne, 0);
  // Hidden columns: the currency and the settlement.
  EXPECT_TRUE(view.Liste(0).isColumnHidden(static_cast<int>(TAbstSpalte::Waehrung)));
  EXPECT_FALSE(view.Liste(0).isColumnHidden(static_cast<int>(TAbstSpalte::Differenz)));
  EXPECT_TRUE(view.Liste(1).isColumnHidden(static_cast<int>(TAbstSpalte::Differenz)));
  EXPECT_EQ(view.Seiten().currentIndex(), logik.Seite());

  const int schrift = view.Liste(0).font().pointSize();
  view.findChild<QPushButton*>(QStringLiteral("btnSchriftGroesser"))->click();
  EXPECT_EQ(view.Liste(0).font().pointSize(), schrift + 1);
  EXPECT_EQ(logik.Schriftgroesse, schrift + 1);
  view.Seiten().setCurrentIndex(0);
  Bildschirmfoto(view, "abstimmung");
}

}  // namespace
