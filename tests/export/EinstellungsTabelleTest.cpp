#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/EinstellungsTabelle.h"
#include "support/TestSuite.h"

namespace {

struct TProbe {
  std::string Pfad;
  int Laenge = -1;
  bool Monatlich = true;
  bool Referenz = true;
};

const TEinstellungsTabelle<TProbe>& Tabelle() {
  static const TEinstellungsTabelle<TProbe> tabelle{
      {"PFAD", &TProbe::Pfad, "", "ALTPFAD", [](const std::string& p) { return "/abs/" + p; }},
      {"LAENGE", &TProbe::Laenge, "4", "ALTLAENGE"},
      {"MONATL", &TProbe::Monatlich},
      {"REFER", &TProbe::Referenz, "J", "ALTREFER"},
  };
  return tabelle;
}

TEST(EinstellungsTabelle, SavesInTheTablesOrderAndLoadsWhatItSaved) {
  TProbe p{"export", 7, true, false};
  TQTXStrings config;
  config.SetValue("FREMD", "bleibt");
  EinstellungenSchreiben(p, config, Tabelle());
  EXPECT_EQ(config.Items, (std::vector<std::string>{"FREMD=bleibt", "PFAD=export", "LAENGE=7",
                                                    "MONATL=J", "REFER=N"}));
  TProbe geladen;
  EinstellungenLesen(geladen, config, Tabelle());
  EXPECT_EQ(geladen.Pfad, "/abs/export");  // the check normalises what was loaded
  EXPECT_EQ(geladen.Laenge, 7);
  EXPECT_TRUE(geladen.Monatlich);
  EXPECT_FALSE(geladen.Referenz);
}

TEST(EinstellungsTabelle, MissingOrBrokenValuesTakeTheDefaultAndAnEmptyPathStaysEmpty) {
  TQTXStrings config;
  config.SetValue("LAENGE", "vier");
  TProbe p;
  EinstellungenLesen(p, config, Tabelle());
  EXPECT_EQ(p.Pfad, "");  // not made "/abs/"
  EXPECT_EQ(p.Laenge, 4);
  EXPECT_FALSE(p.Monatlich);
  EXPECT_FALSE(p.Referenz);
}

TEST(EinstellungsTabelle, TheOldSettingsFillOnlyTheRowsThatHadThem) {
  TestSuite suite;
  TSimpleMask maske("SALDIX", "PROBE");
  maske.WriteGlobal("ALTPFAD", "c:\\alt");
  TProbe p{"", -1, true, false};
  EinstellungenAltLesen(p, maske, Tabelle());
  EXPECT_EQ(p.Pfad, "c:\\alt");  // taken as it was stored
  EXPECT_EQ(p.Laenge, 4);         // not stored: the default
  EXPECT_TRUE(p.Monatlich);       // no old key: untouched
  EXPECT_TRUE(p.Referenz);        // not stored: the default "J"
}

}  // namespace
