#pragma once
// Datagrams to one host and port over Qt's asynchronous UDP socket. A refused datagram
// (nothing listens there) is reported once through onProblem, until a send succeeds
// again.

#include "station/sending/CwDaemonKeyer.h"

#include <QObject>
#include <QUdpSocket>

#include <functional>
#include <vector>

namespace vantor::ui {

class UdpDatagrams final : public QObject, public DatagramPort {
    Q_OBJECT
public:
    UdpDatagrams(const QString& host, quint16 port, QObject* parent);
    void sendDatagram(const std::string& bytes) override;

    std::function<void(const std::string&)> onProblem;

private:
    QUdpSocket socket_;
    QString host_;
    quint16 port_;
    std::vector<QByteArray> waiting_; // sent while the host name is being looked up
    bool told_ = false;

    void tell(const QString& what);
};

} // namespace vantor::ui
