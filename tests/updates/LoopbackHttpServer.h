#pragma once

#include <QTcpServer>
#include <QTcpSocket>

// Answers every request with one canned HTTP response, or never answers at all.
class LoopbackHttpServer final : public QTcpServer {
public:
    QByteArray body;
    int status = 200;
    bool answers = true;
    // Without a length the body ends when the connection closes.
    bool sendsLength = true;
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
            socket->write("HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/xml\r\n" +
                          (sendsLength ? length : QByteArray()) + "Connection: close\r\n\r\n");
            socket->write(body);
            socket->disconnectFromHost();
        });
    }
};
