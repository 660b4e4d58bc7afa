// The code page as a whole; the character of every byte is in
// tests/data/dict/every-byte.out, which sahdict-tool's dump must print.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/text/Cp1251.h"

namespace sahdict {
namespace {

TEST(Cp1251, EveryByteRoundTripsThroughADistinctCharacter) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string decoded = DecodeCp1251(all);
  ASSERT_EQ(decoded.size(), 256u);
  EXPECT_EQ(std::set<char16_t>(decoded.begin(), decoded.end()).size(), 256u);
  EXPECT_EQ(EncodeCp1251(decoded), all);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(Cp1251Code(decoded[b]), b);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(EncodeCp1251(u"ҥөһ😀"), "?????");  // the emoji is two code units
  EXPECT_EQ(Cp1251Code(u'ү'), '?');
  EXPECT_EQ(Cp1251Code(char16_t(0xDC00)), '?');
}

}  // namespace
}  // namespace sahdict
