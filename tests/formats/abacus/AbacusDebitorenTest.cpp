// The debtor files: documents and customers of online-order bookings, customer numbers
// from a range, the customers already written, payment references, and what is refused.
#include <gtest/gtest.h>

#include "formats/abacus/AbacusFixture.h"
#include "formats/abacus/SaldixData_abacus.h"

namespace abacustest {
namespace {

constexpr TIntTrio kBelegA{1, 600, 0};  // invoice of Anna Meier
constexpr TIntTrio kBelegB{1, 601, 0};  // credit note of Berg Technik GmbH
constexpr TIntTrio kBelegC{1, 602, 0};  // second invoice of Anna Meier

class AbacusDebitoren : public AbacusFixture {
 protected:
  void SetUp() override {
    AbacusFixture::SetUp();
    auto& db = SuiteDatabase::Get();
    auto& partner = db.Cached(
        "INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr, land, anrede) VALUES (1, ?, ?, ?, 'D', ?)");
    partner.With(1001, "Meier", 5001, "W").Run();
    partner.With(1002, "Berg Technik GmbH", 5002, "F").Run();
    auto& adresse = db.Cached(
        "INSERT INTO partner_adressen (gep_nr1, gep_nr2, adr_nr, vorname, name, strasse, hausnummer, "
        "plz, ort, land) VALUES (1, ?, 1, ?, ?, ?, ?, ?, ?, ?)");
    adresse.With(1001, "Anna", " Meier ", "Hauptstraße", "5a", "20095", "Hamburg", "D").Run();
    adresse.With(1002, "", "Berg Technik GmbH", "Am Markt", "1", "1010", "Wien", "A").Run();
    db.Cached("INSERT INTO partner_kontakte (gep_nr1, gep_nr2, kontakt_nr, name, telefon, email) "
              "VALUES (1, 1001, 1, 'Anna Meier', '040 123', 'anna@example.com')")
        .Run();
    // Berg Technik already has its Abacus customer number.
    db.Cached("INSERT INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) VALUES (1, 1002, 1, 90, '1001')")
        .Run();
    auto& beleg = db.Cached(
        "INSERT INTO belege (rnr, lnr, snr, firma1, firma2, gep_nr1, gep_nr2, belegart, phase, "
        "nr_teil1, nr_teil2, nr_teil3) VALUES (1, ?, 0, 100, 1, 1, ?, ?, ?, 2024, 3, ?)");
    beleg.With(600, 1001, "AR", "13", 123).Run();
    beleg.With(601, 1002, "GU", "14", 124).Run();
    beleg.With(602, 1001, "AR", "26", 125).Run();

    exporter.SetMitDebitoren(true);
    exporter.SetVerzExportDebi((suite.Dir() / "debi").string());
    exporter.SetKundenNr(1000, 1002);
  }

  static TFibuExportBuchInfo Order(long double soll, long double haben, int gegenKonto, TIntTrio ident,
                                   const char* belegnr) {
    auto b = Buchung(soll, haben, 1400, gegenKonto, ident);
    b.Herkunft = "ORDER";
    b.Belegnr = belegnr;
    return b;
  }
  std::string Debi(const std::string& name) const { return Lesen(suite.Dir() / "debi" / name); }
};

std::string Zeile(int lfd, const char* betrag, int konto, const char* kost, int steuer) {
  return std::string(R"(<LineItem mode="SAVE"><Number>)") + std::to_string(lfd) + "</Number><Amount>" +
         betrag + "</Amount><CreditAccount>" + std::to_string(konto) + "</CreditAccount><CreditCostCentre1>" +
         kost + "</CreditCostCentre1><TaxCode>" + std::to_string(steuer) +
         "</TaxCode><TaxDateValidFrom>2024-03-05</TaxDateValidFrom><TaxAmount/><Text/></LineItem>";
}

std::string Beleg(int id, const char* code, int kunde, const char* referenz, const char* betrag,
                  const char* qr) {
  return std::string(R"(<Transaction id=")") + std::to_string(id) + R"("><Document mode="SAVE"><DocumentCode>)" +
         code + "</DocumentCode><CustomerNumber>" + std::to_string(kunde) +
         "</CustomerNumber><Number>0</Number><UniqueReference>0</UniqueReference><Reference>" + referenz +
         "</Reference><Text/><AccountReceivableDate>2024-03-05</AccountReceivableDate><Currency>EUR</Currency>"
         "<Amount>" + betrag + "</Amount><TaxRecalculation>true</TaxRecalculation>"
         "<PaymentOrderProcedure>1</PaymentOrderProcedure><PaymentReferenceLineType>QR</PaymentReferenceLineType>"
         "<PaymentReferenceLine>" + qr + R"(</PaymentReferenceLine><PaymentTerm mode="SAVE"><Number>1</Number>)"
         "<CopyFromTable>true</CopyFromTable><Type>0</Type></PaymentTerm>";
}

constexpr const char* kDebiKopf = R"(<?xml version="1.0" encoding="UTF-8"?>
<AbaConnectContainer><TaskCount>1</TaskCount><Task><Parameter><Application>DEBI</Application>)";

TEST_F(AbacusDebitoren, OrderBookingsGiveDocumentsAndEachCustomerOnceTheOthersTheLedger) {
  auto a1 = Order(119, 0, 8400, kBelegA, "RE-123");
  a1.StSchlGgKto = 3;
  a1.KOST1 = "10";
  auto a2 = Order(10.7L, 0, 8300, kBelegA, "RE-123");
  a2.StSchlGgKto = 2;
  auto gutschrift = Order(0, 50, 8400, kBelegB, "GU-124");
  auto c = Order(20, 0, 8400, kBelegC, "RE-125");
  auto null = Order(4, 4, 8400, kBelegC, "RE-125");  // dropped
  auto kasse = Buchung(30, 0, 1000, 8400, {9, 9, 0});
  kasse.Herkunft = "KASBER";
  ASSERT_TRUE(Exportieren({gutschrift, a1, kasse, c, a2, null}));

  EXPECT_EQ(Dateien(suite.Dir() / "debi"),
            (std::vector<std::string>{"4711_Belege_2024_7.xml", "4711_Kunden_2024_7.xml"}));
  // The cash booking went into the ledger.
  EXPECT_NE(Normalform(Inhalt("Data_4711_2024_7.xml")).find("Account('1000')"), std::string::npos);

  const std::string kunden = std::string(kDebiKopf) +
      R"(<Id>Kunden</Id><MapId>AbaDefault</MapId><Version>2021.00</Version></Parameter>
<Transaction id="1"><Customer mode="SAVE"><CustomerNumber>1000</CustomerNumber><PaymentTermNumber>1</PaymentTermNumber>
 <MultipleCurrenciesActive>false</MultipleCurrenciesActive><DefaultCurrency>EUR</DefaultCurrency>
 <AddressData mode="SAVE"><AddressNumber>1000</AddressNumber><SubjectType>1</SubjectType>
  <SalutationNumber>2</SalutationNumber><SalutationName>Meier</SalutationName><Name>Meier</Name>
  <FirstName>Anna</FirstName><AdditionalLine/><Street>Hauptstraße</Street><HouseNumber>5a</HouseNumber>
  <StreetAddition/><Country>DE</Country><ZIP>20095</ZIP><City>Hamburg</City><Line3/>
  <Email>anna@example.com</Email><Phone1>040 123</Phone1><Mobile/><Language>de</Language></AddressData>
 <CurrencyData mode="SAVE"><Currency>EUR</Currency></CurrencyData><_USERFIELD1>5001</_USERFIELD1>
</Customer></Transaction>
<Transaction id="2"><Customer mode="SAVE"><CustomerNumber>1001</CustomerNumber><PaymentTermNumber>1</PaymentTermNumber>
 <MultipleCurrenciesActive>false</MultipleCurrenciesActive><DefaultCurrency>EUR</DefaultCurrency>
 <AddressData mode="SAVE"><AddressNumber>1001</AddressNumber><SubjectType>2</SubjectType>
  <SalutationNumber>3</SalutationNumber><Name>Berg Technik GmbH</Name>
  <FirstName/><AdditionalLine/><Street>Am Markt</Street><HouseNumber>1</HouseNumber>
  <StreetAddition/><Country>AT</Country><ZIP>1010</ZIP><City>Wien</City><Line3/>
  <Email/><Phone1/><Mobile/><Language>de</Language></AddressData>
 <CurrencyData mode="SAVE"><Currency>EUR</Currency></CurrencyData><_USERFIELD1>5002</_USERFIELD1>
</Customer></Transaction></Task></AbaConnectContainer>)";
  EXPECT_EQ(Normalform(Debi("4711_Kunden_2024_7.xml")), Normalform(kunden));

  // References: customer number in ten digits, document number in sixteen, check digit.
  const std::string belege =
      std::string(kDebiKopf) + "<Id>Belege</Id><MapId>AbaDefault</MapId><Version>2021.00</Version></Parameter>" +
      Beleg(1, "R", 1000, "RE-123", "129.70", "000000500100202400030001239") +
      Zeile(1, "119.00", 8400, "10", 3) + Zeile(2, "10.70", 8300, "", 2) + "</Document></Transaction>" +
      Beleg(2, "G", 1001, "GU-124", "-50.00", "000000500200202400030001244") +
      Zeile(1, "-50.00", 8400, "", 0) + "</Document></Transaction>" +
      Beleg(3, "R", 1000, "RE-125", "20.00", "000000500100202400030001255") +
      Zeile(1, "20.00", 8400, "", 0) + "</Document></Transaction></Task></AbaConnectContainer>";
  EXPECT_EQ(Normalform(Debi("4711_Belege_2024_7.xml")), Normalform(belege));

  // The new customer keeps the number handed out.
  abacus::TSaldixData_abacus daten(SuiteDatabase::Get());
  EXPECT_EQ(daten.GetAbacusKundennr(kBelegC, {}, 1002, 1000), 1000);
  EXPECT_EQ(exporter.GetDateiListe().size(), 3u);
}

TEST_F(AbacusDebitoren, AnExhaustedRangeFailsTheExportNamingTheBookingAndSavesNothing) {
  exporter.SetKundenNr(1001, 1001);  // taken by Berg Technik
  QTXInfo().ResetError();
  EXPECT_FALSE(Exportieren({Buchung(5, 0, 1200, 8400), Order(119, 0, 8400, kBelegA, "RE-123")}));
  EXPECT_TRUE(Dateien(dir).empty());
  EXPECT_TRUE(Dateien(suite.Dir() / "debi").empty());
  EXPECT_NE(QTXInfo().LastErrorText().find("Keine freie Abacus-Kundennummer im gewünschten Bereich"),
            std::string::npos);
  EXPECT_NE(QTXInfo().LastErrorText().find("Buchung 1/600/0"), std::string::npos);
}

TEST_F(AbacusDebitoren, AMissingDocumentAndPartnerFailTheExport) {
  auto waise = Order(10, 0, 8400, {1, 999, 0}, "RE-999");  // neither document nor partner
  QTXInfo().ResetError();
  EXPECT_FALSE(Exportieren({waise}));
  EXPECT_NE(QTXInfo().LastErrorText().find("nicht gefunden"), std::string::npos);
  EXPECT_TRUE(Dateien(suite.Dir() / "debi").empty());
}

TEST_F(AbacusDebitoren, CustomerNumbersOutsideTheRangeAreHandedOutAnew) {
  abacus::TSaldixData_abacus daten(SuiteDatabase::Get());
  EXPECT_EQ(daten.GetAbacusKundennr({}, {1, 1002}, 2000, 1500), 1500);  // 1001 lies outside
  EXPECT_EQ(daten.GetAbacusKundennr({}, {1, 1001}, 2000, 1500), 1501);
  EXPECT_EQ(daten.GetAbacusKundennr({}, {1, 1002}, 2000, 1500), 1500);  // kept
  EXPECT_EQ(daten.GetAbacusKundennr({}, {1, 1001}, 1500, 1500), -1);     // 1500 is taken
  EXPECT_EQ(daten.GetAbacusKundennr({}, {}, 2000, 1500), 0);
  EXPECT_EQ(daten.GetRechnungGutschrift(kBelegB), "G");
  EXPECT_EQ(daten.GetRechnungGutschrift({5, 5, 5}), "");
  EXPECT_EQ(daten.GetVEXAKundennr({5, 5, 5}, {}, {1, 1001}), -1);  // no client given
  EXPECT_EQ(daten.GetVEXAKundennr({5, 5, 5}, kMandant1, {1, 1001}), 5001);
}

}  // namespace
}  // namespace abacustest
