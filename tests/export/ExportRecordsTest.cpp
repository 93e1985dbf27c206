#include <gtest/gtest.h>

#include <stdexcept>

#include "export/ExportRecords.h"
#include "export/Herkunft.h"

namespace {

TEST(ExportRecords, AdditionalItemsAreNumberedFromOneAndClearEmptiesAllTexts) {
  TFibuExportBuchInfoZusatz zusatz;
  zusatz.BelegItem(1) = {"URL", "a"};
  zusatz.BelegItem(8).Inhalt = "h";
  zusatz.ZusatzItem(20) = {"Kostenstelle", "z"};
  zusatz.AuftragsNr = "4711";
  EXPECT_EQ(zusatz.Beleg[0].Inhalt, "a");
  EXPECT_EQ(zusatz.Beleg[7].Inhalt, "h");
  EXPECT_EQ(zusatz.Zusatz[19].Art, "Kostenstelle");
  EXPECT_THROW(zusatz.BelegItem(0), std::out_of_range);
  EXPECT_THROW(zusatz.BelegItem(9), std::out_of_range);
  EXPECT_THROW(zusatz.ZusatzItem(21), std::out_of_range);

  zusatz.Clear();
  for (const auto& item : zusatz.Beleg) EXPECT_TRUE(item.Art.empty() && item.Inhalt.empty());
  for (const auto& item : zusatz.Zusatz) EXPECT_TRUE(item.Art.empty() && item.Inhalt.empty());
  EXPECT_TRUE(zusatz.AuftragsNr.empty());
}

TEST(Herkunft, TableAndEventListKeepTheirOrder) {
  const auto& herkuenfte = Herkuenfte();
  ASSERT_EQ(herkuenfte.size(), 14u);
  EXPECT_EQ(herkuenfte.front().Code, "ALLE");
  EXPECT_TRUE(herkuenfte.front().Vorfaelle.empty());
  EXPECT_EQ(herkuenfte.back().Code, "PRIMAN");

  const auto& vorfaelle = Geschaeftsvorfaelle();
  ASSERT_EQ(vorfaelle.size(), 45u);
  EXPECT_EQ(vorfaelle[0], "");
  EXPECT_EQ(vorfaelle[1], "KASSENBERICHT");
  EXPECT_EQ(vorfaelle[9], "ARE");
  EXPECT_EQ(vorfaelle[44], "PRIMANOTA");

  ASSERT_NE(FindHerkunft("bank"), nullptr);
  EXPECT_EQ(FindHerkunft("bank")->Bezeichnung, "Bankvewegungen");
  EXPECT_EQ(FindHerkunft("NIRGENDS"), nullptr);
}

TEST(Herkunft, EventsLeadToTheirOriginAndUnknownOrEmptyToNone) {
  EXPECT_EQ(HerkunftZuVorfall("KASSENBERICHT"), "KASBER");
  EXPECT_EQ(HerkunftZuVorfall("GEWINNANTEIL"), "ORDER");  // not GEWINN
  EXPECT_EQ(HerkunftZuVorfall("GEWINNAUS"), "GEWINN");
  EXPECT_EQ(HerkunftZuVorfall("kasse"), "BANK");           // text match ignores case
  EXPECT_EQ(HerkunftZuVorfall("GGVERKAUF"), "GBG");
  EXPECT_EQ(HerkunftZuVorfall("PRIMANOTA"), "PRIMAN");
  EXPECT_EQ(HerkunftZuVorfall(""), "");
  EXPECT_EQ(HerkunftZuVorfall("STORNO"), "");
  EXPECT_EQ(HerkunftZuVorfall("KASSE "), "");
  for (auto vorfall : Geschaeftsvorfaelle()) {
    if (!vorfall.empty()) {
      EXPECT_FALSE(HerkunftZuVorfall(vorfall).empty()) << vorfall;
    }
  }
}

}  // namespace
