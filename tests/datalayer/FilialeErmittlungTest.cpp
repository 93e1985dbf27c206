#include "data/FilialeErmittlung.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <utility>

#include "data/BelegLookups.h"
#include "data/BelegQuellen.h"
#include "data/FilialQuellen.h"
#include "datalayer/LookupFixture.h"
#include "suite/QTXInfo.h"
#include "support/TestSuite.h"

namespace {

// Branch sources that count every question.
class ZaehlendeQuellen final : public IFilialQuellen {
 public:
  std::map<std::pair<int, int>, int> Kassenberichte;
  std::map<std::pair<int, int>, int> Verkaeufe;
  std::map<int, int> Rechner;
  std::map<std::pair<int, int>, int> Belege;
  int Fragen = 0;
  bool Scheitern = false;

  std::optional<int> KassenberichtFiliale(int rnr, int lnr) override {
    return Suchen(Kassenberichte, std::pair{rnr, lnr});
  }
  std::optional<int> VerkaufFiliale(const TIntPair&, int rnr, int lnr) override {
    return Suchen(Verkaeufe, std::pair{rnr, lnr});
  }
  int RechnerFiliale(int rechner) override { return Suchen(Rechner, rechner).value_or(0); }
  int BelegFiliale(int rnr, int lnr) override {
    return Suchen(Belege, std::pair{rnr, lnr}).value_or(0);
  }

 private:
  template <typename Map, typename Key>
  std::optional<int> Suchen(const Map& map, const Key& key) {
    ++Fragen;
    if (Scheitern) throw std::runtime_error("Datei nicht lesbar");
    const auto found = map.find(key);
    return found == map.end() ? std::nullopt : std::optional<int>(found->second);
  }
};

const TIntPair kFirma{1, 1};

TEST(FilialeErmittlung, ConsecutiveBookingsOfOneCashReportAskOnce) {
  TestSuite suite;
  ZaehlendeQuellen quellen;
  quellen.Kassenberichte[{5, 100}] = 7;
  quellen.Kassenberichte[{5, 101}] = 8;
  TFilialeErmittlung ermittlung(quellen);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 5, 900, "KB", 5, 100), 7);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENDIFF", 5, 901, "KB", 5, 100), 7);
  EXPECT_EQ(quellen.Fragen, 1);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 5, 902, "KB", 5, 101), 8);
  EXPECT_EQ(quellen.Fragen, 2);
}

TEST(FilialeErmittlung, MissingCashReportOrSaleFallsBackToTheComputer) {
  TestSuite suite;
  ZaehlendeQuellen quellen;
  quellen.Rechner[5] = 3;
  quellen.Rechner[6] = 4;
  quellen.Verkaeufe[{6, 78}] = 12;
  TFilialeErmittlung ermittlung(quellen);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 9, 1, "KB", 5, 100), 3);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "VERKALLG", 6, 77, "VK", 0, 0), 4);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "VERKALLG", 6, 78, "VK", 0, 0), 12);
}

TEST(FilialeErmittlung, ManualBookingsTakeTheInvoiceOrganisationOrTheirOwnComputer) {
  TestSuite suite;
  ZaehlendeQuellen quellen;
  quellen.Belege[{2, 500}] = 9;
  quellen.Rechner[2] = 1;
  quellen.Rechner[4] = 6;
  TFilialeErmittlung ermittlung(quellen);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "ARE", 4, 10, "PN", 2, 500), 9);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "PRIMANOTA", 4, 11, "PN", 2, 500), 6);
  // Other document types take the document's computer; the event is compared exactly.
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "are", 4, 12, "RE", 2, 501), 1);
}

TEST(FilialeErmittlung, SamePairResolvedByAnotherRuleIsAskedAgain) {
  TestSuite suite;
  ZaehlendeQuellen quellen;
  quellen.Rechner[4] = 6;
  quellen.Belege[{4, 10}] = 9;
  TFilialeErmittlung ermittlung(quellen);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "PRIMANOTA", 4, 10, "PN", 4, 10), 6);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "ARE", 4, 10, "PN", 4, 10), 9);
}

TEST(FilialeErmittlung, FailingSourceGivesZeroAndIsRetried) {
  TestSuite suite;
  ZaehlendeQuellen quellen;
  quellen.Kassenberichte[{5, 100}] = 7;
  quellen.Scheitern = true;
  TFilialeErmittlung ermittlung(quellen);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 5, 1, "KB", 5, 100), 0);
  ASSERT_FALSE(QTXInfo().Registrations().empty());
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TSaldixDataModule.GetFiliale");
  quellen.Scheitern = false;
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 5, 1, "KB", 5, 100), 7);
}

TEST(FilialQuellenSuite, ReadsCashReportsSalesComputersAndOrganisations) {
  TestSuite suite;
  Zeile("INSERT INTO computers (number, type, branch) VALUES (5, 1, 3), (2, 1, 1)");
  Zeile("INSERT INTO kv (rnr, lnr, filiale) VALUES (5, 100, 7)");
  Zeile("INSERT INTO lst (firma1, firma2, rnr, lnr, snr, filiale) VALUES (1, 1, 5, 77, 0, 11)");
  Zeile("INSERT INTO filialen (nummer, firma1, firma2, orge) VALUES (20, 1, 1, 4), (21, 1, 1, 5)");
  Zeile("INSERT INTO belege (rnr, lnr, firma1, firma2, orge) VALUES (2, 500, 1, 1, 5)");
  TBelegQuellen belegQuellen(SuiteDatabase::Get());
  TBelegLookups belege(belegQuellen);
  TFilialQuellenSuite quellen(belegQuellen, belege);
  TFilialeErmittlung ermittlung(quellen);

  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 5, 1, "KB", 5, 100), 7);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "KASSENBERICHT", 5, 1, "KB", 5, 101), 3);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "VERKALLG", 5, 77, "VK", 0, 0), 11);
  EXPECT_EQ(ermittlung.GetFiliale(TIntPair{2, 2}, "VERKALLG", 5, 78, "VK", 0, 0), 3);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "ARE", 5, 2, "PN", 2, 500), 21);
  EXPECT_EQ(ermittlung.GetFiliale(kFirma, "ARE", 5, 2, "PN", 2, 501), 0);
  EXPECT_TRUE(QTXInfo().Registrations().empty());
}

}  // namespace
