#include "ui/station/share/UdpSender.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

#include <cerrno>
#include <cstring>
#include <deque>

#include <sys/socket.h>

namespace vantor::ui {

namespace {
constexpr std::size_t Waiting = 64; // datagrams held while a name is looked up
} // namespace

struct UdpSender::Target {
    share::Destination where;
    QUdpSocket* socket = nullptr;
    std::deque<QByteArray> waiting;
    bool told = false;
};

UdpSender::UdpSender(QObject* parent) : QObject(parent) {}

UdpSender::~UdpSender() = default;

void UdpSender::setDestinations(const std::vector<share::Destination>& destinations) {
    for (auto& t : targets_)
        delete t->socket;
    targets_.clear();
    for (const share::Destination& d : destinations) {
        auto t = std::make_unique<Target>();
        t->where = d;
        t->socket = new QUdpSocket(this);
        Target* raw = t.get();
        connect(t->socket, &QUdpSocket::connected, this, [this, raw] { flush(*raw); });
        connect(t->socket, &QUdpSocket::errorOccurred, this,
                [this, raw](QAbstractSocket::SocketError e) {
                    if (e != QAbstractSocket::TemporaryError)
                        problem(*raw, raw->socket->errorString());
                });
        // Nothing is expected back: what makes the socket readable is a refusal (a
        // port where nothing listens), told by a look that also clears it, or a
        // datagram, read and dropped.
        connect(t->socket, &QUdpSocket::readyRead, this, [this, raw] {
            char byte;
            const auto fd = static_cast<int>(raw->socket->socketDescriptor());
            if (::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) < 0 && errno != EAGAIN &&
                errno != EWOULDBLOCK)
                problem(*raw, QString::fromLocal8Bit(std::strerror(errno)));
            while (raw->socket->hasPendingDatagrams())
                raw->socket->receiveDatagram();
        });
        t->socket->connectToHost(QString::fromStdString(d.host), static_cast<quint16>(d.port));
        targets_.push_back(std::move(t));
    }
}

void UdpSender::send(const std::string& datagram) {
    const QByteArray bytes(datagram.data(), static_cast<qsizetype>(datagram.size()));
    for (auto& t : targets_) {
        if (t->waiting.size() == Waiting)
            t->waiting.pop_front();
        t->waiting.push_back(bytes);
        flush(*t);
    }
}

void UdpSender::flush(Target& t) {
    if (t.socket->state() != QAbstractSocket::ConnectedState)
        return;
    while (!t.waiting.empty()) {
        if (t.socket->write(t.waiting.front()) < 0)
            problem(t, t.socket->errorString());
        t.waiting.pop_front();
    }
}

void UdpSender::problem(Target& t, const QString& why) {
    if (t.told)
        return;
    t.told = true;
    if (onProblem)
        onProblem("Contact broadcast: " + share::destinationText(t.where) + " cannot be reached (" +
                  why.toStdString() + ").");
}

} // namespace vantor::ui
