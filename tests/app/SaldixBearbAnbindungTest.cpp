#include <gtest/gtest.h>

#include "app/SaldixBearb.h"
#include "app/SaldixBearbAnbindung.h"
#include "support/TestSuite.h"
#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"

namespace {

void Buchung(int lnr, const char* konto, const char* gegen, double soll, const char* exportKz) {
  SuiteDatabase::Get()
      .Cached("INSERT INTO fbde (rechner, transaktions_nr, lfd_nr, firma1, firma2, belegdatum, "
              "buchungsdatum, fibu_gvorfall, betrag_soll, kto_name, gegen_kto_name, export_kz, "
              "filiale) VALUES (1, ?1, 1, 1, 1, ?2, ?2, 'KASSENBERICHT', ?3, ?4, ?5, ?6, 1)")
      .With(lnr, EncodeDate(2024, 3, 5), soll, konto, gegen, exportKz)
      .Run();
}

TEST(BearbAnbindung, TheListReadsOpenBookingsOfTheDataModuleAndChangesTheirExportFlag) {
  TestSuite suite;
  Buchung(1, "KASSE", "ERLWARE", 10, "J");
  Buchung(2, "KASSE", "ERLWARE", 20, "J");
  Buchung(3, "KASSE", "ERLWARE", 30, "N");
  TSaldixDataModule dm{TSaldixDataModuleStart{}};
  dm.SetAktMandant({1, 1});
  TBearbDatenmodulAnbindung anbindung(dm);
  TUserRechte rechte("test");
  TKeineAbrechnungsWahl wahl;
  TSaldixBearbeiten form(anbindung.Dienste(), rechte, wahl);
  form.FormShow();
  form.FormActivate();
  ASSERT_EQ(form.Liste().Oberste().size(), 2u);
  const TZeilenWerte& erste = form.Liste().Zeile(form.Liste().Oberste()[0]).Werte();
  EXPECT_EQ(erste.Text(TSpalte::Konto), "KASSE");  // no account number known: the key
  EXPECT_EQ(erste.Text(TSpalte::Protokollnummer), "00010000000010001");
  EXPECT_EQ(erste.Betrag(TSpalte::BetragSoll), 10);

  form.acUmschaltenKeinExportExecute();
  form.acAktualisierenExecute();
  ASSERT_EQ(form.Liste().Oberste().size(), 1u);
  EXPECT_EQ(form.Liste().Zeile(form.Liste().Oberste()[0]).Werte().Betrag(TSpalte::BetragSoll), 30);
}

}  // namespace
