#include "app/CommandLine.h"

#include "generated/ProgramIdentity.h"

namespace sahdict::app {
namespace {

const QStringList kPairs = {QStringLiteral("RUS-SAH"), QStringLiteral("RSE-SAH"), QStringLiteral("SAH-RUS")};

CommandLine Failed(const QString& text) {
  CommandLine line;
  line.action = CommandLine::Action::Error;
  line.text = text + QStringLiteral("\n\n") + UsageText();
  return line;
}

}  // namespace

QString UsageText() {
  return QStringLiteral(
      "Использование: sahdict [--pair ПАРА] [СЛОВО]\n"
      "               sahdict --selection\n"
      "Русско-якутский словарь. СЛОВО открывается сразу; если словарь уже запущен,\n"
      "слово передаётся ему, и его окно выходит на передний план.\n"
      "\n"
      "  --pair ПАРА    RUS-SAH, RSE-SAH или SAH-RUS; без неё пара выбирается\n"
      "                 по проверке языка слова\n"
      "  --selection    найти выделенный текст (или текст буфера обмена)\n"
      "  --help         эта справка\n"
      "  --version      версия программы\n");
}

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine line;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
      return {CommandLine::Action::Help, {}, {}, false, UsageText()};
    } else if (arg == QStringLiteral("--version")) {
      return {CommandLine::Action::Version, {}, {}, false,
              QStringLiteral("sahdict ") + QString::fromStdU16String(VersionNumberText()) + u'\n'};
    } else if (arg == QStringLiteral("--selection")) {
      line.selection = true;
    } else if (arg == QStringLiteral("--pair") || arg.startsWith(QStringLiteral("--pair="))) {
      const QString pair = arg.contains(u'=') ? arg.section(u'=', 1) : (++i < arguments.size() ? arguments[i] : QString());
      if (!kPairs.contains(pair)) return Failed(QStringLiteral("Неизвестная пара: «%1».").arg(pair));
      line.pair = pair;
    } else if (arg == QStringLiteral("--")) {
      line.word = arguments.mid(i + 1).join(u' ');
      break;
    } else if (arg.startsWith(u'-') && arg.size() > 1) {
      return Failed(QStringLiteral("Неизвестный параметр: «%1».").arg(arg));
    } else {
      line.word = line.word.isEmpty() ? arg : line.word + u' ' + arg;
    }
  }
  if (line.selection && !line.word.isEmpty()) return Failed(QStringLiteral("--selection не сочетается со словом."));
  line.word = line.word.trimmed();
  return line;
}

}  // namespace sahdict::app
