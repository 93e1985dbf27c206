#include "ui/SaldixAuswahlFBEXView.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiDemo.h"
#include "UiTestSupport.h"
#include "ui/UiText.h"
#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "suite/Text.h"

namespace {

class SaldixAuswahlFBEXView : public ::testing::Test {
 protected:
  void SetUp() override {
    mandant = demo.Mandanten().front();
    demo.Modul();
  }

  void JahrEingeben(QLineEdit& edit, int jahr) {
    edit.selectAll();
    QTest::keyClicks(&edit, QString::number(jahr));
    QTest::keyClick(&edit, Qt::Key_Return);
  }

  int Abrechnungen(int jahr) {
    return demo.Zahl("SELECT COUNT(DISTINCT abr_nr) FROM fbex WHERE firma1 = " +
                     std::to_string(mandant.GepNr.Nr1) + " AND firma2 = " +
                     std::to_string(mandant.GepNr.Nr2) + " AND abr_jahr = " + std::to_string(jahr));
  }

  UiDemo demo;
  TMandListeEintrag mandant;
};

TEST_F(SaldixAuswahlFBEXView, ShowsTheClientsSettlementsNewestFirstAndReturnsTheChosenOne) {
  // The newest settlement of the year has a history of its export.
  TAbrechnungsEreignis ereignis;
  ereignis.Firma = mandant.GepNr;
  ereignis.AbrJahr = 2025;
  ereignis.AbrNr = Abrechnungen(2025);
  ereignis.Zustand = abrechnungszustand::Exportiert;
  ereignis.Zeit = EncodeDateTime(2026, 1, 5, 10, 15, 0, 0);
  ereignis.Rechner = 1;
  ereignis.Dateien = {"/srv/export/EXTF_NORDLICHT_10001_202512_12.csv"};
  ereignis.Buchungen = 152;
  ereignis.Zeilen = 87;
  ereignis.Soll = 50274.59L;
  ereignis.Haben = 123570.98L;
  TAbrechnungsVerlauf(SuiteDatabase::Get()).Eintragen(ereignis);
  TAuswFBEXDatenmodul daten(demo.Modul());
  TSaldixAuswFBEX logik(daten, SuiteDatabase::Get());
  TSaldixAuswahlFBEXView view(logik);
  view.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Auswahl der abgeschlossenen Abrechnung"));
  EXPECT_EQ(view.findChild<QLabel*>(QStringLiteral("lblMandant"))->text(), Qt_(mandant.Name));

  const int jahre = 2025;
  ASSERT_GT(Abrechnungen(jahre), 1);
  // Enter in the year refills the list and does not confirm a row.
  JahrEingeben(view.EdtJahr(), jahre);
  EXPECT_TRUE(view.isVisible());
  auto& grid = view.GrdExports();
  ASSERT_EQ(grid.rowCount(), Abrechnungen(jahre));
  EXPECT_TRUE(grid.isColumnHidden(4));
  EXPECT_FALSE(grid.isColumnHidden(3));
  EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), QStringLiteral("Abrechnung"));
  EXPECT_EQ(grid.item(0, 1)->text(),
            QString::number(Abrechnungen(jahre)) + "/" + QString::number(jahre));
  // The selected settlement's history with its file, which the file buttons open.
  ASSERT_EQ(view.LstVerlauf().count(), 2);
  EXPECT_EQ(view.LstVerlauf().item(0)->text(),
            QStringLiteral("05.01.2026 10:15:00  exportiert  Rechner 1  152 Buchungen, 87 Zeilen, "
                           "Soll 50.274,59, Haben 123.570,98"));
  EXPECT_TRUE(view.findChild<QPushButton*>(QStringLiteral("btnDateiAnzeigen"))->isEnabled());
  Bildschirmfoto(view, "abrechnungsjournal");

  const QPoint zweite = grid.visualItemRect(grid.item(1, 0)).center();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, zweite);
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, zweite);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(logik.ModalResult(), mrOk);
  EXPECT_EQ(logik.AbrNr(), Abrechnungen(jahre) - 1);
  EXPECT_EQ(logik.AbrJahr(), jahre);
  EXPECT_EQ(logik.Firma(), mandant.GepNr);
  EXPECT_GT(logik.DatumBis(), logik.DatumVon());
}

TEST_F(SaldixAuswahlFBEXView, AYearWithoutSettlementsLeavesOneBlankRowThatOkIgnores) {
  TAuswFBEXDatenmodul daten(demo.Modul());
  TSaldixAuswFBEX logik(daten, SuiteDatabase::Get());
  TSaldixAuswahlFBEXView view(logik);
  view.show();
  JahrEingeben(view.EdtJahr(), 1999);
  EXPECT_EQ(view.GrdExports().rowCount(), 1);
  EXPECT_EQ(view.GrdExports().item(0, 1)->text(), QString());
  const QPoint punkt = view.GrdExports().visualItemRect(view.GrdExports().item(0, 0)).center();
  QTest::mouseClick(view.GrdExports().viewport(), Qt::LeftButton, {}, punkt);
  QTest::mouseDClick(view.GrdExports().viewport(), Qt::LeftButton, {}, punkt);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(logik.ModalResult(), 0);
}

TEST_F(SaldixAuswahlFBEXView, DeletingAfterBothQuestionsRemovesTheRow) {
  TAuswFBEXDatenmodul daten(demo.Modul());
  TSaldixAuswFBEX logik(daten, SuiteDatabase::Get());
  TSaldixAuswahlFBEXView view(logik);
  view.show();
  JahrEingeben(view.EdtJahr(), 2025);
  const int vorher = view.GrdExports().rowCount();
  auto* loeschen = view.findChild<QPushButton*>(QStringLiteral("btnLoeschen"));
  ASSERT_TRUE(loeschen->isVisible());

  demo.Messages().Answer(mrYes);
  demo.Messages().Answer(mrNo);
  loeschen->click();
  EXPECT_EQ(view.GrdExports().rowCount(), vorher);

  demo.Messages().Answer(mrYes);
  demo.Messages().Answer(mrYes);
  loeschen->click();
  // The deleted settlement moves to the end, marked as deleted.
  ASSERT_EQ(view.GrdExports().rowCount(), vorher);
  EXPECT_TRUE(view.GrdExports().item(vorher - 1, 1)->text().endsWith(QStringLiteral("(gelöscht)")));
  EXPECT_EQ(Abrechnungen(2025), vorher - 1);
  EXPECT_TRUE(view.isVisible());
}

TEST_F(SaldixAuswahlFBEXView, ClearingTheClientShowsAllClientsAndCancelReturnsFalse) {
  TAuswFBEXDatenmodul daten(demo.Modul());
  TSaldixAuswFBEX logik(daten, SuiteDatabase::Get());
  TSaldixAuswahlFBEXView view(logik);
  view.show();
  JahrEingeben(view.EdtJahr(), 2025);
  const int eigene = view.GrdExports().rowCount();
  view.findChild<QToolButton*>(QStringLiteral("btnMandantLoeschen"))->click();
  EXPECT_EQ(view.findChild<QLabel*>(QStringLiteral("lblMandant"))->text(), QString());
  EXPECT_GT(view.GrdExports().rowCount(), eigene);
  view.close();

  TIntPair firma{};
  int nr = 0, jahr = 0;
  TDateTime von = 0, bis = 0;
  BeiDialog<TSaldixAuswahlFBEXView>(
      [](TSaldixAuswahlFBEXView& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  EXPECT_FALSE(AbgeschlosseneAbrechnungDialog(nullptr, demo.Modul(), firma, nr, jahr, von, bis));
  EXPECT_EQ(nr, 0);
}

TEST_F(SaldixAuswahlFBEXView, ReIssueIsAButtonOnlyWhereTheListAsksAndReturnsTheChoice) {
  TIntPair firma{};
  int nr = 0, jahr = 0;
  TDateTime von = 0, bis = 0;
  // From the selection dialog it only chooses: no re-issue button.
  BeiDialog<TSaldixAuswahlFBEXView>([](TSaldixAuswahlFBEXView& dialog) {
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("btnErneutAusgeben"))->isVisible());
    EXPECT_NE(dialog.findChild<QPushButton*>(QStringLiteral("btnDrucken")), nullptr);
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(AbgeschlosseneAbrechnungDialog(nullptr, demo.Modul(), firma, nr, jahr, von, bis));

  bool erneut = false;
  BeiDialog<TSaldixAuswahlFBEXView>([this](TSaldixAuswahlFBEXView& dialog) {
    JahrEingeben(dialog.EdtJahr(), 2025);
    dialog.GrdExports().setCurrentCell(0, 0);
    auto* knopf = dialog.findChild<QPushButton*>(QStringLiteral("btnErneutAusgeben"));
    ASSERT_TRUE(knopf->isVisible());
    Bildschirmfoto(dialog, "abrechnungsjournal_erneut");
    knopf->click();
  });
  ASSERT_TRUE(
      AbgeschlosseneAbrechnungDialog(nullptr, demo.Modul(), firma, nr, jahr, von, bis, &erneut));
  EXPECT_TRUE(erneut);
  EXPECT_EQ(jahr, 2025);
  EXPECT_EQ(nr, Abrechnungen(2025));
}

}  // namespace
