#include "ui/FibuExporterWahlView.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/datev700/FibuExporter_Datev_700.h"

TEST(FibuExporterWahlView, PreselectsTheActiveFormatEditsAnotherAndSwitchesOnF5) {
  UiDemo demo;
  QtDialogeInstalliert dialoge;
  auto& aktiv = demo.Modul().KontenEinstellungen();
  ASSERT_EQ(aktiv.AktExporterKennung(), TFibuExporter_Datev_700::CKennung);
  TfrmFibuExporter_wahl logik(TFibuExportKatalog::Global(), aktiv);
  TFibuExporterWahlView view(logik);
  Bildschirmfoto(view, "formatwahl");
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Auswahl Exportformat"));
  EXPECT_TRUE(view.Format(1).isChecked());
  EXPECT_FALSE(view.Format(0).isChecked());
  EXPECT_EQ(view.Format(1).text(), QStringLiteral("DATEV (Datevformat 1.4 / 700)"));
  auto* einstellungen = view.findChild<QPushButton*>(QStringLiteral("btnEinstellungen"));
  EXPECT_TRUE(einstellungen->isEnabled());

  view.Format(0).click();
  EXPECT_EQ(logik.Auswahl(), 0);
  EXPECT_TRUE(view.Format(0).isChecked());
  EXPECT_FALSE(view.Format(1).isChecked());

  // The settings of the chosen format open through the form hook; the active exporter
  // and its profile stay as they were.
  TFibuExporter* vorher = aktiv.AktExporter();
  QString titel;
  BeiDialog<QDialog>([&titel](QDialog& form) {
    titel = form.windowTitle();
    Bildschirmfoto(form, "datev_einstellungen");
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  einstellungen->click();
  EXPECT_EQ(titel, QStringLiteral("Einstellungen für Export im Format \"DATEV (Datevformat 1.4 / 510)\""));
  EXPECT_EQ(aktiv.AktExporter(), vorher);
  EXPECT_TRUE(view.isVisible());

  QTest::keyClick(&view, Qt::Key_F5);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(aktiv.AktExporterKennung(), "DATEV1.4");
}

TEST(FibuExporterWahlView, BuchenWithoutAChoiceAsksForOne) {
  UiDemo demo;
  auto& aktiv = demo.Modul().KontenEinstellungen();
  aktiv.SetAktExporterKennung("");
  TfrmFibuExporter_wahl logik(TFibuExportKatalog::Global(), aktiv);
  TFibuExporterWahlView view(logik);
  view.show();
  EXPECT_FALSE(view.Format(0).isChecked());
  EXPECT_FALSE(view.Format(1).isChecked());
  EXPECT_FALSE(view.findChild<QPushButton*>(QStringLiteral("btnEinstellungen"))->isEnabled());
  view.findChild<QPushButton*>(QStringLiteral("btnBuchen"))->click();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(demo.Messages().LastText(), "Bitte wählen Sie ein Exportformat.");
  view.findChild<QPushButton*>(QStringLiteral("btnZurueck"))->click();
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Rejected);
}
