// harmony, forms, render, message: the page texts and the grammar engine.
#include <ostream>

#include "core/grammar/mdlSahGrammar.h"
#include "core/render/ArticleRenderer.h"
#include "core/render/MessagePage.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
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

Command RenderCommand() {
  Command cmd{"render", "HEADWORD NOTE TRANSLATION", "the article page of an entry", nullptr};
  cmd.run = [cmd](const std::vector<std::string>& args, Io& io) {
    if (args.size() != 3) return UsageError(cmd, io);
    WriteText(io.out, RenderArticle(FromUtf8(args[0]), FromUtf8(args[1]), FromUtf8(args[2])));
    io.out << "\n";
    return int{kOk};
  };
  return cmd;
}

Command MessageCommand() {
  Command cmd{"message", "[--compact] TEXT", "the message window's page for TEXT", nullptr};
  cmd.run = [cmd](const std::vector<std::string>& args, Io& io) {
    const bool compact = args.size() == 2 && args[0] == "--compact";
    if (args.size() != 1 && !compact) return UsageError(cmd, io);
    WriteText(io.out, MessagePage(FromUtf8(args.back()), compact ? 1 : 0));
    io.out << "\n";
    return int{kOk};
  };
  return cmd;
}

}  // namespace

std::vector<Command> PageCommands() { return {HarmonyCommand(), FormsCommand(), RenderCommand(), MessageCommand()}; }

}  // namespace sahdict::tool
