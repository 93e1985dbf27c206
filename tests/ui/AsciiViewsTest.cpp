#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "DialogAntwort.h"
#include "QtDialogeInstalliert.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "formats/ascii/FibuExpAsciiFrm.h"
#include "suite/DateTime.h"
#include "ui/FormatAnsichten.h"
#include "ui/QtDialoge.h"
#include "ui/SerBriefView.h"
#include "ui/UiText.h"

namespace {

template <typename Widget>
Widget& Element(QWidget& fenster, const char* name) {
  auto* widget = fenster.findChild<Widget*>(QString::fromLatin1(name));
  if (!widget) throw std::runtime_error(std::string("kein Element ") + name);
  return *widget;
}

TFibuExportBuchInfo Buchung(long double soll, long double haben, int konto, const char* text) {
  TFibuExportBuchInfo b;
  b.BetragSoll = soll;
  b.BetragHaben = haben;
  b.Konto = konto;
  b.GegenKonto = 8400;
  b.StSchlGgKto = 3;
  b.BelegDatum = EncodeDate(2024, 3, 5);
  b.BuchungsDatum = b.BelegDatum;
  b.Text = text;
  b.Beleg1 = "RE-17";
  b.Waehrung = "EUR";
  return b;
}

TEST(AsciiViews, TheColumnDialogArrangesColumnsShowsThePreviewAndWritesTheFile) {
  UiDemo demo;
  QtDialogeInstalliert dialoge;
  ascii::TFibuExporter_Ascii exporter;
  exporter.Init();
  const auto dir = demo.ExportDir() / "ascii";
  exporter.SetVerzExport(dir.string());
  exporter.SetDateiEndung("csv");
  const auto mandant = demo.Mandanten().front();
  exporter.Mandanten().front().Aktiv = true;
  ASSERT_TRUE(exporter.Export_Fibu_Kopf({mandant.GepNr, 3, 2024, EncodeDate(2024, 3, 1),
                                         EncodeDate(2024, 3, 31)}));
  exporter.Export_Fibu_Daten(Buchung(119, 0, 1200, "Verkauf Ware"));
  exporter.Export_Fibu_Daten(Buchung(0, 50.5L, 1000, "Zahlung Kunde"));

  QString vorschau;
  BeiDialog<TSerBriefView>([&](TSerBriefView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("FiBu-Daten exportieren"));
    auto& spalten = Element<QTableWidget>(view, "grdSpalten");
    EXPECT_EQ(spalten.rowCount(), 12);  // the flagged columns
    EXPECT_EQ(Element<QListWidget>(view, "lstVerfuegbar").count(), 36);
    // Only account, amount and text, the amount first.
    while (spalten.rowCount() > 0) {
      spalten.selectRow(0);
      Element<QPushButton>(view, "btnEntfernen").click();
    }
    auto& verfuegbar = Element<QListWidget>(view, "lstVerfuegbar");
    for (int zeile : {8, 4, 13}) {  // KONTO, BETRAG, TEXT
      verfuegbar.setCurrentRow(zeile);
      Element<QPushButton>(view, "btnHinzufuegen").click();
    }
    spalten.selectRow(1);
    Element<QPushButton>(view, "btnHoch").click();
    Element<QComboBox>(view, "cmbTrenner").setCurrentIndex(2);  // tab
    vorschau = Element<QPlainTextEdit>(view, "txtVorschau").toPlainText();
    Bildschirmfoto(view, "ascii_spaltenexport");
    Element<QPushButton>(view, "btnSchreiben").click();
  });
  ASSERT_TRUE(exporter.Export_Fibu_Ende());
  EXPECT_EQ(vorschau, QStringLiteral("Betrag→Konto→Beschreibung\n"
                                     "119,00→1200→Verkauf Ware\n-50,50→1000→Zahlung Kunde"));
  std::ifstream in(exporter.GetDateiName(), std::ios::binary);
  std::ostringstream inhalt;
  inhalt << in.rdbuf();
  EXPECT_EQ(inhalt.str(), "Betrag\tKonto\tBeschreibung\r\n"
                          "119,00\t1200\tVerkauf Ware\r\n-50,50\t1000\tZahlung Kunde\r\n");
  exporter.Done();
}

TEST(AsciiViews, AColumnThatIsGoneIsNamedAboveTheLayout) {
  UiDemo demo;
  QtDialogeInstalliert dialoge;
  TSerBriefLayout layout;
  layout.Spalten = {{"ALTFELD", "Alt", 0}, {"KONTO", "Konto", 0}};
  TSerBriefLayoutSpeicher("SALDIX", "SERBASCI").Speichern("", layout);
  ascii::TFibuExporter_Ascii exporter;
  exporter.Init();
  exporter.Mandanten().front().Aktiv = true;
  ASSERT_TRUE(exporter.Export_Fibu_Kopf({demo.Mandanten().front().GepNr, 3, 2024,
                                         EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31)}));
  QString warnung;
  int spalten = -1;
  BeiDialog<TSerBriefView>([&](TSerBriefView& view) {
    warnung = Element<QLabel>(view, "lblWarnungen").text();
    spalten = Element<QTableWidget>(view, "grdSpalten").rowCount();
    Element<QPushButton>(view, "btnAbbrechen").click();
  });
  EXPECT_FALSE(exporter.Export_Fibu_Ende());  // cancelled: no file
  EXPECT_NE(warnung.indexOf(QStringLiteral("\"ALTFELD\"")), -1) << warnung.toStdString();
  EXPECT_EQ(spalten, 1);
  exporter.Done();
}

TEST(AsciiViews, TheSettingsFormShowsItsFourPages) {
  UiDemo demo;
  QtDialogeInstalliert dialoge;
  ascii::TFibuExporter_Ascii exporter;
  exporter.Init();
  exporter.Eigen()[0] = {"Kasse", "K1"};
  ascii::TfrmFibuExportAscii form;
  form.SetFibuExportProfil(&exporter);
  form.FormShow();
  TFibuExportFrmView view(form, FormatTeilFuer(form));
  view.show();
  EreignisseVerarbeiten();
  auto& seiten = Element<QTabWidget>(view, "tabAscii");
  ASSERT_EQ(seiten.count(), 4);
  auto& mandanten = Element<QTreeWidget>(view, "lstMandanten");
  ASSERT_EQ(mandanten.topLevelItemCount(), static_cast<int>(demo.Mandanten().size()));
  const char* namen[] = {"mandanten", "steuerschluessel", "exportfelder", "exportdatei"};
  for (int i = 0; i < 4; ++i) {
    seiten.setCurrentIndex(i);
    Bildschirmfoto(view, std::string("ascii_einstellungen_") + namen[i]);
  }
  EXPECT_EQ(form.Unterseite(), ascii::TfrmFibuExportAscii::CSeiteExportdatei);
  EXPECT_FALSE(Element<QLineEdit>(view, "edtFTPDatei").isEnabled());
  Element<QRadioButton>(view, "rbFTP").click();
  EXPECT_TRUE(Element<QLineEdit>(view, "edtFTPDatei").isEnabled());
  EXPECT_FALSE(Element<QLineEdit>(view, "edtEndung").isEnabled());
  // The layout of later runs, made from the settings form.
  QString knopf;
  BeiDialog<TSerBriefView>([&](TSerBriefView& spalten) {
    knopf = Element<QPushButton>(spalten, "btnSchreiben").text();
    Element<QComboBox>(spalten, "cmbTrenner").setCurrentIndex(3);  // fixed width
    Element<QPushButton>(spalten, "btnSchreiben").click();
  });
  Element<QPushButton>(view, "btnLayout").click();
  EXPECT_EQ(knopf, QStringLiteral("Übernehmen - F5"));
  const auto layout = TSerBriefLayoutSpeicher("SALDIX", "SERBASCI").Laden("");
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(layout->Trenner, TSerBriefTrenner::FesteBreite);
  EXPECT_EQ(layout->Spalten.size(), 12u);
  seiten.setCurrentIndex(1);
  EXPECT_FALSE(Element<QLineEdit>(view, "edtSteuer0").isEnabled());
  Element<QCheckBox>(view, "chkAutomatik").click();
  EXPECT_TRUE(Element<QLineEdit>(view, "edtSteuer0").isEnabled());
  EXPECT_EQ(Element<QLineEdit>(view, "edtEigenUeber1").text(), QStringLiteral("Kasse"));
  exporter.Done();
}

}  // namespace
