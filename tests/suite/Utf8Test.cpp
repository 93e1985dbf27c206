#include <gtest/gtest.h>

#include <string>

#include "suite/Utf8.h"

namespace {

const std::string kEuro = "\xE2\x82\xAC";     // U+20AC
const std::string kHan = "\xE6\xBC\xA2";      // U+6F22
const std::string kEmoji = "\xF0\x9F\x98\x80";  // U+1F600

TEST(Utf8, CountsCharactersNotBytes) {
  EXPECT_EQ(Utf8Length(""), 0u);
  EXPECT_EQ(Utf8Length("Müller"), 6u);
  EXPECT_EQ(Utf8Length(kEuro + kHan + kEmoji), 3u);
  EXPECT_EQ(Utf8Length("a\xFF" "b"), 3u);  // a stray byte counts as one character
}

TEST(Utf8, CutsNeverSplitACharacter) {
  EXPECT_EQ(Utf8Left("Größe", 3), "Grö");
  EXPECT_EQ(Utf8Left("Größe", 0), "");
  EXPECT_EQ(Utf8Left("Größe", 99), "Größe");
  EXPECT_EQ(Utf8Left(kEmoji + kEuro, 1), kEmoji);
  EXPECT_EQ(Utf8Right("Größe", 2), "ße");
  EXPECT_EQ(Utf8Right("ab", 5), "ab");
  EXPECT_EQ(Utf8Mid("Äpfel für Öl", 6, 3), "für");
  EXPECT_EQ(Utf8Mid("abc", 5, 2), "");
}

TEST(Utf8, PadsAndAlignsToCharacterWidths) {
  EXPECT_EQ(Utf8PadRight("Süd", 5), "Süd  ");
  EXPECT_EQ(Utf8PadLeft("Süd", 5, '0'), "00Süd");
  EXPECT_EQ(Utf8PadLeft("Südstadt", 5), "Südstadt");
  EXPECT_EQ(Utf8AlignLeft("Südstadt", 5), "Südst");
  EXPECT_EQ(Utf8AlignLeft("Ö", 3), "Ö  ");
  EXPECT_EQ(Utf8AlignRight("Ö", 3), "  Ö");
  EXPECT_EQ(Utf8AlignRight("Öffnung", 3), "Öff");
}

TEST(Utf8, RejectsMalformedSequences) {
  EXPECT_TRUE(Utf8Valid("Müller " + kEuro + kEmoji));
  EXPECT_FALSE(Utf8Valid("M\xFCller"));          // Latin-1 byte
  EXPECT_FALSE(Utf8Valid("\xC3"));               // truncated
  EXPECT_FALSE(Utf8Valid("\xC0\xAF"));           // overlong "/"
  EXPECT_FALSE(Utf8Valid("\xED\xA0\x80"));       // surrogate
  EXPECT_FALSE(Utf8Valid("\xF4\x90\x80\x80"));   // beyond U+10FFFF
  EXPECT_EQ(Utf8ReplaceInvalid("M\xFCller"), "M?ller");
  EXPECT_EQ(Utf8ReplaceInvalid("a\xE2\x82z", "_"), "a__z");
  EXPECT_EQ(Utf8ReplaceInvalid("ü" + kEuro), "ü" + kEuro);
}

TEST(Utf8, DecodesAndEncodesCodePoints) {
  const std::u32string points = Utf8Decode("aü" + kEuro + kEmoji);
  EXPECT_EQ(points, (std::u32string{U'a', 0xFC, 0x20AC, 0x1F600}));
  EXPECT_EQ(Utf8Encode(points), "aü" + kEuro + kEmoji);
  EXPECT_EQ(Utf8Decode("\xFF"), std::u32string(1, kUtf8Invalid));
  EXPECT_EQ(Utf8Encode(std::u32string(1, 0xD800)), "\xEF\xBF\xBD");

  std::size_t pos = 0;
  const std::string text = kHan + "x";
  EXPECT_EQ(Utf8Next(text, pos), 0x6F22u);
  EXPECT_EQ(pos, 3u);
}

TEST(Utf8, AStreamPieceKeepsAnUnfinishedLastCharacterBack) {
  EXPECT_EQ(Utf8GanzeZeichen("abc"), 3u);
  EXPECT_EQ(Utf8GanzeZeichen(""), 0u);
  EXPECT_EQ(Utf8GanzeZeichen("a\xE2\x82"), 1u);      // the euro sign lacks its last byte
  EXPECT_EQ(Utf8GanzeZeichen("a\xE2\x82\xAC"), 4u);  // complete
  EXPECT_EQ(Utf8GanzeZeichen("\xC3"), 0u);
  EXPECT_EQ(Utf8GanzeZeichen("\xF0\x9F\x98"), 0u);
  EXPECT_EQ(Utf8GanzeZeichen("x\x80"), 2u);  // a stray byte waits for nothing
}

}  // namespace
