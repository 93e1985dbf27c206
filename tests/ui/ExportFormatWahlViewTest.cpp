#include "ui/ExportFormatWahlView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/datev700/FibuExporter_Datev_700.h"
#include "QtDialogeInstalliert.h"
#include "ui/QtFormStoreChooser.h"

namespace {

// Names a profile in the store's save dialog and confirms it.
void ProfilBenennen(const QString& name, const QString& bezeichnung) {
  BeiDialog<TProfilSpeichernDialog>([name, bezeichnung](TProfilSpeichernDialog& dialog) {
    QTest::keyClicks(&dialog.EdtName(), name);
    dialog.EdtBezeichnung().setText(bezeichnung);  // the test's keyboard types ASCII only
    QTest::keyClick(&dialog.EdtBezeichnung(), Qt::Key_Return);
  });
}

}  // namespace

TEST(ExportFormatWahlView, WeiterNeedsARowAndReturnsIt) {
  TestSuite suite;
  TExportFormatWahlView view;
  view.Fuellen({{"STANDARD", "Alle Filialen"}, {"MONATLICH", "Eine Datei je Monat"}});
  view.show();
  auto* weiter = view.findChild<QPushButton*>(QStringLiteral("btnWeiter"));
  weiter->click();
  EXPECT_TRUE(view.isVisible());
  view.Tabelle().selectRow(1);
  weiter->click();
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.Auswahl(), 1u);
}

TEST(ExportFormatWahlView, OffersTheSavedProfilesAndLoadsTheChosenOne) {
  UiDemo demo;
  QtDialogeInstalliert dialoge;
  {
    TFibuExporter_Datev_700 exporter;
    exporter.Init();
    ProfilBenennen(QStringLiteral("Monatlich"), QStringLiteral("Eine Datei je Monat"));
    ASSERT_TRUE(exporter.Config_Save_Dialog());
    ProfilBenennen(QStringLiteral("Quartal"), QStringLiteral("Für die Quartalsmeldung"));
    ASSERT_TRUE(exporter.Config_Save_Dialog());
    // Without a name the save dialog stays open; cancelling saves nothing.
    BeiDialog<TProfilSpeichernDialog>([](TProfilSpeichernDialog& dialog) {
      QTest::keyClick(&dialog.EdtName(), Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible());
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(exporter.Config_Save_Dialog());
    EXPECT_EQ(exporter.Get_Anzahl_Profile(), 2);
    exporter.Done();
  }

  TExportFormatWahlView dialog;
  TfrmExportFormatWahl wahl(demo.Modul().KontenEinstellungen(), &dialog);
  QString titel;
  BeiDialog<TExportFormatWahlView>([&titel](TExportFormatWahlView& gezeigt) {
    titel = gezeigt.windowTitle();
    Bildschirmfoto(gezeigt, "profilwahl");
    gezeigt.Tabelle().selectRow(1);
    QTest::keyClick(&gezeigt.Tabelle(), Qt::Key_Return);
  });
  ASSERT_TRUE(wahl.Execute());
  EXPECT_EQ(titel, QStringLiteral("Auswahl Exportprofil"));
  ASSERT_EQ(wahl.Zeilen().size(), 2u);
  EXPECT_EQ(wahl.Zeilen()[1].Bezeichnung, "Für die Quartalsmeldung");
  EXPECT_EQ(demo.Modul().KontenEinstellungen().AktExporter()->CfgUsername(), "QUARTAL");

  // The next choice has the profile in use selected: Enter keeps it.
  BeiDialog<TExportFormatWahlView>([](TExportFormatWahlView& gezeigt) {
    EXPECT_EQ(gezeigt.Auswahl(), 1u);
    QTest::keyClick(&gezeigt.Tabelle(), Qt::Key_Return);
  });
  ASSERT_TRUE(wahl.Execute());
  EXPECT_EQ(demo.Modul().KontenEinstellungen().AktExporter()->CfgUsername(), "QUARTAL");

  BeiDialog<TExportFormatWahlView>(
      [](TExportFormatWahlView& gezeigt) { QTest::keyClick(&gezeigt, Qt::Key_Escape); });
  EXPECT_FALSE(wahl.Execute());
}
