#include "ui/ExportProblemeView.h"

#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiTestSupport.h"
#include "app/ExportProblemListe.h"
#include "suite/DateTime.h"
#include "support/ExportTestSupport.h"
#include "support/TestSuite.h"

namespace {

TExportProblemListe Probleme() {
  TExportProblem fehler{1, "RE-2", EncodeDate(2026, 11, 5), "123456", "Konto", "123456",
                        "Mehr als 5 Stellen: Sachkonten haben 4, Personenkonten 5 Stellen", true};
  TExportProblem warnung{TExportProblem::kGanzerExport, "", 0, "", "", "",
                         "Vor dem 01.11.2026 sind noch 141 Buchungen offen", false};
  return {fehler, warnung};
}

TEST(ExportProblemeView, ListsEveryProblemAndSelectsItsRowInTheBookingList) {
  TestSuite suite;
  TTestListe liste;
  liste.Buchung(1200, 8400, EncodeDate(2026, 11, 4), 1, 1, 1);
  liste.Buchung(123456, 8400, EncodeDate(2026, 11, 5), 1, 1, 2);
  TfrmExportProbleme form(Probleme(), liste);
  int gezeigt = 0;
  TExportProblemeView view(form, [&] { ++gezeigt; });
  Bildschirmfoto(view, "exportprobleme");

  ASSERT_EQ(view.Tabelle().rowCount(), 2);
  EXPECT_EQ(view.Tabelle().item(0, TfrmExportProbleme::Beleg)->text(), QStringLiteral("RE-2"));
  EXPECT_EQ(view.Tabelle().item(0, TfrmExportProbleme::Datum)->text(),
            QStringLiteral("05.11.2026"));
  EXPECT_EQ(view.Tabelle().item(0, TfrmExportProbleme::Art)->text(), QStringLiteral("Fehler"));
  EXPECT_EQ(view.Tabelle().item(1, TfrmExportProbleme::Beleg)->text(),
            QStringLiteral("(gesamter Export)"));
  EXPECT_EQ(view.Tabelle().item(1, TfrmExportProbleme::Art)->text(), QStringLiteral("Warnung"));
  // A blocking problem: the export cannot go on from here.
  EXPECT_FALSE(view.Trotzdem().isEnabled());

  view.Tabelle().setCurrentCell(0, 0);
  EXPECT_EQ(liste.ausgewaehlt, &liste.Zeile(1));
  EXPECT_EQ(gezeigt, 1);
}

TEST(ExportProblemeView, WarningsAloneMayBeAcceptedAndTheDisplaySaysSo) {
  TestSuite suite;
  TTestListe liste;
  TQtProblemAnzeige anzeige(nullptr, nullptr);
  BeiDialog<TExportProblemeView>([](TExportProblemeView& v) { v.Trotzdem().click(); });
  EXPECT_TRUE(anzeige.Zeigen({Probleme()[1]}, liste));
  BeiDialog<TExportProblemeView>([](TExportProblemeView& v) { v.reject(); });
  EXPECT_FALSE(anzeige.Zeigen({Probleme()[1]}, liste));
}

}  // namespace
