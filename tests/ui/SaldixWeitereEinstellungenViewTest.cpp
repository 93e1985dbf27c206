// The further-settings window on the demo suite: its pages, the refusal of a sort row
// without a direction, and a stored change that the booking list then follows.
#include "ui/SaldixWeitereEinstellungenView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "UiDemoSuite.h"
#include "UiTestSupport.h"
#include "app/WeitereEinstellungenDaten.h"
#include "suite/DateTime.h"

namespace {

class KeineSuche final : public IKontoSuche {
 public:
  bool Suchen(const TIntPair&, TDateTime, TGewaehltesKonto&) override { return false; }
};

TEST(SaldixWeitereEinstellungenView, RefusesASortRowWithoutDirectionAndStoresWhatTheListFollows) {
  UiDemoSuite demo(400);
  TKeineAbrechnungsWahl wahl;
  TSaldixSitzung& sitzung = demo.Sitzung(wahl);
  TWeitereEinstellungenDaten daten(sitzung.Modul());
  KeineSuche suche;
  TSaldixWeitereEinstellungen logik(daten, suche);
  TSaldixWeitereEinstellungenView view(logik);
  view.show();
  EreignisseVerarbeiten();
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Saldix - Weitere Einstellungen"));
  EXPECT_EQ(view.Seiten().count(), 8);
  view.Seiten().setCurrentIndex(TSaldixWeitereEinstellungen::CSeiteZusammenfassen);
  Bildschirmfoto(view, "weitere_einstellungen");
  view.Seiten().setCurrentIndex(0);

  auto* sortierung = view.findChild<QTreeWidget*>(QStringLiteral("lstSortierung"));
  ASSERT_NE(sortierung, nullptr);
  sortierung->topLevelItem(3)->setCheckState(0, Qt::Checked);
  auto* buchen = view.findChild<QPushButton*>(QStringLiteral("btnBuchen"));
  buchen->click();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(view.Seiten().currentIndex(), TSaldixWeitereEinstellungen::CSeiteSortierung);
  EXPECT_EQ(demo.Suite().Messages().LastText(),
            "Fehlerhafte Eingabe:\rBitte geben Sie an, ob auf- oder absteigend sortiert werden soll.");

  qobject_cast<QComboBox*>(sortierung->itemWidget(sortierung->topLevelItem(3), 1))
      ->setCurrentIndex(2);  // "Absteigend"
  auto* maxZeilen = view.findChild<QLineEdit*>(QStringLiteral("edtMaxZeilen"));
  maxZeilen->setText(QStringLiteral("5"));
  buchen->click();
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);

  // The booking list reads at most five rows now and says so.
  TSaldixBearbeiten& liste = sitzung.Liste();
  liste.FormShow();
  liste.FFirma = sitzung.Modul().AktMandant();
  liste.SetDatumVon(EncodeDate(2020, 1, 1));
  liste.SetDatumBis(EncodeDate(2026, 12, 31));
  liste.ListeLaden();
  EXPECT_EQ(liste.Geladen().size(), 5u);
  EXPECT_NE(demo.Suite().Messages().LastText().find("max. Anzahl (5)"), std::string::npos)
      << demo.Suite().Messages().LastText();
}

}  // namespace
