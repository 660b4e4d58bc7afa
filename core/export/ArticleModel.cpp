#include "core/export/ArticleModel.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict::exporting {
namespace {

enum class Role { Russian, Sakha, Mark };

struct Token {
  Role role;
  std::u16string text;
};

// One word of the prepared translation as plain text: "*" dropped, the
// Sakha word after a "." converted (through `letters` when given, which
// remembers each word's letters); a "." with nothing after it is Russian
// punctuation (an abbreviation), and stays.
Token MakeToken(std::u16string w, bool notation, std::unordered_map<std::u16string, std::u16string>* letters) {
  std::erase(w, u'*');
  if (w.find_first_of(u";,") != std::u16string::npos) return {Role::Mark, w};
  const size_t dot = w.find(u'.');
  if (dot == std::u16string::npos || dot + 1 == w.size()) return {Role::Russian, w};
  std::u16string sakha = w.substr(dot + 1);
  if (!notation && letters != nullptr) {
    auto [it, fresh] = letters->try_emplace(sakha, sakha);
    if (fresh) NotationToSakhaLetters(it->second);
    sakha = it->second;
  } else if (!notation) {
    NotationToSakhaLetters(sakha);
  }
  return {Role::Sakha, w.substr(0, dot) + sakha};
}

// Words joined by spaces, with "," and ";" kept against the word before them.
std::u16string Join(const std::vector<Token>& tokens, size_t from, size_t to, bool onlyWords, Role role) {
  std::u16string out;
  for (size_t i = from; i < to; ++i) {
    const Token& t = tokens[i];
    if (onlyWords && t.role != role) continue;
    if (t.text.empty()) continue;
    if (!out.empty() && t.role != Role::Mark) out += u' ';
    out += t.text;
  }
  return out;
}

class Parser {
 public:
  Parser(std::u16string_view translation, bool notation,
         std::unordered_map<std::u16string, std::u16string>* letters = nullptr)
      : notation_(notation), letters_(letters) {
    text_ = TrimSpaces(std::u16string(translation)) + u" ";
    ReplaceAll(text_, u",", u" , ");
    ReplaceAll(text_, u";", u" ; ");
    rest_ = text_;
  }

  std::vector<Block> Run() {
    while (!rest_.empty()) Segment();
    return std::move(blocks_);
  }

 private:
  bool SkipSpaces() {
    while (!rest_.empty() && rest_.front() == u' ') rest_.remove_prefix(1);
    return !rest_.empty();
  }
  std::u16string_view Peek() const { return rest_.substr(0, rest_.find(u' ')); }
  void Cut() {
    const size_t space = rest_.find(u' ');
    rest_.remove_prefix(space == std::u16string_view::npos ? rest_.size() : space + 1);
  }

  // One remark (from "(" to the word holding ")") or one open stretch of text
  // up to the next word that begins with "(".
  void Segment() {
    const bool remark = rest_.front() == u'(';
    if (remark) rest_.remove_prefix(1);
    std::vector<Token> tokens;
    bool closed = false;
    while (!closed && SkipSpaces()) {
      std::u16string w(Peek());
      if (remark) {
        const size_t paren = w.find(u')');
        if (paren != std::u16string::npos) {
          w.resize(paren);
          closed = true;
        }
      } else if (w.front() == u'(') {
        break;  // the word starts the next segment
      }
      Cut();
      tokens.push_back(MakeToken(std::move(w), notation_, letters_));
    }
    bool russian = false, sakha = false;
    for (const Token& t : tokens) {
      if (t.text.empty()) continue;
      russian |= t.role == Role::Russian;
      sakha |= t.role == Role::Sakha;
    }
    if (!russian && !sakha) {
      if (!tokens.empty()) Append(BlockKind::Translation, Join(tokens, 0, tokens.size(), false, Role::Mark));
      return;
    }
    if (remark && !(russian && sakha)) {
      Append(russian ? BlockKind::Remark : BlockKind::Translation,
             u"(" + Join(tokens, 0, tokens.size(), false, Role::Mark) + u")");
      return;
    }
    // Open text and examples break their lines after each ";".
    size_t from = 0;
    for (size_t i = 0; i <= tokens.size(); ++i) {
      const bool end = i == tokens.size();
      if (!end && tokens[i].text != u";") continue;
      const size_t to = end ? i : i + 1;
      if (russian && sakha) {
        Block b{BlockKind::Example, Join(tokens, from, i, false, Role::Mark),
                Join(tokens, from, i, true, Role::Russian), Join(tokens, from, i, true, Role::Sakha), false};
        if (!b.Text.empty()) Push(std::move(b));
      } else {
        Append(BlockKind::Translation, Join(tokens, from, to, false, Role::Mark));
      }
      if (!end) newLine_ = true;
      from = i + 1;
    }
  }

  void Append(BlockKind kind, std::u16string text) {
    if (text.empty()) return;
    Push(Block{kind, std::move(text), {}, {}, false});
  }
  void Push(Block block) {
    block.NewLine = newLine_ && !blocks_.empty();
    newLine_ = false;
    blocks_.push_back(std::move(block));
  }

  bool notation_;
  std::unordered_map<std::u16string, std::u16string>* letters_;
  std::u16string text_;
  std::u16string_view rest_;
  std::vector<Block> blocks_;
  bool newLine_ = false;
};

// True when the entry's article is one of the senses already.
bool Known(const HeadArticle& a, const EntryView& e) {
  for (const Sense& s : a.Senses)
    if (s.HeadWord == e.HeadWord && s.Note == e.Note && s.Source == e.Translation) return true;
  return false;
}

}  // namespace

std::vector<Block> ParseTranslation(std::u16string_view translation, bool notation) {
  return Parser(translation, notation).Run();
}

std::u16string_view EntryWordPart(const EntryView& entry) {
  std::u16string_view word = entry.Word.Own;
  if (!entry.Word.CitesHead) word = word.substr(0, word.find(u" ("));
  return word;
}

namespace {

// A sense named by its texts' places in the store, which keeps each text once.
struct SenseKey {
  const char16_t *head, *note, *translation;
  size_t headSize, noteSize, translationSize;
  bool operator==(const SenseKey&) const = default;
};
struct SenseKeyHash {
  size_t operator()(const SenseKey& k) const {
    const std::hash<const void*> h;
    return h(k.head) * 31 * 31 + h(k.note) * 31 + h(k.translation);
  }
};

}  // namespace

PairArticles CollectArticles(const DictStore& store, const std::u16string& pair, bool notation, ParsedTexts& parsed) {
  PairArticles out;
  std::unordered_map<std::u16string_view, size_t> slot;  // views into the store's texts
  std::unordered_map<SenseKey, size_t, SenseKeyHash> senseSlot;
  const bool sakhaSource = PairFrom(pair) == u"SAH";
  const int32_t count = store.GetEntryCount();
  for (int32_t n = 1; n <= count; ++n) {
    const EntryView e = store.EntryAt(n);
    if (e.LangPair != pair) continue;
    const std::u16string_view word = EntryWordPart(e);
    if (word.empty()) continue;
    auto [it, fresh] = slot.try_emplace(word, out.Headwords.size());
    if (fresh) {
      HeadArticle a;
      a.SourceWord = word;
      a.Word = a.SourceWord;
      if (sakhaSource && !notation) NotationToSakhaLetters(a.Word);
      out.Headwords.push_back(std::move(a));
    }
    HeadArticle& a = out.Headwords[it->second];
    const SenseKey key{e.HeadWord.data(), e.Note.data(),     e.Translation.data(),
                       e.HeadWord.size(), e.Note.size(), e.Translation.size()};
    auto [s, newSense] = senseSlot.try_emplace(key, out.Senses.size());
    if (newSense) {
      auto [p, first] = parsed.blocks.try_emplace(e.Translation.data());
      if (first)
        p->second = std::make_shared<const std::vector<Block>>(Parser(e.Translation, notation, &parsed.letters).Run());
      out.Senses.push_back(Sense{e.HeadWord, e.Note, p->second, e.Translation});
    } else if (std::find(a.SenseIds.begin(), a.SenseIds.end(), s->second) != a.SenseIds.end()) {
      continue;  // the article is one of the word's senses already
    }
    a.Senses.push_back(out.Senses[s->second]);
    a.SenseIds.push_back(s->second);
  }
  return out;
}

void AddSense(HeadArticle& article, const EntryView& entry, bool notation) {
  if (Known(article, entry)) return;
  article.Senses.push_back(Sense{
      entry.HeadWord, entry.Note,
      std::make_shared<const std::vector<Block>>(ParseTranslation(entry.Translation, notation)), entry.Translation});
}

std::u16string ExampleLine(const Block& example) {
  if (example.Russian.empty() || example.Sakha.empty()) return example.Text;
  return example.Russian + u" — " + example.Sakha;
}

std::u16string SenseHeading(const Sense& sense) {
  std::u16string heading(sense.HeadWord);
  if (!sense.Note.empty()) ((heading += u" (") += sense.Note) += u")";
  return heading;
}

std::vector<std::u16string> SenseLines(const Sense& sense, std::u16string_view exampleIndent) {
  std::vector<std::u16string> lines;
  std::u16string line;
  auto flush = [&] {
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
  };
  for (const Block& b : *sense.Blocks) {
    if (b.NewLine) flush();
    if (b.Kind == BlockKind::Example) {
      flush();
      lines.push_back(std::u16string(exampleIndent) + ExampleLine(b));
      continue;
    }
    if (!line.empty()) line += u' ';
    line += b.Text;
  }
  flush();
  return lines;
}

bool SingleSense(const HeadArticle& article) {
  return article.Senses.size() == 1 && article.Senses[0].HeadWord == article.Word;
}

std::vector<std::u16string> ArticleLines(const HeadArticle& article, bool withWord) {
  std::vector<std::u16string> out;
  const bool single = SingleSense(article);
  const std::u16string indent = single || !withWord ? u"" : u"  ";
  if (!single && withWord) out.push_back(article.Word + u":");
  for (const Sense& s : article.Senses) {
    std::vector<std::u16string> lines = SenseLines(s, u"    ");
    std::u16string first = indent + SenseHeading(s) + u":";
    size_t i = 0;
    if (!lines.empty() && !StartsWith(lines[0], u" ")) first += u" " + lines[i++];
    out.push_back(std::move(first));
    for (; i < lines.size(); ++i) out.push_back(indent + (StartsWith(lines[i], u" ") ? lines[i] : u"  " + lines[i]));
  }
  return out;
}

std::vector<std::u16string> WrapLines(const std::vector<std::u16string>& lines, size_t width) {
  std::vector<std::u16string> out;
  for (std::u16string line : lines) {
    const size_t indent = line.find_first_not_of(u' ');
    const std::u16string more(indent == std::u16string::npos ? 2 : indent + 2, u' ');
    while (line.size() > width) {
      size_t cut = line.rfind(u' ', width);
      if (cut == std::u16string::npos || cut <= more.size()) cut = line.find(u' ', width);
      if (cut == std::u16string::npos) break;
      out.push_back(line.substr(0, cut));
      line = more + TrimSpaces(line.substr(cut));
      if (line.size() <= more.size()) break;
    }
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace sahdict::exporting
