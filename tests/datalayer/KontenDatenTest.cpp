#include <gtest/gtest.h>

#include "data/KontenDaten.h"
#include "data/KontenPartner.h"
#include "suite/DateTime.h"
#include "suite/SuiteDatabase.h"
#include "suite/servers/TGlobKonten.h"
#include "suite/servers/TKontoServer.h"
#include "suite/servers/Tgnumfile.h"
#include "suite/servers/Tmerfile.h"
#include "support/TestSuite.h"

namespace {

const TIntPair kMandant{1, 1};
const TIntPair kPartner{5, 77};

class ZaehlenderServer : public TAlleingServer {
 public:
  std::optional<TQTX_Fibukonto> GetFibukonto(const TIntPair& mandant, const std::string& kurzbez,
                                             const std::string& zusatz, int rechner, int filiale,
                                             TDateTime datum) override {
    ++anfragen;
    return TAlleingServer::GetFibukonto(mandant, kurzbez, zusatz, rechner, filiale, datum);
  }
  int anfragen = 0;
};

void Konto(const char* name, const char* zusatz, int nummer, const char* art, TDateTime ab,
           int rechner = 0, int filiale = 0, const char* bilanz = "") {
  SuiteDatabase::Get()
      .Prepare("INSERT INTO konten (firma1, firma2, kurz_bez, zusatz, gueltig_ab, rechner, filiale,"
               " nummer, bezeichnung, art, bilanz_kz) VALUES (1, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      ->With(name, zusatz, ab, rechner, filiale, nummer, std::string("Konto ") + name, art, bilanz)
      .Run();
}

void Code(int code, const char* name) {
  SuiteDatabase::Get()
      .Prepare("INSERT INTO konten_codes (firma1, firma2, code, kurz_bez) VALUES (1, 1, ?, ?)")
      ->With(code, name)
      .Run();
}

struct KontenDatenTest : ::testing::Test {
  KontenDatenTest() {
    SuiteDatabase::Get()
        .Prepare("INSERT INTO mandanten (firma1, firma2, kurz_nr, name) VALUES (1, 1, 7, 'Demo')")
        ->Run();
    const TDateTime frueh = EncodeDate(2000, 1, 1);
    Konto("ERLWARE", "", 8400, "E", frueh);
    Konto("ERLWARE", "", 8410, "E", EncodeDate(2024, 3, 15));
    Konto("ERLWARE", "", 8499, "E", frueh, 0, 12);
    Konto("ERLINLAND", "", 8000, "E", frueh);
    Konto("BONUS", "", 4700, "A", frueh);
    Konto("AUFWAND", "", 4000, "A", frueh);
    Konto("BANK", "", 1200, "A", frueh, 0, 0, "B");
    Konto("AB", "C", 1, "E", frueh);
    Konto("A", "BC", 2, "E", frueh);
    Konto("VERB", "", 1600, "B", frueh);
    Konto("FORD", "", 1400, "B", frueh);
    Code(38, "BONUS");
    Code(CKontoCodeVerbindlichkeiten, "VERB");
    Code(CKontoCodeForderung, "FORD");
    Code(CKontoCodeSteuernFremd, "STEUERFREMD");
    daten.SetMandant(kMandant, 7);
  }

  TestSuite suite;
  TEinstellungen e;
  ZaehlenderServer server;
  TKontoServer kontoServer;
  TGlobKonten glob;
  Tgnumfile gnum;
  Tmerfile mer;
  TPartnerKonten partner{e, gnum, mer};
  TKontenDaten daten{e, server, kontoServer, glob, partner};
};

TEST_F(KontenDatenTest, MonthlyAccountsAskTheServerOncePerMonth) {
  e.KontoMonatsweise = true;
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 3), {}, 1, 0), 8400);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 28), {}, 1, 0), 8400);
  EXPECT_EQ(server.anfragen, 1);

  daten.Konten_Zuruecksetzen();
  e.KontoMonatsweise = false;
  server.anfragen = 0;
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 3), {}, 1, 0), 8400);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 28), {}, 1, 0), 8410);
  EXPECT_EQ(server.anfragen, 2);
}

TEST_F(KontenDatenTest, EachAccountVersionIsAskedForOnceWhateverTheOrderOfDays) {
  // ERLWARE is 8400 until 14.03.2024 and 8410 from 15.03.2024; branch 12 has its own.
  for (int tag = 31; tag >= 1; --tag) {
    EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, tag), {}, 1, 0),
              tag >= 15 ? 8410 : 8400)
        << tag;
  }
  EXPECT_EQ(server.anfragen, 2);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 14) + 0.5, {}, 1, 0), 8400);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(1999, 12, 31), {}, 1, 0), 0);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2025, 6, 1), {}, 1, 12), 8499);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2023, 6, 1), {}, 1, 12), 8499);
  // Before the first version, and the branch's answer on both sides of 15.03.2024.
  EXPECT_EQ(server.anfragen, 5);

  // A version added later is seen after the accounts are reset.
  Konto("ERLWARE", "", 8420, "E", EncodeDate(2024, 3, 20));
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 25), {}, 1, 0), 8410);
  daten.Konten_Zuruecksetzen();
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 25), {}, 1, 0), 8420);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 3, 16), {}, 1, 0), 8410);
}

TEST_F(KontenDatenTest, BranchAccountWinsAndKeysDoNotCollide) {
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 1, 1), {}, 1, 12), 8499);
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", EncodeDate(2024, 1, 1), {}, 11, 2), 8400);
  EXPECT_EQ(daten.Get_Konto_Nummer("AB", "C", EncodeDate(2024, 1, 1), {}, 0, 0), 1);
  EXPECT_EQ(daten.Get_Konto_Nummer("A", "BC", EncodeDate(2024, 1, 1), {}, 0, 0), 2);
  EXPECT_EQ(daten.Get_Konto_Nummer("UNBEKANNT", "", EncodeDate(2024, 1, 1), {}, 0, 0), 0);
  EXPECT_EQ(daten.Get_Konto_Bezeichnung("erlware", "", EncodeDate(2024, 1, 1)), "Konto ERLWARE");
}

TEST_F(KontenDatenTest, KindsOfAccounts) {
  const TDateTime d = EncodeDate(2024, 1, 1);
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("ERLWARE", "", d), 'E');
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("BANK", "", d), 'B');
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("UNBEKANNT", "", d), ' ');
  // A bonus partner's expense account counts as revenue unless the parameter says no.
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("BONUS", "", d), 'E');
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("AUFWAND", "", d), 'A');
  daten.SetKontoErloeseInland("ERLINLAND");
  daten.SetParamBonuAufw(true);
  daten.Konten_Zuruecksetzen();
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("ERLINLAND", "", d), 'I');
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("BONUS", "", d), 'A');
}

TEST_F(KontenDatenTest, PartnerAccountsReplaceCreditorAndReceivablesAccounts) {
  SuiteDatabase::Get()
      .Prepare("INSERT INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) VALUES (5, 77, 3, 1, '70001')")
      ->Run();
  SuiteDatabase::Get()
      .Prepare("INSERT INTO partner_merkmale (gep_nr1, gep_nr2, merkmal, wert) VALUES (5, 77, 9, '123')")
      ->Run();
  const TDateTime d = EncodeDate(2024, 1, 1);
  // Without settings the general accounts stay.
  EXPECT_EQ(daten.Get_Konto_Nummer("VERB", "", d, kPartner, 0, 0), 1600);
  e.KreditorenZuordnung = {3, 1};
  e.DebitorenMerkmal = 9;
  e.DebitorenSchema = "10000";
  partner.CachesLeeren();
  EXPECT_EQ(daten.Get_Konto_Nummer("VERB", "", d, kPartner, 0, 0), 70001);
  EXPECT_EQ(daten.Get_Konto_Nummer("FORD", "", d, kPartner, 0, 0), 10123);
  EXPECT_EQ(daten.Get_Konto_Nummer("FORD", "", d, {}, 0, 0), 1400);
  // A partner without a number falls back to the account itself.
  EXPECT_EQ(daten.Get_Konto_Nummer("VERB", "", d, {5, 78}, 0, 0), 1600);
}

TEST_F(KontenDatenTest, CustomerNumberAsDebtorAccount) {
  e.DebitorenZuordnung = CDebitorenKundennummer;
  e.DebitorenSchema = "10000";
  partner.SetKundennummerQuelle([](const TIntPair& p) { return p.Nr2 == 77 ? 123 : 0; });
  EXPECT_EQ(partner.Get_Debitoren_Konto(kPartner), 10123);
  EXPECT_EQ(partner.Get_Debitoren_Konto({5, 1}), 0);
}

TEST(PartnerKontenSchema, WidensShortNumbersOnly) {
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(123, "10000"), 10123);
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(123456, "10000"), 123456);
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(12345, "10000"), 12345);
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(0, "10000"), 0);
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(123, ""), 123);
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(123, "1x000"), 123);
  EXPECT_EQ(TPartnerKonten::SchemaAnwenden(999999999, "2147483000"), 999999999);
}

TEST_F(KontenDatenTest, ClientAccountTableAndNumberLookup) {
  EXPECT_EQ(daten.GetMandKonto_Nummer("ERLWARE", "", EncodeDate(2024, 1, 1)), 8400);
  EXPECT_EQ(daten.GetMandKonto_Nummer("UNBEKANNT", "", EncodeDate(2024, 1, 1)), -1);
  EXPECT_EQ(daten.GetMandKonto_Bezeichnung("BANK", ""), "Konto BANK");
  std::string name, zusatz, bez;
  EXPECT_TRUE(daten.Get_Konto_Zu_Nummer(2, kMandant, EncodeDate(2024, 1, 1), name, zusatz, bez));
  EXPECT_EQ(name, "A");
  EXPECT_EQ(zusatz, "BC");
  EXPECT_FALSE(daten.Get_Konto_Zu_Nummer(9999, kMandant, EncodeDate(2024, 1, 1), name, zusatz, bez));
  const auto liste = daten.ListeFibukonten_fuellen();
  EXPECT_EQ(liste.Zeilen.size(), 9u);  // ERLWARE once, branch entries left out
  EXPECT_EQ(daten.KontoSteuernFremd(), "STEUERFREMD");
}

TEST_F(KontenDatenTest, LookupsFailQuietlyWithoutDatabase) {
  SuiteDatabase::Close();
  EXPECT_EQ(daten.Get_Konto_Nummer("ERLWARE", "", 45000, {}, 0, 0), 0);
  EXPECT_EQ(daten.Get_Aufwand_Erloes_Bestand("ERLWARE", "", 45000), ' ');
  EXPECT_EQ(daten.GetMandKonto_Nummer("ERLWARE", "", 45000), -1);
  EXPECT_EQ(daten.GetMandKonto_Bezeichnung("ERLWARE", ""), "");
  SuiteDatabase::Open(suite.DbPath());
}

}  // namespace
