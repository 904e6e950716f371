#pragma once
// rigctld's connection over Qt's asynchronous TCP socket. Nothing waits: the connection,
// the replies and the failures arrive from the event loop. Each open gets a fresh
// socket, so nothing from a closed one can reach the radio's logic.

#include "station/radio/RigLink.h"

#include <QObject>

class QTcpSocket;

namespace vantor::radio {

class QtRigLink final : public QObject, public RigLink {
    Q_OBJECT
public:
    explicit QtRigLink(QObject* parent = nullptr);
    ~QtRigLink() override;

    void open(const std::string& host, int port) override;
    void close() override;
    void write(std::string_view bytes) override;

private:
    QTcpSocket* socket_ = nullptr;
    std::string where_;

    void failed(QTcpSocket* socket, const std::string& why);
};

} // namespace vantor::radio
