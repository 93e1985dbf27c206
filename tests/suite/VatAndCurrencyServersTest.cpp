#include <gtest/gtest.h>

#include "suite/DateTime.h"
#include "suite/QTXProgramm.h"
#include "suite/SuiteDatabase.h"
#include "suite/servers/TMWTable.h"
#include "suite/servers/TMandantServer.h"
#include "suite/servers/TWHRechner.h"
#include "support/TestSuite.h"

namespace {

void Satz(const char* art, TDateTime ab, int satz) {
  SuiteDatabase::Get()
      .Prepare("INSERT INTO mwst_saetze (land, art, gueltig_ab, satz, bezeichnung) VALUES ('DE', ?, ?, ?, ?)")
      ->With(art, ab, satz, std::string("satz ") + art)
      .Run();
}

TEST(TMWTable, ChangeDatesAndRatesValidAtADate) {
  TestSuite suite;
  Satz("N", EncodeDate(2007, 1, 1), 1900);
  Satz("R", EncodeDate(2007, 1, 1), 700);
  Satz("N", EncodeDate(2020, 7, 1), 1600);
  Satz("R", EncodeDate(2020, 7, 1), 500);
  Satz("N", EncodeDate(2021, 1, 1), 1900);
  Satz("R", EncodeDate(2021, 1, 1), 700);
  TMWTable table;
  EXPECT_EQ(table.MWST_AenderungAlle("DE", EncodeDate(2020, 12, 31)),
            (std::vector<TDateTime>{EncodeDate(2007, 1, 1), EncodeDate(2020, 7, 1)}));
  EXPECT_TRUE(table.MWST_AenderungAlle("AT", EncodeDate(2030, 1, 1)).empty());

  const auto saetze = table.GetValidMWArray("DE", EncodeDate(2020, 12, 31));
  ASSERT_EQ(saetze.size(), 2u);
  EXPECT_EQ(saetze[0].Art, "N");
  EXPECT_DOUBLE_EQ(saetze[0].Prozent, 16.0);
  EXPECT_DOUBLE_EQ(saetze[1].Prozent, 5.0);
  EXPECT_DOUBLE_EQ(table.GetValidMWArray("DE", EncodeDate(2021, 1, 1))[0].Prozent, 19.0);
}

TEST(TWHRechner, ConvertsByRateAndRefusesUnknownCurrencies) {
  TestSuite suite;
  SuiteDatabase::Get().Prepare("INSERT INTO waehrungen (kuerzel, kurs) VALUES ('CHF', 1.25), ('XXX', 0)")->Run();
  TWHRechner rechner;
  const std::string programm = QTXProgramm().GetWaehrung();
  EXPECT_EQ(rechner.Umrechnen(10.0L, "", programm), 10.0L);
  EXPECT_NEAR(static_cast<double>(rechner.Umrechnen(10.0L, "chf", programm)), 12.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(rechner.Umrechnen(12.5L, programm, "CHF")), 10.0, 1e-12);
  EXPECT_THROW(rechner.Umrechnen(1.0L, "USD", programm), EUnbekannteWaehrung);
  EXPECT_THROW(rechner.Umrechnen(1.0L, "XXX", programm), EUnbekannteWaehrung);
}

TEST(TMandantServer, AnswersForKnownClientsOnly) {
  TestSuite suite;
  SuiteDatabase::Get()
      .Prepare("INSERT INTO mandanten (firma1, firma2, kurz_nr, name, bilanz_jahr) VALUES (1, 2, 5, 'Demo', 2024)")
      ->Run();
  TMandantServer server;
  EXPECT_EQ(server.GetKurzNr({1, 2}), 5);
  EXPECT_EQ(server.GetBilanzJahr({1, 2}), 2024);
  EXPECT_EQ(server.GetName({1, 2}), "Demo");
  EXPECT_EQ(server.GetKurzNr({9, 9}), 0);
}

}  // namespace
