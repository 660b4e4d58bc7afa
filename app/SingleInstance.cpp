#include "app/SingleInstance.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace sahdict::app {
namespace {

// A handover is one line; anything longer is not one of ours.
constexpr qsizetype kMaxMessage = 16 * 1024;
// A client that has not finished its line by then is dropped.
constexpr int kClientTimeoutMs = 2000;

QByteArray Encode(const Handover& h) {
  QString word = h.word;
  word.replace(u'\n', u' ').replace(u'\r', u' ').replace(u'\t', u' ');
  return (h.pair + u'\t' + word).toUtf8() + '\n';
}

Handover Decode(const QByteArray& line) {
  const QString text = QString::fromUtf8(line);
  return {text.section(u'\t', 0, 0), text.section(u'\t', 1)};
}

// True when `path` is a socket of this user, the only thing Listen replaces.
bool OwnSocket(const QString& path) {
  struct stat info {};
  if (lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
  return S_ISSOCK(info.st_mode) && info.st_uid == getuid();
}

bool Exists(const QString& path) {
  struct stat info {};
  return lstat(QFile::encodeName(path).constData(), &info) == 0;
}

}  // namespace

QString InstanceSocketPath() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/sahdict.socket");
}

bool HandOver(const QString& path, const Handover& handover, int timeoutMs) {
  if (!OwnSocket(path)) return false;
  QLocalSocket socket;
  socket.connectToServer(path);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(Encode(handover));
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  // The running program closes the connection once it has read the line.
  socket.waitForDisconnected(timeoutMs);
  return true;
}

SingleInstance::SingleInstance(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {}

SingleInstance::~SingleInstance() {
  if (server_ != nullptr) server_->close();
}

bool SingleInstance::Listen() {
  if (Exists(path_)) {
    if (!OwnSocket(path_)) return false;
    // A live program would have taken the handover before this start listens.
    QLocalServer::removeServer(path_);
  }
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(path_)) return false;
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
      connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
      QTimer::singleShot(kClientTimeoutMs, client, [client] { client->abort(); });
      connect(client, &QLocalSocket::readyRead, this, [this, client] {
        if (!client->canReadLine()) {
          if (client->bytesAvailable() > kMaxMessage) client->abort();
          return;
        }
        const QByteArray line = client->readLine(kMaxMessage).chopped(1);
        client->disconnectFromServer();
        emit Received(Decode(line));
      });
    }
  });
  return true;
}

}  // namespace sahdict::app
