// The RZA settings in their window: tax keys usable only with automatic accounts, and the
// check that the normal and reduced keys are filled.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/rza/FibuExpRZAFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/QtDialoge.h"

namespace {

class FibuExpRZAView : public ::testing::Test {
 protected:
  void SetUp() override {
    exporter.Init();
    exporter.SetVerzExport(demo.ExportDir().string());
    form.SetFibuExportProfil(&exporter);
    form.FormShow();
    view = std::make_unique<TFibuExportFrmView>(form, FormatTeilFuer(form));
    view->show();
    EreignisseVerarbeiten();
  }
  void TearDown() override {
    view.reset();
    exporter.Done();
  }
  QLineEdit& Edit(const QString& name) {
    auto* edit = view->findChild<QLineEdit*>(name);
    if (!edit) throw std::runtime_error("kein Element");
    return *edit;
  }

  UiDemo demo;
  QtDialogeInstalliert dialoge;
  TFibuExporter_RZA exporter;
  TfrmFibuExpRZA form;
  std::unique_ptr<TFibuExportFrmView> view;
};

TEST_F(FibuExpRZAView, TaxKeysNeedAutomaticAccountsAndTheNormalAndReducedOnes) {
  EXPECT_EQ(view->windowTitle(),
            QStringLiteral("Einstellungen für Export im Format \"RZA Finanzbuchhaltung\""));
  EXPECT_FALSE(Edit("edtSteuer0").isEnabled());
  auto* automatik = view->findChild<QCheckBox*>(QStringLiteral("chkAutomatik"));
  ASSERT_NE(automatik, nullptr);
  automatik->click();
  EXPECT_TRUE(Edit("edtSteuer0").isEnabled());
  Bildschirmfoto(*view, "rza_einstellungen");

  QTest::keyClicks(&Edit("edtSteuer0"), QStringLiteral("12345"));  // four characters at most
  EXPECT_EQ(form.Steuerschluessel(0), "1234");
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(demo.Messages().LastText(),
            "Fehlerhafte Eingabe:\rBitte füllen Sie alle Steuerschlüssel für normale und "
            "reduzierte Steuern.");
  for (const char* name : {"edtSteuer1", "edtSteuer5", "edtSteuer6"}) {
    QTest::keyClicks(&Edit(QString::fromLatin1(name)), QStringLiteral("9"));
  }
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(exporter.Automatikkonten());
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_Reduz), "1234");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Ust_Normal), "9");
  EXPECT_EQ(exporter.Get_Steuerschluessel(CQTX_FibuExport_Vst_Normal), "9");
}

}  // namespace
