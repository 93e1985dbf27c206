#include <gtest/gtest.h>

#include "data/SaldixData.h"
#include "suite/DateTime.h"
#include "suite/SimpleMask.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

void Exec(const std::string& sql) { SuiteDatabase::Get().Prepare(sql)->Run(); }

TEST(KontenEinstellungenModul, DebtorAccountsByCustomerNumberThroughTheDataModule) {
  TestSuite suite;
  Exec("INSERT INTO mandanten (firma1, firma2, kurz_nr) VALUES (1, 1, 1)");
  Exec("INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr) VALUES (8, 8, 'Kunde', 123)");
  Exec("INSERT INTO konten (firma1, firma2, kurz_bez, nummer, art) VALUES (1, 1, 'FORD', 1400, 'B')");
  Exec("INSERT INTO konten_codes (firma1, firma2, code, kurz_bez) VALUES (1, 1, 42, 'FORD')");
  TSimpleMask fsm("SALDIX", "WEITEINS");
  fsm.WriteByIndex("1/1", "DEBITOREN", "000009999/999999999");
  fsm.WriteByIndex("1/1", "DEBSCHEMA", "10000");

  TSaldixDataModule dm(TSaldixDataModuleStart{});
  dm.SetAktMandant({1, 1});
  const TDateTime datum = EncodeDate(2024, 5, 1);
  EXPECT_EQ(dm.Get_Konto_Nummer("FORD", "", datum, {8, 8}, 1, 0), 10123);
  EXPECT_EQ(dm.Get_Konto_Nummer("FORD", "", datum, {}, 1, 0), 1400);
  EXPECT_EQ(dm.GetMandKonto_Nummer("FEHLT", "", datum), -1);
  EXPECT_TRUE(TSaldixDataModule::BGVInHerkunft("AUFWBUCH", "KASBER"));
}

}  // namespace
