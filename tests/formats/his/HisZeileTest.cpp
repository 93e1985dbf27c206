// The HIS line worked out by hand: the special rules with their ranges, the account
// formats, the tax text and the cleaning of the text fields.
#include <gtest/gtest.h>

#include <algorithm>

#include "formats/his/HisZeile.h"
#include "suite/DateTime.h"

namespace {

using his::KontenFolge;
using his::TKontenFolge;
using his::TSonderregeln;

void Gleich(const TKontenFolge& ist, int erstes, int zweites, long double betrag) {
  EXPECT_EQ(ist.Erstes, erstes);
  EXPECT_EQ(ist.Zweites, zweites);
  EXPECT_DOUBLE_EQ(static_cast<double>(ist.Betrag), static_cast<double>(betrag));
}

TEST(HisKontenFolge, OhneRegelBleibtAllesWieGebucht) {
  Gleich(KontenFolge({}, 8400, 1000, -119), 8400, 1000, -119);
  Gleich(KontenFolge({}, 8400, 1000, 119), 8400, 1000, 119);
}

TEST(HisKontenFolge, NegativeBetraegeDrehenAusserImAusgenommenenBereich) {
  TSonderregeln regeln;
  regeln.KontenDrehen = true;
  regeln.NichtDrehen = {1500, 1599};
  Gleich(KontenFolge(regeln, 8400, 1000, -119), 1000, 8400, 119);
  // Both ends of the range are excluded.
  Gleich(KontenFolge(regeln, 8400, 1500, -119), 8400, 1500, -119);
  Gleich(KontenFolge(regeln, 8400, 1599, -119), 8400, 1599, -119);
  Gleich(KontenFolge(regeln, 8400, 1600, -119), 1600, 8400, 119);
  // Positive amounts never turn.
  Gleich(KontenFolge(regeln, 8400, 1000, 119), 8400, 1000, 119);
}

TEST(HisKontenFolge, GutscheineWechselnImmerDasVorzeichenUndDrehenNurNegative) {
  TSonderregeln regeln;
  regeln.Gutscheine = true;
  regeln.GutscheinKonten = {3000, 3099};
  regeln.KontenDrehen = true;  // the first rule that applies wins
  Gleich(KontenFolge(regeln, 1000, 3000, 50), 1000, 3000, -50);
  Gleich(KontenFolge(regeln, 1000, 3099, -50), 3099, 1000, 50);
  Gleich(KontenFolge(regeln, 1000, 3000, 0), 1000, 3000, 0);
  // Outside the range the next rule decides.
  Gleich(KontenFolge(regeln, 1000, 3100, -50), 3100, 1000, 50);
}

TEST(HisKontenFolge, KassendifferenzNegiertZuerstUndDrehtDanachNegative) {
  TSonderregeln regeln;
  regeln.Kassendifferenz = true;
  regeln.KassendifferenzKonten = {4700, 4700};
  Gleich(KontenFolge(regeln, 1000, 4700, 10), 1000, 4700, -10);
  Gleich(KontenFolge(regeln, 1000, 4700, -10), 1000, 4700, 10);
  regeln.KassendifferenzDrehen = true;
  // Negated to -10: exchanged and positive.
  Gleich(KontenFolge(regeln, 1000, 4700, 10), 4700, 1000, 10);
  Gleich(KontenFolge(regeln, 1000, 4700, -10), 1000, 4700, 10);
  // Vouchers come first when both ranges hold the account.
  regeln.Gutscheine = true;
  regeln.GutscheinKonten = {4700, 4700};
  Gleich(KontenFolge(regeln, 1000, 4700, 10), 1000, 4700, -10);
}

TEST(HisSteuerText, GanzeProzentMitHalbenZurGeradenNachbarzahl) {
  EXPECT_EQ(his::SteuerText(19), " / 19%");
  EXPECT_EQ(his::SteuerText(7), " / 7%");
  EXPECT_EQ(his::SteuerText(5), " / 5%");
  EXPECT_EQ(his::SteuerText(2.5L), " / 2%");
  EXPECT_EQ(his::SteuerText(3.5L), " / 4%");
  EXPECT_EQ(his::SteuerText(1), "");
  EXPECT_EQ(his::SteuerText(0), "");
}

class HisZeile : public ::testing::Test {
 protected:
  TFibuExportBuchInfo Buchung() const {
    TFibuExportBuchInfo b;
    b.Konto = 8400;
    b.GegenKonto = 1000;
    b.BetragHaben = 119;
    b.BelegDatum = EncodeDate(2024, 3, 5);
    b.Beleg1 = "RE-17";
    b.Beleg2 = "Kasse 3";
    b.Text = "Verkauf";
    b.KOST1 = "100";
    b.Waehrung = "EUR";
    b.Filiale = 5;
    b.SteuerProzent = 19;
    return b;
  }
  TDateTime heute_ = EncodeDate(2024, 4, 2);
};

TEST_F(HisZeile, SechzehnFelderMitKontenformatSteuertextUndFiliale) {
  his::THisZeile zeile(4, heute_);
  EXPECT_EQ(zeile.Bauen(Buchung(), {}),
            "BUCH;RE-17;05.03.2024;Verkauf;8400;1000;02.04.2024;-119,00;0,00;Kasse 3 / 19%;"
            "100;EUR;;;;005;");
  TFibuExportBuchInfo b = Buchung();
  b.Konto = 4711;
  b.GegenKonto = 12;
  b.Menge = 3;
  b.BetragSoll = 10.005L;
  b.BetragHaben = 0;
  b.SteuerProzent = 0;
  b.Filiale = 1234;
  his::THisZeile sechs(6, heute_);
  EXPECT_EQ(sechs.Bauen(b, {}),
            "BUCH;RE-17;05.03.2024;Verkauf;004711;000012;02.04.2024;10,01;0,00;Kasse 3;"
            "100;EUR;;;3;1234;");
  // Longer numbers than the length are written whole.
  b.Konto = 123456789;
  his::THisZeile vier(4, heute_);
  EXPECT_EQ(vier.Bauen(b, {}).substr(0, 45), "BUCH;RE-17;05.03.2024;Verkauf;123456789;0012;");
}

TEST_F(HisZeile, SemikolonUndZeilenumbruchVerschiebenKeinFeld) {
  TFibuExportBuchInfo b = Buchung();
  b.Beleg1 = "A;B";
  b.Text = "Zeile 1\r\nZeile 2;x";
  b.Beleg2 = "K;2\n";
  b.KOST1 = "1;0";
  b.Waehrung = "E;R";
  const std::string zeile = his::THisZeile(4, heute_).Bauen(b, {});
  EXPECT_EQ(zeile,
            "BUCH;A,B;05.03.2024;Zeile 1Zeile 2,x;8400;1000;02.04.2024;-119,00;0,00;K,2 / 19%;"
            "1,0;E,R;;;;005;");
  EXPECT_EQ(std::count(zeile.begin(), zeile.end(), ';'), 16);
}

TEST_F(HisZeile, RegelnWirkenAufDieZeile) {
  TSonderregeln regeln;
  regeln.KontenDrehen = true;
  regeln.NichtDrehen = {5000, 5999};
  EXPECT_EQ(his::THisZeile(4, heute_).Bauen(Buchung(), regeln),
            "BUCH;RE-17;05.03.2024;Verkauf;1000;8400;02.04.2024;119,00;0,00;Kasse 3 / 19%;"
            "100;EUR;;;;005;");
}

}  // namespace
