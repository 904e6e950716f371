#include "ui/station/radio/QtRigLink.h"

#include <QTcpSocket>

namespace vantor::radio {

QtRigLink::QtRigLink(QObject* parent) : QObject(parent) {}

QtRigLink::~QtRigLink() {
    close();
}

void QtRigLink::open(const std::string& host, int port) {
    close();
    where_ = host + ":" + std::to_string(port);
    auto* socket = new QTcpSocket(this);
    socket_ = socket;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket == socket_ && onOpened)
            onOpened();
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        const QByteArray bytes = socket->readAll();
        if (socket == socket_ && onData)
            onData(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, socket](QAbstractSocket::SocketError error) {
                switch (error) {
                case QAbstractSocket::ConnectionRefusedError:
                    failed(socket, "connection refused at " + where_ + " (is rigctld running?)");
                    break;
                case QAbstractSocket::RemoteHostClosedError:
                    failed(socket, "rigctld at " + where_ + " closed the connection");
                    break;
                case QAbstractSocket::HostNotFoundError:
                    failed(socket, "no host named " + where_.substr(0, where_.rfind(':')));
                    break;
                case QAbstractSocket::SocketTimeoutError:
                    failed(socket, "no answer from " + where_);
                    break;
                default:
                    failed(socket, where_ + ": " + socket->errorString().toStdString());
                    break;
                }
            });
    connect(socket, &QTcpSocket::disconnected, this,
            [this, socket] { failed(socket, "rigctld at " + where_ + " closed the connection"); });
    socket->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void QtRigLink::failed(QTcpSocket* socket, const std::string& why) {
    if (socket != socket_)
        return;
    close();
    if (onClosed)
        onClosed(why);
}

void QtRigLink::close() {
    QTcpSocket* socket = std::exchange(socket_, nullptr);
    if (!socket)
        return;
    // Called from the socket's own signals too: it goes once they have returned.
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void QtRigLink::write(std::string_view bytes) {
    if (socket_ && socket_->state() == QAbstractSocket::ConnectedState)
        socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace vantor::radio
