#include "ui/station/radio/QtRigDaemon.h"

#include "station/radio/RigReply.h"

#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>

#include <csignal>
#include <sys/prctl.h>

namespace vantor::radio {

namespace {

// A port nothing listens on now; rigctld takes it a moment later.
int freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 4532;
    return probe.serverPort();
}

constexpr int KeptErrorBytes = 4096;
constexpr int KillAfterMs = 2000;

} // namespace

QtRigDaemon::QtRigDaemon(QObject* parent) : QObject(parent) {}

QtRigDaemon::~QtRigDaemon() {
    stop();
}

std::string QtRigDaemon::endText(const QByteArray& standardError, int exitCode, bool crashed) {
    std::string first;
    for (const QByteArray& line : standardError.split('\n')) {
        first = shownLine(line.trimmed().toStdString());
        if (!first.empty())
            break;
    }
    const std::string how =
        crashed ? std::string("it crashed") : "exit code " + std::to_string(exitCode);
    return first.empty() ? how : first + " (" + how + ")";
}

void QtRigDaemon::start(const RigDaemonOptions& options) {
    stop();
    port_ = freePort();
    errors_.clear();
    partial_.clear();
    auto* process = new QProcess(this);
    process_ = process;
    process->setProgram(QString::fromStdString(options.program));
    // At its usual level rigctld says nothing of a port it cannot open, and listens
    // anyway; its warnings (-vv) tell.
    process->setArguments(
        {"-m", QString::number(options.model), "-r", QString::fromStdString(options.device), "-s",
         QString::number(options.speed), "-T", "127.0.0.1", "-t", QString::number(port_), "-vv"});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardInputFile(QProcess::nullDevice());
    // Should Vantor be killed, its rigctld must not hold the radio's port.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(process, &QProcess::readyReadStandardError, this, [this, process] {
        if (process != process_)
            return;
        const QByteArray bytes = process->readAllStandardError();
        errors_ += bytes;
        if (errors_.size() > KeptErrorBytes)
            errors_.truncate(KeptErrorBytes);
        warnings(bytes);
    });
    connect(process, &QProcess::started, this, [this, process] {
        if (process == process_ && onStarted)
            onStarted(port_);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            ended(process, "the program " + process->program().toStdString() +
                               " cannot be started (" + process->errorString().toStdString() + ")");
    });
    connect(process, &QProcess::finished, this,
            [this, process](int code, QProcess::ExitStatus status) {
                if (process != process_)
                    return;
                errors_ += process->readAllStandardError();
                ended(process, endText(errors_, code, status == QProcess::CrashExit));
            });
    process->start();
}

void QtRigDaemon::warnings(const QByteArray& bytes) {
    partial_ += bytes;
    qsizetype end = 0;
    while ((end = partial_.indexOf('\n')) >= 0) {
        const std::string line = partial_.left(end).trimmed().toStdString();
        partial_.remove(0, end + 1);
        if (const auto problem = portProblem(line); problem && onProblem)
            onProblem(*problem);
    }
    if (partial_.size() > KeptErrorBytes)
        partial_.clear();
}

void QtRigDaemon::ended(QProcess* process, const std::string& why) {
    if (process != process_)
        return;
    process_ = nullptr;
    process->disconnect(this);
    process->deleteLater();
    if (onEnded)
        onEnded(why);
}

void QtRigDaemon::stop() {
    QProcess* process = std::exchange(process_, nullptr);
    if (!process)
        return;
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    // It goes on its own time; one that does not is killed, and nothing here waits.
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QTimer::singleShot(KillAfterMs, process, [process] { process->kill(); });
    process->terminate();
}

} // namespace vantor::radio
