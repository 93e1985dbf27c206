#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "export/MandantenTabelle.h"
#include "suite/SimpleMask.h"
#include "support/TestSuite.h"

namespace {

std::vector<TMandListeEintrag> ZweiMandanten() {
  return {{1, {100, 1}, "Filiale Eins", "FIL1", 1}, {2, {200, 1}, "Filiale Zwei", "FIL2", 7}};
}

// A number the target needs and a text it may leave empty, as DATEV postal dispatch has.
TMandantenTabelle Tabelle() {
  return TMandantenTabelle(
      {{"MANDANT", TMandantenFeld::TArt::Zahl, true, 5, "Datev-Mandant",
        "Die Mandantennummer ist nicht gefüllt."},
       {"BENUTZER", TMandantenFeld::TArt::Text, false, 2, "Datev-Benutzer", ""}});
}

TEST(MandantenTabelle, RebuildsFromTheClientListWithTheProfilesValuesInTheListsOrder) {
  TQTXStrings config;
  config.Items = {"MANDANT200/1=77", "MANDAKTV200/1=J", "BENUTZER200/1=ab",
                  "MANDANT100/1=zwölf", "MANDAKTV100/1=N", "MANDANT300/1=9"};
  auto tabelle = Tabelle();
  tabelle.AusProfil(ZweiMandanten(), config);
  ASSERT_EQ(tabelle.Eintraege().size(), 2U);
  const auto& erster = tabelle.Eintraege()[0];
  EXPECT_EQ(erster.GepNr, (TIntPair{100, 1}));
  EXPECT_EQ(erster.Name, "Filiale Eins");
  EXPECT_EQ(erster.Zahl(0), 0);  // non-numeric text reads as 0
  EXPECT_EQ(erster.Text(0), "0");
  EXPECT_FALSE(erster.Aktiv);
  const auto& zweiter = tabelle.Eintraege()[1];
  EXPECT_EQ(zweiter.Zahl(0), 77);
  EXPECT_EQ(zweiter.Text(1), "ab");
  EXPECT_EQ(zweiter.BeginnWJ, 7);
  EXPECT_TRUE(zweiter.Aktiv);
  EXPECT_TRUE(tabelle.Profil_Geeignet({200, 1}));
  EXPECT_FALSE(tabelle.Profil_Geeignet({100, 1}));
  EXPECT_FALSE(tabelle.Profil_Geeignet({300, 1}));  // only in the profile, not a client
  EXPECT_EQ(tabelle.GetMandantIndex({300, 1}), -1);
  EXPECT_EQ(tabelle.Mandant({300, 1}), nullptr);
}

TEST(MandantenTabelle, SavesEveryEntryAndKnowsItsKeysOfAnyClient) {
  auto tabelle = Tabelle();
  tabelle.AusProfil(ZweiMandanten(), {});
  tabelle.SetMandantenDaten({200, 1}, true, {"0042", "xy"});
  TQTXStrings config;
  tabelle.InsProfil(config);
  EXPECT_EQ(config.Items,
            (std::vector<std::string>{"MANDANT100/1=0", "BENUTZER100/1=", "MANDAKTV100/1=N",
                                      "MANDANT200/1=42", "BENUTZER200/1=xy", "MANDAKTV200/1=J"}));
  EXPECT_TRUE(tabelle.EigenerSchluessel("MANDANT999/-2"));
  EXPECT_TRUE(tabelle.EigenerSchluessel("MANDAKTV1/1"));
  EXPECT_FALSE(tabelle.EigenerSchluessel("MANDANTX"));
  EXPECT_FALSE(tabelle.EigenerSchluessel("BERATER100/1"));  // not a field of this table
  EXPECT_THROW(tabelle.SetMandantenDaten({200, 1}, true, {"1"}), std::invalid_argument);
}

TEST(MandantenTabelle, UsableOnlyWithAnActiveClientWhoseRequiredFieldsAreSet) {
  auto tabelle = Tabelle();
  tabelle.AusProfil(ZweiMandanten(), {});
  EXPECT_FALSE(tabelle.EinstellungenVorhanden());  // nobody active
  EXPECT_FALSE(tabelle.EinerAktiv());
  EXPECT_EQ(tabelle.Pruefen(), "Es muss mindestens ein Mandant ausgewählt sein.");
  tabelle.SetMandantenDaten({100, 1}, true, {"0", ""});
  EXPECT_EQ(tabelle.FehlendesPflichtfeld(), 0);
  EXPECT_EQ(tabelle.Pruefen(), "Die Mandantennummer ist nicht gefüllt.");
  EXPECT_FALSE(tabelle.EinstellungenVorhanden());
  tabelle.SetMandantenDaten({100, 1}, true, {"5", ""});  // the user text is optional
  EXPECT_EQ(tabelle.FehlendesPflichtfeld(), -1);
  EXPECT_TRUE(tabelle.EinstellungenVorhanden());
  EXPECT_EQ(tabelle.Pruefen(), "");
  tabelle.SetMandantenDaten({200, 1}, false, {"0", ""});  // inactive: not checked
  EXPECT_TRUE(tabelle.EinstellungenVorhanden());

  TMandantenTabelle text({{"MANDANT", TMandantenFeld::TArt::Text, true, 3, "Varial-Mandant", "fehlt"}});
  text.AusProfil(ZweiMandanten(), {});
  text.SetMandantenDaten({100, 1}, true, {"  "});
  EXPECT_FALSE(text.EinstellungenVorhanden());  // a blank text is no number of the target
  text.SetMandantenDaten({100, 1}, true, {"A1"});
  EXPECT_TRUE(text.EinstellungenVorhanden());
}

TEST(MandantenTabelle, TheOldSettingsMarkEveryClientActive) {
  TestSuite suite;
  TSimpleMask maske("FIBUEXPO", "PROBE");
  maske.WriteGlobal("MANDANT100/1", 12);
  maske.WriteGlobal("BENUTZER200/1", "zz");
  auto tabelle = Tabelle();
  tabelle.AusAltenEinstellungen(ZweiMandanten(), maske);
  ASSERT_EQ(tabelle.Eintraege().size(), 2U);
  EXPECT_TRUE(tabelle.Eintraege()[0].Aktiv);
  EXPECT_TRUE(tabelle.Eintraege()[1].Aktiv);
  EXPECT_EQ(tabelle.Eintraege()[0].Zahl(0), 12);
  EXPECT_EQ(tabelle.Eintraege()[1].Zahl(0), 0);
  EXPECT_EQ(tabelle.Eintraege()[1].Text(1), "zz");
}

}  // namespace
