// The Abacus settings on the desktop: the client grid, the output choice, the pages of
// tax codes and debtor interface, each shown and taken on F5.
#include "ui/formats/abacus/FibuExpAbacusView.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/abacus/AbacusDemoProfil.h"
#include "ui/UiText.h"

namespace {

using abacus::TFibuExpAbacusView;
using abacus::TfrmFibuExpAbacus;

class FibuExpAbacusView : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(abacus::AbacusDemoProfil(demo.ExportDir().string()));
    exporter.Init();
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
  template <typename Widget>
  Widget& Element(const char* name) {
    auto* widget = view->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("kein Element ") + name);
    return *widget;
  }

  UiDemo demo;
  QtDialogeInstalliert dialoge;
  abacus::TFibuExporter_Abacus exporter;
  TfrmFibuExpAbacus form;
  std::unique_ptr<TFibuExportFrmView> view;
};

TEST_F(FibuExpAbacusView, ShowsTheClientsOutputTaxCodesAndDebtorPagesAndTakesThemOnF5) {
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Einstellungen für Export im Format \"Abacus (XML 2020)\""));
  auto& mandanten = Element<QTableWidget>("grdMandanten");
  ASSERT_EQ(mandanten.rowCount(), static_cast<int>(demo.Mandanten().size()));
  EXPECT_TRUE(mandanten.isColumnHidden(TFibuExpAbacusView::spGepNr));
  EXPECT_EQ(mandanten.item(0, TFibuExpAbacusView::spAbacusMandant)->text(), QStringLiteral("101"));
  EXPECT_TRUE(Element<QRadioButton>("rbLokalFibu").isChecked());
  EXPECT_TRUE(Element<QPushButton>("btnVerzeichnisFibu").isEnabled());
  EXPECT_FALSE(Element<QPushButton>("btnVerbindungFibu").isEnabled());
  EXPECT_EQ(Element<QPushButton>("btnVerzeichnisFibu").text(), Qt_((demo.ExportDir() / "abacus").string()));
  Bildschirmfoto(*view, "abacus_einstellungen");

  mandanten.item(0, TFibuExpAbacusView::spAbacusMandant)->setText(QStringLiteral("1234567"));  // refused
  EXPECT_EQ(mandanten.item(0, TFibuExpAbacusView::spAbacusMandant)->text(), QStringLiteral("101"));
  mandanten.item(0, TFibuExpAbacusView::spAbacusMandant)->setText(QStringLiteral("555"));
  Element<QCheckBox>("chkSammelbuchung").click();
  Element<QRadioButton>("rbFtpFibu").click();
  EXPECT_FALSE(Element<QPushButton>("btnVerzeichnisFibu").isEnabled());
  EXPECT_TRUE(Element<QPushButton>("btnVerbindungFibu").isEnabled());

  Element<QPushButton>("btnSteuer-Codes").click();
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExpAbacus::CSeiteSteuer);
  Bildschirmfoto(*view, "abacus_steuercodes");
  auto& automatik = Element<QCheckBox>("chkAutomatik");
  EXPECT_TRUE(automatik.isChecked());
  EXPECT_TRUE(Element<QLineEdit>("edtSteuer2").isEnabled());
  EXPECT_EQ(Element<QLineEdit>("edtSteuer2").text(), QStringLiteral("311"));
  automatik.click();
  EXPECT_FALSE(Element<QLineEdit>("edtSteuer2").isEnabled());

  Element<QPushButton>("btnDebitoren-Schnittstelle").click();
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExpAbacus::CSeiteDebitoren);
  Bildschirmfoto(*view, "abacus_debitoren");
  auto& debi = Element<QCheckBox>("chkMitDebitoren");
  EXPECT_TRUE(debi.isChecked());
  EXPECT_EQ(Element<QLineEdit>("edtKundenNrVon").text(), QStringLiteral("100001"));
  debi.click();
  EXPECT_FALSE(Element<QLineEdit>("edtKundenNrVon").isEnabled());
  EXPECT_FALSE(Element<QPushButton>("btnVerzeichnisDebi").isEnabled());

  // The connection is still missing: the form stays open on its page.
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_TRUE(view->isVisible());
  EXPECT_NE(demo.Messages().LastText().find("FTP-Export-Pfad"), std::string::npos);
  form.Ausgabe.Verbindung = "steuer";
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.Mandanten()[0].Mandant, 555);
  EXPECT_TRUE(exporter.Sammelbuchung());
  EXPECT_EQ(exporter.ExportMedium(), femFTP);
  EXPECT_FALSE(exporter.Automatikkonten());
  EXPECT_FALSE(exporter.MitDebitoren());
}

}  // namespace
