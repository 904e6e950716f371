#pragma once
// Vantor's own rigctld through QProcess: started on a free port of 127.0.0.1, its
// standard error kept so that an early end says why ("Unknown rig num") and read for a
// radio's port it cannot open, ended with SIGTERM. Nothing waits for the process; it
// also ends when Vantor does.

#include "station/radio/RigLink.h"

#include <QByteArray>
#include <QObject>

class QProcess;

namespace vantor::radio {

class QtRigDaemon final : public QObject, public RigDaemon {
    Q_OBJECT
public:
    explicit QtRigDaemon(QObject* parent = nullptr);
    ~QtRigDaemon() override;

    void start(const RigDaemonOptions& options) override;
    void stop() override;

    // The first words rigctld wrote to its standard error, as they may be shown.
    static std::string endText(const QByteArray& standardError, int exitCode, bool crashed);

private:
    QProcess* process_ = nullptr;
    QByteArray errors_;
    QByteArray partial_; // a warning line not yet ended
    int port_ = 0;

    void warnings(const QByteArray& bytes);
    void ended(QProcess* process, const std::string& why);
};

} // namespace vantor::radio
