// DATEV files whose header period and lines agree: monthly files of a client whose fiscal
// year starts in July cover their month in the booking's own calendar year, and a group row
// of an export ending mid-month lies inside the period.
#include <gtest/gtest.h>

#include "BearbFakes.h"
#include "app/SaldixBearb.h"
#include "app/SaldixExportLauf.h"
#include "formats/DatevFixture.h"
#include "formats/datev/fibuexporter_datev.h"
#include "suite/DateTime.h"
#include "support/ExportTestSupport.h"
#include "support/TestSuite.h"

using namespace datevtest;

namespace {

TEST(DatevMonatsdateien, JulyFiscalYearAcrossJanuaryAndFebruaryOfALeapYear) {
  TestSuite suite;
  MandantenAnlegen();
  const std::string dir = (suite.Dir() / "export").string();
  TFibuExporter_Datev exporter;
  Einrichten(exporter, dir);
  exporter.SetMandantenDaten(kMandant2, 7654321, false, true, "", 54321);
  exporter.SetExportMonatlich(true);

  TTestListe liste;
  // Listed out of order: the monthly run sorts by date.
  auto& februar = liste.Buchung(1200, 8400, EncodeDate(2024, 2, 29), 1, 1, 11, 0, 50);
  auto& januar = liste.Buchung(1200, 8400, EncodeDate(2024, 1, 15), 1, 1, 10, 100, 0);
  for (TTestZeile* z : {&februar, &januar}) {
    z->texte[TSpalte::BU] = "3";
    z->texte[TSpalte::Waehrung] = "EUR";
  }
  TTestDienste dienste;
  TExportMeldung meldung(true);
  // Settlement year 2023 names the fiscal year from July 2023 to June 2024.
  TExportAbrechnung abrechnung{{kMandant2, 3, 2023, EncodeDate(2024, 1, 1), EncodeDate(2024, 2, 29)}};
  ASSERT_TRUE(TExportLauf(liste, dienste, meldung).Ausfuehren(&exporter, false, abrechnung).ok);

  // The file names keep the settlement year; the periods are those of the bookings. A test
  // export writes into the subfolder "Test".
  EXPECT_EQ(Lesen(dir + "/Test/EXTF_FIL2_54321_202301_3.csv"),
            Lesen(SALDIX_TEST_DATA "/datev/EXTF_FIL2_54321_202301_3.csv"));
  EXPECT_EQ(Lesen(dir + "/Test/EXTF_FIL2_54321_202302_3.csv"),
            Lesen(SALDIX_TEST_DATA "/datev/EXTF_FIL2_54321_202302_3.csv"));
}

TEST(DatevMonatsdateien, TheSameMonthOfTwoYearsIsTwoFiles) {
  TestSuite suite;
  TRecordingExporter exporter;
  exporter.Init();
  exporter.Flags(true, false, false);
  TTestListe liste;
  liste.Buchung(1200, 8400, EncodeDate(2023, 1, 31), 1, 1, 10);
  liste.Buchung(1200, 8400, EncodeDate(2024, 1, 2), 1, 1, 11);
  TTestDienste dienste;
  TExportMeldung meldung(true);
  TExportAbrechnung abrechnung{{{1, 1}, 5, 2023, EncodeDate(2023, 1, 1), EncodeDate(2024, 1, 31)}};
  ASSERT_TRUE(TExportLauf(liste, dienste, meldung).Ausfuehren(&exporter, false, abrechnung).ok);
  EXPECT_EQ(exporter.protokoll,
            (std::vector<std::string>{"Kopf 01.01.2023-31.01.2023", "Daten 1200", "Ende",
                                      "Kopf 01.01.2024-31.01.2024", "Daten 1200", "Ende"}));
}

TEST(DatevMonatsdateien, AGroupRowOfAnExportEndingMidMonthIsDatedOnItsLastDay) {
  TestSuite suite;
  MandantenAnlegen();
  TFakeDatenmodul dm;
  dm.Nummern = {{"KASSE", 1000}, {"ERLWARE", 8400}};
  dm.Buchung(1, "KASSE", "ERLWARE", 0, 100, 1, EncodeDate(2024, 3, 2));
  dm.Buchung(2, "KASSE", "ERLWARE", 0, 50, 1, EncodeDate(2024, 3, 9));
  dm.Einst.KontoKombination = true;
  dm.Einst.Kriterien = "FILIALE";
  TFakeRechte rechte;
  TFakeAbrechnungsWahl wahl;
  TSaldixBearbeiten form{dm.Dienste(), rechte, wahl};
  form.SetDatumVon(EncodeDate(2024, 3, 1));
  form.SetDatumBis(EncodeDate(2024, 3, 15));
  form.FormShow();
  form.FormActivate();
  auto liste = form.ExportListe();
  ASSERT_EQ(liste->Anzahl(), 1u);

  const std::string dir = (suite.Dir() / "export").string();
  TFibuExporter_Datev exporter;
  Einrichten(exporter, dir);
  TTestDienste dienste;
  TExportMeldung meldung(true);
  TExportAbrechnung abrechnung{{kMandant1, 7, 2024, EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 15)}};
  ASSERT_TRUE(TExportLauf(*liste, dienste, meldung).Ausfuehren(&exporter, false, abrechnung).ok);
  EXPECT_EQ(Lesen(dir + "/Test/EXTF_FIL1_12345_202403_7.csv"),
            Lesen(SALDIX_TEST_DATA "/datev/EXTF_Sammler_Mitte_510.csv"));
}

}  // namespace
