#include "shell/QtOtoPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace vorn {

namespace {

// Move sounds are short; a larger file is no move sound.
constexpr qint64 kMaxWaveBytes = 16 * 1024 * 1024;

} // namespace

TQtOtoPlayer::TQtOtoPlayer() = default;

TQtOtoPlayer::~TQtOtoPlayer() { Stop(); }

void TQtOtoPlayer::Beep() { QApplication::beep(); }

void TQtOtoPlayer::Stop()
{
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    if (buffer_.isOpen())
        buffer_.close();
}

void TQtOtoPlayer::Play(const std::string& fileName)
{
    const QFileInfo info(QDir::current(), QString::fromStdString(fileName));
    if (!info.isFile() || info.size() > kMaxWaveBytes)
        return;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    TWave wave;
    if (!ParseWave(bytes.toStdString(), wave))
        return;

    QAudioFormat format;
    format.setSampleRate(wave.SampleRate);
    format.setChannelCount(wave.Channels);
    switch (wave.Bits) {
    case 8: format.setSampleFormat(QAudioFormat::UInt8); break;
    case 16: format.setSampleFormat(QAudioFormat::Int16); break;
    case 32: format.setSampleFormat(wave.Float ? QAudioFormat::Float : QAudioFormat::Int32); break;
    default: return;  // 24-bit samples have no format of their own here
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return;

    Stop();
    samples_ = bytes.mid(static_cast<qsizetype>(wave.DataOffset), static_cast<qsizetype>(wave.DataSize));
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&buffer_);
}

} // namespace vorn
