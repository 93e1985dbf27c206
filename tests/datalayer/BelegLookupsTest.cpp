#include "data/BelegLookups.h"

#include <gtest/gtest.h>

#include "datalayer/LookupFixture.h"
#include "suite/QTXInfo.h"

namespace {

class BelegLookupsTest : public ::testing::Test {
 protected:
  void Beleg(int lnr, const char* praefix, int teil1, int teil2, int teil3, int formatKz) {
    Zeile("INSERT INTO belege (rnr, lnr, snr, firma1, firma2, gep_nr1, gep_nr2, nr_praefix, "
          "nr_teil1, nr_teil2, nr_teil3, format_kz, nr_extern, dokumenten_nr, order_id) "
          "VALUES (2, ?, 0, 1, 1, 8, 8, ?, ?, ?, ?, ?, 'EXT-1', '4711', 'ORD-9')",
          lnr, praefix, teil1, teil2, teil3, formatKz);
  }
  void Bedingung(int pos, int art, int tage, double prozent, TDateTime datum = 0) {
    Zeile("INSERT INTO beleg_zahlungsbedingungen (rnr, lnr, snr, pos, art, tage, prozent, datum) "
          "VALUES (2, 100, 0, ?, ?, ?, ?, ?)",
          pos, art, tage, prozent, datum);
  }

  TestSuite suite;
  TBelegQuellen quellen{SuiteDatabase::Get()};
  TBelegLookups lookups{quellen};
};

TEST_F(BelegLookupsTest, PrintableNumberAndSortKey) {
  Beleg(100, "RE", 24, 3, 15, 1);
  Beleg(101, "GS", 24, 3, 16, 0);
  std::string sort;
  EXPECT_EQ(lookups.GetBelegNr(2, 100, 0, sort), "RE24-0003-000015");
  EXPECT_EQ(sort, "RE240003000015");
  EXPECT_EQ(lookups.GetBelegNr(2, 101, 0, sort), "GS240003000016");
  EXPECT_EQ(lookups.GetBelegNr(2, 999, 0, sort), "");
  EXPECT_EQ(sort, "");
}

TEST_F(BelegLookupsTest, PredecessorNumberFallsBackToTheDocumentItself) {
  Beleg(100, "RE", 24, 3, 15, 1);
  Beleg(101, "LS", 24, 3, 9, 1);
  Zeile("UPDATE belege SET vorg_rnr = 2, vorg_lnr = 101 WHERE lnr = 100");
  std::string sort;
  EXPECT_EQ(lookups.GetVorgaengerBelegNr(2, 100, 0, sort), "LS24-0003-000009");
  EXPECT_EQ(lookups.GetVorgaengerBelegNr(2, 101, 0, sort), "LS24-0003-000009");
  EXPECT_EQ(sort, "LS240003000009");
}

TEST_F(BelegLookupsTest, DocumentDataWithPaymentTerms) {
  Beleg(100, "RE", 24, 3, 15, 1);
  Bedingung(1, 2, 10, 2.5);
  Bedingung(2, 1, 30, 0);
  Bedingung(3, 2, 20, 1.9);
  Bedingung(4, 3, 0, 0, 45500);
  Bedingung(5, 4, 45, 0);
  const TBelegDaten daten = lookups.GetBelegDaten(2, 100, 0);
  EXPECT_EQ(daten.BelegNr, "RE240003000015");
  EXPECT_EQ(daten.BelegNrSort, "RE240003000015");
  EXPECT_EQ(daten.BelegNrExt, "EXT-1");
  EXPECT_EQ(daten.DokumentenNr, "4711");
  EXPECT_EQ(daten.SkontoTage1, 10);
  EXPECT_EQ(daten.SkontoProz1, 2);
  EXPECT_EQ(daten.SkontoTage2, 20);
  EXPECT_EQ(daten.SkontoProz2, 1);
  EXPECT_EQ(daten.Nettotage, 45);
  EXPECT_EQ(daten.Valutadatum, 45500);

  const TBelegDaten leer = lookups.GetBelegDaten(2, 555, 0);
  EXPECT_EQ(leer.BelegNr, "");
  EXPECT_EQ(leer.Nettotage, 0);
  EXPECT_EQ(lookups.GetOrderID(2, 100), "ORD-9");
  EXPECT_EQ(lookups.GetOrderID(2, 555), "");
}

TEST_F(BelegLookupsTest, DeliveryCountryFromHeaderDeliveryPartnerOrPartner) {
  Zeile("INSERT INTO partner (gep_nr1, gep_nr2, name, land) VALUES (8, 8, 'Kunde', 'D'), "
        "(9, 9, 'Empfänger', 'CH')");
  Zeile("INSERT INTO partner_adressen (gep_nr1, gep_nr2, adr_nr, land) VALUES (9, 9, 2, 'A')");
  Beleg(100, "RE", 1, 1, 1, 0);
  Beleg(101, "RE", 1, 1, 2, 0);
  Beleg(102, "RE", 1, 1, 3, 0);
  Beleg(103, "RE", 1, 1, 4, 0);
  Zeile("UPDATE belege SET liefer_land = 'I', steuer_land = 'I' WHERE lnr = 100");
  Zeile("UPDATE belege SET liefer_gep_nr1 = 9, liefer_gep_nr2 = 9, liefer_adr_nr = 2, "
        "steuer_land = 'D' WHERE lnr = 101");
  Zeile("UPDATE belege SET liefer_land = 'XK' WHERE lnr = 103");
  Zeile("INSERT INTO beleg_steuern (rnr, lnr, snr, pos, satz) VALUES (2, 100, 0, 1, 2200), "
        "(2, 100, 0, 2, 1000), (2, 101, 0, 1, 1900), (2, 102, 0, 1, 1900)");

  double eu = -1;
  EXPECT_EQ(lookups.GetLieferLand(2, 100, eu), "IT");
  EXPECT_DOUBLE_EQ(eu, 22.0);
  EXPECT_EQ(lookups.GetLieferLand(2, 101, eu), "AT");
  EXPECT_EQ(eu, 0);  // the tax country is another one
  Zeile("UPDATE belege SET steuer_land = 'd' WHERE lnr = 102");
  EXPECT_EQ(lookups.GetLieferLand(2, 102, eu), "DE");
  EXPECT_DOUBLE_EQ(eu, 19.0);
  // A country without ISO code comes back as stored.
  EXPECT_EQ(lookups.GetLieferLand(2, 103, eu), "XK");
  EXPECT_EQ(lookups.GetLieferLand(2, 555, eu), "");
  EXPECT_EQ(eu, 0);
}

TEST_F(BelegLookupsTest, DocumentDataAndDeliveryCountryFromOneRead) {
  Zeile("INSERT INTO partner (gep_nr1, gep_nr2, name, land) VALUES (8, 8, 'Kunde', 'D')");
  Beleg(100, "RE", 24, 3, 15, 1);
  Bedingung(1, 1, 30, 0);
  Zeile("UPDATE belege SET steuer_land = 'D' WHERE lnr = 100");
  Zeile("INSERT INTO beleg_steuern (rnr, lnr, snr, pos, satz) VALUES (2, 100, 0, 1, 1900)");

  const int gelesen = quellen.BelegServer().Lesevorgaenge();
  std::string land;
  double eu = -1;
  const TBelegDaten daten = lookups.GetBelegDatenUndLieferLand(2, 100, land, eu);
  EXPECT_EQ(quellen.BelegServer().Lesevorgaenge(), gelesen + 1);
  EXPECT_EQ(land, "DE");
  EXPECT_DOUBLE_EQ(eu, 19.0);
  EXPECT_EQ(daten.BelegNr, lookups.GetBelegDaten(2, 100, 0).BelegNr);
  EXPECT_EQ(daten.Nettotage, 30);

  // A missing document answers both empty.
  const TBelegDaten leer = lookups.GetBelegDatenUndLieferLand(2, 555, land, eu);
  EXPECT_EQ(leer.BelegNr, "");
  EXPECT_EQ(land, "");
  EXPECT_EQ(eu, 0);
}

TEST_F(BelegLookupsTest, ReadingAheadGivesTheSameAnswersWithFewerReads) {
  Zeile("INSERT INTO partner (gep_nr1, gep_nr2, name, land) VALUES (8, 8, 'Kunde', 'D')");
  for (int lnr = 100; lnr < 160; lnr += 2) Beleg(lnr, "RE", 24, 3, lnr, 1);
  Bedingung(1, 1, 30, 0);  // of document 100
  Zeile("UPDATE belege SET steuer_land = 'D', liefer_land = 'A' WHERE lnr = 158");
  Zeile("INSERT INTO beleg_steuern (rnr, lnr, snr, pos, satz) VALUES (2, 158, 0, 1, 2000), "
        "(2, 158, 0, 2, 1000), (2, 100, 1, 1, 700)");
  struct TAntwort {
    TBelegDaten daten;
    std::string land;
    double eu = 0;
  };
  auto fragen = [&](int lnr) {
    TAntwort a;
    a.daten = lookups.GetBelegDatenUndLieferLand(2, lnr, a.land, a.eu);
    return a;
  };
  std::vector<int> folge;
  for (int lnr = 99; lnr <= 161; ++lnr) folge.push_back(lnr);  // in order, with gaps
  for (int lnr : {158, 101, 130, 100, 7}) folge.push_back(lnr);  // then out of order

  std::vector<TAntwort> einzeln;
  for (int lnr : folge) einzeln.push_back(fragen(lnr));
  const int gelesen = quellen.BelegServer().Lesevorgaenge();
  {
    TBelegLookups::TVorlesen vorlesen(lookups);
    for (std::size_t i = 0; i < folge.size(); ++i) {
      const TAntwort a = fragen(folge[i]);
      SCOPED_TRACE(folge[i]);
      EXPECT_EQ(a.daten.BelegNr, einzeln[i].daten.BelegNr);
      EXPECT_EQ(a.daten.BelegNrSort, einzeln[i].daten.BelegNrSort);
      EXPECT_EQ(a.daten.Nettotage, einzeln[i].daten.Nettotage);
      EXPECT_EQ(a.land, einzeln[i].land);
      EXPECT_EQ(a.eu, einzeln[i].eu);
    }
    EXPECT_LT(quellen.BelegServer().Lesevorgaenge() - gelesen, 12);
  }
  EXPECT_EQ(einzeln[1].daten.Nettotage, 30);
  EXPECT_EQ(einzeln[59].land, "AT");
  EXPECT_EQ(einzeln[59].eu, 0);  // the tax country is another
  // Without it, every lookup reads again.
  const int danach = quellen.BelegServer().Lesevorgaenge();
  fragen(100);
  fragen(102);
  EXPECT_EQ(quellen.BelegServer().Lesevorgaenge(), danach + 2);
}

TEST_F(BelegLookupsTest, CurrentDocumentIsReusedWithoutReading) {
  Beleg(100, "RE", 1, 1, 1, 0);
  Zeile("INSERT INTO beleg_positionen (rnr, lnr, snr, pos, artikel, betrag) "
        "VALUES (2, 100, 0, 1, 'A', 5)");
  ASSERT_TRUE(lookups.Belegkopf({2, 100, 0}).has_value());
  const int gelesen = quellen.BelegServer().Lesevorgaenge();
  EXPECT_TRUE(lookups.Belegkopf({2, 100, 0}).has_value());
  EXPECT_EQ(quellen.BelegServer().Lesevorgaenge(), gelesen);
  // A header without positions is read again completely, then kept.
  auto komplett = lookups.BelegKomplett({2, 100, 0});
  ASSERT_TRUE(komplett.has_value());
  EXPECT_EQ(komplett->Positionen.size(), 1u);
  EXPECT_EQ(quellen.BelegServer().Lesevorgaenge(), gelesen + 1);
  EXPECT_TRUE(lookups.BelegKomplett({2, 100, 0}).has_value());
  EXPECT_EQ(quellen.BelegServer().Lesevorgaenge(), gelesen + 1);
  EXPECT_FALSE(lookups.Belegkopf({2, 555, 0}).has_value());
}

TEST_F(BelegLookupsTest, PaymentReferenceAndPartnerData) {
  Zeile("INSERT INTO beleg_merkmale (rnr, lnr, snr, merkmal, wert) VALUES "
        "(2, 100, 0, 7, 'PAYPAL-123'), (2, 100, 0, 6, 'anderes')");
  Zeile("INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr) VALUES (8, 8, 'Kunde', 10123)");
  Zeile("INSERT INTO mandanten (firma1, firma2, kurz_nr, name) VALUES (1, 1, 1, 'Muster GmbH')");
  EXPECT_EQ(lookups.Zahlungsreferenz({2, 100, 0}), "PAYPAL-123");
  EXPECT_EQ(lookups.Zahlungsreferenz({2, 101, 0}), "");
  EXPECT_EQ(lookups.GEPGet_Name({8, 8}), "Kunde");
  EXPECT_EQ(lookups.GEPGet_Kundennummer({8, 8}), 10123);
  EXPECT_EQ(lookups.GEPGet_Name({1, 1}), "Muster GmbH");
  EXPECT_EQ(lookups.GEPGet_Name({}), "");
  EXPECT_EQ(lookups.GEPGet_Kundennummer({3, 3}), 0);
  EXPECT_TRUE(QTXInfo().Registrations().empty());
}

TEST_F(BelegLookupsTest, FailuresGiveEmptyAnswers) {
  auto leer = LeereDatenbank(suite);
  TBelegQuellen ohneTabellen(*leer);
  TBelegLookups gescheitert(ohneTabellen);
  std::string sort = "alt";
  double eu = 5;
  EXPECT_EQ(gescheitert.GetBelegNr(2, 100, 0, sort), "");
  EXPECT_EQ(sort, "");
  EXPECT_EQ(gescheitert.GetLieferLand(2, 100, eu), "");
  EXPECT_EQ(eu, 0);
  EXPECT_FALSE(gescheitert.BelegKomplett({2, 100, 0}).has_value());
  EXPECT_EQ(gescheitert.GEPGet_Name({8, 8}), "");
  EXPECT_EQ(gescheitert.GetFilialeAusBeleg(2, 100), 0);
  EXPECT_EQ(QTXInfo().Registrations().size(), 5u);
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.GetFilialeAusBeleg");
}

}  // namespace
