#include "ui/station/sending/UdpDatagrams.h"

namespace vantor::ui {

UdpDatagrams::UdpDatagrams(const QString& host, quint16 port, QObject* parent)
    : QObject(parent), socket_(this), host_(host), port_(port) {
    connect(&socket_, &QUdpSocket::connected, this, [this] {
        for (const QByteArray& d : waiting_)
            socket_.write(d);
        waiting_.clear();
    });
    connect(&socket_, &QUdpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::ConnectionRefusedError)
            tell(QString("cwdaemon does not answer at %1:%2").arg(host_).arg(port_));
        else if (e == QAbstractSocket::HostNotFoundError)
            tell(QString("Keyer host %1 not found").arg(host_));
        else
            tell(QString("Keyer: %1").arg(socket_.errorString()));
    });
    // Connected, the socket hears of a refused datagram from the system.
    socket_.connectToHost(host_, port_);
}

void UdpDatagrams::sendDatagram(const std::string& bytes) {
    const QByteArray d(bytes.data(), qsizetype(bytes.size()));
    if (socket_.state() == QAbstractSocket::UnconnectedState)
        socket_.connectToHost(host_, port_);
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        if (waiting_.size() < 64)
            waiting_.push_back(d);
        return;
    }
    if (socket_.write(d) == d.size())
        told_ = false;
}

void UdpDatagrams::tell(const QString& what) {
    if (told_)
        return;
    told_ = true;
    if (onProblem)
        onProblem(what.toStdString());
}

} // namespace vantor::ui
