// export and define: the dictionary for other programs, and for a person at a terminal.
#include <algorithm>
#include <deque>
#include <memory>
#include <ostream>
#include <sstream>
#include <unordered_set>

#include "core/dict/DictEntry.h"
#include "core/dict/DictStore.h"
#include "core/export/ArticleModel.h"
#include "core/export/Exporter.h"
#include "core/morph/SakhaMorphology.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

using namespace sahdict::exporting;

// The forms for the synonym file: every form the morphology model generates
// of a Sakha word of the dictionary (its noun and verb tables as its labels
// name them), with real letters unless `notation`. The one place that
// chooses the forms.
FormsFn SakhaForms(const DictStore& store, bool notation) {
  auto model = std::make_shared<morph::SakhaMorphology>(store);
  return [model, notation](const std::u16string& word, const std::function<void(std::u16string_view)>& each) {
    if (!notation) return model->VisitForms(word, each);
    model->VisitForms(word, [&](std::u16string_view form) {
      std::u16string text(form);
      each(RealLettersToNotation(text));
    });
  };
}

bool KnownPair(const std::string& pair) { return pair == "RUS-SAH" || pair == "RSE-SAH" || pair == "SAH-RUS"; }

// Takes the options named in `flags` (no value) and `--pair VALUE` out of
// `args`; false on an unknown option or a --pair without a known pair.
bool TakeOptions(std::vector<std::string>& args, const std::vector<std::string>& flags, std::vector<std::string>& set,
                 std::string& pair) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--pair") {
      if (i + 1 == args.size() || !KnownPair(args[i + 1])) return false;
      pair = args[++i];
    } else if (std::find(flags.begin(), flags.end(), args[i]) != flags.end()) {
      set.push_back(args[i]);
    } else if (args[i].size() > 2 && args[i].starts_with("--")) {
      return false;
    } else {
      rest.push_back(args[i]);
    }
  }
  args = std::move(rest);
  return true;
}

bool Has(const std::vector<std::string>& set, const char* flag) {
  return std::find(set.begin(), set.end(), flag) != set.end();
}

Command ExportCommand() {
  Command cmd{"export", "FILE FORMAT OUTDIR [--pair PAIR] [--notation] [--force]",
              "writes stardict, dictd, xdxf, dsl or tsv files (or all five) of each pair into OUTDIR", nullptr};
  cmd.run = [cmd](std::vector<std::string> args, Io& io) {
    std::vector<std::string> set;
    std::string pair;
    if (!TakeOptions(args, {"--notation", "--force"}, set, pair) || args.size() != 3 || FormatsNamed(args[1]).empty())
      return UsageError(cmd, io);
    ExportOptions options;
    options.formats = FormatsNamed(args[1]);
    if (!pair.empty()) options.pairs.push_back(FromUtf8(pair));
    options.notation = Has(set, "--notation");
    options.force = Has(set, "--force");
    Command inner = DictFileCommand(
        cmd.name, cmd.usage, cmd.help, 3,
        [&options](DictStore& store, const LoadResult& read, const std::vector<std::string>& a, Io& out) {
          if (!read.ok) {
            out.out << "not exported: the dictionary did not read\n";
            return int{kProblems};
          }
          options.forms = SakhaForms(store, options.notation);
          const ExportResult result = ExportDictionary(store, ReadDictInfo(a[0]), a[2], options);
          for (const Skipped& s : result.skipped) {
            out.out << "skipped: ";
            WriteText(out.out, s.Reason);
            out.out << '\t';
            WriteText(out.out, s.Word);
            out.out << '\n';
          }
          switch (result.status) {
            case ExportStatus::Ok:
              break;
            case ExportStatus::NoEntries:
              out.out << "not exported: " << result.error << "\n";
              return int{kProblems};
            default:
              out.err << "sahdict-tool: " << result.error << "\n";
              return int{kUsage};
          }
          for (const auto& file : result.written) out.out << file.string() << '\n';
          return result.skipped.empty() ? int{kOk} : int{kProblems};
        });
    return inner.run(args, io);
  };
  return cmd;
}

// --- define ---------------------------------------------------------------

// The pair the word-language check picks: SAH-RUS for a Sakha word, else RUS-SAH.
std::u16string PickPair(const std::u16string& word, const DictStore& store) {
  if (HasRealSakhaLetter(word)) return u"SAH-RUS";
  return RussianLikelier(word, store).value_or(true) ? u"RUS-SAH" : u"SAH-RUS";
}

// The search text of `word` for `pair`: a Sakha source takes what the box makes of it.
std::u16string BoxText(const std::u16string& word, const std::u16string& pair) {
  std::u16string text = word;
  if (IsSakhaSource(pair)) TypedSakhaToNotation(text);
  return text;
}

// The entries of `pair` listed under `word` (their Word up to " ("), from
// position `from` on; `keep` holds the texts the article's senses point to.
HeadArticle EntriesOf(const DictStore& store, const std::u16string& pair, const std::u16string& word, int32_t from,
                      std::deque<DictEntry>& keep) {
  HeadArticle article;
  article.SourceWord = word;
  article.Word = word;
  if (PairFrom(pair) == u"SAH") NotationToSakhaLetters(article.Word);
  const int32_t count = store.GetPairCount(pair);
  for (int32_t k = from; k >= 1 && k <= count; ++k) {
    const EntryWord w = store.WordAt(k, pair);
    if (!StartsWith(w.Text(), word)) break;
    if (w.Text().substr(0, w.Text().find(u" (")) != word) continue;
    const DictEntry& e = keep.emplace_back(store.GetEntry(k, pair));
    EntryView view{e.LangPair, EntryWord{e.Word, {}, false}, e.HeadWord, e.Note, e.Translation};
    AddSense(article, view, false);
  }
  return article;
}

struct Found {
  std::u16string kind;
  HeadArticle article;
};

// The texts of the entries that the found articles point to.
using Kept = std::deque<DictEntry>;

void JsonString(std::ostream& out, std::u16string_view text) {
  out << '"';
  for (char c : ToUtf8(std::u16string(text))) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else if (c == '\n') {
      out << "\\n";
    } else if (b < 0x20) {
      const char* hex = "0123456789abcdef";
      out << "\\u00" << hex[b >> 4] << hex[b & 15];
    } else {
      out << c;
    }
  }
  out << '"';
}

std::u16string JoinLines(const std::vector<std::u16string>& lines) {
  std::u16string out;
  for (const std::u16string& l : lines) out += (out.empty() ? u"" : u"\n") + l;
  return out;
}

void PrintJson(std::ostream& out, const std::u16string& query, const std::u16string& pair,
               const std::vector<Found>& found, const std::vector<std::u16string>& messages) {
  out << "{\"query\":";
  JsonString(out, query);
  out << ",\"pair\":";
  JsonString(out, pair);
  if (!messages.empty()) {
    out << ",\"messages\":[";
    for (size_t i = 0; i < messages.size(); ++i) {
      if (i > 0) out << ',';
      JsonString(out, messages[i]);
    }
    out << ']';
  }
  out << ",\"results\":[";
  bool first = true;
  for (const Found& f : found) {
    for (const Sense& s : f.article.Senses) {
      if (!first) out << ',';
      first = false;
      out << "{\"kind\":";
      JsonString(out, f.kind);
      out << ",\"word\":";
      JsonString(out, f.article.Word);
      out << ",\"headword\":";
      JsonString(out, s.HeadWord);
      out << ",\"note\":";
      JsonString(out, s.Note);
      out << ",\"translation\":";
      JsonString(out, JoinLines(SenseLines(s, u"")));
      HeadArticle one{f.article.Word, f.article.SourceWord, {s}, {}};
      out << ",\"text\":";
      JsonString(out, JoinLines(ArticleLines(one)));
      out << '}';
    }
  }
  out << "]}\n";
}

int Define(DictStore& store, const std::string& word8, std::string pairArg, bool json, Io& io,
           const std::vector<std::u16string>& messages) {
  const std::u16string word = FromUtf8(word8);
  std::u16string pair = pairArg.empty() ? PickPair(word, store) : FromUtf8(pairArg);
  Kept keep;
  std::vector<Found> found;
  auto exact = [&](const std::u16string& p) {
    const std::u16string text = BoxText(word, p);
    HeadArticle a = EntriesOf(store, p, text, store.FindFirstEntry(text, p), keep);
    if (!a.Senses.empty()) found.push_back({u"match", std::move(a)});
    return !found.empty();
  };
  // Without --pair a word that the check misjudged still finds its own article.
  if (!exact(pair) && pairArg.empty()) {
    const std::u16string other = IsSakhaSource(pair) ? u"RUS-SAH" : u"SAH-RUS";
    if (exact(other)) pair = other;
  }
  if (found.empty()) {
    const TextBox typed{word, static_cast<int32_t>(word.size()), 0};
    for (const Alternative& alt : SearchSession().Search(store, pair, typed, {.SakhaLetters = true}).alternatives) {
      const std::u16string part = alt.Word.substr(0, alt.Word.find(u" ("));
      HeadArticle a = EntriesOf(store, pair, part, alt.Position, keep);
      if (!a.Senses.empty()) found.push_back({SuggestKindName(alt.Kind), std::move(a)});
    }
  }
  if (json) {
    PrintJson(io.out, word, pair, found, messages);
    return found.empty() ? int{kProblems} : int{kOk};
  }
  if (found.empty()) {
    io.out << "not found: ";
    WriteText(io.out, word);
    io.out << "\n";
    return int{kProblems};
  }
  const bool alternatives = found.front().kind != u"match";
  if (alternatives) {
    io.out << "not found: ";
    WriteText(io.out, word);
    io.out << "; the closest words:\n";
  }
  for (size_t i = 0; i < found.size(); ++i) {
    if (alternatives) {
      if (i > 0) io.out << '\n';
      WriteText(io.out, found[i].kind);
      io.out << ": ";
      WriteText(io.out, found[i].article.Word);
      io.out << '\n';
    }
    for (const std::u16string& line : WrapLines(ArticleLines(found[i].article), 78)) {
      WriteText(io.out, (alternatives ? u"  " : u"") + line);
      io.out << '\n';
    }
  }
  return int{kOk};
}

Command DefineCommand() {
  Command cmd{"define", "FILE WORD [--pair PAIR] [--json]",
              "the article of WORD as plain text (or JSON); the closest words when there is none", nullptr};
  cmd.run = [cmd](std::vector<std::string> args, Io& io) {
    std::vector<std::string> set;
    std::string pair;
    if (!TakeOptions(args, {"--json"}, set, pair) || args.size() != 2) return UsageError(cmd, io);
    const bool json = Has(set, "--json");
    // JSON output carries the reader's messages inside it.
    std::ostringstream readLines;
    Io readIo{io.in, json ? static_cast<std::ostream&>(readLines) : io.out, io.err};
    std::vector<std::u16string> messages;
    Command inner = DictFileCommand(cmd.name, cmd.usage, cmd.help, 2,
                                    [&](DictStore& store, const LoadResult&, const std::vector<std::string>& a, Io&) {
                                      std::istringstream lines(readLines.str());
                                      for (std::string l; std::getline(lines, l);)
                                        if (l.starts_with("message: ")) messages.push_back(FromUtf8(l.substr(9)));
                                      return Define(store, a[1], pair, json, io, messages);
                                    });
    return inner.run(args, readIo);
  };
  return cmd;
}

}  // namespace

std::vector<Command> ExportCommands() { return {ExportCommand(), DefineCommand()}; }

}  // namespace sahdict::tool
