#include <gtest/gtest.h>

#include <random>

#include "core/render/ArticleRenderer.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

constexpr auto kNone = std::nullopt;

TEST(Dec, WrapsTextInFontAndBold) {
  struct Case {
    std::u16string str, color;
    std::optional<int> size;
    int bold;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"", u"4F7618", 5, 1, u""},
      {u" ", u"4F7618", 5, 1, u" "},
      {u"дом", u"", 6, 0, u"<font color=# size=6>дом</font>"},
      {u"x", u"4F7618", 5, 1, u"<b><font color=#4F7618 size=5>x</font></b>"},
      {u"x", u"7B9006", kNone, 0, u"<font color=#7B9006>x</font>"},
      {u"  ", u"7B9006", kNone, 7, u"<b><font color=#7B9006>  </font></b>"},
      {u"<br>&", u"", 3, 0, u"<font color=# size=3><br>&</font>"},
  };
  for (const auto& c : cases) EXPECT_EQ(Dec(c.str, c.color, c.size, c.bold), c.expected);
}

// Pieces the expected pages are built from.
const std::u16string kComma = u"<font color=#B27800><b><font color=#5B544B size=5>,</font></b></font>";
const std::u16string kSemicolon = u"<font color=#B27800><b><font color=#5B544B size=5>;</font></b><br></font>";
std::u16string Sakha(const std::u16string& w) { return u"<font color=#7B9006>" + w + u"</font>"; }
std::u16string Russian(const std::u16string& w) { return u"<font color=#B27800>" + w + u"</font>"; }
std::u16string Bold(const std::u16string& p) { return u"<b><font color=#5B544B size=5>" + p + u"</font></b>"; }

TEST(RenderTranslation, SegmentsWordsAndExamples) {
  const std::u16string example = u"<div style='padding: 0,0,0,20px'><font color=#8D8D8D size=4>Пример: ";
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u"    ", u""},
      {u".дьиэ, .бала5ан", u" " + Sakha(u"дьиэ") + kComma + u" " + Sakha(u"бала5ан")},
      {u".дьиэ; .бала5ан", u" " + Sakha(u"дьиэ") + kSemicolon + u" " + Sakha(u"бала5ан")},
      {u".дьиэ (жилище, здание)",
       u" " + Sakha(u"дьиэ") + u" <font color=#6C6C6C size=3>(жилище, здание)</font>"},
      {u"(.дьиэ) .уот",
       u"(<font color=# size=3>" + Sakha(u"дьиэ") + u"</font>) " + Sakha(u"уот")},
      {u"(жилище) .дьиэ", u"<font color=#6C6C6C size=3>(жилище)</font> " + Sakha(u"дьиэ")},
      {u".ат*ыр", u" <font color=#7B9006>ат<font color=#596513 size=5>ыр</font></font>"},
      {u"кое-что", u" <font color=#B27800>кое" + Bold(u"-") + u"что</font>"},
      {u"за*бор", u" <font color=#B27800>за<font color=#876112 size=5>бор</font></font>"},
      {u".дьиэм.", u" " + Sakha(u"дьиэм" + Bold(u"."))},
      // An abbreviation's dot is read as the marker at its end.
      {u"разг.", u" разг"},
      {u"(разг.)", u"(<font color=# size=3>разг</font>)"},
      // A remark without ")" runs to the end; a ")" in an open segment is an ordinary character.
      {u"(жилище здание", u"<font color=#6C6C6C size=3>(жилище здание)</font>"},
      {u"дом) кот", u" " + Russian(u"дом)") + u" " + Russian(u"кот")},
      // Whatever follows ")" in the closing word is dropped.
      {u"(дом)ик .уот", u"<font color=#6C6C6C size=3>(дом)</font> " + Sakha(u"уот")},
      // Three spaces become two, giving an empty word that is skipped.
      {u".а   .б", u" " + Sakha(u"а") + u" " + Sakha(u"б")},
      // A remark whose first word is the "," word (which has no space in front) keeps its markup.
      {u"(, .а)", u"(<font color=# size=3>" + kComma + u" " + Sakha(u"а") + u"</font>)"},
      {u"(; дом)", u"<font color=#6C6C6C size=3>(; дом)</font>"},
      // The leading "<br>" of the first segment is dropped; the label and the segment's own space give two spaces.
      {u"мой дом .мин .дьиэм", example + u" " + Russian(u"мой") + u" " + Russian(u"дом") + u" " + Sakha(u"мин") +
                                   u" " + Sakha(u"дьиэм") + u"</font></div>"},
      // A later example keeps its "<br>", and each line after a ";" gets its own label.
      {u".дьиэ (мой дом; .мин .дьиэм)",
       u" " + Sakha(u"дьиэ") + u" <br>" + example + Russian(u"мой") + u" " + Russian(u"дом") +
           u"<font color=#B27800><b><font color=#5B544B size=5>;</font></b><br><font color=#8D8D8D>Пример: </font>"
           u"</font> " + Sakha(u"мин") + u" " + Sakha(u"дьиэм") + u"</font></div>"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(RenderTranslation(in), out) << ToUtf8(in);
}

TEST(RenderArticle, PageFrame) {
  EXPECT_EQ(RenderArticle(u"", u"", u""),
            u"<body bgcolor=#FAFAF5><font color=#6C6C6C size=3> (</font><font color=#6C6C6C size=3>)</font>"
            u"<br></body>");
  EXPECT_EQ(RenderArticle(u"дом", u"м", u".дьиэ"),
            u"<body bgcolor=#FAFAF5><font color=# size=6>дом</font><font color=#6C6C6C size=3> (</font>"
            u"<b><font color=#4F7618 size=5>м</font></b><font color=#6C6C6C size=3>)</font><br>"
            u"<font color=# size=5> <font color=#7B9006>дьиэ</font></font></body>");
}

// With the letters option the words coloured as Sakha, in open segments,
// remarks and examples, read as if written with real letters; Russian words
// and the headword stay as they are.
TEST(RenderArticle, SakhaLettersOption) {
  const RenderOptions letters{true};
  EXPECT_EQ(RenderArticle(u"h5", u"O", u".о5о; .дьиэ*h (.н'уурдаах) мой O5 .YOрэх", letters),
            RenderArticle(u"h5", u"O", u".оҕо; .дьиэ*һ (.ҥуурдаах) мой O5 .үөрэх"));
  EXPECT_EQ(RenderTranslation(u"(.ат8 разг.)", letters), RenderTranslation(u"(.атө разг.)"));
}

size_t Count(const std::u16string& text, const std::u16string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Random translations from the characters the renderer treats specially.
TEST(RenderTranslation, AnyTextGivesBalancedMarkup) {
  const std::u16string alphabet = u" ()*.,;-аб.(  ";
  std::mt19937 rng(20240611);
  std::vector<std::u16string> inputs = {u"(((", u")))", u"     ", u".,;-*()", u"(", u")", u"*", u";;;;", u",(,",
                                         u"(.", u"(;", u"( , )", std::u16string(20000, u'а'),
                                         u"." + std::u16string(5000, u'*')};
  for (int i = 0; i < 3000; ++i) {
    std::u16string s;
    const size_t len = rng() % 40;
    for (size_t k = 0; k < len; ++k) s += alphabet[rng() % alphabet.size()];
    inputs.push_back(s);
  }
  for (const auto& in : inputs) {
    const std::u16string out = RenderTranslation(in);
    EXPECT_EQ(Count(out, u"<font"), Count(out, u"</font>")) << ToUtf8(in);
    EXPECT_EQ(Count(out, u"<b>"), Count(out, u"</b>")) << ToUtf8(in);
    EXPECT_EQ(Count(out, u"<div"), Count(out, u"</div>"));
  }
}

}  // namespace
}  // namespace sahdict
