// code, canon, notation, letters: the letter notation and real Sakha letters.
#include <ostream>

#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
#include "tools/Tool.h"

namespace sahdict::tool {

namespace {

Command NotationCommand(std::string name, std::string help, std::u16string& (*convert)(std::u16string&)) {
  Command cmd{std::move(name), "TEXT|-", std::move(help), nullptr};
  cmd.run = [cmd, convert](const std::vector<std::string>& args, Io& io) {
    if (args.size() != 1) return UsageError(cmd, io);
    return ForEachItem(args[0], io, [&](const std::u16string& item) {
      std::u16string text = item;
      WriteText(io.out, convert(text));
      io.out << "\n";
      return int{kOk};
    });
  };
  return cmd;
}

}  // namespace

std::vector<Command> TextCommands() {
  return {
      NotationCommand("code", "the code form of TEXT", ToCodeNotation),
      NotationCommand("canon", "the canonical form of TEXT", NormalizeSakha),
      NotationCommand("notation", "TEXT typed with real Sakha letters, as the search box shows it",
                      TypedSakhaToNotation),
      NotationCommand("letters", "the canonical form of TEXT shown with real Sakha letters", NotationToSakhaLetters)};
}

}  // namespace sahdict::tool
