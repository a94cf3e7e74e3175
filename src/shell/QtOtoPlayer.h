// TQtOtoPlayer: the move sounds on the desktop.  The beep is the
// application's; a wave file is read, checked and handed to an audio sink
// of the default output, which plays it without the move waiting for its
// end (a wait would have to run the event loop inside the move, and with it
// clicks, timers and the links).  Without a sound output (no sound server)
// playing is silent, as is a file that is missing or no wave it can play.
#pragma once

#include <QBuffer>
#include <QByteArray>

#include <memory>

#include "shell/Oto.h"

class QAudioSink;

namespace vorn {

class TQtOtoPlayer : public TOtoPlayer {
public:
    TQtOtoPlayer();
    ~TQtOtoPlayer() override;
    void Beep() override;
    void Play(const std::string& fileName) override;

private:
    void Stop();

    // The sound playing; a new one ends it.
    std::unique_ptr<QAudioSink> sink_;
    QByteArray samples_;
    QBuffer buffer_;
};

} // namespace vorn
