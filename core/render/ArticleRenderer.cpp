#include "core/render/ArticleRenderer.h"

#include <string_view>

#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

constexpr std::u16string_view kLineBreak = u"<br>";
constexpr std::u16string_view kExampleLabel = u"Пример: ";

// Colours of the article roles.
const std::u16string kRussianColor = u"B27800";
const std::u16string kSakhaColor = u"7B9006";
const std::u16string kRussianEmphasis = u"876112";
const std::u16string kSakhaEmphasis = u"596513";
const std::u16string kPunctuationColor = u"5B544B";
const std::u16string kRemarkColor = u"6C6C6C";
const std::u16string kExampleColor = u"8D8D8D";
const std::u16string kNoteColor = u"4F7618";

// Characters of `w` before 1-based position `pos`; the whole of `w` when pos is past its end.
std::u16string Before(const std::u16string& w, size_t pos) { return w.substr(0, pos - 1); }

// Characters of `w` from 1-based position `pos`; "" when pos is past its end.
std::u16string From(const std::u16string& w, size_t pos) {
  return pos - 1 < w.size() ? w.substr(pos - 1) : std::u16string();
}

// Replaces the first `mark` in `w` by the bold punctuation styling, followed by `tail`.
void StyleFirstPunctuation(std::u16string& w, char16_t mark, std::u16string_view tail) {
  const size_t at = w.find(mark);
  if (at == std::u16string::npos) return;
  std::u16string styled = DecPunctuation(mark);
  styled += tail;
  w.replace(at, 1, styled);
}

// The six word steps: language colour, emphasis, then punctuation.
std::u16string ColourWord(std::u16string w, size_t dot, const RenderOptions& options) {
  if (dot > 0) {
    std::u16string sakha = From(w, dot + 1);
    if (options.SakhaLetters) NotationToSakhaLetters(sakha);
    w = Before(w, dot) + Dec(sakha, kSakhaColor, std::nullopt, 0);
  } else {
    w = Dec(w, kRussianColor, std::nullopt, 0);
  }
  const size_t star = w.find(u'*');
  if (star != std::u16string::npos) {
    w = w.substr(0, star) + Dec(w.substr(star + 1), dot > 0 ? kSakhaEmphasis : kRussianEmphasis, 5, 0);
  }
  StyleFirstPunctuation(w, u'.', {});
  StyleFirstPunctuation(w, u',', {});
  StyleFirstPunctuation(w, u'-', {});
  StyleFirstPunctuation(w, u';', kLineBreak);
  return w;
}

// The words of the prepared translation, read from the front like CutFirstWord does.
class WordReader {
 public:
  explicit WordReader(std::u16string_view text) : rest_(text) {}

  bool Empty() const { return rest_.empty(); }
  bool StartsWithParen() const { return !rest_.empty() && rest_.front() == u'('; }
  void DropFirstChar() { rest_.remove_prefix(1); }

  // Skips empty words (runs of spaces); false when nothing but spaces was left.
  bool SkipSpaces() {
    while (!rest_.empty() && rest_.front() == u' ') rest_.remove_prefix(1);
    return !rest_.empty();
  }

  std::u16string_view Peek() const { return rest_.substr(0, rest_.find(u' ')); }

  // Removes the first word and the one space after it.
  void Cut() {
    const size_t space = rest_.find(u' ');
    rest_.remove_prefix(space == std::u16string_view::npos ? rest_.size() : space + 1);
  }

 private:
  std::u16string_view rest_;
};

// Removes the space put in front of a remark's first word. A remark whose first
// word is a "," or ";" word has no such space; its markup is left intact.
void DropLeadingSpace(std::u16string& text) {
  if (!text.empty() && text.front() == u' ') text.erase(0, 1);
}

// Renders one open segment or remark and appends its HTML to `out`.
void RenderSegment(WordReader& reader, std::u16string& out, const RenderOptions& options) {
  std::u16string html;
  std::u16string raw;
  bool hasRussian = false;
  bool hasSakha = false;
  bool closed = false;

  const bool remark = reader.StartsWithParen();
  if (remark) reader.DropFirstChar();

  while (!reader.Empty() && !closed) {
    if (!reader.SkipSpaces()) break;
    const std::u16string_view read = reader.Peek();
    std::u16string w(read);
    const bool sep = read.find_first_of(u";,") != std::u16string_view::npos;
    const size_t dotAt = read.find(u'.');
    const size_t dot = dotAt == std::u16string_view::npos ? 0 : dotAt + 1;

    bool opensNext = false;
    if (remark) {
      const size_t paren = w.find(u')');
      if (paren != std::u16string::npos) {
        w.resize(paren);
        closed = true;
      }
    } else if (!w.empty() && w.front() == u'(') {
      w.clear();
      closed = true;
      opensNext = true;  // the word stays in the text and starts the next segment
    }
    if (!opensNext) {
      if (dot == 0 && !sep) hasRussian = true;
      if (dot > 0) hasSakha = true;
      reader.Cut();
    }

    if (!sep) raw += u' ';
    raw += w;
    if (!sep) html += u' ';
    html += ColourWord(std::move(w), dot, options);
  }

  if (remark) {
    DropLeadingSpace(html);
    DropLeadingSpace(raw);
  }

  if (hasRussian && hasSakha) {
    const std::u16string labelled =
        std::u16string(kLineBreak) + Dec(std::u16string(kExampleLabel), kExampleColor, std::nullopt, 0);
    ReplaceAll(html, std::u16string(kLineBreak), labelled);
    out += u"<br><div style='padding: 0,0,0,20px'>";
    out += Dec(std::u16string(kExampleLabel) + html, kExampleColor, 4, 0);
    out += u"</div>";
  } else if (hasRussian && remark) {
    out += Dec(u"(" + raw + u")", kRemarkColor, 3, 0);
  } else if (hasSakha && remark) {
    out += u'(';
    out += Dec(html, u"", 3, 0);
    out += u')';
  } else {
    out += html;
  }
}

}  // namespace

std::u16string Dec(const std::u16string& Str, const std::u16string& Color, std::optional<int> Size, int Bold) {
  if (Str.empty()) return {};
  if (Str == u" ") return Str;
  std::u16string result;
  result.reserve(Str.size() + 40);
  if (Bold != 0) result += u"<b>";
  result += u"<font color=#";
  result += Color;
  if (Size) {
    const std::string digits = std::to_string(*Size);
    result += u" size=";
    result.append(digits.begin(), digits.end());
  }
  result += u'>';
  result += Str;
  result += u"</font>";
  if (Bold != 0) result += u"</b>";
  return result;
}

std::u16string DecPunctuation(char16_t mark) { return Dec(std::u16string(1, mark), kPunctuationColor, 5, 1); }

std::u16string WrapPage(const std::u16string& content) { return u"<body bgcolor=#FAFAF5>" + content + u"</body>"; }

bool IsSakhaWordColour(const std::u16string& rgb) { return rgb == kSakhaColor || rgb == kSakhaEmphasis; }

std::u16string RenderTranslation(const std::u16string& translation, const RenderOptions& options) {
  std::u16string text = TrimSpaces(translation) + u" ";
  ReplaceAll(text, u",", u" , ");
  ReplaceAll(text, u";", u" ; ");
  ReplaceAll(text, u"  ", u" ");

  std::u16string out;
  WordReader reader(text);
  while (!reader.Empty()) RenderSegment(reader, out, options);

  if (StartsWith(out, std::u16string(kLineBreak))) out.erase(0, kLineBreak.size());
  return out;
}

std::u16string RenderArticle(const std::u16string& headWord, const std::u16string& note,
                             const std::u16string& translation, const RenderOptions& options) {
  std::u16string page = Dec(headWord, u"", 6, 0);
  page += Dec(u" (", kRemarkColor, 3, 0);
  page += Dec(note, kNoteColor, 5, 1);
  page += Dec(u")", kRemarkColor, 3, 0);
  page += kLineBreak;
  page += Dec(RenderTranslation(translation, options), u"", 5, 0);
  return WrapPage(page);
}

}  // namespace sahdict
