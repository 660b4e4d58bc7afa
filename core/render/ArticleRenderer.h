#pragma once
// HTML pages of articles. Text is never escaped: markup in the input stays markup.

#include <optional>
#include <string>

namespace sahdict {

// "<font color=#Color[ size=Size]>Str</font>", wrapped in <b></b> when Bold is
// nonzero. An empty Str gives "", a single space gives " ".
std::u16string Dec(const std::u16string& Str, const std::u16string& Color, std::optional<int> Size, int Bold);

// One punctuation character styled bold in the punctuation colour, as articles
// and messages show it.
std::u16string DecPunctuation(char16_t mark);

// A whole page: "<body bgcolor=#FAFAF5>" + content + "</body>".
std::u16string WrapPage(const std::u16string& content);

// True when `rgb` ("7B9006", upper-case hex) is a colour the page gives Sakha
// words (plain or emphasised).
bool IsSakhaWordColour(const std::u16string& rgb);

// Choices for rendering an article; the defaults give the plain page.
struct RenderOptions {
  // Show the words coloured as Sakha (examples and remarks included) with
  // real Sakha letters (NotationToSakhaLetters) instead of the notation.
  bool SakhaLetters = false;
};

// The translation as an HTML fragment: coloured words, remarks, example blocks.
std::u16string RenderTranslation(const std::u16string& translation, const RenderOptions& options = {});

// The whole article page: "<body bgcolor=#FAFAF5>" ... "</body>".
std::u16string RenderArticle(const std::u16string& headWord, const std::u16string& note,
                             const std::u16string& translation, const RenderOptions& options = {});

}  // namespace sahdict
