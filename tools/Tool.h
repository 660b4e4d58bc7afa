#pragma once
// The command framework of sahdict-tool: each command reads its arguments and
// writes to the streams it is given, standard output and error in the program.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace sahdict::tool {

enum ExitCode : int { kOk = 0, kProblems = 1, kUsage = 2 };

struct Io {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  std::string name;
  std::string usage;  // arguments, as shown by --help
  std::string help;   // one line
  std::function<int(const std::vector<std::string>& args, Io& io)> run;
};

// Command groups, each defined in its own file.
std::vector<Command> TextCommands();
std::vector<Command> DictCommands();
std::vector<Command> SuggestCommands();
std::vector<Command> PageCommands();
std::vector<Command> MorphCommands();
std::vector<Command> ExportCommands();

// Runs the tool as main() would: args excludes the program name.
int RunTool(const std::vector<std::string>& args, Io& io);

// Calls `each` for the single item `arg`, or, when arg is "-", for every line
// of standard input (LF or CR LF, line end not included). Returns the worst
// exit code that `each` returned.
int ForEachItem(const std::string& arg, Io& io, const std::function<int(const std::u16string&)>& each);

// Writes text as UTF-8 with every CR LF turned into LF.
void WriteText(std::ostream& out, const std::u16string& text);

// Prints the usage line of `cmd` to io.err and returns kUsage.
int UsageError(const Command& cmd, Io& io);

}  // namespace sahdict::tool
