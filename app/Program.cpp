#include "app/Program.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QWidget>
#include <utility>

#include "app/frmSplash.h"
#include "ui/common/frmMsg.h"
#include "ui/common/TextConversion.h"
#include "ui/lookup/frmDict.h"

namespace sahdict::app {
namespace {

Q_LOGGING_CATEGORY(lcFiles, "sahdict.files", QtWarningMsg)

// A folder's name is bytes, not necessarily UTF-8.
QString Shown(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

}  // namespace

Program::Program(DictStore& store, DictPaths paths) : store_(store), quit_([] { QCoreApplication::exit(0); }) {
  files_ = std::make_unique<DictFiles>(
      store_, std::move(paths),
      [](const std::u16string& text) {
        qCInfo(lcFiles).noquote() << "message:" << ui::ToQString(text);
        ui::Msg(text, u"", 0);
      },
      [this](const std::u16string& caption) { Splash().ShowLoad(caption); });
}

Program::~Program() = default;

void Program::Start() { Splash().ShowStartup(); }

frmSplash& Program::Splash() {
  if (!splash_) {
    splash_ = std::make_unique<frmSplash>(frmSplash::LoadSteps{
        [this] {
          const bool loaded = Files().LoadCompiled();
          qCInfo(lcFiles).noquote() << (loaded ? "read" : "not used") << Shown(Files().CompiledPath());
          return loaded;
        },
        [this] {
          const bool rebuilt = Files().Rebuild() == DictFiles::Outcome::Rebuilt;
          qCInfo(lcFiles).noquote() << "rebuilt from" << Shown(Files().SourcePath())
                                    << (rebuilt ? "into" : "without writing") << Shown(Files().CompiledPath());
        },
        [this] {
          Dict().Form_Load();
          lookupOpen_ = true;
          qCInfo(lcFiles) << "lookup window open";
          if (pending_) LookUp(pendingWord_, pendingPair_);
        },
    });
  }
  return *splash_;
}

ui::frmDict& Program::Dict() {
  if (!dict_) {
    dict_ = std::make_unique<ui::frmDict>(store_, ui::DictHooks{
                                                      [this] { Files().Rebuild(); },
                                                      [this] { Splash().ShowSplash(); },
                                                      [this] { EndProgram(); },
                                                  });
  }
  return *dict_;
}

DictFiles& Program::Files() { return *files_; }

void Program::LookUp(const std::u16string& word, const std::u16string& pair) {
  if (!lookupOpen_) {
    pending_ = true;
    pendingWord_ = word;
    pendingPair_ = pair;
    return;
  }
  pending_ = false;
  Dict().LookUpWord(word, pair);
}

void Program::SetQuit(std::function<void()> quit) { quit_ = std::move(quit); }

void Program::EndProgram() {
  if (ended_) return;
  ended_ = true;
  // Every window goes at once; none of them gets to run a handler of its own.
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  if (quit_) quit_();
}

}  // namespace sahdict::app
