// The HIS settings in their window: the client grid, the output choice enabling its own
// controls, the rules with their ranges, and F5 taking it all into the exporter.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/his/FibuExpHISFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/QtDialoge.h"
#include "ui/UiText.h"

namespace {

class FibuExpHISView : public ::testing::Test {
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

  template <typename Widget>
  Widget& Element(const char* name) {
    auto* widget = view->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("kein Element ") + name);
    return *widget;
  }
  void Eingeben(const char* name, const QString& text) {
    auto& edit = Element<QLineEdit>(name);
    edit.selectAll();
    edit.del();
    QTest::keyClicks(&edit, text);
  }

  UiDemo demo;
  QtDialogeInstalliert dialoge;
  TFibuExporter_HIS exporter;
  TfrmFibuExpHIS form;
  std::unique_ptr<TFibuExportFrmView> view;
};

TEST_F(FibuExpHISView, ShowsTheSettingsAndTakesThemOnF5) {
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Einstellungen für Export im Format \"HIS-Fibu-Format\""));
  auto& mandanten = Element<QTableWidget>("grdMandanten");
  ASSERT_EQ(mandanten.rowCount(), static_cast<int>(demo.Mandanten().size()));
  EXPECT_TRUE(mandanten.isColumnHidden(1));
  EXPECT_EQ(mandanten.item(0, 0)->checkState(), Qt::Checked);
  EXPECT_TRUE(Element<QRadioButton>("rbLokal").isChecked());
  EXPECT_TRUE(Element<QLineEdit>("edtExportPfad").isEnabled());
  EXPECT_FALSE(Element<QToolButton>("btnFTPZiel").isEnabled());
  EXPECT_EQ(Element<QLineEdit>("edtSachKtoLng").text(), QStringLiteral("4"));
  Bildschirmfoto(*view, "his_einstellungen");

  Element<QRadioButton>("rbFTP").click();
  EXPECT_FALSE(Element<QLineEdit>("edtExportPfad").isEnabled());
  EXPECT_TRUE(Element<QToolButton>("btnFTPZiel").isEnabled());
  // Without a connection chosen F5 stays on the page and says why.
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(demo.Messages().LastText(), "Fehlerhafte Eingabe:\rBitte geben Sie die den FTP-Export-Pfad an.");
  Element<QRadioButton>("rbLokal").click();

  Eingeben("edtSachKtoLng", QStringLiteral("21"));
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_EQ(demo.Messages().LastText(),
            "Fehlerhafte Eingabe:\rDie Länge des Sachkontos muss zwischen 4 und 20 liegen.");
  Eingeben("edtSachKtoLng", QStringLiteral("6"));
  Element<QCheckBox>("chkKontenDrehen").click();
  Eingeben("edtKontenDrehenVon", QStringLiteral("1500"));
  Eingeben("edtKontenDrehenBis", QStringLiteral("1599x"));  // digits only
  EXPECT_EQ(Element<QLineEdit>("edtKontenDrehenBis").text(), QStringLiteral("1599"));
  Element<QCheckBox>("chkKD").click();
  Eingeben("edtKDVon", QStringLiteral("4700"));
  Eingeben("edtKDBis", QStringLiteral("4700"));
  Element<QCheckBox>("chkSonderKDDreh").click();
  mandanten.item(1, 0)->setCheckState(Qt::Unchecked);

  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(exporter.SachKtoLng(), 6);
  EXPECT_EQ(exporter.FormatString(), "%.6d");
  const auto regeln = exporter.Sonderregeln();
  EXPECT_TRUE(regeln.KontenDrehen);
  EXPECT_EQ(regeln.NichtDrehen.Min, 1500);
  EXPECT_EQ(regeln.NichtDrehen.Max, 1599);
  EXPECT_TRUE(regeln.Kassendifferenz);
  EXPECT_TRUE(regeln.KassendifferenzDrehen);
  EXPECT_FALSE(regeln.Gutscheine);
  EXPECT_FALSE(exporter.Mandanten()[1].Aktiv);
}

}  // namespace
