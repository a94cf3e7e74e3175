// Helpers of the game-flow tests: a headless main window with a scripted
// engine and a clock the test moves, and games set up through the dialog.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "ShellUtil.h"

namespace vorn::test {

// A monotonic clock that the test sets; each reading then moves it on by step.
class TTestClock : public TClock {
public:
    std::int64_t NowMs() override
    {
        const std::int64_t t = now;
        now += step;
        return t;
    }
    std::int64_t now = 0;
    std::int64_t step = 0;
};

// The scripted engine: its answers in order, a pass once they run out.  It
// notes the hint flag and the side to move of every call.
extern std::deque<Point> EngineScript;
extern std::vector<int> EngineCallHintModes;
void ScriptedThink(Point& out);
// An engine of random legal moves that does not fill its own eyes; it
// passes when nothing is left or the record grows long.
void RandomThink(Point& out);

// Board 0 holds a recorded 9x9 game with two handicap stones: 29 random
// moves from the seed, then a pass.
void HandicapRecordOnBoard0(std::uint64_t seed);

inline bool StartsWith(const std::string& s, const std::string& prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

// A headless window whose moves for a serial peer or the server go to their
// link, as the Qt window sends them.
class TLinkView : public TRecordingView {
public:
    void SendMove(int kind, int x, int y, int colour) override
    {
        TRecordingView::SendMove(kind, x, y, colour);
        if (kind == pkSerial && ctl != nullptr)
            ctl->Com.SendMove(x, y, colour);
        if (kind == pkNngs && ctl != nullptr)
            ctl->Nngs.SendMove(x, y);
    }
    TMainCtl* ctl = nullptr;
};

// A game through the dialog between the engine and a serial peer on COM1,
// even, as one game or the first of a continuous match.
void StartSerialGame(TMainCtl& ctl, bool engineBlack, bool match = false);

class GameTest : public ShellTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the window on 9x9 in the language with the scripted engine and
    // the test clock.
    void Open(int language = lgEnglish, int size = 9);
    // A new game through the dialog: the player names for Black and White
    // ("VORN" is the engine, "" keeps the dialog's choice), confirmed.
    void Start(const std::string& black, const std::string& white, const std::string& teai = "",
               const std::string& komi = "");
    // Clicks the intersection of (x, y) with the left button.
    void ClickPoint(int x, int y);

    TRecordingView view;
    TNullCanvas canvas;
    TScriptPrompt prompt;
    TTestClock clock;
    TMainCtl ctl{view, canvas, prompt};
    TGameInfo& dlg = ctl.GameInfo;
};

} // namespace vorn::test
