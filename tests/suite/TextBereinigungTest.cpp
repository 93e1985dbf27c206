#include <gtest/gtest.h>

#include <string>

#include "suite/AnsiTextFile.h"
#include "suite/Text.h"
#include "suite/Utf8.h"

namespace {

TEST(TextBereinigung, DecomposedLettersComposeSoThatWindows1252HoldsThem) {
  // e + COMBINING ACUTE, A + DIAERESIS, Y + DIAERESIS, S + CARON, c + CEDILLA
  EXPECT_EQ(Utf8ComposeLatin("Cafe\xCC\x81"), "Caf\xC3\xA9");
  EXPECT_EQ(Utf8ComposeLatin("A\xCC\x88pfel"), "\xC3\x84pfel");
  EXPECT_EQ(Utf8ToAnsi(Utf8ComposeLatin("Y\xCC\x88S\xCC\x8C" "c\xCC\xA7")), "\x9F\x8A\xE7");
  // Already composed text and text without accents stay byte for byte.
  EXPECT_EQ(Utf8ComposeLatin("Caf\xC3\xA9"), "Caf\xC3\xA9");
  EXPECT_EQ(Utf8ComposeLatin("plain"), "plain");
  // No Windows-1252 letter: the sequence stays (and ends as "?" when encoded).
  EXPECT_EQ(Utf8ComposeLatin("x\xCC\x81"), "x\xCC\x81");
  EXPECT_EQ(Utf8ComposeLatin("\xCC\x81" "a"), "\xCC\x81" "a");
  // A second accent does not compose with the letter already composed.
  EXPECT_EQ(Utf8ComposeLatin("e\xCC\x81\xCC\x81"), "\xC3\xA9\xCC\x81");
  EXPECT_EQ(Utf8Length(Utf8ComposeLatin("Cafe\xCC\x81")), 4u);
}

TEST(TextBereinigung, LineBreaksGoAndOtherControlCharactersBecomeBlanks) {
  EXPECT_EQ(OhneSteuerzeichen("A\r\nB\nC\rD"), "ABCD");
  EXPECT_EQ(OhneSteuerzeichen(std::string("a\x0B" "b\x0C" "c\0d\x1F" "e\t", 10)), "a b c d e ");
  EXPECT_EQ(OhneSteuerzeichen("x\x7Fy"), "x y");
  EXPECT_EQ(OhneSteuerzeichen("x\xC2\x85y\xC2\xA7"), "x y\xC2\xA7");  // NEL goes, § stays
  EXPECT_EQ(OhneSteuerzeichen("Müller"), "Müller");
  EXPECT_TRUE(HatSteuerzeichen("a\nb"));
  EXPECT_TRUE(HatSteuerzeichen("a\xC2\x9F"));
  EXPECT_FALSE(HatSteuerzeichen("Größe §1"));
}

TEST(TextBereinigung, FileNamePartsKeepLettersAndLoseWhatWindowsCannotStore) {
  EXPECT_EQ(DateinamenTeil("A\\B/C:D*E?F\"G<H>I|J"), "A_B_C_D_E_F_G_H_I_J");
  EXPECT_EQ(DateinamenTeil("Filiale\x01\t1\xC2\x90"), "Filiale__1_");
  EXPECT_EQ(DateinamenTeil("Bäckerei Müß"), "Bäckerei Müß");
}

}  // namespace
