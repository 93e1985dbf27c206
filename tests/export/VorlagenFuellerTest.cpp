#include <gtest/gtest.h>

#include <stdexcept>

#include "export/VorlagenFueller.h"

namespace {

TVorlagenDaten Beispiel() {
  TVorlagenDaten d;
  d.Werte = {{"MANDANT", "Müller GmbH"}, {"WAEHRUNG", "EUR"}};
  TVorlagenDaten b1, b2;
  b1.Werte = {{"KONTO", "1000"}, {"BETRAG", "12,50"}};
  b2.Werte = {{"KONTO", "8400"}, {"BETRAG", "7,00"}, {"WAEHRUNG", "CHF"}};
  d.Listen["BUCHUNG"] = {b1, b2};
  d.Listen["LEER"] = {};
  return d;
}

TEST(VorlagenFueller, RepeatsBlocksPerEntryAndLetsAnEntryHideOuterValues) {
  EXPECT_EQ(VorlageFuellen("<m>{{MANDANT}}</m>\n{{#BUCHUNG}}<b k=\"{{KONTO}}\">{{BETRAG}} "
                           "{{WAEHRUNG}}</b>\n{{/BUCHUNG}}{{#LEER}}nie{{/LEER}}Ende",
                           Beispiel()),
            "<m>Müller GmbH</m>\n<b k=\"1000\">12,50 EUR</b>\n<b k=\"8400\">7,00 CHF</b>\nEnde");
}

TEST(VorlagenFueller, RefusesWhatItCannotFillInsteadOfLeavingItEmpty) {
  const auto d = Beispiel();
  EXPECT_THROW(VorlageFuellen("{{KUNDE}}", d), std::invalid_argument);
  EXPECT_THROW(VorlageFuellen("{{#BUCHUNG}}{{KONTO}}", d), std::invalid_argument);
  EXPECT_THROW(VorlageFuellen("{{#BUCHUNG}}x{{/LEER}}", d), std::invalid_argument);
  EXPECT_THROW(VorlageFuellen("{{/BUCHUNG}}", d), std::invalid_argument);
  EXPECT_THROW(VorlageFuellen("{{MANDANT", d), std::invalid_argument);
  EXPECT_THROW(VorlageFuellen("{{#FEHLT}}{{/FEHLT}}", d), std::invalid_argument);
  // An empty list's body names what its entries would carry; it still needs its end.
  EXPECT_EQ(VorlageFuellen("a{{#LEER}}{{KONTO}}{{#X}}{{/X}}{{/LEER}}b", d), "ab");
  EXPECT_THROW(VorlageFuellen("{{#LEER}}{{KONTO}}", d), std::invalid_argument);
  // Outside a block, an entry's names are unknown.
  EXPECT_THROW(VorlageFuellen("{{#BUCHUNG}}{{/BUCHUNG}}{{KONTO}}", d), std::invalid_argument);
  EXPECT_EQ(VorlageFuellen("ohne Platzhalter } {", d), "ohne Platzhalter } {");
}

}  // namespace
