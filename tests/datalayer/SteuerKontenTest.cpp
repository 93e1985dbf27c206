#include <gtest/gtest.h>

#include "data/SteuerKonten.h"
#include "suite/DateTime.h"

namespace {

// An exporter whose key of slot n is "K<n>"; slot 11 has no key.
std::string Schluessel(int slot) { return slot == CSlotVstOhne ? "" : "K" + std::to_string(slot); }

struct SteuerKontenTest : ::testing::Test {
  SteuerKontenTest() {
    e.MwStNormAsString4 = "1900";
    e.MwStReduAsString4 = "0700";
    e.MwStSpezAsString4 = "1070";
    e.MwStNormAltAsString4 = "1600";
    e.MwStReduAltAsString4 = "0500";
    e.MwStAbDatum = EncodeDate(2020, 7, 1);
  }
  TEinstellungen e;
  std::string fremd = "STEUERFREMD";
  TSteuerKonten konten{e, [this] { return fremd; }, Schluessel};
};

TEST_F(SteuerKontenTest, RateOfVatAccount) {
  EXPECT_DOUBLE_EQ(konten.GetProzentSatzAusKonto("VORST0700"), 0.07);
  EXPECT_DOUBLE_EQ(konten.GetProzentSatzAusKonto("MWST1900"), 0.19);
  EXPECT_DOUBLE_EQ(konten.GetProzentSatzAusKonto("MWSTABCD"), 0.0);
  EXPECT_DOUBLE_EQ(konten.GetProzentSatzAusKonto("ERLWARE"), 0.0);
  EXPECT_DOUBLE_EQ(konten.GetProzentSatzAusKonto(""), 0.0);
}

TEST_F(SteuerKontenTest, NormalRateKeyDependsOnChangeDate) {
  EXPECT_EQ(konten.AKPrefixZuKonto("MWST1900", EncodeDate(2020, 6, 30)), "K4");
  EXPECT_EQ(konten.AKPrefixZuKonto("MWST1900", EncodeDate(2020, 7, 1)), "K2");
  EXPECT_EQ(konten.AKPrefixZuKonto("MWST1900", 0), "K2");
  // Former rates swap the other way; special rate and foreign tax never swap.
  EXPECT_EQ(konten.AKPrefixZuKonto("vorst1600", EncodeDate(2020, 6, 30)), "K7");
  EXPECT_EQ(konten.AKPrefixZuKonto("VORST1600", EncodeDate(2021, 1, 1)), "K9");
  EXPECT_EQ(konten.AKPrefixZuKonto("MWST1070", EncodeDate(2020, 6, 30)), "K1");
  EXPECT_EQ(konten.AKPrefixZuKonto("STEUERFREMD", EncodeDate(2020, 6, 30)), "K10");
  EXPECT_EQ(konten.AKPrefixZuKonto("ERLWARE", EncodeDate(2020, 6, 30)), "");
}

TEST_F(SteuerKontenTest, TaxAccountOfKeyWithRate) {
  double prozent = -1;
  EXPECT_EQ(konten.SteuerSchlNachKonto("K7", prozent), "VORST1900");
  EXPECT_DOUBLE_EQ(prozent, 19.0);
  EXPECT_EQ(konten.SteuerSchlNachKonto("K0", prozent), "MWST0700");
  EXPECT_DOUBLE_EQ(prozent, 7.0);
  EXPECT_EQ(konten.SteuerSchlNachKonto("K10", prozent), "STEUERFREMD");
  EXPECT_DOUBLE_EQ(prozent, 0.0);
  EXPECT_EQ(konten.SteuerSchlNachKonto("K99", prozent), "");
}

TEST_F(SteuerKontenTest, EmptyKeyFindsNoTaxAccount) {
  // Slot 11 has no key: a booking without a key must not get a rate.
  double prozent = -1;
  EXPECT_EQ(konten.SteuerSchlNachKonto("", prozent), "");
  EXPECT_DOUBLE_EQ(prozent, 0.0);
}

TEST_F(SteuerKontenTest, TaxAccountsAndForeignTax) {
  EXPECT_TRUE(konten.IstNormOderReduSteuer("MWST0700"));
  EXPECT_TRUE(konten.IstNormOderReduSteuer("VORST0500"));
  EXPECT_TRUE(konten.IstNormOderReduSteuer("steuerfremd"));
  EXPECT_FALSE(konten.IstNormOderReduSteuer("MWST1800"));
  EXPECT_TRUE(konten.KontoIstSteuerEG("STEUERFREMD"));
  EXPECT_FALSE(konten.KontoIstSteuerEG("MWST1900"));
  fremd.clear();
  // Without a foreign-tax account an empty account is no tax account.
  EXPECT_FALSE(konten.KontoIstSteuerEG(""));
  EXPECT_FALSE(konten.IstNormOderReduSteuer(""));
  EXPECT_EQ(konten.AKPrefixZuKonto("", 0), "");
}

TEST_F(SteuerKontenTest, KeyListSkipsEmptyKeysAndIsRebuiltAfterRelease) {
  const auto& liste = konten.Steuerschl_Liste();
  ASSERT_EQ(liste.size(), 12u);
  EXPECT_EQ(liste.front(), " ");
  EXPECT_EQ(liste.back(), "K10");
  konten.Steuerschl_Liste_Freigeben();
  EXPECT_EQ(konten.Steuerschl_Liste().size(), 12u);
}

}  // namespace
