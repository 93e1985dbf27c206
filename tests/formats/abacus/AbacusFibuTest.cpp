// The general-ledger file: single bookings, collective bookings, tax data, amounts and
// marks, compared with documents worked out by hand after parsing both.
#include <gtest/gtest.h>

#include "formats/abacus/AbacusFixture.h"
#include "suite/SimpleMask.h"

namespace abacustest {
namespace {

using abacus::TFibuExporter_Abacus;

constexpr const char* kKopf = R"(<?xml version="1.0" encoding="UTF-8"?>
<AbaConnectContainer><TaskCount>1</TaskCount><Task><Parameter><Application>FIBU</Application>
<Id>XML Buchungen</Id><MapId>AbaDefault</MapId><Version>2021.00</Version>)";

class AbacusFibu : public AbacusFixture {};

TEST_F(AbacusFibu, SingleBookingsGiveOneTransactionEachWithTaxDataAfterAZeroBookingStartsNothing) {
  exporter.SetMandantExport(true);
  exporter.SetMitBelegnummer(true);
  exporter.SetKostKto(8000, 8999);

  auto null = Buchung(10, 10, 1200, 8400);  // writes nothing, and starts no head
  auto verkauf = Buchung(119, 0, 1200, 8400);
  verkauf.StSchlGgKto = 300;
  verkauf.SteuerProzent = 19;
  verkauf.KOST1 = "100";
  verkauf.Text = " Verkauf <Ware> & Co\x01 ";
  verkauf.Belegnr = "RE-1";
  auto zahlung = Buchung(0, 100, 1000, 1200);
  zahlung.StSchlGgKto = 299;
  zahlung.SteuerProzent = 7;
  zahlung.EULand = "AT";
  zahlung.BelegDatum = EncodeDate(2024, 3, 31);
  ASSERT_TRUE(Exportieren({null, verkauf, zahlung}));

  EXPECT_EQ(Dateien(dir), std::vector<std::string>{"Data_4711_2024_7.xml"});
  const std::string erwartet = std::string(kKopf) + R"(<Mandant>4711</Mandant></Parameter>
<Transaction id="1"><Entry mode="SAVE"><CollectiveInformation mode="SAVE">
 <EntryLevel>A</EntryLevel><EntryType>S</EntryType><Type>Normal</Type><DebitCredit>D</DebitCredit>
 <Client>4711</Client><Division>0</Division><KeyCurrency>EUR</KeyCurrency><EntryDate>2024-03-05</EntryDate>
 <AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData>
 <KeyAmount>119.00</KeyAmount><Account>1200</Account><TaxAccount>0</TaxAccount>
 <IntercompanyId>0</IntercompanyId><BookingLevel1>0</BookingLevel1><BookingLevel2>0</BookingLevel2>
 <BookingLevel3>0</BookingLevel3><Text1>Verkauf &lt;Ware&gt; &amp; Co</Text1>
 <DocumentNumber>RE-1</DocumentNumber><SingleCount>0</SingleCount></CollectiveInformation>
<SingleInformation mode="SAVE"><Type>Normal</Type><DebitCredit>D</DebitCredit><EntryDate>2024-03-05</EntryDate>
 <AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData>
 <KeyAmount>119.00</KeyAmount><Account>8400</Account><IntercompanyId>0</IntercompanyId>
 <BookingLevel1>100</BookingLevel1><BookingLevel2>0</BookingLevel2><BookingLevel3>0</BookingLevel3>
 <Text1>Verkauf &lt;Ware&gt; &amp; Co</Text1><DocumentNumber>RE-1</DocumentNumber>
 <TaxData mode="SAVE"><TaxIncluded>I</TaxIncluded><TaxType>0</TaxType><UseCode>0</UseCode>
  <AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData>
  <KeyAmount>-19.00</KeyAmount><TaxRate>19.00</TaxRate><TaxCoefficient>100.00</TaxCoefficient>
  <Country>DE</Country><TaxCode>300</TaxCode><FlatRate>0</FlatRate></TaxData>
</SingleInformation></Entry></Transaction>
<Transaction id="2"><Entry mode="SAVE"><CollectiveInformation mode="SAVE">
 <EntryLevel>A</EntryLevel><EntryType>S</EntryType><Type>Normal</Type><DebitCredit>C</DebitCredit>
 <Client>4711</Client><Division>0</Division><KeyCurrency>EUR</KeyCurrency><EntryDate>2024-03-31</EntryDate>
 <AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData>
 <KeyAmount>100.00</KeyAmount><Account>1000</Account><TaxAccount>0</TaxAccount>
 <IntercompanyId>0</IntercompanyId><BookingLevel1>0</BookingLevel1><BookingLevel2>0</BookingLevel2>
 <BookingLevel3>0</BookingLevel3><Text1>leer</Text1><SingleCount>0</SingleCount></CollectiveInformation>
<SingleInformation mode="SAVE"><Type>Normal</Type><DebitCredit>C</DebitCredit><EntryDate>2024-03-31</EntryDate>
 <AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData>
 <KeyAmount>100.00</KeyAmount><Account>1200</Account><IntercompanyId>0</IntercompanyId>
 <BookingLevel1>0</BookingLevel1><BookingLevel2>0</BookingLevel2><BookingLevel3>0</BookingLevel3>
 <Text1>leer</Text1>
 <TaxData mode="SAVE"><TaxIncluded>I</TaxIncluded><TaxType>1</TaxType><UseCode>0</UseCode>
  <AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData>
  <KeyAmount>-6.54</KeyAmount><TaxRate>7.00</TaxRate><TaxCoefficient>100.00</TaxCoefficient>
  <Country>AT</Country><TaxCode>299</TaxCode><FlatRate>0</FlatRate></TaxData>
</SingleInformation></Entry></Transaction></Task></AbaConnectContainer>)";
  EXPECT_EQ(Normalform(Inhalt("Data_4711_2024_7.xml")), Normalform(erwartet));
  EXPECT_EQ(exporter.GetMeldung(),
            "Die ausgewählten Daten wurden in die folgende Datei exportiert:\r\n\r\n\"" +
                (dir / "Data_4711_2024_7.xml").string() +
                "\"\r\n\r\nDie Datei kann nun bei Abacus importiert werden.");
  EXPECT_EQ(exporter.GetDateiListe(), std::vector<std::string>{(dir / "Data_4711_2024_7.xml").string()});
  EXPECT_TRUE(exporter.GetDateiListe().empty());  // handed over once
}

TEST_F(AbacusFibu, CollectivesGatherPerDocumentAndAccountInTheirOrderZeroBookingsIncluded) {
  exporter.SetSammelbuchung(true);
  auto b1 = Buchung(50, 0, 1200, 8400);
  b1.Belegnr = "RE-9";
  b1.Belegart = "AR";
  auto b2 = Buchung(20, 0, 1200, 8300);
  b2.Belegnr = "RE-9";
  auto b3 = Buchung(0, 70, 1000, 1200);
  b3.Belegnr = "RE-9";
  b3.Text = "Zahlung";
  auto b4 = Buchung(5, 5, 1000, 1200);  // gathered and counted although it is zero
  auto b5 = Buchung(10, 0, 1200, 4000, {1, 400, 0});
  b5.Belegart = "PN";
  ASSERT_TRUE(Exportieren({b1, b2, b3, b4, b5}));

  const auto ci = [](const char* dc, const char* betrag, int konto, const char* text, int anzahl,
                     const char* datum = "2024-03-05") {
    return std::string(R"(<CollectiveInformation mode="SAVE"><EntryLevel>A</EntryLevel><EntryType>C</EntryType>
 <Type>Normal</Type><DebitCredit>)") + dc + "</DebitCredit><Client>4711</Client><Division>0</Division>" +
           "<KeyCurrency>EUR</KeyCurrency><EntryDate>" + datum + "</EntryDate>" +
           R"(<AmountData mode="SAVE"><Currency>EUR</Currency><Amount>0.00</Amount></AmountData><KeyAmount>)" +
           betrag + "</KeyAmount><Account>" + std::to_string(konto) +
           "</Account><TaxAccount>0</TaxAccount><IntercompanyId>0</IntercompanyId>"
           "<BookingLevel1>0</BookingLevel1><BookingLevel2>0</BookingLevel2><BookingLevel3>0</BookingLevel3>"
           "<Text1>" + text + "</Text1><SingleCount>" + std::to_string(anzahl) +
           "</SingleCount></CollectiveInformation>";
  };
  const auto si = [](const char* dc, const char* betrag, int gegenKonto, const char* text) {
    return std::string(R"(<SingleInformation mode="SAVE"><Type>Normal</Type><DebitCredit>)") + dc +
           R"(</DebitCredit><EntryDate>2024-03-05</EntryDate><AmountData mode="SAVE"><Currency>EUR</Currency>)" +
           "<Amount>0.00</Amount></AmountData><KeyAmount>" + betrag + "</KeyAmount><Account>" +
           std::to_string(gegenKonto) + "</Account><IntercompanyId>0</IntercompanyId>" +
           "<BookingLevel1>0</BookingLevel1><BookingLevel2>0</BookingLevel2><BookingLevel3>0</BookingLevel3>" +
           "<Text1>" + text + "</Text1></SingleInformation>";
  };
  const std::string erwartet =
      std::string(kKopf) + "</Parameter>" +
      R"(<Transaction id="1"><Entry mode="SAVE">)" + ci("D", "10.00", 1200, "Sammler PN 1/400/0", 1) +
      si("D", "10.00", 4000, "leer") + "</Entry></Transaction>" +
      R"(<Transaction id="2"><Entry mode="SAVE">)" + ci("C", "70.00", 1000, "Sammler RE-9", 2) +
      si("C", "70.00", 1200, "Zahlung") + si("C", "0.00", 1200, "leer") + "</Entry></Transaction>" +
      R"(<Transaction id="3"><Entry mode="SAVE">)" + ci("D", "70.00", 1200, "Sammler RE-9", 2) +
      si("D", "50.00", 8400, "leer") + si("D", "20.00", 8300, "leer") + "</Entry></Transaction>" +
      "</Task></AbaConnectContainer>";
  EXPECT_EQ(Normalform(Inhalt("Data_4711_2024_7.xml")), Normalform(erwartet));
}

TEST_F(AbacusFibu, ForeignCurrencyAmountsAreConvertedAndTheClientNumberIsLeftOutUnlessAsked) {
  SuiteDatabase::Get().Cached("INSERT INTO waehrungen (kuerzel, kurs) VALUES ('CHF', 1.25)").Run();
  auto b = Buchung(0, 100, 1000, 1200);  // 100 EUR are 80 CHF
  b.Waehrung = "CHF";
  ASSERT_TRUE(Exportieren({b}));
  const std::string datei = Normalform(Inhalt("Data_4711_2024_7.xml"));
  EXPECT_NE(datei.find("Version('2021.00'))"), std::string::npos) << datei;  // no Mandant
  EXPECT_NE(datei.find("KeyCurrency('CHF')"), std::string::npos);
  EXPECT_NE(datei.find("AmountData[mode=SAVE](Currency('CHF')Amount('80.00'))KeyAmount('80.00')"),
            std::string::npos)
      << datei;
}

TEST_F(AbacusFibu, ABookingThatCannotBeWrittenFailsTheExportByNameAndLeavesNoFile) {
  auto gut = Buchung(10, 0, 1200, 8400);
  auto kaputt = Buchung(20, 0, 1300, 8400, {7, 8, 9});
  kaputt.Text = "ung\xff\xfeltig";  // no UTF-8
  kaputt.Belegnr = "RE-77";
  QTXInfo().ResetError();
  EXPECT_FALSE(Exportieren({gut, kaputt}));
  EXPECT_TRUE(Dateien(dir).empty());
  EXPECT_NE(QTXInfo().LastErrorText().find("Mindestens eine Buchung"), std::string::npos);
  bool benannt = false;
  for (const auto& r : QTXInfo().Registrations()) {
    benannt |= r.text.find("Buchung 7/8/9 (Beleg \"RE-77\", Konto 1300") != std::string::npos;
  }
  EXPECT_TRUE(benannt);
  EXPECT_EQ(exporter.GetMeldung(), "Es konnte keine Exortdatei erstellt werden.");

  // An unknown currency is named the same way.
  auto fremd = Buchung(20, 0, 1300, 8400);
  fremd.Waehrung = "XYZ";
  EXPECT_FALSE(Exportieren({fremd}));
  EXPECT_TRUE(Dateien(dir).empty());
}

TEST_F(AbacusFibu, WithoutBookingsOrWithZeroBookingsOnlyNoFileIsSaved) {
  ASSERT_TRUE(Exportieren({}));
  ASSERT_TRUE(Exportieren({Buchung(3, 3, 1200, 8400)}));
  EXPECT_TRUE(Dateien(dir).empty());
  EXPECT_EQ(exporter.GetMeldung(), "Es konnte keine Exortdatei erstellt werden.");
}

TEST_F(AbacusFibu, AClientWithoutAbacusNumberOrOutsideTheProfileIsRefused) {
  QTXInfo().ResetError();
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Datei(kMandant2)));
  EXPECT_NE(QTXInfo().LastErrorText().find("keine Abacus-Mandantennummer"), std::string::npos);
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Datei(TIntPair{300, 1})));
  EXPECT_FALSE(exporter.Export_Fibu_Daten(Buchung(1, 0, 1, 2)));  // nothing open
}

TEST_F(AbacusFibu, ADirectoryThatCannotBeCreatedIsRefusedWithTheWarning) {
  std::ofstream(suite.Dir() / "datei") << "x";
  exporter.SetVerzExport((suite.Dir() / "datei").string());
  EXPECT_FALSE(exporter.Export_Fibu_Kopf(Datei()));
  ASSERT_FALSE(suite.Messages().Messages().empty());
  EXPECT_NE(suite.Messages().Messages().back().text.find("Exportverzeichnis\r\""), std::string::npos);
}

TEST_F(AbacusFibu, TheTestExportWritesIntoItsSubfolder) {
  exporter.SetTestexport(true);
  ASSERT_TRUE(Exportieren({Buchung(1, 0, 1200, 8400)}));
  exporter.SetTestexport(false);
  EXPECT_TRUE(Dateien(dir).empty());
  EXPECT_EQ(Dateien(dir / "Test"), std::vector<std::string>{"Data_4711_2024_7.xml"});
}

TEST_F(AbacusFibu, LongTextsOfManyByteCharactersSurviveTheWritersPieces) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += i % 2 ? "€" : "ä";
  auto b = Buchung(1, 0, 1200, 8400);
  b.Text = text;
  ASSERT_TRUE(Exportieren({b}));
  const std::string datei = Inhalt("Data_4711_2024_7.xml");
  EXPECT_EQ(datei.find('?', 40), std::string::npos);  // nothing replaced but the declaration's
  EXPECT_NE(Normalform(datei).find("Text1('" + text + "')"), std::string::npos);
}

TEST_F(AbacusFibu, CashReportCollectivesAreNamedByTheReportsNumberAndDate) {
  SuiteDatabase::Get()
      .Cached("INSERT INTO lfnr (firma1, firma2, art, rnr, lnr, nummer1, nummer2) "
              "VALUES (100, 1, 'KB', 3, 77, 12, 345)")
      .Run();
  exporter.SetSammelbuchung(true);
  auto kasse = Buchung(25, 0, 1000, 8400, {3, 77, 0});
  kasse.Herkunft = "KASBER";
  kasse.Vorfall = "BAR";
  kasse.Belegnr = "K-1";
  auto kauf = Buchung(5, 0, 1000, 3400, {3, 78, 0});  // a purchase paid from the till
  kauf.Herkunft = "KASBER";
  kauf.Vorfall = "KAUFRECHNUNG";
  kauf.Belegnr = "ER-5";
  ASSERT_TRUE(Exportieren({kasse, kauf}));
  const std::string datei = Normalform(Inhalt("Data_4711_2024_7.xml"));
  EXPECT_NE(datei.find("Text1('Kassenbericht 12-345 vom 05.03.2024')"), std::string::npos) << datei;
  EXPECT_NE(datei.find("Text1('Sammler ER-5')"), std::string::npos) << datei;
}

}  // namespace
}  // namespace abacustest
