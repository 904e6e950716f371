#include "ui/station/share/ShareDialog.h"
#include "ui/station/share/UdpSender.h"

#include <QCheckBox>
#include <QLabel>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::ui;

// Datagrams reach a listening destination whole and in order; a destination where
// nothing listens is told once, however many datagrams follow.
TEST(UdpSender, DeliversAndTellsAnUnreachableDestinationOnce) {
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress::LocalHost, 0));
    quint16 closed = 0;
    {
        QUdpSocket gone;
        ASSERT_TRUE(gone.bind(QHostAddress::LocalHost, 0));
        closed = gone.localPort();
    }
    UdpSender sender;
    std::vector<std::string> told;
    sender.onProblem = [&told](const std::string& text) { told.push_back(text); };
    sender.setDestinations({{"127.0.0.1", closed}, {"127.0.0.1", listener.localPort()}});

    std::vector<QByteArray> received;
    const auto receive = [&](std::size_t count) {
        return QTest::qWaitFor(
            [&] {
                while (listener.hasPendingDatagrams())
                    received.push_back(listener.receiveDatagram().data());
                return received.size() >= count;
            },
            10000);
    };
    const std::vector<std::string> sent = {"<a>1</a>", "<b>2 & more</b>", "", "<c/>"};
    for (std::size_t i = 0; i < sent.size(); ++i) {
        sender.send(sent[i]);
        ASSERT_TRUE(receive(i + 1)) << i;
        EXPECT_EQ(received[i].toStdString(), sent[i]);
        if (i == 0) // told without another datagram
            ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty(); }, 10000));
    }
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind("Contact broadcast: 127.0.0.1:" + std::to_string(closed) +
                                " cannot be reached (",
                            0),
              0u)
        << told[0];
}

TEST(ShareDialog, DestinationsAreCheckedBeforeTheyAreKept) {
    const struct {
        bool on;
        const char* lines;
        bool accepted;
        share::ShareSettings kept; // when accepted
        const char* problem;       // when not
    } cases[] = {
        {true, "127.0.0.1:12060\n", true, {true, {{"127.0.0.1", 12060}}}, ""},
        {false, " shack:2237 \n\n[::1]:9\n", true, {false, {{"shack", 2237}, {"::1", 9}}}, ""},
        {true, "\n", true, {true, {{"127.0.0.1", 12060}}}, ""},
        {true, "127.0.0.1:12060\nhost:99999\n", false, {}, "\"host:99999\" is not host:port."},
    };
    for (const auto& c : cases) {
        ShareDialog dialog({});
        dialog.findChild<QCheckBox*>("chkBroadcast")->setChecked(c.on);
        dialog.findChild<QPlainTextEdit*>("txtDestinations")->setPlainText(c.lines);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.lines;
        if (c.accepted)
            EXPECT_EQ(dialog.settings(), c.kept) << c.lines;
        else
            EXPECT_EQ(dialog.findChild<QLabel*>("lblShareProblem")->text().toStdString(),
                      c.problem);
    }
}
