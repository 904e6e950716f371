#pragma once
// The operator's recorded voice messages, played through Qt Multimedia on the default
// audio output. Playing returns at once; onEnded says when a file has played out or
// could not be played. Without any audio output nothing is started and sending says so.

#include "station/sending/Sender.h"

#include <QObject>

#include <functional>

class QAudioOutput;
class QMediaPlayer;

namespace vantor::ui {

class VoicePlayer final : public QObject, public VoicePort {
    Q_OBJECT
public:
    explicit VoicePlayer(QObject* parent);
    bool play(const std::string& path) override;
    void stop() override;
    std::string unavailable() const override;
    bool playing() const;

    // Whether the machine has an audio output; Qt's device list unless replaced.
    std::function<bool()> hasOutput;

    std::function<void()> onEnded;
    std::function<void(const std::string&)> onProblem;

private:
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};

} // namespace vantor::ui
