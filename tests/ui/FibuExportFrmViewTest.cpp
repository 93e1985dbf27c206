#include "ui/FibuExportFrmView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/datev700/FibuExpDatev700Frm.h"
#include "ui/formats/datev/FibuExpDatevView.h"
#include "ui/QtFormStoreChooser.h"
#include "ui/UiText.h"

namespace {

class FibuExportFrmView : public ::testing::Test {
 protected:
  void SetUp() override {
    exporter.Init();
    form.SetFibuExportProfil(&exporter);
    form.FormShow();
    view = std::make_unique<TFibuExportFrmView>(form, FormatTeilFuer(form));
    view->show();
    EreignisseVerarbeiten();
  }
  void TearDown() override { view.reset(); exporter.Done(); }

  template <typename Widget>
  Widget& Element(const char* name) {
    auto* widget = view->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("kein Element ") + name);
    return *widget;
  }
  void Klick(const char* knopf) { Element<QAbstractButton>(knopf).click(); }
  void Eingeben(const char* name, const QString& text) {
    auto& edit = Element<QLineEdit>(name);
    edit.selectAll();
    edit.del();
    QTest::keyClicks(&edit, text);
  }
  std::string Fehler() { return demo.Messages().LastText(); }

  UiDemo demo;
  QtDialogeInstalliert dialoge;
  TFibuExporter_Datev_700 exporter;
  TfrmFibuExpDatev_700 form;
  std::unique_ptr<TFibuExportFrmView> view;
};

TEST_F(FibuExportFrmView, ShowsTheDatev700SettingsAndTakesThemOnF5) {
  EXPECT_EQ(view->windowTitle(),
            QStringLiteral("Einstellungen für Export im Format \"DATEV (Datevformat 1.4 / 700)\""));
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExport::CSeiteParameter);
  EXPECT_EQ(Element<QLineEdit>("edtExportPfad").text(), Qt_(demo.ExportDir().string()));
  EXPECT_EQ(Element<QLineEdit>("edtSachKtoLng").text(), QStringLiteral("4"));
  EXPECT_NE(Element<QCheckBox>("chkZAHLREFER").toolTip().indexOf("Abrechnungsreferenz"), -1);
  EXPECT_EQ(Element<QCheckBox>("chkEXPMONATL").text(), QStringLiteral("Export getrennt nach Monaten"));
  EXPECT_EQ(Element<QCheckBox>("chkSOLLHABENT").text(),
            QStringLiteral("Soll und Haben tauschen - für alle Buchungen"));
  auto& mandanten = Element<QTableWidget>("grdMandanten");
  ASSERT_EQ(mandanten.rowCount(), static_cast<int>(demo.Mandanten().size()));
  EXPECT_TRUE(mandanten.isColumnHidden(TfrmFibuExpDatev::mspGepNr));
  EXPECT_EQ(mandanten.item(0, TfrmFibuExpDatev::mspKurzNr)->checkState(), Qt::Checked);
  EXPECT_EQ(mandanten.item(0, TfrmFibuExpDatev::mspFestschreiben)->text(), QStringLiteral("Ja"));
  Bildschirmfoto(*view, "datev700_einstellungen");

  Klick("chkORDERID");
  Klick("chkSOLLHABENT");
  Element<QLineEdit>("edtSachKtoLng").selectAll();
  QTest::keyClicks(&Element<QLineEdit>("edtSachKtoLng"), QStringLiteral("x"));  // refused
  EXPECT_EQ(Element<QLineEdit>("edtSachKtoLng").text(), QStringLiteral("4"));
  Eingeben("edtSachKtoLng", QStringLiteral("6"));
  mandanten.item(0, TfrmFibuExpDatev::mspBerater)->setText(QStringLiteral("12345678"));
  EXPECT_EQ(mandanten.item(0, TfrmFibuExpDatev::mspBerater)->text(), QStringLiteral("29098"));
  mandanten.item(0, TfrmFibuExpDatev::mspBerater)->setText(QStringLiteral("1234567"));
  mandanten.item(1, TfrmFibuExpDatev::mspKurzNr)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(form.MandantZeilen()[1].Aktiv);

  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_TRUE(exporter.ExportOrderID());
  EXPECT_TRUE(exporter.SollHabenTauschen());
  EXPECT_EQ(exporter.SachKtoLng(), 6);
  EXPECT_EQ(exporter.Mandanten()[0].Berater, 1234567);
  EXPECT_FALSE(exporter.Mandanten()[1].Aktiv);
}

TEST_F(FibuExportFrmView, FestschreibenAndContentsAreChosenFromTheirDropDowns) {
  auto& mandanten = Element<QTableWidget>("grdMandanten");
  mandanten.setCurrentCell(1, TfrmFibuExpDatev::mspMandant);
  // A click on an editable header edits that column of the selected row.
  QTest::mouseClick(mandanten.horizontalHeader()->viewport(), Qt::LeftButton, {},
                    QPoint(mandanten.horizontalHeader()->sectionViewportPosition(
                               TfrmFibuExpDatev::mspFestschreiben) + 5, 5));
  auto* festschreiben = mandanten.viewport()->findChild<QComboBox*>();
  ASSERT_NE(festschreiben, nullptr);
  EXPECT_EQ(festschreiben->count(), 2);
  festschreiben->setCurrentIndex(festschreiben->findText(QStringLiteral("Nein")));
  emit festschreiben->activated(festschreiben->currentIndex());
  EreignisseVerarbeiten();
  EXPECT_FALSE(form.MandantZeilen()[1].Festschreiben);
  EXPECT_EQ(mandanten.item(1, TfrmFibuExpDatev::mspFestschreiben)->text(), QStringLiteral("Nein"));

  Klick("btnZusatzdaten");
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExpDatev::CSeiteZusatzdaten);
  EXPECT_TRUE(Element<QPushButton>("btnZusatzdaten").isChecked());
  auto& zusatz = Element<QTableWidget>("grdZusatzdaten");
  ASSERT_EQ(zusatz.rowCount(), 28);
  EXPECT_EQ(zusatz.item(8, 0)->text(), QStringLiteral("ZUSATZ01"));
  zusatz.editItem(zusatz.item(8, 3));
  auto* inhalt = zusatz.viewport()->findChild<QComboBox*>();
  ASSERT_NE(inhalt, nullptr);
  EXPECT_EQ(inhalt->count(), 25);
  inhalt->setCurrentIndex(inhalt->findText(QStringLiteral("Belegnummer")));
  emit inhalt->activated(inhalt->currentIndex());
  EreignisseVerarbeiten();
  EXPECT_EQ(form.ZusatzZeilen()[8].InhaltKennung, "BELEGNR");
  EXPECT_EQ(zusatz.item(8, 2)->text(), QStringLiteral("BELEGNR"));
  zusatz.item(9, 3)->setText(QStringLiteral("Gibt es nicht"));
  EXPECT_EQ(zusatz.item(9, 3)->text(), QString());
  Bildschirmfoto(*view, "datev700_zusatzdaten");

  view->close();  // closing the window is "Zurück"
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(form.ModalResult(), mrCancel);
  EXPECT_TRUE(exporter.Mandanten()[1].Festschreiben);
}

TEST_F(FibuExportFrmView, RefusedChecksShowTheirPage) {
  Klick("btnFilialen");
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExport::CSeiteFilialen);
  EXPECT_TRUE(Element<QRadioButton>("optAlleFilialen").isChecked());
  auto& liste = Element<QListWidget>("lstFilialen");
  EXPECT_FALSE(liste.isEnabled());
  ASSERT_GT(liste.count(), 1);

  Klick("optSelektierteFilialen");
  EXPECT_FALSE(Element<QRadioButton>("optAlleFilialen").isChecked());
  EXPECT_TRUE(liste.isEnabled());
  Bildschirmfoto(*view, "einstellungen_filialen");
  Klick("btnParameter");
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExport::CSeiteFilialen);
  EXPECT_EQ(Fehler(), "Fehlerhafte Eingabe:\rBitte geben Sie mindestens eine Filiale an.");

  Klick("btnAllesVerarbeiten");
  EXPECT_EQ(liste.item(liste.count() - 1)->checkState(), Qt::Checked);
  Klick("btnUmkehren");
  EXPECT_EQ(liste.item(0)->checkState(), Qt::Unchecked);
  liste.item(1)->setCheckState(Qt::Checked);
  EXPECT_TRUE(form.FilialZeilen()[1].Checked);

  Klick("btnParameter");
  Eingeben("edtExportPfad", QString());
  Klick("btnFilialen");
  Klick("btnOK");
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExport::CSeiteParameter);
  EXPECT_EQ(Fehler(), "Fehlerhafte Eingabe:\rBitte geben Sie die den Export-Pfad an.");
  EXPECT_TRUE(view->isVisible());

  // The directory button puts the chosen directory into the path.
  class TFesteWahl final : public IVerzeichnisWahl {
   public:
    std::optional<std::string> Waehle(const std::string&, const std::string&) override {
      return "/srv/datev";
    }
  };
  SetVerzeichnisWahl(std::make_shared<TFesteWahl>());
  Element<QToolButton>("btnExportPfad").click();
  EXPECT_EQ(Element<QLineEdit>("edtExportPfad").text(), QStringLiteral("/srv/datev"));
  QTest::keyClick(view.get(), Qt::Key_F5);
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(exporter.VerzExport(), "/srv/datev");
  EXPECT_EQ(exporter.Filialen(), TStringList{std::to_string(form.FilialZeilen()[1].Nr)});
}

TEST_F(FibuExportFrmView, ProfilesAreSavedLoadedAndDeletedThroughTheStoreDialogs) {
  Klick("btnSpezKonten");
  EXPECT_EQ(view->SichtbareSeite(), TfrmFibuExport::CSeiteSpezKonten);
  EXPECT_NE(Element<QPlainTextEdit>("memSpezKontenHilfe").toPlainText().indexOf("[EXPORT]"), -1);
  QTest::keyClicks(&Element<QPlainTextEdit>("edtSpezKonten"), QStringLiteral("ERLWARE;3;5;01.01.2013;0;8005;N"));
  EXPECT_TRUE(form.SpezKontenGeaendert());
  Bildschirmfoto(*view, "einstellungen_spezkonten");

  BeiDialog<TProfilSpeichernDialog>([](TProfilSpeichernDialog& dialog) {
    dialog.EdtName().setText(QStringLiteral("Erloese"));
    dialog.EdtBezeichnung().setText(QStringLiteral("Erlöse auf 8005"));
    QTest::keyClick(&dialog.EdtName(), Qt::Key_Return);
  });
  Klick("btnSpeichern");
  EXPECT_EQ(exporter.Get_Anzahl_Profile(), 1);

  BeiDialog<TProfilListeDialog>([](TProfilListeDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Profil laden"));
    dialog.Tabelle().selectRow(0);
    QTest::keyClick(&dialog.Tabelle(), Qt::Key_Return);
  });
  Klick("btnLaden");
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Einstellungen für Export im Format \"DATEV "
                                                "(Datevformat 1.4 / 700)\" - \"Erlöse auf 8005\""));
  EXPECT_EQ(Element<QPlainTextEdit>("edtSpezKonten").toPlainText(),
            QStringLiteral("ERLWARE;3;5;01.01.2013;0;8005;N\n"));

  BeiDialog<TProfilListeDialog>([](TProfilListeDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Profil löschen"));
    dialog.Tabelle().selectRow(0);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
  });
  Klick("btnLoeschen");
  EXPECT_EQ(exporter.Get_Anzahl_Profile(), 0);
  EXPECT_TRUE(view->isVisible());
}

}  // namespace

TEST(FibuExportFormatTeil, TheFormsTypeChoosesItsPage) {
  TestSuite suite;
  TfrmFibuExpDatev datev;
  TfrmFibuExpDatev_700 datev700;
  auto teil = FormatTeilFuer(datev);
  EXPECT_NE(dynamic_cast<TFibuExpDatevView*>(teil.get()), nullptr);
  // 700 shows the same part: its two extra switches come from its settings table.
  EXPECT_NE(dynamic_cast<TFibuExpDatevView*>(FormatTeilFuer(datev700).get()), nullptr);
}
