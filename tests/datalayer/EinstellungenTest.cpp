#include <gtest/gtest.h>

#include "data/Einstellungen.h"
#include "suite/DateTime.h"
#include "support/TestSuite.h"

namespace {

const TIntPair kMandant{1, 1};

TEST(Einstellungen, CascadePassesTheMostSpecificStoredValue) {
  TestSuite suite;
  TSaldixEinstellungen s;
  s.SetMandant(kMandant);
  s.FSM().WriteGlobal("MAXZEILEN", 500);
  s.FSM().WriteByIndex("1/1", "MAXZEILEN", 200);
  s.FSM().WriteGlobal("KONTOMONAT", true);
  s.Allgemeine_Einstellungen_Restore();
  EXPECT_EQ(s.Einstellungen.MaxZeilen, 200);
  EXPECT_TRUE(s.Einstellungen.KontoMonatsweise);
  EXPECT_TRUE(s.Einstellungen.DirektEinlesen);  // nothing stored: the default
  EXPECT_EQ(s.Einstellungen.MwStNormAsString4, "0000");
  EXPECT_EQ(s.Einstellungen.MwStAbDatum, EncodeDate(2007, 1, 1));

  s.Einstellungen.Herkunft = "KASBER";
  s.Einstellungen.Profil = "P1";
  s.FSM().WriteByIndex("1/1+KASBER", "MAXZEILEN", 300);
  EXPECT_EQ(s.Einstellungen_Restore_Integer("MAXZEILEN", 0, true, "1/1"), 300);
  s.FSM().WriteByIndex("1/1+KASBER+P1", "MAXZEILEN", 400);
  EXPECT_EQ(s.Einstellungen_Restore_Integer("MAXZEILEN", 0, true, "1/1"), 400);
  // Without the cascade only the profile level and the default count.
  EXPECT_EQ(s.Einstellungen_Restore_Integer("KONTOMONAT", 7, false, "1/1"), 7);
}

TEST(Einstellungen, GeneralSettingsRoundTripIncludingPartnerKinds) {
  TestSuite suite;
  int geleert = 0;
  {
    TSaldixEinstellungen s;
    s.SetMandant(kMandant);
    s.SetPartnerCachesLeeren([&] { ++geleert; });
    auto& e = s.Einstellungen;
    e.MaxZeilen = 1000;
    e.AutoKont = true;
    e.MwStNormAsString4 = "1900";
    e.MwStAbDatum = EncodeDate(2021, 1, 1);
    e.KreditorenZuordnung = {3, 4};
    e.DebitorenZuordnung = CDebitorenKundennummer;
    e.DebitorenSchema = "10000";
    s.Allgemeine_Einstellungen_Buchen();
  }
  suite.Reopen();
  TSaldixEinstellungen s;
  s.SetMandant(kMandant);
  s.SetPartnerCachesLeeren([&] { ++geleert; });
  s.Allgemeine_Einstellungen_Restore();
  const auto& e = s.Einstellungen;
  EXPECT_EQ(e.MaxZeilen, 1000);
  EXPECT_TRUE(e.AutoKont);
  EXPECT_EQ(e.MwStNormAsString4, "1900");
  EXPECT_EQ(e.MwStAbDatum, EncodeDate(2021, 1, 1));
  EXPECT_EQ(e.KreditorenZuordnung, (TIntPair{3, 4}));
  EXPECT_EQ(e.DebitorenZuordnung, CDebitorenKundennummer);
  EXPECT_EQ(e.DebitorenMerkmal, 0);
  EXPECT_EQ(e.DebitorenSchema, "10000");
  EXPECT_EQ(geleert, 2);

  // An attribute instead of a number kind; no schema without either.
  s.Einstellungen.DebitorenZuordnung = {};
  s.Einstellungen.DebitorenMerkmal = 17;
  s.Allgemeine_Einstellungen_Buchen();
  s.Allgemeine_Einstellungen_Restore();
  EXPECT_TRUE(s.Einstellungen.DebitorenZuordnung.IsEmpty());
  EXPECT_EQ(s.Einstellungen.DebitorenMerkmal, 17);
  s.Einstellungen.DebitorenMerkmal = 0;
  s.Allgemeine_Einstellungen_Buchen();
  s.Allgemeine_Einstellungen_Restore();
  EXPECT_EQ(s.Einstellungen.DebitorenSchema, "");
}

TEST(Einstellungen, StoredChangeDateThatIsNoDateKeepsTheDefault) {
  TestSuite suite;
  TSaldixEinstellungen s;
  s.SetMandant(kMandant);
  s.FSM().WriteByIndex("1/1", "AUKTOADAT", "irgendwann");
  s.Allgemeine_Einstellungen_Restore();
  EXPECT_EQ(s.Einstellungen.MwStAbDatum, EncodeDate(2007, 1, 1));
}

TEST(Einstellungen, OriginWithoutValuesFallsBackToAlle) {
  TestSuite suite;
  TSaldixEinstellungen s;
  s.SetMandant(kMandant);
  s.Einstellungen.Kriterien = "FILIALE";
  s.Einstellungen.KontoKombination = true;
  s.Einstellungen_Nach_Herkunft_Buchen("ALLE", "");
  s.Einstellungen_Nach_Herkunft_Restore("KASBER", "", true);
  EXPECT_EQ(s.Einstellungen.Herkunft, "ALLE");
  EXPECT_EQ(s.Einstellungen.Kriterien, "FILIALE");
  EXPECT_TRUE(s.Einstellungen.KontoKombination);

  // Stored values of the origin are its own; without defaults nothing falls back.
  s.Einstellungen.Kriterien = "RECHNER";
  s.Einstellungen_Nach_Herkunft_Buchen("ORDER", "");
  s.Einstellungen_Nach_Herkunft_Restore("ORDER", "", true);
  EXPECT_EQ(s.Einstellungen.Herkunft, "ORDER");
  EXPECT_EQ(s.Einstellungen.Kriterien, "RECHNER");
  s.Einstellungen_Nach_Herkunft_Restore("BANK", "", false);
  EXPECT_EQ(s.Einstellungen.Herkunft, "BANK");
  EXPECT_EQ(s.Einstellungen.Kriterien, "KEINE");
  EXPECT_TRUE(s.Einstellungen.InhaltTextAnhaengen);
}

TEST(Einstellungen, ProfileIndexIsCutTo32Characters) {
  TestSuite suite;
  TSaldixEinstellungen s;
  s.SetMandant({123456, 654321});
  const std::string a = "EIN_SEHR_LANGER_PROFILNAME_A";
  const std::string b = "EIN_SEHR_LANGER_PROFILNAME_B";
  s.Einstellungen.Herkunft = "KASBER";
  s.Einstellungen.Profil = a;
  EXPECT_EQ(s.Get_Mand_Herkunft_Profil_String().size(), 32u);
  s.Einstellungen.InhaltText = "GEPNAME";
  s.Einstellungen_Nach_Herkunft_Buchen("KASBER", a);
  s.Einstellungen_Nach_Herkunft_Restore("KASBER", b, false);
  EXPECT_EQ(s.Einstellungen.InhaltText, "GEPNAME");
}

TEST(Einstellungen, DeletingKeepsTheClientsGeneralEntry) {
  TestSuite suite;
  TSaldixEinstellungen s;
  s.SetMandant(kMandant);
  s.Einstellungen.MaxZeilen = 42;
  s.Allgemeine_Einstellungen_Buchen();
  s.Einstellungen.NachNummer = true;
  s.Einstellungen_Nach_Herkunft_Buchen("ALLE", "");
  s.Einstellungen_Nach_Herkunft_Buchen("REKO", "");
  s.Einstellungen_Nach_Herkunft_Loeschen("ALLE", "");
  s.Einstellungen_Nach_Herkunft_Loeschen("REKO", "");
  s.Einstellungen_Nach_Herkunft_Restore("REKO", "", false);
  EXPECT_FALSE(s.Einstellungen.NachNummer);
  s.Einstellungen_Nach_Herkunft_Restore("ALLE", "", true);
  EXPECT_TRUE(s.Einstellungen.NachNummer);
  s.Allgemeine_Einstellungen_Restore();
  EXPECT_EQ(s.Einstellungen.MaxZeilen, 42);
}

TEST(Einstellungen, SummaryAccountListsAreStoredUnderTheProfileIndex) {
  TestSuite suite;
  TSaldixEinstellungen s;
  s.SetMandant(kMandant);
  s.Einstellungen_Nach_Herkunft_Restore("KASBER", "P", false);
  s.SetZusaKontoListe({"ERLWARE+1=J", "KASSE=N", "MIT BLANK=N"});
  s.SetZusaGGKtoListe({"BANK=N"});
  s.Einstellungen_Nach_Herkunft_Restore("ALLE", "", false);
  EXPECT_TRUE(s.ZusaKontoListe().empty());
  s.Einstellungen_Nach_Herkunft_Restore("KASBER", "P", false);
  EXPECT_EQ(s.ZusaKontoListe(), (std::vector<std::string>{"ERLWARE+1=J", "KASSE=N", "MIT BLANK=N"}));
  EXPECT_EQ(s.ZusaGGKtoListe(), (std::vector<std::string>{"BANK=N"}));
}

}  // namespace
