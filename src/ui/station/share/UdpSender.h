#pragma once
// The broadcast's datagrams on their way: one connected UDP socket a destination, so
// that a refusal (nothing listening there) comes back as an error. A name is looked
// up without waiting; datagrams sent meanwhile wait in a short queue. Every send
// returns at once and nothing here ever stops the caller.

#include "station/share/ContactBroadcast.h"
#include "station/share/ShareSettings.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QUdpSocket;

namespace vantor::ui {

class UdpSender : public QObject, public share::DatagramPort {
    Q_OBJECT
public:
    explicit UdpSender(QObject* parent = nullptr);
    ~UdpSender() override;

    // Told the first problem of each destination, in plain words; once a destination.
    std::function<void(const std::string&)> onProblem;

    void setDestinations(const std::vector<share::Destination>& destinations);
    void send(const std::string& datagram) override;

private:
    struct Target;
    std::vector<std::unique_ptr<Target>> targets_;

    void flush(Target& t);
    void problem(Target& t, const QString& why);
};

} // namespace vantor::ui
