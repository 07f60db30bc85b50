#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr quint32 messageMagic = 0x42574b31; // "BWK1"
constexpr char acknowledgement = '\x06';
// A hand-off carries paths only; anything larger is not ours.
constexpr qint64 maximumMessageSize = 16 * 1024 * 1024;

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    const QString name = QStringLiteral("balewick-%1").arg(::getuid());
    // The runtime folder is private to the user, so no one else can answer in our place.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(name);
}

SingleInstance::Role SingleInstance::claim(const QList<QUrl>& files) {
    // Serialises launches that start at the same moment, so exactly one of them ends up listening.
    // A holder that died leaves a stale lock, which QLockFile recognises by its process id.
    QLockFile startupLock(m_serverName + QStringLiteral(".lock"));
    startupLock.tryLock(m_replyTimeoutMs + 2000);

    if (handOff(files))
        return Role::HandedOff;
    listen();
    return Role::Primary;
}

bool SingleInstance::isListening() const {
    return m_server && m_server->isListening();
}

bool SingleInstance::handOff(const QList<QUrl>& files) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(m_replyTimeoutMs))
        return false;

    QStringList urls;
    for (const QUrl& url : files)
        urls.append(url.toString(QUrl::FullyEncoded));
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << messageMagic << urls;
    socket.write(message);
    if (!socket.waitForBytesWritten(m_replyTimeoutMs) && socket.bytesToWrite() > 0)
        return false;
    // Only an answer proves the instance is alive; a crashed one can leave a socket that accepts.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(m_replyTimeoutMs))
            return false;
    }
    char reply = 0;
    return socket.getChar(&reply) && reply == acknowledgement;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (m_server->listen(m_serverName))
        return true;
    // Nobody answered above, so whatever holds the name is left over from a crash.
    QLocalServer::removeServer(m_serverName);
    return m_server->listen(m_serverName);
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void SingleInstance::readMessage(QLocalSocket* socket) {
    if (socket->bytesAvailable() > maximumMessageSize) {
        socket->abort();
        return;
    }
    // Anything that does not start like our message is dropped before its size fields are trusted.
    if (socket->bytesAvailable() >= qint64(sizeof messageMagic) &&
        qFromBigEndian<quint32>(socket->peek(sizeof messageMagic).constData()) != messageMagic) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    quint32 magic = 0;
    QStringList urls;
    in >> magic >> urls;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    if (magic != messageMagic) {
        socket->abort();
        return;
    }
    socket->putChar(acknowledgement);
    socket->flush();
    socket->disconnectFromServer();

    QList<QUrl> files;
    for (const QString& text : urls) {
        const QUrl url(text, QUrl::StrictMode);
        if (url.isValid() && url.isLocalFile())
            files.append(url);
    }
    if (files.isEmpty() && urls.isEmpty())
        emit reopenRequested();
    else if (!files.isEmpty())
        emit filesOpened(files);
}
