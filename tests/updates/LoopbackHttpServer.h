#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

// Answers every request with one canned HTTP response, or never answers at all.
class LoopbackHttpServer final : public QTcpServer {
public:
    QByteArray body;
    int status = 200;
    bool answers = true;
    // Without a length the body ends when the connection closes.
    bool sendsLength = true;
    // When set, the response goes out one byte per interval.
    std::chrono::milliseconds trickleInterval{0};
    QList<QByteArray> requests;

    LoopbackHttpServer() { listen(QHostAddress::LocalHost); }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        auto* request = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, [socket, request] {
            delete request;
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            requests.append(*request);
            if (!answers)
                return;
            const QByteArray length = "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
            const QByteArray response =
                "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/xml\r\n" +
                (sendsLength ? length : QByteArray()) + "Connection: close\r\n\r\n" + body;
            if (trickleInterval.count() == 0) {
                socket->write(response);
                socket->disconnectFromHost();
                return;
            }
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket,
                    [socket, timer, response, sent = qsizetype(0)]() mutable {
                        socket->write(response.mid(sent++, 1));
                        if (sent < response.size())
                            return;
                        timer->stop();
                        socket->disconnectFromHost();
                    });
            timer->start(trickleInterval);
        });
    }
};
