#pragma once
// One running program per user: a later start hands its word to the running
// one through a local socket in the user's own runtime folder, and exits.

#include <QObject>
#include <QString>

class QLocalServer;

namespace sahdict::app {

// What a later start hands over: the pair ("" to guess) and the word ("" to
// just bring the window to the front).
struct Handover {
  QString pair;
  QString word;
};

// The socket's path: sahdict.socket in the user's runtime folder
// (XDG_RUNTIME_DIR, which only the user may enter).
QString InstanceSocketPath();

// Gives `handover` to the program listening at `path`; false when none
// answers within `timeoutMs` (none runs, or its socket was left by a crash).
bool HandOver(const QString& path, const Handover& handover, int timeoutMs = 1000);

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString path, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Listens at the path. A socket there that no program answers is this
  // user's leftover from a crash and is replaced; anything else at the path
  // (another user's file, a link, not a socket) is left alone, and false
  // says that later starts will not find this one.
  bool Listen();

 signals:
  // A later start's handover. Clients are read as their bytes arrive, so
  // the window never waits for one.
  void Received(const Handover& handover);

 private:
  QString path_;
  QLocalServer* server_ = nullptr;
};

}  // namespace sahdict::app
