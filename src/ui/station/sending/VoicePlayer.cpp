#include "ui/station/sending/VoicePlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace vantor::ui {

VoicePlayer::VoicePlayer(QObject* parent) : QObject(parent) {
    // Qt 6.4 takes GStreamer first, and its player crashes when GStreamer's base
    // plugins are not installed; FFmpeg plays WAV files by itself. The operator may
    // still choose with QT_MEDIA_BACKEND.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    hasOutput = [] { return !QMediaDevices::audioOutputs().isEmpty(); };
}

std::string VoicePlayer::unavailable() const {
    if (hasOutput && !hasOutput())
        return "No audio output for the voice messages";
    return {};
}

bool VoicePlayer::play(const std::string& path) {
    const QFileInfo file(QString::fromLocal8Bit(path.c_str()));
    if (!file.isFile() || !file.isReadable())
        return false;
    // Made on first use: a contest in CW never opens the audio system.
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        connect(
            player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if ((status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) &&
                    onEnded)
                    onEnded();
            });
        connect(player_, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error, const QString& text) {
                    if (onProblem)
                        onProblem("Voice: " + text.toStdString());
                    if (onEnded)
                        onEnded();
                });
    }
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    player_->play();
    return true;
}

void VoicePlayer::stop() {
    if (player_)
        player_->stop();
}

bool VoicePlayer::playing() const {
    return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

} // namespace vantor::ui
