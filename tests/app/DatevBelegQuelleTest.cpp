// The DATEV additional fields read the document data of the suite database.
#include <gtest/gtest.h>

#include "app/SaldixBelegQuelle.h"
#include "support/TestSuite.h"
#include "suite/SuiteDatabase.h"

namespace {

void Sql(const char* sql) { SuiteDatabase::Get().Cached(sql).Run(); }

class DatevBelegQuelle : public ::testing::Test {
 protected:
  void SetUp() override {
    Sql("INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr, land) "
        "VALUES (1, 7, 'Meyer GmbH', 10007, 'DE')");
    Sql("INSERT INTO partner_adressen (gep_nr1, gep_nr2, adr_nr, vorname, name, strasse, "
        "hausnummer, plz, ort, land) VALUES (1, 7, 2, 'Eva', 'Meyer', 'Ringstraße', '4a', "
        "'28195', 'Bremen', 'DE')");
    Sql("INSERT INTO partner (gep_nr1, gep_nr2, name, land) VALUES (1, 8, 'Ohne Adresse', 'AT')");
    Sql("INSERT INTO leistungsarten (rnr, lnr, snr, kuerzel, suchgruppe) VALUES "
        "(1, 1, 0, 'VERSAND', 'VERSANDKOS'), (1, 3, 0, 'GSEINL', 'EINLGUTSCH')");
    Sql("INSERT INTO belege (rnr, lnr, snr, firma1, firma2, gep_nr1, gep_nr2, herkunft_kz, "
        "zahlungsart, subherkunft, order_id) VALUES "
        "(1, 100, 0, 1, 1, 1, 7, 'MARKTPLATZ', 'PAYPAL', 'Amazon', 'WEB-1'), "
        "(1, 101, 0, 1, 1, 1, 8, 'UNBEKANNT', '', '', '')");
    Sql("INSERT INTO beleg_positionen (rnr, lnr, snr, pos, artikel, betrag, lar_rnr, lar_lnr) "
        "VALUES (1, 100, 0, 1, 'Stuhl', 100, 0, 0), (1, 100, 0, 2, 'Versand', 4.9, 1, 1), "
        "(1, 100, 0, 3, 'Gutschein', -10, 1, 3)");
    Sql("INSERT INTO beleg_lieferadressen (rnr, lnr, snr, vorname, name, strasse, hausnummer, "
        "land, plz, ort) VALUES (1, 101, 0, 'Jan', 'Ohne', 'Weg', '1', 'AT', '1010', 'Wien')");
  }

  TestSuite suite;
  TSaldixDataModule modul{TSaldixDataModuleStart{}};
  TSaldixDaten daten{modul};
  TSaldixBelegQuelle quelle{daten};
};

TEST_F(DatevBelegQuelle, HeaderMarksGoThroughTheSuitesCodeTables) {
  const auto kopf = quelle.Belegkopf({1, 100, 0});
  ASSERT_TRUE(kopf);
  EXPECT_EQ(kopf->OrderID, "WEB-1");
  EXPECT_EQ(kopf->HerkunftKuerzel, "M");
  EXPECT_EQ(kopf->HerkunftText, "Marktplatz");
  EXPECT_EQ(kopf->ZahlartKuerzel, "P");
  EXPECT_EQ(kopf->ZahlartText, "PayPal");
  EXPECT_FALSE(kopf->Lieferadresse);
  EXPECT_EQ(quelle.Get_Subherkunft_4_Beleg({1, 100, 0}), "Amazon");

  // Unknown codes give empty texts, a missing document no header.
  const auto ohne = quelle.Belegkopf({1, 101, 0});
  ASSERT_TRUE(ohne);
  EXPECT_EQ(ohne->HerkunftKuerzel, "");
  EXPECT_EQ(ohne->ZahlartText, "");
  ASSERT_TRUE(ohne->Lieferadresse);
  EXPECT_EQ(ohne->Lieferadresse->Ort, "Wien");
  EXPECT_FALSE(quelle.Belegkopf({1, 999, 0}));
  EXPECT_EQ(quelle.Get_Subherkunft_4_Beleg({1, 999, 0}), "");
}

TEST_F(DatevBelegQuelle, PositionsCarryTheirServiceTypes) {
  const auto positionen = quelle.ArtikelPositionen({1, 100, 0});
  ASSERT_TRUE(positionen);
  ASSERT_EQ(positionen->size(), 3u);
  EXPECT_TRUE(quelle.LAR_Ist_Versand((*positionen)[1].LarNr));
  EXPECT_TRUE(quelle.LAR_Ist_Gutschein((*positionen)[2].LarNr));
  EXPECT_FALSE(quelle.LAR_Ist_Versand((*positionen)[0].LarNr));
  EXPECT_FALSE(quelle.ArtikelPositionen({1, 999, 0}));
}

TEST_F(DatevBelegQuelle, PartnerAddressIsTheFirstAddressOrTheNameAndCountry) {
  const auto adresse = quelle.PartnerAdresse({1, 7});
  ASSERT_TRUE(adresse);
  EXPECT_EQ(adresse->Vorname, "Eva");
  EXPECT_EQ(adresse->Hausnummer, "4a");
  EXPECT_EQ(adresse->Plz, "28195");

  const auto ohne = quelle.PartnerAdresse({1, 8});
  ASSERT_TRUE(ohne);
  EXPECT_EQ(ohne->Name, "Ohne Adresse");
  EXPECT_EQ(ohne->Land, "AT");
  EXPECT_EQ(ohne->Strasse, "");
  EXPECT_FALSE(quelle.PartnerAdresse({9, 9}));
}

}  // namespace
