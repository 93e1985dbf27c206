// RZA documents worked out by hand: combining, gross and net amounts, value formats,
// placeholders filled in the template only and texts that cannot shift a field.
#include <gtest/gtest.h>

#include "formats/rza/RzaBeleg.h"
#include "suite/DateTime.h"

namespace {

TFibuExportBuchInfo Buchung(long double soll, long double haben, long double prozent,
                            TDateTime datum = EncodeDate(2024, 3, 5)) {
  TFibuExportBuchInfo b;
  b.Konto = 1000;
  b.GegenKonto = 8400;
  b.BetragSoll = soll;
  b.BetragHaben = haben;
  b.SteuerProzent = prozent;
  b.BelegDatum = datum;
  b.Text = "Tageslosung";
  return b;
}

TEST(RzaWerte, BetragDatumUndSachkonto) {
  EXPECT_EQ(rza::FormatiereBetrag(119), "11900");
  EXPECT_EQ(rza::FormatiereBetrag(1.15L), "115");
  EXPECT_EQ(rza::FormatiereBetrag(0.005L), "1");
  EXPECT_EQ(rza::FormatiereBetrag(-2.5L), "-250");
  EXPECT_EQ(rza::FormatiereBetrag(0.004L), "");
  EXPECT_EQ(rza::FormatiereDatum(EncodeDate(2024, 3, 5)), "0503");
  EXPECT_EQ(rza::FormatiereSachkonto(84), "8400");
  EXPECT_EQ(rza::FormatiereSachkonto(123456), "123456");
  EXPECT_EQ(rza::FormatiereSachkonto(0), "");
  EXPECT_EQ(rza::FormatiereSachkonto(-5), "");
}

TEST(RzaBeleg, EineSollbuchungZuNeunzehnProzent) {
  rza::TRzaBeleg beleg;
  beleg.Beginnen(42, Buchung(119, 0, 19));
  beleg.Hinzufuegen(Buchung(119, 0, 19));
  EXPECT_EQ(beleg.Schliessen(),
            "1\t42\t0503\tTageslosung\t1000\t11900\t\t\t\t\t\t\t\t\r\n"
            "2\t\t\t\t8400\t\t10000\t1900\t1900\t\t\t\t\t\r\n");
  EXPECT_FALSE(beleg.Offen());
  EXPECT_EQ(beleg.Schliessen(), "");
}

TEST(RzaBeleg, ZweiBuchungenEinesBelegsUndEineOhneSteuer) {
  rza::TRzaBeleg beleg;
  const auto erste = Buchung(0, 107, 7);
  beleg.Beginnen(1, erste);
  beleg.Hinzufuegen(erste);
  auto zweite = Buchung(0, 50, 0);
  zweite.Text = "TAGESLOSUNG";  // texts match ignoring case
  ASSERT_TRUE(beleg.Passt(zweite));
  beleg.Hinzufuegen(zweite);
  // Credit: the counter-account's net amount stands on the debit side.
  EXPECT_EQ(beleg.Schliessen(),
            "1\t1\t0503\tTageslosung\t1000\t\t15700\t\t\t\t\t\t\t\r\n"
            "2\t\t\t\t8400\t10000\t\t700\t700\t\t\t\t\t\r\n"
            "2\t\t\t\t8400\t5000\t\t\t\t\t\t\t\t\r\n");
}

TEST(RzaBeleg, EinNeuerBelegBeiAnderemTagTextOderKonto) {
  rza::TRzaBeleg beleg;
  const auto basis = Buchung(10, 0, 0);
  EXPECT_FALSE(beleg.Passt(basis));  // nothing open
  beleg.Beginnen(1, basis);
  EXPECT_TRUE(beleg.Passt(basis));
  auto anders = basis;
  anders.BelegDatum = EncodeDate(2024, 3, 6);
  EXPECT_FALSE(beleg.Passt(anders));
  anders = basis;
  anders.BelegDatum = EncodeDate(2025, 3, 5);  // same day and month, another year
  EXPECT_FALSE(beleg.Passt(anders));
  anders = basis;
  anders.Text = "Bank";
  EXPECT_FALSE(beleg.Passt(anders));
  anders = basis;
  anders.Konto = 1001;
  EXPECT_FALSE(beleg.Passt(anders));
  anders = basis;
  anders.GegenKonto = 8401;
  EXPECT_FALSE(beleg.Passt(anders));
}

TEST(RzaBeleg, PlatzhalterImTextBleibenTextUndTabsVerschiebenNichts) {
  rza::TRzaBeleg beleg;
  auto b = Buchung(0, 10, 0);
  b.Text = "#KONTO {{KONTO}} #BUCHUNGEN\tmit Tab\r\nund Umbruch";
  beleg.Beginnen(3, b);
  beleg.Hinzufuegen(b);
  EXPECT_EQ(beleg.Schliessen(),
            "1\t3\t0503\t#KONTO {{KONTO}} #BUCHUNGEN mit Tabund Umbruch\t1000\t\t1000\t\t\t\t\t\t\t\r\n"
            "2\t\t\t\t8400\t1000\t\t\t\t\t\t\t\t\r\n");
}

TEST(RzaBeleg, SollUndHabenImSelbenBelegGebenDenSaldo) {
  rza::TRzaBeleg beleg;
  beleg.Beginnen(9, Buchung(100, 0, 0));
  beleg.Hinzufuegen(Buchung(100, 0, 0));
  beleg.Hinzufuegen(Buchung(0, 100, 0));
  // Balanced: no gross amount on either side.
  EXPECT_EQ(beleg.Schliessen(),
            "1\t9\t0503\tTageslosung\t1000\t\t\t\t\t\t\t\t\t\r\n"
            "2\t\t\t\t8400\t\t10000\t\t\t\t\t\t\t\r\n"
            "2\t\t\t\t8400\t10000\t\t\t\t\t\t\t\t\r\n");
}

}  // namespace
