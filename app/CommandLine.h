#pragma once
// What `sahdict` is asked on its command line: a word to look up, its pair,
// the desktop's selected text, or the help and version texts. Read before any
// window exists, so that --help and --version work without a display.

#include <QString>
#include <QStringList>

namespace sahdict::app {

struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  QString word;             // the word to look up; empty for none
  QString pair;             // "RUS-SAH", "RSE-SAH", "SAH-RUS", or empty: guessed from the word
  bool selection = false;   // look up the selected text (or the clipboard)
  QString text;             // the help or version text, or what was wrong
};

// Reads the arguments after the program's name.
CommandLine ParseCommandLine(const QStringList& arguments);

// The usage text of --help.
QString UsageText();

}  // namespace sahdict::app
