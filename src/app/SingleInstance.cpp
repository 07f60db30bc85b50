#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr quint32 messageMagic = 0x42574b31; // "BWK1"
constexpr char acknowledgement = '\x06';
// A hand-off carries paths only; anything larger is not ours.
constexpr qint64 maximumMessageSize = 16 * 1024 * 1024;
// More paths than any command line holds; bounds what a forged count can make us allocate.
constexpr quint32 maximumFileCount = 100000;
// A serialised QString is at least its 4-byte length field, so a count within the limit never
// claims more than a message may carry.
static_assert(qint64(maximumFileCount) * 4 <= maximumMessageSize);

// The folder for the socket when there is no runtime folder: ours alone, or none at all, so that
// no other user can plant a socket that answers in our place.
QString privateFallbackFolder() {
    const QString folder = QDir::tempPath() + QStringLiteral("/balewick-%1").arg(::getuid());
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), 0700);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid() ||
        (status.st_mode & 0777) != 0700)
        return {};
    return folder;
}

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
        folder = privateFallbackFolder();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(name);
}

SingleInstance::Role SingleInstance::claim(const QList<QUrl>& files) {
    if (m_serverName.isEmpty())
        return Role::Primary; // no safe place for a socket: run on our own
    // Serialises launches that start at the same moment, so exactly one of them ends up listening.
    // A holder that died leaves a stale lock, which QLockFile recognises by its process id.
    QLockFile startupLock(m_serverName + QStringLiteral(".lock"));
    startupLock.tryLock(m_replyTimeoutMs + 2000);

    switch (handOff(files)) {
    case HandOff::Delivered:
        return Role::HandedOff;
    case HandOff::Stale:
        listen();
        return Role::Primary;
    case HandOff::Unreachable:
        break;
    }
    // Something holds the name that we can neither reach nor safely replace: open our own window
    // without a socket rather than lose the files or take the name from a running instance.
    return Role::Primary;
}

bool SingleInstance::isListening() const {
    return m_server && m_server->isListening();
}

SingleInstance::HandOff SingleInstance::handOff(const QList<QUrl>& files) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(m_replyTimeoutMs)) {
        // Only a name nobody listens on is left over from a crash.
        const auto error = socket.error();
        return error == QLocalSocket::ConnectionRefusedError || error == QLocalSocket::ServerNotFoundError
                   ? HandOff::Stale
                   : HandOff::Unreachable;
    }

    // The instance would refuse the list; open these in a window of our own rather than lose them.
    if (files.size() > qsizetype(maximumFileCount))
        return HandOff::Unreachable;

    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << messageMagic << quint32(files.size());
    for (const QUrl& url : files)
        out << url.toString(QUrl::FullyEncoded);
    socket.write(message);
    // A process accepted the connection, so the instance is alive even if it does not answer in
    // time (a long dialog, a stopped debugger): the message waits in the socket buffer and is read
    // once it gets to it. Taking over its name instead would leave two instances.
    socket.waitForBytesWritten(m_replyTimeoutMs);
    if (socket.bytesAvailable() < 1)
        socket.waitForReadyRead(m_replyTimeoutMs);
    return HandOff::Delivered;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (m_server->listen(m_serverName))
        return true;
    // The name refused our connection above, so it is left over from a crash.
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
    quint32 count = 0;
    in >> magic >> count;
    if (in.status() == QDataStream::Ok && (magic != messageMagic || count > maximumFileCount)) {
        in.abortTransaction();
        socket->abort();
        return;
    }
    // Read one by one: a count is never used to reserve memory, and a short message only rolls back.
    QStringList urls;
    for (quint32 index = 0; index < count && in.status() == QDataStream::Ok; ++index) {
        QString text;
        in >> text;
        urls.append(text);
    }
    if (!in.commitTransaction())
        return; // the rest is still on its way
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
