// harmony, forms, render, message, article, langcheck: the page texts, the
// grammar engine and the word-language check.
#include <ostream>

#include "core/dict/DictStore.h"
#include "core/grammar/mdlSahGrammar.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/render/ArticleRenderer.h"
#include "core/render/MessagePage.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

Command HarmonyCommand() {
  Command cmd{"harmony", "TEXT|-", "vowel harmony over the canonical form of TEXT", nullptr};
  cmd.run = [cmd](const std::vector<std::string>& args, Io& io) {
    if (args.size() != 1) return UsageError(cmd, io);
    return ForEachItem(args[0], io, [&](const std::u16string& item) {
      std::u16string text = item;
      WriteText(io.out, ApplyVowelHarmony(NormalizeSakha(text)));
      io.out << "\n";
      return int{kOk};
    });
  };
  return cmd;
}

Command FormsCommand() {
  Command cmd{"forms", "WORD|-", "every noun form: number, person, case, form", nullptr};
  cmd.run = [cmd](const std::vector<std::string>& args, Io& io) {
    if (args.size() != 1) return UsageError(cmd, io);
    return ForEachItem(args[0], io, [&](const std::u16string& word) {
      for (int32_t number = 1; number <= 2; ++number)
        for (int32_t person = 0; person <= 6; ++person)
          for (int32_t caseNum = 1; caseNum <= 8; ++caseNum) {
            io.out << number << '\t' << person << '\t' << caseNum << '\t';
            WriteText(io.out, MakeWordForm(word, caseNum, number, person));
            io.out << "\n";
          }
      return int{kOk};
    });
  };
  return cmd;
}

// Takes a leading "--letters" off `args`: Sakha words of the page are then
// shown with real letters.
RenderOptions TakeLettersOption(std::vector<std::string>& args) {
  RenderOptions options;
  if (!args.empty() && args.front() == "--letters") {
    options.SakhaLetters = true;
    args.erase(args.begin());
  }
  return options;
}

Command RenderCommand() {
  Command cmd{"render", "[--letters] HEADWORD NOTE TRANSLATION", "the article page of an entry", nullptr};
  cmd.run = [cmd](std::vector<std::string> args, Io& io) {
    const RenderOptions options = TakeLettersOption(args);
    if (args.size() != 3) return UsageError(cmd, io);
    WriteText(io.out, RenderArticle(FromUtf8(args[0]), FromUtf8(args[1]), FromUtf8(args[2]), options));
    io.out << "\n";
    return int{kOk};
  };
  return cmd;
}

Command MessageCommand() {
  Command cmd{"message", "[--compact] TEXT", "the message window's page for TEXT", nullptr};
  cmd.run = [cmd](const std::vector<std::string>& args, Io& io) {
    // "--compact" first exactly when a text follows it; alone it is no text.
    if (args.empty() || args.size() > 2 || (args.size() == 2) != (args[0] == "--compact")) return UsageError(cmd, io);
    const bool compact = args.size() == 2;
    WriteText(io.out, MessagePage(FromUtf8(args.back()), compact ? 1 : 0));
    io.out << "\n";
    return int{kOk};
  };
  return cmd;
}

Command ArticleCommand() {
  // The letters option comes before the file, so the file command sees the rest.
  auto body = [](const RenderOptions& options) {
    return [options](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
      const std::u16string pair = FromUtf8(args[1]);
      const std::u16string text = FromUtf8(args[2]);
      const int32_t caret = static_cast<int32_t>(text.size());
      const int32_t k = SearchSession().Search(store, pair, {text, caret, 0}, {.Alternatives = false}).position;
      if (k == 0) return int{kProblems};
      const DictEntry e = store.GetEntry(k, pair);
      WriteText(io.out, RenderArticle(e.HeadWord, e.Note, e.Translation, options));
      io.out << "\n";
      return int{kOk};
    };
  };
  const std::string help = "the article page of the entry that lookup names";
  Command plain = DictFileCommand("article", "[--letters] FILE PAIR TEXT", help, 3, body(RenderOptions{}));
  Command letters = DictFileCommand("article", plain.usage, help, 3, body(RenderOptions{true}));
  Command cmd = plain;
  cmd.run = [plain, letters](std::vector<std::string> args, Io& io) {
    const bool withLetters = TakeLettersOption(args).SakhaLetters;
    return (withLetters ? letters : plain).run(args, io);
  };
  return cmd;
}

Command LangcheckCommand() {
  return DictFileCommand("langcheck", "FILE WORD|-", "the word-language check: layout, message text, then --", 2,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const LangCheckCounts counts(store);  // once for all the words
                           return ForEachItem(args[1], io, [&](const std::u16string& answer) {
                             const LangCheckResult result = CheckWordLanguage(answer, counts);
                             io.out << (result.Compact ? "layout: compact\n" : "layout: normal\n");
                             WriteText(io.out, result.Text);
                             io.out << "\n--\n";
                             return int{kOk};
                           });
                         });
}

}  // namespace

std::vector<Command> PageCommands() {
  return {HarmonyCommand(), FormsCommand(),   RenderCommand(),
          MessageCommand(), ArticleCommand(), LangcheckCommand()};
}

}  // namespace sahdict::tool
