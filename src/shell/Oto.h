// Move sounds: after a stone is placed the main window plays the system beep
// or a wave file chosen per colour (OtoPlay), and TOtoDlg (着手音), the modal
// dialog in which the user switches the sound on or off and picks the sound
// of each colour from the beep entry and the wave files of the current
// directory.
//
// The sound itself goes through TOtoPlayer, so that the logic runs headless
// with a fake player.
#pragma once

#include <string>
#include <vector>

#include "shell/GameI.h"

namespace vorn {

class TMainCtl;

// What the move sound needs of the platform.  Playing never reports an
// error: a file that cannot be opened or played is silence.
class TOtoPlayer {
public:
    virtual ~TOtoPlayer() = default;
    virtual void Beep() = 0;
    // A wave file, its name relative to the current directory.
    virtual void Play(const std::string& fileName) = 0;
};

// The beep entry of the sound lists in a language ("BEEP" in English), and
// whether a stored sound name stands for the beep (empty, or the entry of
// either language).
const char* BeepEntry(int language);
bool IsBeepSound(const std::string& name);

// The sound of a stone of the colour just shown: nothing unless the sound is
// on and a game runs; the beep for an empty name or a beep entry; otherwise
// the colour's wave file.
void OtoPlay(const TMainCtl& ctl, TOtoPlayer& player, int colour);

// The sound of a wave file: its format and where its samples lie.
struct TWave {
    int Channels = 0;
    int SampleRate = 0;
    int Bits = 0;          // per sample: 8, 16, 24 or 32
    bool Float = false;    // 32-bit samples in floating point
    std::size_t DataOffset = 0;
    std::size_t DataSize = 0;  // whole frames only
};
// Reads the header of an uncompressed wave file (integer or floating-point
// samples); false for anything else, damaged or cut short before the first
// sample.  A data chunk longer than the file is cut to the file.
bool ParseWave(const std::string& bytes, TWave& wave);

// The "*.wav" files of a directory (the extension in any case), sorted by
// name without regard to case.
std::vector<std::string> WaveFiles(const std::string& dir);

class TOtoDlg {
public:
    explicit TOtoDlg(TMainCtl& main) : main_(main) {}
    TOtoDlg(const TOtoDlg&) = delete;
    TOtoDlg& operator=(const TOtoDlg&) = delete;

    // Both lists: the beep entry in the language of this moment, then the
    // wave files of dir; the controls from the settings.
    void FormCreate(const std::string& dir);
    // Captions in the language.
    void FormActivate();
    // Takes the controls over and stores them.
    void OKBtnClick();

    TDlgControl chkOto, cboSiroIsi, cboKuroIsi, lblWhite, lblBlack, OKBtn, CancelBtn;
    std::string Caption;

private:
    TMainCtl& main_;
};

} // namespace vorn
