#include <gtest/gtest.h>

#include "suite/DelimitedText.h"

namespace {

using Items = std::vector<std::string>;

TEST(DelimitedText, ItemsWithCommasBlanksAndQuotesRoundTrip) {
  const std::vector<Items> lists = {
      {},
      {""},
      {"", ""},
      {"1", "2", "17"},
      {"a b", "c,d", "say \"hi\"", "\"", ",", " ", "x\ty", "Müller, Straße"},
      {"tail", ""},
      {"", "head"},
  };
  for (const auto& items : lists) {
    EXPECT_EQ(DelimitedText_Split(DelimitedText_Join(items)), items)
        << DelimitedText_Join(items);
  }
  EXPECT_EQ(DelimitedText_Join({"1", "a b", "c,d", "e\"f"}), R"(1,"a b","c,d","e""f")");
}

TEST(DelimitedText, ReadingSplitsAtCommasAndBlanksOutsideQuotes) {
  EXPECT_EQ(DelimitedText_Split(""), Items{});
  EXPECT_EQ(DelimitedText_Split("   "), Items{});
  EXPECT_EQ(DelimitedText_Split("1, 2 3"), (Items{"1", "2", "3"}));
  EXPECT_EQ(DelimitedText_Split("a,,b"), (Items{"a", "", "b"}));
  EXPECT_EQ(DelimitedText_Split("a, "), (Items{"a", ""}));
  EXPECT_EQ(DelimitedText_Split(R"("a ""b"" c",d)"), (Items{"a \"b\" c", "d"}));
  EXPECT_EQ(DelimitedText_Split(R"("offen, bis zum Ende)"), Items{"offen, bis zum Ende"});
}

}  // namespace
