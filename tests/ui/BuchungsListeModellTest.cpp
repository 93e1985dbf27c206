// Qt's model tester over the booking list model while the list is loaded, marked,
// unmarked member by member and reloaded: every index, parent and row count it hands the
// tree view must agree with each other.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiDemoSuite.h"
#include "UiTestSupport.h"
#include "app/SaldixSitzung.h"
#include "ui/BuchungsListeModell.h"
#include "ui/QtAbrechnungsWahl.h"
#include "ui/SaldixBearbView.h"

namespace {

std::vector<std::string>& Befunde() {
  static std::vector<std::string> befunde;
  return befunde;
}

// Only the tester's own findings; the offscreen platform has remarks of its own.
void Sammeln(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
  if (typ != QtDebugMsg && kontext.category != nullptr &&
      std::string(kontext.category) == "qt.modeltest") {
    Befunde().push_back(text.toStdString());
  }
}

TEST(BuchungsListeModell, StaysConsistentThroughLoadingMarkingAndReloading) {
  UiDemoSuite demo;
  TQtAbrechnungsWahl wahl;
  TSaldixSitzung& sitzung = demo.Sitzung(wahl);
  wahl.SetDatenmodul(&sitzung.Modul());
  auto& konten = sitzung.Modul().KontenEinstellungen();
  konten.Einstellungen().KontoKombination = true;  // a tree: groups with members
  konten.Einstellungen().Kriterien = "FILIALEDATUM";
  konten.Einstellungen_Nach_Herkunft_Buchen("ALLE", konten.Einstellungen().Profil);
  TSaldixBearbView view(sitzung.Liste(), sitzung.ExportAktionen());
  wahl.SetEltern(&view);

  Befunde().clear();
  const QtMessageHandler vorher = qInstallMessageHandler(Sammeln);
  {
    QAbstractItemModelTester tester(&view.Modell(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    view.show();
    EreignisseVerarbeiten();
    ASSERT_GT(view.Modell().rowCount(), 0);
    ASSERT_TRUE(view.Modell().HatGruppen());
    for (const int taste : {Qt::Key_F8, Qt::Key_F7, Qt::Key_F4}) {
      QTest::keyClick(&view.Baum(), static_cast<Qt::Key>(taste));
      EreignisseVerarbeiten();
    }
    for (int i = 0; i < view.Modell().rowCount() && i < 20; ++i) {
      const QModelIndex oben = view.Modell().index(i, 0);
      if (view.Modell().rowCount(oben) > 0) {
        view.Modell().setData(view.Modell().index(0, 0, oben), Qt::Unchecked, Qt::CheckStateRole);
      }
    }
    EreignisseVerarbeiten();
  }
  qInstallMessageHandler(vorher);
  for (const auto& befund : Befunde()) ADD_FAILURE() << befund;
}

}  // namespace
