// The report service: the booking list as a PDF with a hand-counted number of pages, and
// the print preview.
#include "ui/QtBerichtDruck.h"

#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiTestSupport.h"
#include "app/BearbFakes.h"
#include "app/SaldixBearb.h"
#include "data/SaldixAbstimmung.h"
#include "support/TestSuite.h"

namespace {

int PdfSeiten(const QString& datei) {
  QFile pdf(datei);
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  const QString inhalt = QString::fromLatin1(pdf.readAll());
  return static_cast<int>(inhalt.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class ListenDruck : public ::testing::Test {
 protected:
  // n bookings, each in a branch of its own: n top-level rows and the total line.
  void Laden(int n) {
    for (int i = 1; i <= n; ++i) dm.Buchung(i, "KASSE", "ERLWARE", i, 0, i);
    form.FormShow();
    form.FormActivate();
    form.SetAbrechnung(5, 2024);
    ASSERT_EQ(form.Liste().Oberste().size(), static_cast<std::size_t>(n));
  }

  TestSuite suite;
  TFakeDatenmodul dm;
  TFakeRechte rechte;
  TFakeAbrechnungsWahl wahl;
  TSaldixBearbeiten form{dm.Dienste(), rechte, wahl};
  QTemporaryDir dir;
};

// A4 landscape with 15 mm margins leaves 510 points: 42 lines of 12 points. Title, client,
// period, settlement, a blank line and the column headings above the rows, a blank line
// and the page number below: 34 rows a page.
TEST_F(ListenDruck, ThirtyFourRowsFillAPageAndTheTotalLineCounts) {
  Laden(67);  // 67 rows and the total: 68 rows, two full pages
  const TBericht bericht = BuchungslisteBericht(form, "Muster GmbH", false);
  EXPECT_EQ(bericht.Zeilen.size(), 68u);
  EXPECT_EQ(bericht.Kopf.at(0), "Mandant: Muster GmbH");
  EXPECT_EQ(bericht.Kopf.at(2), "Abrechnung: 5/2024");
  EXPECT_EQ(bericht.Spalten.at(0).Titel, "Betrag Soll");
  // The total line adds what is marked: 1 + 2 + ... + 67.
  EXPECT_EQ(bericht.Zeilen.back().Zellen.at(0), "2.278,00");
  const QString datei = dir.filePath(QStringLiteral("liste.pdf"));
  EXPECT_EQ(BerichtAlsPdf(bericht, datei), 2);
  EXPECT_EQ(PdfSeiten(datei), 2);
}

TEST_F(ListenDruck, OneMoreRowStartsAThirdPage) {
  Laden(68);
  const QString datei = dir.filePath(QStringLiteral("liste.pdf"));
  EXPECT_EQ(BerichtAlsPdf(BuchungslisteBericht(form, "Muster GmbH", false), datei), 3);
  EXPECT_EQ(PdfSeiten(datei), 3);
}

TEST_F(ListenDruck, ThePreviewShowsTheFirstPage) {
  Laden(40);
  const TBericht bericht = BuchungslisteBericht(form, "Muster GmbH", false);
  bool gezeigt = false;
  BeiDialog<QPrintPreviewDialog>([&](QPrintPreviewDialog& vorschau) {
    gezeigt = true;
    Bildschirmfoto(vorschau, "druckvorschau");
    vorschau.reject();
  });
  BerichtVorschau(bericht, nullptr);
  EXPECT_TRUE(gezeigt);
}

TEST(AbstimmungDruck, TheReconciliationListPrintsItsShownColumnsWithGroupRows) {
  TAbstimmungsListe liste;
  liste.Titel = "Abstimmung Kassenberichte";
  liste.Spaltentitel.assign(CAbstSpalten, "x");
  liste.SpalteSichtbar.assign(CAbstSpalten, true);
  liste.SpalteSichtbar[6] = false;
  TAbstimmungsZeile buchung;
  buchung.Filiale = 2;
  buchung.Zugang = 300;
  liste.Zeilen = AbstimmungGruppieren({buchung}, nullptr);
  const TBericht bericht = AbstimmungsBericht(liste, "Muster GmbH", "15.03.2024 - 15.03.2024");
  EXPECT_EQ(bericht.Spalten.size(), static_cast<std::size_t>(CAbstSpalten - 1));
  ASSERT_EQ(bericht.Zeilen.size(), 4u);  // branch, computer, day, booking
  EXPECT_TRUE(bericht.Zeilen[0].Gruppe);
  EXPECT_FALSE(bericht.Zeilen[3].Gruppe);
  EXPECT_EQ(bericht.Zeilen[0].Zellen.at(4), "300,00");
  QTemporaryDir dir;
  EXPECT_EQ(BerichtAlsPdf(bericht, dir.filePath(QStringLiteral("a.pdf"))), 1);
}

}  // namespace
