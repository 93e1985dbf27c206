// The Varial settings window on its demo profile: tax keys and client grid, a key the
// form refuses, and F5 handing the values over.
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/varial/FibuExpVarialFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"
#include "ui/UiText.h"

namespace {

class VarialView : public ::testing::Test {
 protected:
  UiDemo demo;
  QtDialogeInstalliert dialoge;
};

TEST_F(VarialView, ShowsTaxKeysAndClientGridAndTakesThemOnF5) {
  ASSERT_TRUE(varial::DemoProfilEinrichten(demo.ExportDir().string()));
  varial::TFibuExporter_Varial exporter;
  exporter.Init();
  varial::TfrmFibuExpVarial form;
  form.SetFibuExportProfil(&exporter);
  form.FormShow();
  TFibuExportFrmView view(form, TFormatAnsichten::Global().Erzeuge(form));
  view.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Einstellungen für Export im Format \"Varial Finanzbuchhaltung\""));
  auto* normal = view.findChild<QLineEdit*>(QStringLiteral("edtSteuer2"));
  ASSERT_NE(normal, nullptr);
  EXPECT_EQ(normal->text(), QStringLiteral("A19"));
  EXPECT_EQ(normal->maxLength(), 3);
  auto* mandanten = view.findChild<QTableWidget*>(QStringLiteral("grdMandanten"));
  ASSERT_NE(mandanten, nullptr);
  EXPECT_EQ(mandanten->horizontalHeaderItem(3)->text(), QStringLiteral("Varial-Mandant"));
  EXPECT_EQ(mandanten->item(0, 3)->text(), QStringLiteral("001"));
  Bildschirmfoto(view, "varial_einstellungen");

  normal->selectAll();
  normal->del();
  QTest::keyClick(&view, Qt::Key_F5);
  EXPECT_EQ(form.ModalResult(), 0);
  EXPECT_EQ(demo.Messages().LastText(),
            "Fehlerhafte Eingabe:\rBitte füllen Sie alle Steuerschlüssel für normale und reduzierte Steuern.");
  QTest::keyClicks(normal, QStringLiteral("U19X"));  // a fourth character is refused
  EXPECT_EQ(normal->text(), QStringLiteral("U19"));
  mandanten->item(1, 3)->setText(QStringLiteral("ABCD"));  // four characters: refused
  EXPECT_NE(mandanten->item(1, 3)->text(), QStringLiteral("ABCD"));
  mandanten->item(1, 3)->setText(QStringLiteral("X2"));
  QTest::keyClick(&view, Qt::Key_F5);
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.SteuerSchl()[2], "U19");
  EXPECT_EQ(exporter.Mandanten().Eintraege()[1].Text(0), "X2");
  exporter.Done();
}

}  // namespace
