// The radio in the real main window, offscreen, against a stand-in rigctld on a local
// port (or the real rigctld given a model it does not know): whatever the radio does,
// the state label says it in one line and the contacts typed meanwhile are logged.

#include "ui/station/radio/RadioDesk.h"
#include "station/radio/RadioSettings.h"
#include "station/sending/KeyerSettings.h"
#include "station/sending/Messages.h"
#include "station/share/ShareSettings.h"
#include "support/MainWindow.h"
#include "ui/station/radio/RadioDialog.h"
#include "ui/station/share/ShareDesk.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

using namespace vantor;
using namespace vantor::radio;
using namespace vantor::test;

namespace {

// Answers every line it is sent with reply, delayMs later; with report set, the lines
// other than the frequency's "f" get that instead.
struct FakeRig {
    QTcpServer server;
    QByteArray received;
    QByteArray reply;
    QByteArray report;
    int delayMs = 0;

    FakeRig(QByteArray r, int delay) : reply(std::move(r)), delayMs(delay) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            QTcpSocket* client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                const QByteArray bytes = client->readAll();
                received += bytes;
                for (const QByteArray& line : bytes.split('\n').mid(0, bytes.count('\n'))) {
                    const QByteArray answer = report.isEmpty() || line == "f" ? reply : report;
                    QTimer::singleShot(delayMs, client, [client, answer] {
                        if (client->isOpen())
                            client->write(answer);
                    });
                }
            });
        });
    }
    int port() const { return server.serverPort(); }
};

struct Station : MainWindow {
    // Types a contact as the operator does; the keys must go in at once.
    void logContact(const std::string& keys, int lines) {
        QElapsedTimer took;
        took.start();
        for (const char ch : keys)
            QTest::keyClick(QApplication::focusWidget(), ch);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_LT(took.elapsed(), 1000) << "keys waited for the radio";
        std::string log = readFile("log.txt");
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), lines) << log;
    }
    std::string label(const char* name) const {
        const auto* l = form->findChild<QLabel*>(name);
        return l ? l->text().toStdString() : "(none)";
    }
};

void writeFile(const char* name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

} // namespace

TEST(RadioDesk, EveryFailureIsOneLineAndLoggingGoesOn) {
    const bool haveRigctld = !QStandardPaths::findExecutable("rigctld").isEmpty();
    const struct {
        const char* name;
        const char* reply; // nullptr: nothing listens; "model=N": Vantor's own rigctld
        int delayMs;
        const char* status; // %1: the stand-in's port
        const char* frequency;
        const char* band;
    } cases[] = {
        {"tuned", "14025000\n", 0, "Radio: 14025.00 kHz", "14025.00 kHz", "20"},
        {"outside", "145000000\n", 0,
         "Radio: 145000.00 kHz is outside the contest bands; the band stays 40",
         "145000.00 kHz out of band", "40"},
        {"garbage", "hello\n", 0,
         "Radio lost: rigctld's answer makes no sense: \"hello\"; reconnecting", "radio lost",
         "40"},
        {"endless line",
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
         0, "Radio lost: rigctld sends garbage (a line without end); reconnecting", "radio lost",
         "40"},
        {"slow", "14025000\n", 2000, "Radio lost: rigctld gave no answer within 1 s; reconnecting",
         "radio lost", "40"},
        {"refused", nullptr, 0,
         "Radio lost: connection refused at 127.0.0.1:%1 (is rigctld running?); reconnecting",
         "radio lost", "40"},
        {"own dummy rig", "model=1", 0,
         "Radio: 145000.00 kHz is outside the contest bands; the band stays 40",
         "145000.00 kHz out of band", "40"},
        {"unknown model", "model=99999", 0,
         "Radio lost: rigctld ended: Unknown rig num 99999, or initialization... (exit code 2); "
         "reconnecting",
         "radio lost", "40"},
        {"no such serial port", "model=1035\ndevice=/dev/ttyNOSUCH", 0,
         "Radio lost: rigctld cannot open the serial port /dev/ttyNOSUCH: No such file or "
         "directory; reconnecting",
         "radio lost", "40"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool own = c.reply && std::string_view(c.reply).starts_with("model=");
        if (own && !haveRigctld)
            continue;
        FakeRig rig(c.reply ? c.reply : "", c.delayMs);
        const int port = rig.port();
        if (!c.reply)
            rig.server.close();
        Station station;
        const std::string reply = c.reply ? c.reply : "";
        const char* device = reply.find("device=") == std::string::npos ? "\ndevice=/dev/null" : "";
        writeFile(RadioFileName, own ? "radio=own\n" + reply + device + "\n"
                                     : "radio=shared\nport=" + std::to_string(port) + "\n");
        station.open();
        station.logContact("1ak1aa85ct", 1);
        if (c.delayMs > 0) {
            // The poll is out and unanswered: keys go in, then a second passes.
            ASSERT_TRUE(QTest::qWaitFor([&] { return rig.received == "f\n"; }, 5000));
            station.logContact("2bk1bb72me", 2);
            station.clock.advanceMs(1100);
        }
        const std::string status =
            QString::fromLatin1(c.status).replace("%1", QString::number(port)).toStdString();
        // A starting rigctld is given its moment on the clock.
        (void)QTest::qWaitFor(
            [&] {
                station.clock.advanceMs(own ? 20 : 0);
                return station.label("lblRadio") == status;
            },
            own ? 15000 : 5000);
        EXPECT_EQ(station.label("lblRadio"), status);
        EXPECT_EQ(station.label("lblRadioFrequency"), c.frequency);
        EXPECT_EQ(station.label("Label30"), c.band);
        const int logged = c.delayMs > 0 ? 3 : 2;
        station.logContact("3ak1cc66ema", logged);
        const std::string log = readFile("log.txt");
        EXPECT_NE(log.find(std::string("\"") + c.band + "\"\r\n"), std::string::npos) << log;
        EXPECT_EQ(loadRadioSettings().lastHz[3], c.band == std::string("20") ? 14025000 : 0);
    }
}

// The contact broadcast tells where the radio is: a RadioInfo packet once it is read,
// its frequency in a contact logged on its band, and none once the radio is gone.
TEST(RadioDesk, TheBroadcastCarriesTheRadiosFrequency) {
    FakeRig rig("14025000\n", 0);
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress::LocalHost, 0));
    Station station;
    writeFile(RadioFileName, "radio=shared\nport=" + std::to_string(rig.port()) + "\n");
    writeFile(share::ShareFileName,
              "broadcast=on\ndestination=127.0.0.1:" + std::to_string(listener.localPort()) + "\n");
    station.open();

    // The first datagram from now on with this root element; "" when none comes in waitMs.
    const auto received = [&](const std::string& root, int waitMs) {
        std::string found;
        (void)QTest::qWaitFor(
            [&] {
                while (found.empty() && listener.hasPendingDatagrams()) {
                    const std::string d = listener.receiveDatagram().data().toStdString();
                    if (d.find("\n<" + root + ">\n") != std::string::npos)
                        found = d;
                }
                return !found.empty();
            },
            waitMs);
        return found;
    };
    const auto field = [](const std::string& packet, const std::string& name) {
        const auto at = packet.find("<" + name + ">");
        if (at == std::string::npos)
            return std::string("(none)");
        const auto from = at + name.size() + 2;
        return packet.substr(from, packet.find("</" + name + ">", from) - from);
    };
    const struct {
        const char* step;
        const char* root;
        std::vector<std::pair<const char*, const char*>> fields;
    } steps[] = {
        {"read",
         "RadioInfo",
         {{"Freq", "1402500"},
          {"TXFreq", "1402500"},
          {"Mode", "CW"},
          {"OpCall", "W1AW"},
          {"IsConnected", "True"}}},
        // The broadcast switched off and on while the radio is connected.
        {"switched on", "RadioInfo", {{"Freq", "1402500"}, {"IsConnected", "True"}}},
        {"logged",
         "contactinfo",
         {{"call", "K1AA"},
          {"band", "14"},
          {"rxfreq", "1402500"},
          {"txfreq", "1402500"},
          {"RadioInterfaced", "1"}}},
        {"gone",
         "contactinfo",
         {{"call", "K1BB"},
          {"band", "14"},
          {"rxfreq", "0"},
          {"txfreq", "0"},
          {"RadioInterfaced", "0"}}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        const std::string step = s.step;
        if (step == "switched on") {
            share::ShareSettings settings = station.form->share().settings();
            settings.on = false;
            station.form->share().apply(settings);
            while (listener.hasPendingDatagrams())
                listener.receiveDatagram();
            settings.on = true;
            station.form->share().apply(settings);
        } else if (step == "logged") {
            ASSERT_EQ(station.label("Label30"), "20");
            station.logContact("1ak1aa85ct", 1);
        } else if (step == "gone") {
            rig.server.close();
            for (QTcpSocket* client : rig.server.findChildren<QTcpSocket*>())
                client->abort();
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    station.clock.advanceMs(50);
                    return station.label("lblRadio").starts_with("Radio lost");
                },
                10000))
                << station.label("lblRadio");
            EXPECT_EQ(station.label("Label30"), "20");
            station.logContact("2bk1bb72me", 2);
        }
        // Switched on, the broadcast tells at once, long before its 10 s repeat.
        const std::string packet = received(s.root, step == "switched on" ? 2000 : 10000);
        ASSERT_FALSE(packet.empty()) << "no " << s.root;
        for (const auto& [name, value] : s.fields)
            EXPECT_EQ(field(packet, name), value) << name << "\n" << packet;
    }
}

// The radio's own keyer chosen: an F-key goes out as send_morse with the serial number
// filled in, Esc stops it ahead of whatever waits, and a radio gone leaves one message.
TEST(RadioDesk, TheRadiosKeyerSendsAndEscStopsFirst) {
    FakeRig rig("14025000\n", 0);
    rig.report = "RPRT 0\n";
    Station station;
    writeFile(RadioFileName, "radio=shared\nport=" + std::to_string(rig.port()) + "\n");
    writeFile(KeyerFileName, "keyer=radio\r\n");
    writeFile(MessagesFileName, "F5.cw=NR {NR} {MYCALL}\r\n");
    station.open();
    // The clock stands still: one poll, then only what the keys send.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return station.label("lblRadio") == "Radio: 14025.00 kHz" &&
                   rig.received.endsWith("L KEYSPD 28\n");
        },
        5000))
        << station.label("lblRadio") << rig.received.toStdString();
    station.logContact("1ak1aa85ct", 1);
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    const auto sentSince = [&](qsizetype from, const QByteArray& last) {
        (void)QTest::qWaitFor([&] { return rig.received.mid(from).endsWith(last); }, 5000);
        return rig.received.mid(from).toStdString();
    };

    qsizetype from = rig.received.size();
    key(Qt::Key_F5);
    EXPECT_EQ(sentSince(from, "b NR 2 W1AW\n"), "b NR 2 W1AW\n");
    EXPECT_EQ(station.label("lblSending"), "28 WPM   Sending: NR 2 W1AW");

    // Texts waiting behind the one in the radio and a speed change: Esc's stop goes
    // next, the waiting texts never.
    from = rig.received.size();
    key(Qt::Key_F5);
    key(Qt::Key_F5);
    key(Qt::Key_PageUp);
    key(Qt::Key_Escape);
    std::string after = sentSince(from, "L KEYSPD 30\n");
    if (after.starts_with("b NR 2 W1AW\n")) // the first text had not been answered yet
        after.erase(0, 12);
    EXPECT_EQ(after, "\\stop_morse\nL KEYSPD 30\n");
    EXPECT_EQ(station.label("lblSending"), "30 WPM");

    // The radio goes away while a text goes out: it is no longer shown as going out.
    key(Qt::Key_F5);
    EXPECT_EQ(station.label("lblSending"), "30 WPM   Sending: NR 2 W1AW");
    rig.server.close();
    for (QTcpSocket* client : rig.server.findChildren<QTcpSocket*>())
        client->abort();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return station.label("lblRadio").starts_with("Radio lost"); }, 5000))
        << station.label("lblRadio");
    EXPECT_EQ(station.label("lblSending"), "30 WPM");
    key(Qt::Key_F5);
    EXPECT_EQ(station.label("lblSending"), "30 WPM   The radio's keyer is not connected");
    station.logContact("2bk1bb72me", 2);
}

TEST(RadioDesk, WithoutSettingsTheWindowHasNoRadio) {
    Station station;
    station.open();
    QTest::qWait(100);
    EXPECT_EQ(station.label("lblRadio"), "(none)");
    EXPECT_EQ(station.label("lblRadioFrequency"), "(none)");
    EXPECT_EQ(station.form->findChild<QStatusBar*>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(RadioFileName));
    EXPECT_EQ(station.form->radioDesk()->keyer(), nullptr);
}

TEST(RadioDialog, TakesWhatCanWorkAndNamesWhatCannot) {
    const struct {
        const char* choice;
        const char* model;
        const char* speed;
        const char* address;
        const char* problem; // "" when taken
        RadioMode mode;
    } cases[] = {
        {"optNone", "x", "x", "x", "", RadioMode::None},
        {"optOwn", "3073", "38400", "x", "", RadioMode::Own},
        {"optOwn", "0", "9600", "", "The rig model is Hamlib's number", RadioMode::Own},
        {"optOwn", "1", "fast", "", "The speed is the serial port's baud rate", RadioMode::Own},
        {"optShared", "x", "x", "shack.local:4575", "", RadioMode::Shared},
        {"optShared", "1", "9600", "shack.local:", "The address is host:port", RadioMode::Shared},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.choice) + " " + c.address);
        RadioDialog dialog(nullptr, RadioSettings{});
        dialog.findChild<QRadioButton*>(c.choice)->setChecked(true);
        dialog.findChild<QLineEdit*>("txtModel")->setText(c.model);
        dialog.findChild<QComboBox*>("cboSpeed")->setCurrentText(c.speed);
        dialog.findChild<QLineEdit*>("txtAddress")->setText(c.address);
        std::string problem;
        const auto chosen = dialog.chosen(&problem);
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        EXPECT_EQ(chosen.has_value(), !*c.problem);
        if (!chosen)
            continue;
        EXPECT_EQ(chosen->mode, c.mode);
        if (c.mode == RadioMode::Own) {
            EXPECT_EQ(chosen->model, 3073);
            EXPECT_EQ(chosen->speed, 38400);
        }
        if (c.mode == RadioMode::Shared) {
            EXPECT_EQ(chosen->host + ":" + std::to_string(chosen->port), "shack.local:4575");
        }
    }
}
