#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "UiDemoSuite.h"
#include "UiTestSupport.h"
#include "app/SaldixAnbindung.h"
#include "suite/DateTime.h"
#include "ui/SaldixHauptView.h"
#include "ui/SaldixSelektionView.h"
#include "ui/UiText.h"

namespace {

// Records what the menu opened; the selection is filled as a person would.
class TProtokollFenster : public IHauptFenster {
 public:
  std::vector<std::string> Geoeffnet;
  bool MandantWaehlen(TIntPair& mandant, std::string& name) override {
    Geoeffnet.push_back("Mandant");
    mandant = {2, 1};
    name = "Zweiter Mandant";
    return true;
  }
  bool ProfilWahl() override { return true; }
  bool Selektion(TfrmFiBuSelektion&) override {
    Geoeffnet.push_back("Selektion");
    return false;
  }
  void Buchungsliste() override {}
  bool FormatWahl() override {
    Geoeffnet.push_back("Format");
    return true;
  }
  void Kassenabstimmung() override { Geoeffnet.push_back("Kasse"); }
  void WeitereEinstellungen() override { Geoeffnet.push_back("Einstellungen"); }
};

class HauptView : public ::testing::Test {
 protected:
  UiDemoSuite demo;
  TKeineAbrechnungsWahl wahl;
  TSaldixSitzung& sitzung = demo.Sitzung(wahl);
  THauptAnbindung hauptDaten{sitzung.Daten()};
  TSelektionAnbindung selektionDaten{sitzung.Daten()};
  TfrmFiBuSelektion selektion{selektionDaten, wahl};
  TProtokollFenster fenster;
  TFrmHaupt haupt{hauptDaten, fenster, selektion, sitzung.Liste()};
};

TEST_F(HauptView, MenuShowsClientAndFormatAndOpensItsWindows) {
  TSaldixHauptView view(haupt);
  Bildschirmfoto(view, "hauptmenue");
  EXPECT_TRUE(view.windowTitle().startsWith("Saldix - "));
  EXPECT_FALSE(view.Mandant()->text().isEmpty());
  EXPECT_TRUE(view.BearbeitenRechts()->text().startsWith("Export in DATEV")) << Std_(view.BearbeitenRechts()->text());
  EXPECT_EQ(view.Bearbeiten()->text(), QStringLiteral("&Daten bearbeiten"));
  // Every button of the menu answers to Alt and its own letter.
  QSet<QChar> buchstaben;
  for (auto* knopf : view.findChildren<QPushButton*>()) {
    const auto stelle = knopf->text().indexOf(QLatin1Char('&'));
    ASSERT_GE(stelle, 0) << Std_(knopf->text());
    EXPECT_FALSE(buchstaben.contains(knopf->text().at(stelle + 1).toLower())) << Std_(knopf->text());
    buchstaben.insert(knopf->text().at(stelle + 1).toLower());
  }

  QTest::mouseClick(view.Bearbeiten(), Qt::LeftButton);
  QTest::mouseClick(view.Kasse(), Qt::LeftButton);
  QTest::mouseClick(view.Format(), Qt::LeftButton);
  QTest::mouseClick(view.Einstellungen(), Qt::LeftButton);
  EXPECT_EQ(fenster.Geoeffnet,
            (std::vector<std::string>{"Selektion", "Kasse", "Format", "Einstellungen"}));

  QTest::mouseClick(view.MandantWechseln(), Qt::LeftButton);
  EXPECT_EQ(view.Mandant()->text(), QStringLiteral("Zweiter Mandant"));
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Saldix - Zweiter Mandant"));
  EXPECT_EQ(sitzung.Modul().AktMandant(), (TIntPair{2, 1}));
}

TEST_F(HauptView, SelectionDialogSetsTheMonthAndRefusesAPeriodAcrossYears) {
  TSaldixSelektionView view(selektion);
  Bildschirmfoto(view, "selektion");
  EXPECT_TRUE(view.DatumVon()->hasFocus() || !view.isActiveWindow());

  view.Jahr()->clear();
  QTest::keyClicks(view.Jahr(), "2024");
  view.Monat()->setCurrentIndex(1);
  EXPECT_EQ(view.DatumVon()->text(), QStringLiteral("01.02.2024"));
  EXPECT_EQ(view.DatumBis()->text(), QStringLiteral("29.02.2024"));

  view.DatumVon()->setText(QStringLiteral("15.12.2023"));
  view.DatumBis()->setText(QStringLiteral("15.01.2024"));
  QTest::keyClick(&view, Qt::Key_F5);
  EXPECT_EQ(demo.Suite().Messages().LastText(),
            "Der Zeitraum muss innerhalb eines Wirtschaftsjahres liegen.");
  EXPECT_TRUE(view.isVisible());

  view.DatumVon()->setText(QStringLiteral("01.12.2023"));
  view.DatumBis()->setText(QStringLiteral("31.12.2023"));
  // Enter in the date field, after tabbing past the calendar button, is "Weiter".
  view.activateWindow();
  view.DatumVon()->setFocus();
  QTest::keyClick(view.DatumVon(), Qt::Key_Tab);
  view.DatumBis()->setFocus();
  QTest::keyClick(view.DatumBis(), Qt::Key_Return);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(selektion.FDatumVon, EncodeDate(2023, 12, 1));
  EXPECT_EQ(selektion.FAbrJahr, 2023);

  view.show();
  view.Abgeschlossen()->setChecked(true);
  EXPECT_FALSE(view.DatumVon()->isEnabled());
}

}  // namespace
