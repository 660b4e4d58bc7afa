#include "tools/Tool.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <ostream>
#include <string_view>

#include "generated/ProgramIdentity.h"
#include "core/text/Utf8Scan.h"
#include "core/text/mdlCommon.h"

namespace sahdict::tool {

namespace {

std::vector<Command> AllCommands() {
  std::vector<Command> all;
  for (auto group : {TextCommands, DictCommands, SuggestCommands, PageCommands, MorphCommands, ExportCommands}) {
    auto cmds = group();
    all.insert(all.end(), cmds.begin(), cmds.end());
  }
  return all;
}

void PrintHelp(std::ostream& out, const std::vector<Command>& cmds) {
  out << "usage: sahdict-tool COMMAND ARGS...\n"
         "Runs the dictionary's core for maintainers and scripts. Input and output are UTF-8;\n"
         "an argument '-' reads items from standard input, one per line.\n\ncommands:\n";
  for (const auto& c : cmds) {
    std::string line = "  " + c.name + " " + c.usage;
    if (line.size() < 40) line.resize(40, ' ');
    out << line << "  " << c.help << "\n";
  }
  out << "\n  --help                                  this text\n"
         "  --version                               the version\n"
         "\nexit status: 0 success, 1 problems found, 2 bad usage or unreadable/unwritable file\n";
}

// The length of the UTF-8 sequence that `rest` begins with; 0 when it is none.
size_t SequenceLength(std::string_view rest) {
  const auto b = static_cast<unsigned char>(rest[0]);
  const size_t len = b < 0x80 ? 1 : b < 0xC2 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 0;
  if (len == 0 || len > rest.size()) return 0;
  Utf8Scan scan;
  return scan.Feed(rest.substr(0, len)) && scan.Complete() ? len : 0;
}

// `text` for an error line: UTF-8 characters as they are, every other byte
// and every control character as \xNN.
std::string Escaped(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const auto b = static_cast<unsigned char>(text[0]);
    const size_t len = SequenceLength(text);
    if (len > 1 || (len == 1 && b >= 0x20 && b != 0x7F)) {
      out += text.substr(0, len);
      text.remove_prefix(len);
      continue;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", b);
    out += hex;
    text.remove_prefix(1);
  }
  return out;
}

}  // namespace

int UsageError(const Command& cmd, Io& io) {
  io.err << "usage: sahdict-tool " << cmd.name << " " << cmd.usage << "\n";
  return kUsage;
}

void WriteText(std::ostream& out, const std::u16string& text) {
  std::u16string copy = text;
  ReplaceAll(copy, u"\r\n", u"\n");
  out << ToUtf8(copy);
}

int ForEachItem(const std::string& arg, Io& io, const std::function<int(const std::u16string&)>& each) {
  if (arg != "-") return each(FromUtf8(arg));
  int worst = kOk;
  std::string line;
  while (std::getline(io.in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    worst = std::max(worst, each(FromUtf8(line)));
  }
  return worst;
}

int RunTool(const std::vector<std::string>& args, Io& io) {
  const auto cmds = AllCommands();
  if (args.empty()) {
    PrintHelp(io.err, cmds);
    return kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp(io.out, cmds);
    return kOk;
  }
  if (args[0] == "--version") {
    io.out << "sahdict-tool " << ToUtf8(VersionNumberText()) << "\n";
    return kOk;
  }
  for (const auto& c : cmds) {
    if (c.name == args[0]) return c.run(std::vector<std::string>(args.begin() + 1, args.end()), io);
  }
  io.err << "sahdict-tool: unknown command '" << Escaped(args[0]) << "' (see sahdict-tool --help)\n";
  return kUsage;
}

}  // namespace sahdict::tool
