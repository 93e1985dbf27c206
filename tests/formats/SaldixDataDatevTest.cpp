#include "formats/datev/saldixdata_datev.h"

#include <gtest/gtest.h>

#include <map>

#include "formats/DatevFixture.h"
#include "suite/Format.h"
#include "formats/datev700/FibuExporter_Datev_700.h"

using namespace datevtest;

namespace {

// Document data of one invoice (computer 1, number 42) and nothing else.
class TFakeQuelle final : public IExportBelegQuelle {
 public:
  const TIntTrio rechnung{1, 42, 0};
  int kopfAbfragen = 0;
  std::map<std::pair<int, int>, int> kundennummern;  // (partner Nr1, company Nr1) -> number

  std::string AktTextMandant() override { return "Musterhandel GmbH"; }
  std::optional<TExportBelegkopf> Belegkopf(const TIntTrio& ident) override {
    ++kopfAbfragen;
    if (ident != rechnung) return std::nullopt;
    TExportBelegkopf kopf;
    kopf.OrderID = "302-1234567";
    kopf.HerkunftKuerzel = " W ";
    kopf.HerkunftText = "Webshop ";
    kopf.ZahlartKuerzel = "P";
    kopf.ZahlartText = "PayPal";
    kopf.GepNr = {7, 1};
    kopf.FirmaNr = {100, 1};
    kopf.LieferGepNr = {8, 1};
    return kopf;
  }
  std::optional<std::vector<TExportPosition>> ArtikelPositionen(const TIntTrio& ident) override {
    if (ident != rechnung) return std::nullopt;
    return std::vector<TExportPosition>{
        {{9, 1, 0}, 4.9L}, {{9, 2, 0}, -10}, {{5, 5, 0}, 99}, {{9, 1, 0}, 0.1L}};
  }
  bool LAR_Ist_Versand(const TIntTrio& lar) override { return lar == TIntTrio{9, 1, 0}; }
  bool LAR_Ist_Gutschein(const TIntTrio& lar) override { return lar == TIntTrio{9, 2, 0}; }
  std::string Get_Subherkunft_4_Beleg(const TIntTrio&) override { return "AMAZON"; }
  std::string Zahlungsreferenz(const TIntTrio&) override { return "BELEG-REF"; }
  int Kundennummer(const TIntPair& gep, const TIntPair& firma) override {
    auto it = kundennummern.find({gep.Nr1, firma.Nr1});
    return it == kundennummern.end() ? -1 : it->second;
  }
  std::optional<TAdresse> PartnerAdresse(const TIntPair& gep) override {
    if (gep != TIntPair{8, 1}) return std::nullopt;
    return TAdresse{"", "Erika Muster", "Hauptstr.", "5", "D", "12345", "Berlin"};
  }
};

class SaldixDataDatev : public ::testing::Test {
 protected:
  void SetUp() override {
    MandantenAnlegen();
    exporter.Init();
    exporter.ZusatzFelderDatenClear();
  }

  TFibuExportBuchInfoZusatz Fuellen(const std::string& vorfall, const TIntTrio& ident) {
    TFibuExportBuchInfoZusatz zusatz;
    daten.FuelleBuchInfoZusatz(buchung, zusatz, ident, vorfall);
    return zusatz;
  }

  TestSuite suite;
  TFibuExporter_Datev_700 exporter;
  TFakeQuelle quelle;
  TSaldixData_Datev daten{quelle, &exporter};
  TFibuExportBuchInfo buchung = Buchung(10, 0, 1000, 8400, 3, EncodeDateTime(2024, 3, 5, 14, 7, 9, 12));
};

TEST_F(SaldixDataDatev, WithoutAssignedContentsTheListIsLookedAtOnce) {
  daten.Init(0);
  auto zusatz = Fuellen("ARE", quelle.rechnung);
  EXPECT_EQ(daten.FelderZugeordnet(), false);
  EXPECT_EQ(zusatz.BelegItem(1).Inhalt, "");

  // A content assigned later is no longer looked at in this run.
  exporter.SetZusatzFelderDaten("BELEG01", "FIRMA");
  zusatz = Fuellen("ARE", quelle.rechnung);
  EXPECT_EQ(zusatz.BelegItem(1).Inhalt, "");
  for (const auto& item : zusatz.Zusatz) EXPECT_EQ(item.Art, "");

  daten.Init(0);
  zusatz = Fuellen("ARE", quelle.rechnung);
  EXPECT_EQ(daten.FelderZugeordnet(), true);
  EXPECT_EQ(zusatz.BelegItem(1).Art, "Firmenname");
  EXPECT_EQ(zusatz.BelegItem(1).Inhalt, "Musterhandel GmbH");
}

TEST_F(SaldixDataDatev, RunningNumberCountsEveryFilledField) {
  exporter.SetZusatzFelderDaten("BELEG02", "LFDNR");
  exporter.SetZusatzFelderDaten("ZUSATZ20", "LFDNR");
  exporter.SetZusatzFelderDaten("ZUSATZ21", "LFDNR");  // no such item
  exporter.SetZusatzFelderDaten("BELEGxx", "LFDNR");
  daten.Init(41);
  auto zusatz = Fuellen("PRIMANOTA", {});
  EXPECT_EQ(zusatz.BelegItem(2).Inhalt, "42");
  EXPECT_EQ(zusatz.ZusatzItem(20).Inhalt, "43");
  EXPECT_EQ(zusatz.ZusatzItem(20).Art, "Lfd-Nr");
  zusatz = Fuellen("PRIMANOTA", {});
  EXPECT_EQ(zusatz.BelegItem(2).Inhalt, "44");
  EXPECT_EQ(daten.LfdNr(), 45);
}

TEST_F(SaldixDataDatev, DatesKindsAndBookingValues) {
  const char* inhalte[] = {"BUCHDATUM1", "BUCHDATUM2", "BELEGDATUM3", "DOKUMENTART",
                           "BELEGNR", "EXTBELEGNR", "ZAHLREFER"};
  int n = 1;
  for (const char* inhalt : inhalte) {
    exporter.SetZusatzFelderDaten("ZUSATZ0" + std::to_string(n++), inhalt);
  }
  buchung.Belegnr = "RE-1";
  buchung.ZahlungsRef = "PAYPAL-TX";
  daten.Init(0);
  auto zusatz = Fuellen("ARE", quelle.rechnung);
  EXPECT_EQ(zusatz.ZusatzItem(1).Inhalt, "2024-03-05 14:07:09.012");
  EXPECT_EQ(zusatz.ZusatzItem(2).Inhalt, "240305");
  EXPECT_EQ(zusatz.ZusatzItem(3).Inhalt, "05.03.2024");
  EXPECT_EQ(zusatz.ZusatzItem(4).Inhalt, "R");
  EXPECT_EQ(zusatz.ZusatzItem(5).Inhalt, "RE-1");
  EXPECT_EQ(zusatz.ZusatzItem(6).Inhalt, "");
  EXPECT_EQ(zusatz.ZusatzItem(6).Art, "");  // no kind without content
  EXPECT_EQ(zusatz.ZusatzItem(7).Inhalt, "BELEG-REF");

  EXPECT_EQ(Fuellen("agu", quelle.rechnung).ZusatzItem(4).Inhalt, "G");
  EXPECT_EQ(Fuellen("KASSENBERICHT", {}).ZusatzItem(4).Inhalt, "");
  // Not a document: no payment reference of a document.
  EXPECT_EQ(Fuellen("ZAHLUNG", {}).ZusatzItem(7).Inhalt, "");
  exporter.SetZahlungsreferenz(true);
  EXPECT_EQ(Fuellen("ZAHLUNG", {}).ZusatzItem(7).Inhalt, "PAYPAL-TX");
}

TEST_F(SaldixDataDatev, DocumentContentsOnlyForDocumentKinds) {
  const char* inhalte[] = {"LIEFERLAND", "STEUERSATZ", "ORDERID", "HERKUNFT1", "HERKUNFT2",
                           "SUBHERKUNFT", "ZAHLART1", "ZAHLART2", "KUNDENNR", "VERSANDK",
                           "GUTSCHEIN", "LIEFERADR"};
  int n = 1;
  for (const char* inhalt : inhalte) {
    exporter.SetZusatzFelderDaten(Format("ZUSATZ%.2d", n++), inhalt);
  }
  buchung.EULand = "AT";
  buchung.EUSteuer = 20;
  quelle.kundennummern[{7, 0}] = 10042;  // only known without a company
  daten.Init(0);
  auto zusatz = Fuellen("ARE", quelle.rechnung);
  const std::vector<std::string> erwartet = {
      "AT", "20,00", "302-1234567", "W", "Webshop", "AMAZON", "P", "PayPal", "10042",
      "   5,00", "  10,00", "Erika Muster, Hauptstr. 5, D-12345 Berlin"};
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    EXPECT_EQ(zusatz.Zusatz[i].Inhalt, erwartet[i]) << inhalte[i];
  }
  EXPECT_EQ(zusatz.ZusatzItem(9).Art, "Kundennummer");

  zusatz = Fuellen("ZAHLUNG", quelle.rechnung);
  for (std::size_t i = 0; i < erwartet.size(); ++i) EXPECT_EQ(zusatz.Zusatz[i].Inhalt, "");

  // A document kind whose document is missing fills nothing from it.
  zusatz = Fuellen("ELA", {1, 43, 0});
  EXPECT_EQ(zusatz.ZusatzItem(1).Inhalt, "AT");
  EXPECT_EQ(zusatz.ZusatzItem(3).Inhalt, "");
  EXPECT_EQ(zusatz.ZusatzItem(10).Inhalt, "");
  EXPECT_EQ(zusatz.ZusatzItem(12).Inhalt, "");
}

TEST_F(SaldixDataDatev, UnknownCustomerNumberBecomesZero) {
  exporter.SetZusatzFelderDaten("BELEG01", "KUNDENNR");
  daten.Init(0);
  EXPECT_EQ(Fuellen("ARE", quelle.rechnung).BelegItem(1).Inhalt, "0");
  quelle.kundennummern[{7, 100}] = 5;
  EXPECT_EQ(Fuellen("ARE", quelle.rechnung).BelegItem(1).Inhalt, "5");
}

TEST_F(SaldixDataDatev, OrderNumberOnlyWhenSwitchedOnAndForDocuments) {
  daten.Init(0);
  EXPECT_EQ(Fuellen("ARE", quelle.rechnung).AuftragsNr, "");
  exporter.SetExportOrderID(true);
  EXPECT_EQ(Fuellen("ARE", quelle.rechnung).AuftragsNr, "302-1234567");
  EXPECT_EQ(Fuellen("ZAHLUNG", quelle.rechnung).AuftragsNr, "");
}

}  // namespace
