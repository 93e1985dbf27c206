#include "ui/ExportBestaetigungView.h"

#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "DialogAntwort.h"
#include "UiTestSupport.h"
#include "suite/DateTime.h"
#include "support/TestSuite.h"

namespace {

class TAufgezeichneteAnzeige final : public IDateiAnzeige {
 public:
  std::vector<std::string> geoeffnet;
  bool Oeffnen(const std::string& pfad) override {
    geoeffnet.push_back(pfad);
    return true;
  }
};

TExportAbrechnung Abrechnung() {
  TExportAbrechnung abrechnung;
  abrechnung.Firma = {1, 1};
  abrechnung.AbrNr = 12;
  abrechnung.AbrJahr = 2026;
  abrechnung.DatumVon = EncodeDate(2026, 11, 1);
  abrechnung.DatumBis = EncodeDate(2026, 11, 30);
  abrechnung.MandantText = "1 Nordlicht Handels GmbH";
  return abrechnung;
}

// The value shown beside a label of the form layout.
QString Wert(QWidget& fenster, const QString& name) {
  for (auto* layout : fenster.findChildren<QFormLayout*>()) {
    for (int zeile = 0; zeile < layout->rowCount(); ++zeile) {
      auto* label = layout->itemAt(zeile, QFormLayout::LabelRole);
      auto* feld = layout->itemAt(zeile, QFormLayout::FieldRole);
      if (!label || !feld) continue;
      auto* text = qobject_cast<QLabel*>(label->widget());
      if (text && text->text() == name + ":") return qobject_cast<QLabel*>(feld->widget())->text();
    }
  }
  return {};
}

TEST(ExportBestaetigungView, BeforeTheExportShowsTheFiguresTheTargetAndTheProblems) {
  TestSuite suite;
  TExportUebersicht uebersicht{152, 87, 50274.594L, 123570.985L};
  TfrmExportBestaetigung form(TfrmExportBestaetigung::TArt::Vorher, Abrechnung(), uebersicht);
  form.SetZiel("/srv/export", {"/srv/export/EXTF_Nordlicht_1_202611_12.csv"});
  form.SetProbleme({"Warnung: Vor dem 01.11.2026 sind noch 141 Buchungen offen"});
  TExportBestaetigungView view(form);
  Bildschirmfoto(view, "exportbestaetigung");

  EXPECT_EQ(view.windowTitle(), QStringLiteral("Export bestätigen"));
  EXPECT_EQ(Wert(view, "Mandant"), QStringLiteral("1 Nordlicht Handels GmbH"));
  EXPECT_EQ(Wert(view, "Zeitraum"), QStringLiteral("01.11.2026 - 30.11.2026"));
  EXPECT_EQ(Wert(view, "Abrechnung"), QStringLiteral("12/2026"));
  EXPECT_EQ(Wert(view, "Buchungen"), QStringLiteral("152"));
  EXPECT_EQ(Wert(view, "Zeilen der Datei"), QStringLiteral("87"));
  EXPECT_EQ(Wert(view, "Summe Soll"), QStringLiteral("50.274,59"));
  EXPECT_EQ(Wert(view, "Summe Haben"), QStringLiteral("123.570,99"));
  EXPECT_EQ(Wert(view, "Ziel"), QStringLiteral("/srv/export"));
  ASSERT_NE(view.Dateien(), nullptr);
  ASSERT_EQ(view.Dateien()->count(), 1);
  EXPECT_EQ(view.Dateien()->item(0)->text(),
            QStringLiteral("/srv/export/EXTF_Nordlicht_1_202611_12.csv"));
  auto* probleme = view.findChild<QListWidget*>(QStringLiteral("lstProbleme"));
  ASSERT_NE(probleme, nullptr);
  EXPECT_EQ(probleme->count(), 1);
  // Nothing to show yet: no file buttons; cancelling leaves the form cancelled.
  EXPECT_EQ(view.DateiAnzeigen(), nullptr);
  EXPECT_EQ(view.Ok().text(), QStringLiteral("&Exportieren"));
  view.reject();
  EXPECT_NE(form.ModalResult(), 1);
}

TEST(ExportBestaetigungView, AfterTheExportShowsTheFilesAndOpensTheChosenOneOrItsFolder) {
  TestSuite suite;
  TAufgezeichneteAnzeige anzeige;
  TfrmExportBestaetigung form(TfrmExportBestaetigung::TArt::Nachher, Abrechnung(),
                              TExportUebersicht{2, 2, 10, 2.5L}, &anzeige);
  form.SetErgebnis("Es wurden 2 Sätze exportiert.",
                   {"/srv/export/EXTF_A_1_202611_12.csv", "/srv/export/EXTF_A_1_202611_12_2.csv"});
  TExportBestaetigungView view(form);
  Bildschirmfoto(view, "exportzusammenfassung");

  EXPECT_EQ(view.windowTitle(), QStringLiteral("Export abgeschlossen"));
  ASSERT_NE(view.Dateien(), nullptr);
  EXPECT_EQ(view.Dateien()->count(), 2);
  ASSERT_NE(view.DateiAnzeigen(), nullptr);
  EXPECT_EQ(view.DateiAnzeigen()->text(), QStringLiteral("&Datei anzeigen"));
  EXPECT_EQ(view.OrdnerOeffnen()->text(), QStringLiteral("&Ordner öffnen"));
  view.Dateien()->setCurrentRow(1);
  view.DateiAnzeigen()->click();
  view.OrdnerOeffnen()->click();
  EXPECT_EQ(anzeige.geoeffnet, (std::vector<std::string>{"/srv/export/EXTF_A_1_202611_12_2.csv",
                                                          "/srv/export"}));
  // The dialog stays open for both; closing it is OK, not a cancel.
  view.Ok().click();
  EXPECT_EQ(form.ModalResult(), 1);
}

}  // namespace
