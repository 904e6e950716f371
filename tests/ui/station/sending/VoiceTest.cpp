// Voice files on phone in the real main window: F1 plays a WAV file made here through
// Qt's audio output, Esc stops it at once; a file that is not there, or a machine
// without any audio output, gives one message.

#include "support/MainWindow.h"
#include "ui/station/sending/SendingDesk.h"
#include "ui/station/sending/VoicePlayer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::Form1;

namespace {

// Mono 16-bit PCM at 8 kHz: a tone of the given length.
void writeWav(const std::string& name, int ms) {
    const std::uint32_t rate = 8000, samples = rate * std::uint32_t(ms) / 1000;
    std::ofstream out(name, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + samples * 2);
    out << "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    out << "data";
    u32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i)
        u16(std::uint16_t(std::int16_t(8000 * std::sin(i * 0.3))));
}

// A sound server of the test's own whose one output is a null sink: files really play,
// and nothing is heard. Not running where the machine has no pulseaudio.
class NullSink {
public:
    NullSink() {
        const QString program = QStandardPaths::findExecutable("pulseaudio");
        if (program.isEmpty())
            return;
        socket_ = QDir::temp().filePath(
            QStringLiteral("vantor-null-sink-%1").arg(QCoreApplication::applicationPid()));
        daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon_.start(program,
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                       "module-native-protocol-unix auth-anonymous=1 socket=" + socket_, "-L",
                       "module-null-sink sink_name=vantor_null"});
        if (QTest::qWaitFor([this] { return QFile::exists(socket_); }, 10000))
            qputenv("PULSE_SERVER", ("unix:" + socket_).toLocal8Bit());
    }
    ~NullSink() {
        daemon_.terminate();
        daemon_.waitForFinished(3000);
        QFile::remove(socket_);
    }
    bool running() const { return !qgetenv("PULSE_SERVER").isEmpty(); }

private:
    QProcess daemon_;
    QString socket_;
};

TEST(VoiceFiles, F1PlaysTheFileAndEscStopsIt) {
    // Before anything asks Qt for its audio devices.
    const NullSink sink;
    const struct {
        const char* name;
        bool output;
        const char* shown; // after F1
    } cases[] = {
        {"an audio output", true, "Playing: cq.wav"},
        {"no audio output", false, "No audio output for the voice messages"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow w;
        writeWav("cq.wav", 30000);
        writeWav("short.wav", 300);
        writeFile("nskeyer.txt", "voice=1\r\n");
        writeFile("nsmsgs.txt", "F1.wav=cq.wav\r\nF2.wav=gone.wav\r\nF3.wav=short.wav\r\n");
        w.port.stationReply = {"W1AW", "A", "85", "CT", 5, 1, 0}; // phone
        ASSERT_NO_FATAL_FAILURE(w.open());
        ui::SendingDesk& desk = w.form->sending();
        // With the null sink, Qt's own device list tells; else the check is replaced.
        if (!c.output || !sink.running())
            desk.voice().hasOutput = [&] { return c.output; };
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };

        if (c.output) {
            key(Qt::Key_F2);
            EXPECT_EQ(desk.statusLabel().text(), "Cannot play the voice file gone.wav");
            EXPECT_FALSE(desk.voice().playing());
        }
        key(Qt::Key_F1);
        EXPECT_EQ(desk.statusLabel().text(), c.shown);
        if (c.output) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return desk.voice().playing(); }, 10000));
        }
        // The keys typed next go into the entry as ever.
        for (const char ch : std::string("1ak1aa"))
            QTest::keyClick(QApplication::focusWidget(), ch);
        EXPECT_EQ(w.field("txtCall"), "K1AA");
        key(Qt::Key_Escape);
        EXPECT_FALSE(desk.voice().playing());
        EXPECT_EQ(desk.statusLabel().text(), c.output ? "" : c.shown);
        QTest::qWait(0);
        EXPECT_FALSE(desk.voice().playing());
        EXPECT_EQ(w.state.RecCount, 0);
        if (c.output && sink.running()) {
            // Played to its end by itself, the file clears the sending line.
            key(Qt::Key_F3);
            ASSERT_TRUE(QTest::qWaitFor([&] { return desk.voice().playing(); }, 10000));
            EXPECT_EQ(desk.statusLabel().text(), "Playing: short.wav");
            EXPECT_TRUE(QTest::qWaitFor([&] { return !desk.voice().playing(); }, 10000));
            EXPECT_EQ(desk.statusLabel().text(), "");
        }
    }
}

} // namespace
