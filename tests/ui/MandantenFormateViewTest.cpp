// The settings windows of BMD, DVO and SBS on the demo suite: their fields, the client
// grid and the branch grid, edits the logic refuses, and F5 handing the values over.
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/bmd/FibuExpBMDFrm.h"
#include "formats/dvo/FibuExpDVOFrm.h"
#include "formats/sbs/FibuExpSBSFrm.h"
#include "ui/FibuExportFrmView.h"
#include "ui/FormatAnsichten.h"
#include "ui/UiText.h"

namespace {

// Opens the settings window of a format on its demo profile.
template <typename TExporter, typename TForm>
class Fenster {
 public:
  explicit Fenster(const std::string& exportDir, bool (*demoProfil)(const std::string&)) {
    demoProfil(exportDir);
    exporter.Init();
    form.SetFibuExportProfil(&exporter);
    form.FormShow();
    view = std::make_unique<TFibuExportFrmView>(form, TFormatAnsichten::Global().Erzeuge(form));
    view->show();
    EreignisseVerarbeiten();
  }
  ~Fenster() {
    view.reset();
    exporter.Done();
  }
  template <typename Widget>
  Widget& Element(const char* name) {
    auto* widget = view->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("kein Element ") + name);
    return *widget;
  }

  TExporter exporter;
  TForm form;
  std::unique_ptr<TFibuExportFrmView> view;
};

class MandantenFormateView : public ::testing::Test {
 protected:
  UiDemo demo;
  QtDialogeInstalliert dialoge;
};

TEST_F(MandantenFormateView, BmdShowsPathAndClientGridAndTakesThemOnF5) {
  Fenster<bmd::TFibuExporter_BMD, bmd::TfrmFibuExpBMD> f(demo.ExportDir().string(),
                                                        bmd::DemoProfilEinrichten);
  EXPECT_EQ(f.view->windowTitle(), QStringLiteral("Einstellungen für Export im Format \"BMD Finanzbuchhaltung\""));
  EXPECT_EQ(f.Element<QLineEdit>("edtExportPfad").text(), Qt_(demo.ExportDir().string()));
  auto& mandanten = f.Element<QTableWidget>("grdMandanten");
  ASSERT_EQ(mandanten.rowCount(), static_cast<int>(demo.Mandanten().size()));
  EXPECT_TRUE(mandanten.isColumnHidden(TMandantenRaster::mrsGepNr));
  EXPECT_EQ(mandanten.horizontalHeaderItem(3)->text(), QStringLiteral("BMD-Mandant"));
  EXPECT_EQ(mandanten.item(0, TMandantenRaster::mrsKurzNr)->checkState(), Qt::Checked);
  Bildschirmfoto(*f.view, "bmd_einstellungen");

  mandanten.item(0, 3)->setText(QStringLiteral("123456"));  // six digits: refused
  EXPECT_EQ(mandanten.item(0, 3)->text(), QString::number(100 + demo.Mandanten()[0].KurzNr));
  mandanten.item(0, 3)->setText(QStringLiteral("4711"));
  mandanten.item(1, TMandantenRaster::mrsKurzNr)->setCheckState(Qt::Unchecked);
  QTest::keyClick(f.view.get(), Qt::Key_F5);
  EXPECT_EQ(f.form.ModalResult(), mrOk);
  EXPECT_EQ(f.exporter.Mandanten().Eintraege()[0].Zahl(0), 4711);
  EXPECT_FALSE(f.exporter.Mandanten().Eintraege()[1].Aktiv);
}

TEST_F(MandantenFormateView, SbsShowsTheVersion) {
  Fenster<sbs::TFibuExporter_SBS, sbs::TfrmFibuExpSBS> f(demo.ExportDir().string(),
                                                        sbs::DemoProfilEinrichten);
  auto& version = f.Element<QLineEdit>("edtVersion");
  EXPECT_EQ(version.text(), QStringLiteral("3.00"));
  EXPECT_EQ(version.maxLength(), 10);
  EXPECT_EQ(f.Element<QTableWidget>("grdMandanten").horizontalHeaderItem(3)->text(),
            QStringLiteral("SBS-Mandant"));
  Bildschirmfoto(*f.view, "sbs_einstellungen");
  version.selectAll();
  version.del();
  QTest::keyClick(f.view.get(), Qt::Key_F5);
  EXPECT_EQ(f.form.ModalResult(), 0);  // refused
  EXPECT_EQ(demo.Messages().LastText(), "Fehlerhafte Eingabe:\rBitte geben Sie die Version an.");
}

TEST_F(MandantenFormateView, DvoShowsLengthsAndTheBranchesDocumentSeries) {
  Fenster<dvo::TFibuExporter_DVO, dvo::TfrmFibuExpDVO> f(demo.ExportDir().string(),
                                                        dvo::DemoProfilEinrichten);
  EXPECT_EQ(f.Element<QLineEdit>("edtSachKtoLng").text(), QStringLiteral("4"));
  EXPECT_EQ(f.Element<QLineEdit>("edtPersKtoLng").text(), QStringLiteral("5"));
  auto& filialen = f.Element<QTableWidget>("grdFilialen");
  ASSERT_GT(filialen.rowCount(), 0);
  EXPECT_FALSE(filialen.item(0, 2)->text().isEmpty());
  Bildschirmfoto(*f.view, "dvo_einstellungen");
  filialen.item(0, 2)->setText(QStringLiteral("ABCD"));  // four characters: refused
  EXPECT_NE(filialen.item(0, 2)->text(), QStringLiteral("ABCD"));
  filialen.item(0, 2)->setText(QStringLiteral("XY"));
  QTest::keyClick(f.view.get(), Qt::Key_F5);
  EXPECT_EQ(f.form.ModalResult(), mrOk);
  EXPECT_EQ(f.exporter.Filialen()[0].Belegart, "XY");
}

}  // namespace
