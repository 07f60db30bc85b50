#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QLocalServer;
class QLocalSocket;

// Keeps Balewick to one process per user session. A later launch hands its files to the running
// process over a local socket and exits; a launch without files asks that process to reopen.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    enum class Role { Primary, HandedOff };

    // serverName: the socket's path (or a name Qt places in the temporary folder).
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // The socket of this user: in the private runtime folder, named after the user id. Without a
    // runtime folder, in a 0700 folder of ours in the temporary folder; empty when that folder is
    // not safely ours (claim() then runs without a socket).
    static QString defaultServerName();

    // Hands the files to the running instance when one accepts the connection (HandedOff);
    // otherwise becomes the running instance, replacing a socket that refuses connections (left
    // by a crash), and listens (Primary).
    Role claim(const QList<QUrl>& files);

    // How long to wait for the running instance to accept and to answer.
    void setReplyTimeout(int milliseconds) { m_replyTimeoutMs = milliseconds; }
    bool isListening() const;

signals:
    void filesOpened(const QList<QUrl>& files);
    void reopenRequested();

private:
    enum class HandOff { Delivered, Stale, Unreachable };

    HandOff handOff(const QList<QUrl>& files) const;
    bool listen();
    void acceptConnections();
    void readMessage(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
    int m_replyTimeoutMs = 3000;
};
