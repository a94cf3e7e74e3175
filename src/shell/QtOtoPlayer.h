// TQtOtoPlayer: the move sounds on the desktop.  The beep is the
// application's; a wave file is played by a QSoundEffect without waiting for
// its end, so the game goes on at once (a wait would have to run the event
// loop inside the move, and with it clicks, timers and the links).  Without
// a sound output (no sound server) playing is silent, as is a file that is
// missing or cannot be read.
#pragma once

#include <memory>

#include "shell/Oto.h"

class QSoundEffect;

namespace vorn {

class TQtOtoPlayer : public TOtoPlayer {
public:
    TQtOtoPlayer();
    ~TQtOtoPlayer() override;
    void Beep() override;
    void Play(const std::string& fileName) override;

private:
    // Made on the first wave file, so a run without one never opens the
    // sound system.
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace vorn
