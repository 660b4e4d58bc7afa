// check, compile, dump, lookup, stats: reading, compiling and querying a dictionary file.
#include <filesystem>
#include <ostream>
#include <system_error>

#include "core/dict/DictStore.h"
#include "core/dict/DictionaryStats.h"
#include "core/dict/mdlDict.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlCommon.h"
#include "tools/DictLoading.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

void PrintReadSummary(const LoadResult& r, const DictStore& store, Io& io) {
  io.out << "result: " << (r.ok ? "true" : "false") << "\n";
  io.out << "entries: " << store.GetEntryCount() << "\n";
}

// A field of a dump line: backslash, tab, CR and LF written as escapes.
std::string DumpField(std::u16string_view text) {
  std::u16string escaped;
  escaped.reserve(text.size());
  for (char16_t c : text) {
    switch (c) {
      case u'\\':
        escaped += u"\\\\";
        break;
      case u'\t':
        escaped += u"\\t";
        break;
      case u'\r':
        escaped += u"\\r";
        break;
      case u'\n':
        escaped += u"\\n";
        break;
      default:
        escaped += c;
    }
  }
  return ToUtf8(escaped);
}

Command Check() {
  return DictFileCommand("check", "FILE", "read FILE and report its messages, result and entry count", 1,
                         [](DictStore& store, const LoadResult& read, const std::vector<std::string>&, Io& io) {
                           PrintReadSummary(read, store, io);
                           return int{kOk};
                         });
}

Command Compile() {
  return DictFileCommand(
      "compile", "SRC OUT", "read SRC like check; when it reads, write OUT as the compiled file", 2,
      [](DictStore& store, const LoadResult& read, const std::vector<std::string>& args, Io& io) {
        PrintReadSummary(read, store, io);
        if (!read.ok) return int{kProblems};
        // Writing the source over itself would lose its text and comments.
        std::error_code ec;
        if (std::filesystem::equivalent(args[0], args[1], ec)) {
          io.err << "sahdict-tool: cannot write " << args[1] << ": it is the source file " << args[0] << "\n";
          return int{kUsage};
        }
        WriteError error;
        CompiledOptions options;
        options.utf8 = read.utf8;
        if (!WriteCompiled(store, args[1], error, options)) {
          io.err << "sahdict-tool: cannot write " << args[1] << ": " << error.text << "\n";
          return int{kUsage};
        }
        return int{kOk};
      });
}

Command Dump() {
  return DictFileCommand("dump", "FILE", "read FILE and print every entry in sorted order, one per line", 1,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>&, Io& io) {
                           const int32_t count = store.GetEntryCount();
                           for (int32_t p = 1; p <= count; ++p) {
                             const EntryView e = store.EntryAt(p);
                             io.out << DumpField(e.LangPair) << '\t' << DumpField(e.Word.Text()) << '\t'
                                    << DumpField(e.HeadWord) << '\t' << DumpField(e.Note) << '\t'
                                    << DumpField(e.Translation) << '\n';
                           }
                           return int{kOk};
                         });
}

Command Lookup() {
  return DictFileCommand("lookup", "FILE PAIR TEXT|-", "the position the search selects for TEXT within PAIR", 3,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>& args, Io& io) {
                           const std::u16string pair = FromUtf8(args[1]);
                           SearchSession session;
                           return ForEachItem(args[2], io, [&](const std::u16string& item) {
                             // The text as if pasted into the empty box: the caret after it.
                             const int32_t caret = static_cast<int32_t>(item.size());
                             const int32_t k =
                                 session.Search(store, pair, {item, caret, 0}, {.Alternatives = false}).position;
                             if (k == 0) {
                               io.out << "0\n";
                               return int{kProblems};
                             }
                             io.out << k << '\t';
                             WriteText(io.out, store.GetEntry(k, pair).Word);
                             io.out << '\n';
                             return int{kOk};
                           });
                         });
}

Command Stats() {
  return DictFileCommand("stats", "FILE", "the dictionary statistics report", 1,
                         [](DictStore& store, const LoadResult&, const std::vector<std::string>&, Io& io) {
                           WriteText(io.out, DictionaryStats(store));
                           io.out << '\n';
                           return int{kOk};
                         });
}

}  // namespace

std::vector<Command> DictCommands() { return {Check(), Compile(), Dump(), Lookup(), Stats()}; }

}  // namespace sahdict::tool
